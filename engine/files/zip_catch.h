// cZipCatch: the failure of one step of opening an archive entry, carried back to
// the opener, which logs it and turns it into its result code.
#pragma once

namespace vrk {

struct cZipCatch {
    enum Code : int { kNone = 0, kEntryNotFound = 1, kArchiveNotFound = 2, kInternalError = 4 };

    const char* format = nullptr;  // log format; "%s" takes the archive or entry name
    int code = kNone;

    bool Failed() const { return code != kNone; }
};

}  // namespace vrk
