#include "SystemCalls.h"

#include <windows.h>

namespace catalogue::durable {

namespace {

// Win32's errors as the portable codes the callers compare with.
std::error_code lastError()
{
    const DWORD code = GetLastError();
    switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return std::make_error_code(std::errc::permission_denied);
    case ERROR_WRITE_PROTECT: return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return std::make_error_code(std::errc::file_exists);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_NOT_SAME_DEVICE: return std::make_error_code(std::errc::cross_device_link);
    case ERROR_TOO_MANY_LINKS: return std::make_error_code(std::errc::too_many_links);
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED: return std::make_error_code(std::errc::function_not_supported);
    case ERROR_CRC:
    case ERROR_IO_DEVICE: return std::make_error_code(std::errc::io_error);
    default: return std::error_code(int(code), std::system_category());
    }
}

std::error_code result(BOOL ok)
{
    return ok ? std::error_code() : lastError();
}

HANDLE native(Handle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

std::error_code opened(HANDLE h, Handle& handle)
{
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    handle = reinterpret_cast<Handle>(h);
    return {};
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

const SystemCalls kReal{
    [](const Path& path, bool forWriting, Handle& handle) {
        return opened(CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                      handle);
    },
    [](const Path& path, Handle& handle) {
        return opened(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr),
                      handle);
    },
    [](Handle handle, char* data, std::size_t size, std::size_t& done) {
        DWORD got = 0;
        const std::error_code error = result(ReadFile(native(handle), data, DWORD(size), &got, nullptr));
        done = got;
        return error;
    },
    [](Handle handle, const char* data, std::size_t size, std::size_t& done) {
        DWORD put = 0;
        const std::error_code error = result(WriteFile(native(handle), data, DWORD(size), &put, nullptr));
        done = put;
        return error;
    },
    [](Handle handle) { return result(FlushFileBuffers(native(handle))); },
    [](Handle handle) { return result(CloseHandle(native(handle))); },
    // Windows has no flush for a folder; its renames are written through instead.
    [](const Path&) { return std::error_code(); },
    [](const Path& from, const Path& to) {
        return result(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    },
    [](const Path& original, const Path& secondName) {
        return result(CreateHardLinkW(secondName.c_str(), original.c_str(), nullptr));
    },
    [](const Path& path) { return result(DeleteFileW(path.c_str())); },
    // A file's permissions on Windows are its folder's to give.
    [](const Path&, Handle) { return std::error_code(); },
};

} // namespace

bool sameFile(const Path& a, const Path& b)
{
    BY_HANDLE_FILE_INFORMATION info[2] = {};
    const Path* paths[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        HANDLE h = CreateFileW(paths[i]->c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

const SystemCalls& realSystemCalls()
{
    return kReal;
}

} // namespace catalogue::durable
