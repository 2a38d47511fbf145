#include "ClaimedFile.h"
#include "DurableFiles.h"

namespace catalogue::jet {

namespace {

std::error_code errorOf(FileHold::Result result)
{
    switch (result) {
    case FileHold::Result::HeldElsewhere: return std::make_error_code(std::errc::device_or_resource_busy);
    case FileHold::Result::Missing: return std::make_error_code(std::errc::no_such_file_or_directory);
    case FileHold::Result::NotReadable: return std::make_error_code(std::errc::permission_denied);
    case FileHold::Result::Folder: return std::make_error_code(std::errc::is_a_directory);
    default: return std::make_error_code(std::errc::io_error);
    }
}

} // namespace

std::error_code ClaimedFile::claim(const QString& path)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        FileHold::Taken taken = FileHold::createAndHold(path);
        if (!taken.hold)
            return errorOf(taken.result);
        if (taken.created) {
            hold_ = std::move(taken.hold);
            durable::removeSideFilesOf(durable::pathOf(path));
            return {};
        }
        // Left by a copy that died: now that it is held here, remove it if the
        // name still means this same file, and create it anew.
        if (taken.hold->stillAtPath())
            durable::removeWithSideFiles(durable::pathOf(path));
    }
    return errorOf(FileHold::Result::HeldElsewhere);
}

} // namespace catalogue::jet
