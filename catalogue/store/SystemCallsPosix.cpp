#include "SystemCalls.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue::durable {

namespace {

std::error_code lastError()
{
    return std::error_code(errno, std::generic_category());
}

std::error_code result(int status)
{
    return status == 0 ? std::error_code() : lastError();
}

std::error_code opened(int fd, Handle& handle)
{
    if (fd < 0)
        return lastError();
    handle = fd;
    return {};
}

// A call cut short by a signal is made again, as every caller would have to.
template <typename Call>
auto retried(Call call)
{
    for (;;) {
        const auto got = call();
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

std::error_code moved(ssize_t got, std::size_t& done)
{
    if (got < 0)
        return lastError();
    done = std::size_t(got);
    return {};
}

const SystemCalls kReal{
    // Reading is enough to sync a file here, and a file one may only read can be synced too.
    [](const Path& path, bool, Handle& handle) { return opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC), handle); },
    [](const Path& path, Handle& handle) {
        return opened(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666), handle);
    },
    [](Handle handle, char* data, std::size_t size, std::size_t& done) {
        return moved(retried([&] { return ::read(int(handle), data, size); }), done);
    },
    [](Handle handle, const char* data, std::size_t size, std::size_t& done) {
        return moved(retried([&] { return ::write(int(handle), data, size); }), done);
    },
    [](Handle handle) { return result(::fsync(int(handle))); },
    [](Handle handle) { return result(::close(int(handle))); },
    [](const Path& folder) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return lastError();
        const std::error_code error = result(::fsync(fd));
        ::close(fd);
        return error;
    },
    [](const Path& from, const Path& to) { return result(::rename(from.c_str(), to.c_str())); },
    [](const Path& original, const Path& secondName) { return result(::link(original.c_str(), secondName.c_str())); },
    [](const Path& path) { return result(::unlink(path.c_str())); },
    [](const Path& model, Handle handle) {
        struct stat st {};
        if (::stat(model.c_str(), &st) != 0)
            return lastError();
        return result(::fchmod(int(handle), st.st_mode & 07777));
    },
};

} // namespace

bool sameFile(const Path& a, const Path& b)
{
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

const SystemCalls& realSystemCalls()
{
    return kReal;
}

} // namespace catalogue::durable
