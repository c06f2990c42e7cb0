// Writing a whole file so that the previous version survives any failure: the
// bytes go to a new, uniquely named "NAME.tmp.??????" beside NAME, are flushed to
// the disk, and only then replace NAME.
#pragma once
#include <cstddef>
#include <string>

namespace vrk {

// 0 on success; 2 when the file cannot be written (path inside a ZIP archive, a
// link at NAME, folder missing, disk full, ...). A failure leaves NAME untouched
// and no temporary file behind. The file gets kFileMode.
int WriteFileReplacing(const std::string& path, const void* data, size_t size);

}  // namespace vrk
