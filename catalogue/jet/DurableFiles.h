#pragma once
// The few file operations a safe conversion needs, each durable when it
// returns: POSIX calls on Linux, their Win32 counterparts on Windows (not yet
// built or tested there). No Qt here, so the Windows half can be checked with
// the MinGW compiler alone.

#include <filesystem>
#include <system_error>

namespace catalogue::jet::files {

using Path = std::filesystem::path;

// Writes the file's data and the folder's entries to the disk.
std::error_code syncFile(const Path& path);
std::error_code syncFolder(const Path& folder);

// Makes `copy` a second name of `original` (a hard link) or, where the file
// system has none, an exact copy written to disk. Never replaces a file:
// `nameTaken` tells that `copy` already exists, unless it already is a second
// name of `original` (left by a conversion that was stopped), which is kept.
std::error_code keepUnder(const Path& original, const Path& copy, bool& nameTaken);

// Puts `from` in the place of `to` in one step, replacing it.
std::error_code replace(const Path& from, const Path& to);

// Removes the journal files SQLite may have left beside the file.
void removeJournalsOf(const Path& path);
// Removes the file and the journal files SQLite may have left beside it.
void removeWithJournals(const Path& path);

} // namespace catalogue::jet::files
