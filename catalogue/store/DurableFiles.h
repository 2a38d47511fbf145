#pragma once
// The catalogue's files made durable, for every layer: a new file written
// beside the one it replaces and put in its place whole, a file kept under a
// second name, a file moved aside, and the folder synced after its names
// change, so that after a crash or a power cut each name holds a whole file.
// Reports, the conversion of Access files and the store's own recovery all
// go through here, and here through one table of system calls (SystemCalls.h).

#include "SystemCalls.h"

#include <QString>

#include <array>
#include <string>

namespace catalogue::durable {

// The absolute path of a file the program names.
Path pathOf(const QString& fileName);

// The files SQLite keeps beside a catalogue: its rollback journal, and the
// write-ahead log of older versions with the log's index.
enum class SideFile { Journal, Wal, Index };
inline constexpr std::array<SideFile, 3> kSideFiles{SideFile::Journal, SideFile::Wal, SideFile::Index};
QString sideFileOf(const QString& file, SideFile side);

// Writes the file's data, or the folder's entries, to the disk.
std::error_code syncFile(const Path& path);
std::error_code syncFolder(const Path& folder);

// Makes `copy` a second name of `original` (a hard link) or, where the file
// system has none, an exact copy written to disk. Never replaces a file:
// `nameTaken` tells that `copy` already exists, unless it already is a second
// name of `original` (left by a run that was stopped), which is kept.
std::error_code keepUnder(const Path& original, const Path& copy, bool& nameTaken);
// Gives `from` the name `to` in one step, replacing a file of that name. The
// caller syncs the folder: only it knows whether a failure then matters.
std::error_code replace(const Path& from, const Path& to);
// Gives `from` the name `to`, which the caller has found free, and syncs the folder.
std::error_code moveTo(const Path& from, const Path& to);
// Removes the file; a file that is not there is no failure.
std::error_code removeFile(const Path& path);

// Removes the side files SQLite may have left beside the file; with it, the file too.
void removeSideFilesOf(const Path& path);
void removeWithSideFiles(const Path& path);

// A file written whole beside the one it replaces: under a temporary name
// (the final one and six letters or digits), synced, renamed over the older
// file, and the folder synced. One abandoned before its commit, or whose
// commit fails before the rename, is removed and leaves the older file as it
// was. Writes are gathered in a buffer, so a failure may show only at commit.
class NewFile {
public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    std::error_code create(const Path& finalPath);
    std::error_code write(const char* data, std::size_t size);
    std::error_code commit();

private:
    std::error_code flush();
    void abandon();

    Path final_;
    Path temporary_;
    Handle handle_ = -1;
    bool open_ = false;
    std::string buffer_;
};

} // namespace catalogue::durable
