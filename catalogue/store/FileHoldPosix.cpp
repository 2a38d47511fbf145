#include "FileHold.h"

#include <QFile>

#include <cerrno>
#include <map>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

struct FileHold::Native {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
    ~Native();
};

namespace {

using FileKey = std::pair<dev_t, ino_t>;

// The files this process holds, so that a second opening in the same process
// shares the hold instead of opening (and later closing) a descriptor of its own.
std::map<FileKey, std::weak_ptr<FileHold::Native>>& heldFiles()
{
    static std::map<FileKey, std::weak_ptr<FileHold::Native>> files;
    return files;
}

std::shared_ptr<FileHold::Native> alreadyHeld(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return nullptr;
    auto it = heldFiles().find({st.st_dev, st.st_ino});
    return it == heldFiles().end() ? nullptr : it->second.lock();
}

FileHold::Result resultOfOpenError(int error)
{
    switch (error) {
    case ENOENT: return FileHold::Result::Missing;
    case EACCES:
    case EPERM: return FileHold::Result::NotReadable;
    case EISDIR: return FileHold::Result::Folder;
    default: return FileHold::Result::Failed;
    }
}

} // namespace

FileHold::Native::~Native()
{
    heldFiles().erase({device, inode});
    if (fd >= 0)
        ::close(fd);
}

FileHold::FileHold(QString path, std::shared_ptr<Native> native) : path_(std::move(path)), native_(std::move(native)) {}

FileHold::~FileHold() = default;

namespace {

// Takes the hold on a descriptor just opened, or closes it again and says why not.
FileHold::Result holdDescriptor(int fd, std::shared_ptr<FileHold::Native>& native)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return FileHold::Result::Failed;
    }
    if (S_ISDIR(st.st_mode) || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? FileHold::Result::Folder : FileHold::Result::NotRegular;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? FileHold::Result::HeldElsewhere : FileHold::Result::Failed;
    }
    native = std::make_shared<FileHold::Native>();
    native->fd = fd;
    native->device = st.st_dev;
    native->inode = st.st_ino;
    heldFiles()[{st.st_dev, st.st_ino}] = native;
    return FileHold::Result::Held;
}

} // namespace

FileHold::Taken FileHold::holdExisting(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (auto shared = alreadyHeld(native))
        return {std::unique_ptr<FileHold>(new FileHold(path, std::move(shared))), Result::Held};
    // Non-blocking, so that a named pipe is recognised instead of waited on.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, resultOfOpenError(errno)};
    std::shared_ptr<Native> held;
    const Result result = holdDescriptor(fd, held);
    if (result != Result::Held)
        return {nullptr, result};
    return {std::unique_ptr<FileHold>(new FileHold(path, std::move(held))), result};
}

FileHold::Taken FileHold::createAndHold(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? holdExisting(path) : Taken{nullptr, resultOfOpenError(errno)};
    std::shared_ptr<Native> held;
    const Result result = holdDescriptor(fd, held);
    if (result != Result::Held)
        return {nullptr, result};
    return {std::unique_ptr<FileHold>(new FileHold(path, std::move(held))), result, true};
}

bool FileHold::writable(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

bool FileHold::stillAtPath() const
{
    struct stat atPath {};
    struct stat held {};
    if (::stat(QFile::encodeName(path_).constData(), &atPath) != 0 || ::fstat(native_->fd, &held) != 0)
        return false;
    return held.st_nlink > 0 && atPath.st_dev == native_->device && atPath.st_ino == native_->inode;
}

bool FileHold::someoneIsWriting() const
{
    // SQLite's writers hold a write lock on this byte (its "reserved" lock)
    // for as long as their change lasts; the question does not take it.
    constexpr off_t sqliteReservedByte = 0x40000001;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = sqliteReservedByte;
    probe.l_len = 1;
    return ::fcntl(native_->fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

QByteArray FileHold::head(int bytes) const
{
    QByteArray data(bytes, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes) {
        const ssize_t n = ::pread(native_->fd, data.data() + got, std::size_t(bytes - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    data.truncate(got);
    return data;
}

} // namespace catalogue
