#pragma once
// The one seam between the durable files (DurableFiles.h) and the system.
// Every call that creates, writes, syncs, renames, links or removes a file
// goes through this table, as SQLite's own calls go through its aSyscall[]
// table, so that a test can make a given call fail (a full disk, no
// permission, an I/O error) and check that the user's files are as they were.
// Each entry is one system call, POSIX on Linux and Win32 on Windows, and
// gives its error as a portable code: std::errc where there is one.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace catalogue::durable {

using Path = std::filesystem::path;
// An open file: a descriptor on Linux, a HANDLE on Windows.
using Handle = std::intptr_t;

struct SystemCalls {
    // open(2) / CreateFileW of an existing file, for reading, or for writing to sync it.
    std::error_code (*openFile)(const Path& path, bool forWriting, Handle& handle);
    // The same for a new file that must not exist yet (O_EXCL / CREATE_NEW).
    std::error_code (*createFile)(const Path& path, Handle& handle);
    // read(2) / ReadFile, write(2) / WriteFile: `done` bytes moved, 0 at the end of a file.
    std::error_code (*readFile)(Handle handle, char* data, std::size_t size, std::size_t& done);
    std::error_code (*writeFile)(Handle handle, const char* data, std::size_t size, std::size_t& done);
    // fsync(2) / FlushFileBuffers.
    std::error_code (*syncFile)(Handle handle);
    std::error_code (*closeFile)(Handle handle);
    // fsync(2) of the folder; Windows has none: its renames are written through instead.
    std::error_code (*syncFolder)(const Path& folder);
    // rename(2) / MoveFileExW, replacing a file of the new name.
    std::error_code (*rename)(const Path& from, const Path& to);
    // link(2) / CreateHardLinkW.
    std::error_code (*link)(const Path& original, const Path& secondName);
    // unlink(2) / DeleteFileW.
    std::error_code (*remove)(const Path& path);
    // fchmod(2) to the mode of `model`, so that a report keeps the older one's permissions; nothing on Windows.
    std::error_code (*copyPermissions)(const Path& model, Handle handle);
};

// Whether two paths name one file. A question that changes nothing, asked directly.
bool sameFile(const Path& a, const Path& b);

// The table in use: the system's own calls, unless a test has changed an entry.
SystemCalls& systemCalls();
// The system's own calls, to put back.
const SystemCalls& realSystemCalls();

} // namespace catalogue::durable
