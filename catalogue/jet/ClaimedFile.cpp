#include "ClaimedFile.h"
#include "DurableFiles.h"

#include <QFileInfo>

namespace catalogue::jet {

namespace {

std::error_code errorOf(FileHold::Result result)
{
    switch (result) {
    case FileHold::Result::Missing: return std::make_error_code(std::errc::no_such_file_or_directory);
    case FileHold::Result::NotReadable: return std::make_error_code(std::errc::permission_denied);
    case FileHold::Result::Folder: return std::make_error_code(std::errc::is_a_directory);
    default: return std::make_error_code(std::errc::io_error);
    }
}

} // namespace

ClaimedFile::Result ClaimedFile::claim(const QString& path, std::error_code& error)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        FileHold::Taken taken = FileHold::createAndHold(path);
        if (taken.result == FileHold::Result::HeldElsewhere)
            return Result::HeldByAnother;
        if (!taken.hold) {
            error = errorOf(taken.result);
            return Result::Failed;
        }
        if (taken.created) {
            hold_ = std::move(taken.hold);
            files::removeJournalsOf(QFileInfo(path).filesystemAbsoluteFilePath());
            return Result::Claimed;
        }
        // Left by a copy that died: now that it is held here, remove it if the
        // name still means this same file, and create it anew.
        if (taken.hold->stillAtPath())
            files::removeWithJournals(QFileInfo(path).filesystemAbsoluteFilePath());
    }
    return Result::HeldByAnother;
}

} // namespace catalogue::jet
