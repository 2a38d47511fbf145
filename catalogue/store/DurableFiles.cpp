#include "DurableFiles.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace catalogue::durable {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

SystemCalls& os()
{
    return systemCalls();
}

// Closes the file whatever happens; the first failure is the one told.
std::error_code closeAfter(Handle handle, std::error_code error)
{
    const std::error_code closed = os().closeFile(handle);
    return error ? error : closed;
}

std::error_code writeWhole(Handle handle, const char* data, std::size_t size)
{
    while (size > 0) {
        std::size_t done = 0;
        if (const std::error_code error = os().writeFile(handle, data, size, done))
            return error;
        data += done;
        size -= done;
    }
    return {};
}

std::error_code copyData(Handle in, Handle out)
{
    std::string buffer(kBufferSize, '\0');
    for (;;) {
        std::size_t got = 0;
        if (const std::error_code error = os().readFile(in, buffer.data(), buffer.size(), got))
            return error;
        if (got == 0)
            return {};
        if (const std::error_code error = writeWhole(out, buffer.data(), got))
            return error;
    }
}

// For file systems without hard links: a copy under the new name, created exclusively.
std::error_code copyExclusively(const Path& original, const Path& copy, bool& nameTaken)
{
    Handle in = -1;
    if (const std::error_code error = os().openFile(original, false, in))
        return error;
    Handle out = -1;
    if (const std::error_code error = os().createFile(copy, out)) {
        nameTaken = error == std::errc::file_exists;
        return closeAfter(in, nameTaken ? std::error_code() : error);
    }
    std::error_code error = copyData(in, out);
    if (!error)
        error = os().syncFile(out);
    error = closeAfter(out, error);
    error = closeAfter(in, error);
    if (error)
        os().remove(copy);
    return error;
}

bool linkUnsupported(std::error_code error)
{
    for (std::errc unsupported :
         {std::errc::operation_not_permitted, std::errc::cross_device_link, std::errc::operation_not_supported,
          std::errc::too_many_links, std::errc::function_not_supported})
        if (error == unsupported)
            return true;
    return false;
}

Path withSuffix(Path path, const char* suffix)
{
    path += suffix;
    return path;
}

const char* suffixOf(SideFile side)
{
    switch (side) {
    case SideFile::Journal: return "-journal";
    case SideFile::Wal: return "-wal";
    case SideFile::Index: break;
    }
    return "-shm";
}

} // namespace

SystemCalls& systemCalls()
{
    static SystemCalls calls = realSystemCalls();
    return calls;
}

Path pathOf(const QString& fileName)
{
    return QFileInfo(fileName).filesystemAbsoluteFilePath();
}

QString sideFileOf(const QString& file, SideFile side)
{
    return file + QLatin1String(suffixOf(side));
}

std::error_code syncFile(const Path& path)
{
    Handle handle = -1;
    if (const std::error_code error = os().openFile(path, true, handle))
        return error;
    return closeAfter(handle, os().syncFile(handle));
}

std::error_code syncFolder(const Path& folder)
{
    return os().syncFolder(folder);
}

std::error_code keepUnder(const Path& original, const Path& copy, bool& nameTaken)
{
    nameTaken = false;
    const std::error_code error = os().link(original, copy);
    if (!error)
        return {};
    if (error == std::errc::file_exists) {
        nameTaken = !sameFile(original, copy);
        return {};
    }
    if (linkUnsupported(error))
        return copyExclusively(original, copy, nameTaken);
    return error;
}

std::error_code replace(const Path& from, const Path& to)
{
    return os().rename(from, to);
}

std::error_code moveTo(const Path& from, const Path& to)
{
    if (const std::error_code error = os().rename(from, to))
        return error;
    return os().syncFolder(to.parent_path());
}

std::error_code removeFile(const Path& path)
{
    const std::error_code error = os().remove(path);
    return error == std::errc::no_such_file_or_directory ? std::error_code() : error;
}

void removeSideFilesOf(const Path& path)
{
    for (SideFile side : kSideFiles)
        removeFile(withSuffix(path, suffixOf(side)));
}

void removeWithSideFiles(const Path& path)
{
    removeSideFilesOf(path);
    removeFile(path);
}

NewFile::~NewFile()
{
    abandon();
}

void NewFile::abandon()
{
    if (!open_)
        return;
    os().closeFile(handle_);
    os().remove(temporary_);
    open_ = false;
}

std::error_code NewFile::create(const Path& finalPath)
{
    abandon();
    final_ = finalPath;
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".";
        for (int i = 0; i < 6; ++i)
            suffix += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        temporary_ = withSuffix(final_, suffix.c_str());
        error = os().createFile(temporary_, handle_);
        if (error == std::errc::file_exists)
            continue;
        if (error)
            return error;
        open_ = true;
        buffer_.reserve(kBufferSize);
        // A report keeps the permissions of the one it replaces; a missing one has none to give.
        if (const std::error_code kept = os().copyPermissions(final_, handle_);
            kept && kept != std::errc::no_such_file_or_directory) {
            abandon();
            return kept;
        }
        return {};
    }
    return error;
}

std::error_code NewFile::flush()
{
    const std::error_code error = writeWhole(handle_, buffer_.data(), buffer_.size());
    buffer_.clear();
    return error;
}

std::error_code NewFile::write(const char* data, std::size_t size)
{
    if (!open_)
        return std::make_error_code(std::errc::bad_file_descriptor);
    if (buffer_.size() + size > kBufferSize)
        if (const std::error_code error = flush())
            return error;
    if (size >= kBufferSize)
        return writeWhole(handle_, data, size);
    buffer_.append(data, size);
    return {};
}

std::error_code NewFile::commit()
{
    if (!open_)
        return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code error = flush();
    if (!error)
        error = os().syncFile(handle_);
    const std::error_code closed = os().closeFile(handle_);
    open_ = false;
    if (!error)
        error = closed;
    if (!error)
        error = os().rename(temporary_, final_);
    if (error) {
        os().remove(temporary_);
        return error;
    }
    // The new file is in place whatever the folder's sync says: it cannot be
    // told as a failure that left the older file.
    os().syncFolder(final_.parent_path());
    return {};
}

} // namespace catalogue::durable
