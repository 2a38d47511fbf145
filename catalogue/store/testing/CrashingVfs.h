#pragma once
// For tests: this process dies, as a kill -9 would end it, at a chosen moment
// of SQLite's commit. A file layer (VFS) that passes every call through to
// SQLite's own until that moment, installed as the default for connections
// opened after it, in a child process that is meant to die; crashAt() arms it.
#include <sqlite3.h>

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace catalogue::testing {

enum class CrashMoment {
    Never,
    BeforeTheFileIsWritten, // the journal is whole on disk; the catalogue file untouched
    AtTheJournalsRemoval,   // the catalogue file is written; its journal not yet removed
};

namespace crashing_vfs {

inline CrashMoment moment = CrashMoment::Never;
inline sqlite3_vfs* real = nullptr;
inline sqlite3_vfs shim;
inline sqlite3_io_methods methods;

struct File {
    sqlite3_file base;
    sqlite3_file* real;
    bool catalogue;
};

[[noreturn]] inline void die()
{
    ::kill(::getpid(), SIGKILL);
    for (;;)
        ::pause();
}

inline sqlite3_file* realOf(sqlite3_file* f)
{
    return reinterpret_cast<File*>(f)->real;
}

inline int write(sqlite3_file* f, const void* data, int size, sqlite3_int64 offset)
{
    if (moment == CrashMoment::BeforeTheFileIsWritten && reinterpret_cast<File*>(f)->catalogue)
        die();
    return realOf(f)->pMethods->xWrite(realOf(f), data, size, offset);
}

inline int remove(sqlite3_vfs*, const char* name, int syncFolder)
{
    const std::size_t length = std::strlen(name);
    if (moment == CrashMoment::AtTheJournalsRemoval && length > 8 && std::strcmp(name + length - 8, "-journal") == 0)
        die();
    return real->xDelete(real, name, syncFolder);
}

inline int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* file = reinterpret_cast<File*>(f);
    file->real = static_cast<sqlite3_file*>(sqlite3_malloc(real->szOsFile));
    file->catalogue = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    const int rc = real->xOpen(real, name, file->real, flags, outFlags);
    file->base.pMethods = file->real->pMethods ? &methods : nullptr;
    if (!file->real->pMethods)
        sqlite3_free(file->real);
    return rc;
}

inline int close(sqlite3_file* f)
{
    const int rc = realOf(f)->pMethods->xClose(realOf(f));
    sqlite3_free(realOf(f));
    return rc;
}

} // namespace crashing_vfs

// Everything but writing and removing is the real layer's own.
inline void installCrashingVfs()
{
    using namespace crashing_vfs;
    real = sqlite3_vfs_find(nullptr);
    shim = *real;
    shim.zName = "crashing";
    shim.szOsFile = int(sizeof(File));
    shim.xOpen = open;
    shim.xDelete = remove;
    methods = sqlite3_io_methods{
        1,
        close,
        [](sqlite3_file* f, void* data, int size, sqlite3_int64 offset) {
            return realOf(f)->pMethods->xRead(realOf(f), data, size, offset);
        },
        write,
        [](sqlite3_file* f, sqlite3_int64 size) { return realOf(f)->pMethods->xTruncate(realOf(f), size); },
        [](sqlite3_file* f, int flags) { return realOf(f)->pMethods->xSync(realOf(f), flags); },
        [](sqlite3_file* f, sqlite3_int64* size) { return realOf(f)->pMethods->xFileSize(realOf(f), size); },
        [](sqlite3_file* f, int lock) { return realOf(f)->pMethods->xLock(realOf(f), lock); },
        [](sqlite3_file* f, int lock) { return realOf(f)->pMethods->xUnlock(realOf(f), lock); },
        [](sqlite3_file* f, int* out) { return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out); },
        [](sqlite3_file* f, int op, void* arg) { return realOf(f)->pMethods->xFileControl(realOf(f), op, arg); },
        [](sqlite3_file* f) { return realOf(f)->pMethods->xSectorSize(realOf(f)); },
        [](sqlite3_file* f) { return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f)); },
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr, // version 1: no shared memory, no mapping
    };
    sqlite3_vfs_register(&shim, 1);
}

inline void crashAt(CrashMoment moment)
{
    crashing_vfs::moment = moment;
}

} // namespace catalogue::testing
