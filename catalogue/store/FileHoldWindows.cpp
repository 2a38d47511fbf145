#include "FileHold.h"

#include <QDir>
#include <QFileInfo>

#include <map>
#include <utility>

#include <windows.h>

namespace catalogue {

namespace {
// SQLite locks bytes from 0x40000000 on; this one lies far beyond them and
// beyond any catalogue, so no read or write of the file ever meets it.
constexpr DWORD kHeldByteLow = 0xFFFFFFF0;
constexpr DWORD kHeldByteHigh = 0x7FFFFFFF;
} // namespace

struct FileHold::Native {
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    ~Native()
    {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
};

namespace {

std::wstring nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

HANDLE openForHolding(const QString& path, DWORD creation)
{
    return CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool sameFile(HANDLE file, const FileHold::Native& held)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file, &info) && info.nNumberOfLinks > 0 &&
           info.dwVolumeSerialNumber == held.volume && info.nFileIndexHigh == held.indexHigh &&
           info.nFileIndexLow == held.indexLow;
}

FileHold::Result resultOfOpenError(const QString& path, DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return FileHold::Result::Missing;
    case ERROR_ACCESS_DENIED: {
        // CreateFileW refuses a folder as it refuses a file the user may not read.
        const DWORD attributes = GetFileAttributesW(nativePath(path).c_str());
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        return folder ? FileHold::Result::Folder : FileHold::Result::NotReadable;
    }
    case ERROR_SHARING_VIOLATION: return FileHold::Result::HeldElsewhere;
    default: return FileHold::Result::Failed;
    }
}

// Windows locks belong to a handle, not to the process, so two openings in
// one process would refuse each other: the first one's hold is shared.
std::map<std::wstring, std::weak_ptr<FileHold::Native>>& heldFiles()
{
    static std::map<std::wstring, std::weak_ptr<FileHold::Native>> files;
    return files;
}

FileHold::Result hold(HANDLE file, std::shared_ptr<FileHold::Native>& native)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) {
        CloseHandle(file);
        return FileHold::Result::Failed;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        CloseHandle(file);
        return FileHold::Result::Folder;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return FileHold::Result::NotRegular;
    }
    OVERLAPPED at{};
    at.Offset = kHeldByteLow;
    at.OffsetHigh = kHeldByteHigh;
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION ? FileHold::Result::HeldElsewhere : FileHold::Result::Failed;
    }
    native = std::make_shared<FileHold::Native>();
    native->file = file;
    native->volume = info.dwVolumeSerialNumber;
    native->indexHigh = info.nFileIndexHigh;
    native->indexLow = info.nFileIndexLow;
    return FileHold::Result::Held;
}

} // namespace

FileHold::FileHold(QString path, std::shared_ptr<Native> native) : path_(std::move(path)), native_(std::move(native)) {}

FileHold::~FileHold() = default;

FileHold::Taken FileHold::holdExisting(const QString& path)
{
    const std::wstring key = nativePath(QFileInfo(path).absoluteFilePath());
    if (auto shared = heldFiles()[key].lock())
        return {std::unique_ptr<FileHold>(new FileHold(path, std::move(shared))), Result::Held};
    const HANDLE file = openForHolding(path, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return {nullptr, resultOfOpenError(path, GetLastError())};
    std::shared_ptr<Native> held;
    const Result result = hold(file, held);
    if (result != Result::Held)
        return {nullptr, result};
    heldFiles()[key] = held;
    return {std::unique_ptr<FileHold>(new FileHold(path, std::move(held))), result};
}

FileHold::Taken FileHold::createAndHold(const QString& path)
{
    const HANDLE file = openForHolding(path, CREATE_NEW);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS ? holdExisting(path)
                                                   : Taken{nullptr, resultOfOpenError(path, GetLastError())};
    CloseHandle(file);
    Taken taken = holdExisting(path);
    taken.created = taken.hold != nullptr;
    return taken;
}

bool FileHold::writable(const QString& path)
{
    return QFileInfo(path).isWritable();
}

bool FileHold::stillAtPath() const
{
    const HANDLE atPath = openForHolding(path_, OPEN_EXISTING);
    if (atPath == INVALID_HANDLE_VALUE)
        return false;
    const bool same = sameFile(atPath, *native_) && sameFile(native_->file, *native_);
    CloseHandle(atPath);
    return same;
}

bool FileHold::someoneIsWriting() const
{
    // SQLite's writers lock this byte (its "reserved" lock) while their
    // change lasts: if it cannot be taken for a moment, one is writing.
    OVERLAPPED at{};
    at.Offset = 0x40000001;
    if (!LockFileEx(native_->file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
        return true;
    UnlockFileEx(native_->file, 0, 1, 0, &at);
    return false;
}

QByteArray FileHold::head(int bytes) const
{
    QByteArray data(bytes, Qt::Uninitialized);
    OVERLAPPED at{};
    DWORD got = 0;
    if (!ReadFile(native_->file, data.data(), DWORD(bytes), &got, &at))
        got = 0;
    data.truncate(qsizetype(got));
    return data;
}

} // namespace catalogue
