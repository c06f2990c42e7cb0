// Writing a whole file so that the previous version survives any failure: the
// bytes go to a new, uniquely named "NAME.tmp.??????" beside NAME, are flushed to
// the disk, and only then replace NAME. A cPendingWrite splits the two steps, so
// that several files can be written first and replaced only when all were.
#pragma once
#include <cstddef>
#include <string>

namespace vrk {

// 0 on success; 2 when the file cannot be written (path inside a ZIP archive, a
// link or a folder at NAME, folder missing, disk full, ...). A failure leaves NAME
// untouched and no temporary file behind. The file gets kFileMode.
int WriteFileReplacing(const std::string& path, const void* data, size_t size);

class cPendingWrite {
public:
    cPendingWrite() = default;
    // A write neither committed nor discarded is discarded.
    ~cPendingWrite();
    cPendingWrite(cPendingWrite&& other) noexcept;
    cPendingWrite& operator=(cPendingWrite&& other) noexcept;
    cPendingWrite(const cPendingWrite&) = delete;
    cPendingWrite& operator=(const cPendingWrite&) = delete;

    // Writes the bytes to the temporary beside path; 0, or 2 (logged) as
    // WriteFileReplacing, with no temporary left after a failure.
    int Prepare(const std::string& path, const void* data, size_t size);
    // Renames the prepared temporary over the file; 0, or 2 (logged, temporary
    // removed, file untouched). Without a prepared temporary: 2.
    int Commit();
    // Removes the prepared temporary, if any.
    void Discard();

private:
    std::string gamePath_;       // for the log
    std::string targetPath_;     // the system path of the file
    std::string temporaryPath_;  // empty when nothing is prepared
};

}  // namespace vrk
