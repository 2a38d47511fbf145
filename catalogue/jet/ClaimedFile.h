#pragma once
// The temporary file a conversion writes into, created by this process and
// held through the store's own file hold, so that another copy of the
// program can tell it is in use, and the catalogue written into it shares
// the hold instead of taking a second one.

#include "FileHold.h"

#include <QString>

#include <memory>
#include <system_error>

namespace catalogue::jet {

class ClaimedFile {
public:
    // Creates the file exclusively. A file of that name left by a copy that
    // died (nobody holds it) is removed first, with the side files SQLite
    // keeps beside it. Gives std::errc::device_or_resource_busy when another
    // copy of the program holds it, the system's error when it cannot be made.
    std::error_code claim(const QString& path);
    void release() { hold_.reset(); }

private:
    std::unique_ptr<FileHold> hold_;
};

} // namespace catalogue::jet
