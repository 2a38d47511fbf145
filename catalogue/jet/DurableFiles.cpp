#include "DurableFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
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

void removeJournalsOf(const Path& path)
{
    std::error_code ignored;
    for (const char* journal : {"-journal", "-wal", "-shm"})
        std::filesystem::remove(withSuffix(path, journal), ignored);
}

void removeWithJournals(const Path& path)
{
    removeJournalsOf(path);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

#ifdef _WIN32

namespace {

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

std::error_code syncFile(const Path& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
        struct stat a {
        }, b{};
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

} // namespace catalogue::jet::files
