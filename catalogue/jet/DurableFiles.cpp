#include "DurableFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>

namespace catalogue::jet::files {

namespace {

std::error_code lastError()
{
#ifdef _WIN32
    return std::error_code(int(GetLastError()), std::system_category());
#else
    return std::error_code(errno, std::generic_category());
#endif
}

Path withSuffix(const Path& path, const char* suffix)
{
    Path p = path;
    p += suffix;
    return p;
}

} // namespace

void removeWithJournals(const Path& path)
{
    std::error_code ignored;
    for (const char* journal : {"-journal", "-wal", "-shm"})
        std::filesystem::remove(withSuffix(path, journal), ignored);
    std::filesystem::remove(path, ignored);
}

#ifdef _WIN32

namespace {

// The lock covers one byte far past any data, where SQLite never locks, so
// it keeps other copies out without getting in the way of reading and writing.
bool lockHandle(HANDLE h)
{
    OVERLAPPED at = {};
    at.Offset = 0;
    at.OffsetHigh = 0x7FFFFFFF;
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
}

HANDLE openShared(const Path& path, DWORD disposition)
{
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool sameFile(const Path& a, const Path& b)
{
    BY_HANDLE_FILE_INFORMATION info[2] = {};
    const Path* paths[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        HANDLE h = CreateFileW(paths[i]->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = GetFileInformationByHandle(h, &info[i]);
        CloseHandle(h);
        if (!ok)
            return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

} // namespace

ClaimedFile::Result ClaimedFile::claim(const Path& path, std::error_code& error)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        HANDLE h = openShared(path, CREATE_NEW);
        if (h != INVALID_HANDLE_VALUE) {
            if (!lockHandle(h)) {
                CloseHandle(h);
                return Result::HeldByAnother;
            }
            handle_ = h;
            for (const char* journal : {"-journal", "-wal", "-shm"}) // orphans, now ours
                DeleteFileW(withSuffix(path, journal).c_str());
            return Result::Claimed;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            error = lastError();
            return Result::Failed;
        }
        h = openShared(path, OPEN_EXISTING);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        if (!lockHandle(h)) {
            CloseHandle(h);
            return Result::HeldByAnother;
        }
        // Left by a copy that died: delete this very file (by its handle) and its journals.
        for (const char* journal : {"-journal", "-wal", "-shm"})
            DeleteFileW(withSuffix(path, journal).c_str());
        FILE_DISPOSITION_INFO dispose = {TRUE};
        SetFileInformationByHandle(h, FileDispositionInfo, &dispose, sizeof dispose);
        CloseHandle(h);
    }
    return Result::HeldByAnother;
}

void ClaimedFile::release()
{
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

std::error_code syncFile(const Path& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    const bool ok = FlushFileBuffers(h);
    const std::error_code error = ok ? std::error_code() : lastError();
    CloseHandle(h);
    return error;
}

std::error_code syncFolder(const Path&)
{
    return {}; // Windows has no flush for a folder; the rename below is written through instead
}

std::error_code keepUnder(const Path& original, const Path& copy, bool& nameTaken)
{
    nameTaken = false;
    if (CreateHardLinkW(copy.c_str(), original.c_str(), nullptr))
        return {};
    if (GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS) {
        nameTaken = !sameFile(original, copy);
        return {};
    }
    if (!CopyFileW(original.c_str(), copy.c_str(), TRUE)) {
        nameTaken = GetLastError() == ERROR_FILE_EXISTS;
        return nameTaken ? std::error_code() : lastError();
    }
    return syncFile(copy);
}

std::error_code replace(const Path& from, const Path& to)
{
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return lastError();
}

#else

ClaimedFile::Result ClaimedFile::claim(const Path& path, std::error_code& error)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // flock, not fcntl: SQLite's own fcntl locks on this file must not touch this one.
            if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
                ::close(fd);
                return Result::HeldByAnother;
            }
            fd_ = fd;
            for (const char* journal : {"-journal", "-wal", "-shm"})
                ::unlink(withSuffix(path, journal).c_str());
            return Result::Claimed;
        }
        if (errno != EEXIST) {
            error = lastError();
            return Result::Failed;
        }
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            continue; // gone in the meantime: try to create it again
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return Result::HeldByAnother;
        }
        // Left by a copy that died. Holding its lock, remove it if the name
        // still means this same file.
        struct stat held {}, named {};
        if (fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino)
            removeWithJournals(path);
        ::close(fd);
    }
    return Result::HeldByAnother;
}

void ClaimedFile::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::error_code syncFile(const Path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const std::error_code error = ::fsync(fd) == 0 ? std::error_code() : lastError();
    ::close(fd);
    return error;
}

std::error_code syncFolder(const Path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const std::error_code error = ::fsync(fd) == 0 ? std::error_code() : lastError();
    ::close(fd);
    return error;
}

namespace {

// For file systems without hard links: a copy under the new name, created exclusively.
std::error_code copyExclusively(const Path& original, const Path& copy, bool& nameTaken)
{
    const int in = ::open(original.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return lastError();
    const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        nameTaken = errno == EEXIST;
        const std::error_code error = nameTaken ? std::error_code() : lastError();
        ::close(in);
        return error;
    }
    std::error_code error;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got <= 0) {
            if (got < 0)
                error = lastError();
            break;
        }
        for (ssize_t done = 0; done < got && !error;) {
            const ssize_t put = ::write(out, buffer + done, std::size_t(got - done));
            if (put < 0)
                error = lastError();
            else
                done += put;
        }
        if (error)
            break;
    }
    if (!error && ::fsync(out) != 0)
        error = lastError();
    ::close(out);
    ::close(in);
    if (error)
        ::unlink(copy.c_str());
    return error;
}

} // namespace

std::error_code keepUnder(const Path& original, const Path& copy, bool& nameTaken)
{
    nameTaken = false;
    if (::link(original.c_str(), copy.c_str()) == 0)
        return {};
    if (errno == EEXIST) {
        struct stat a {}, b {};
        nameTaken = !(::stat(original.c_str(), &a) == 0 && ::stat(copy.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
                      a.st_ino == b.st_ino);
        return {};
    }
    if (errno == EPERM || errno == EXDEV || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS)
        return copyExclusively(original, copy, nameTaken);
    return lastError();
}

std::error_code replace(const Path& from, const Path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

#endif

ClaimedFile::~ClaimedFile()
{
    release();
}

} // namespace catalogue::jet::files
