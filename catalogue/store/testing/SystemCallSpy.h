#pragma once
// For tests: the durable files' system calls (SystemCalls.h) watched while
// the object lives. Every call is logged by name and file ("rename a b"), and
// any kind of call can be made to fail with a given error (a full disk, no
// permission, an I/O error) from a given use on, as the system would.
#include "SystemCalls.h"

#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace catalogue::testing {

class SystemCallSpy {
public:
    enum class Call {
        OpenFile,
        CreateFile,
        ReadFile,
        WriteFile,
        SyncFile,
        CloseFile,
        SyncFolder,
        Rename,
        Link,
        Remove
    };

    SystemCallSpy()
    {
        current() = this;
        install();
    }
    ~SystemCallSpy()
    {
        durable::systemCalls() = durable::realSystemCalls();
        current() = nullptr;
    }
    SystemCallSpy(const SystemCallSpy&) = delete;

    // From its `after`+1-th use on, `call` fails with `error` without reaching the system.
    void fail(Call call, std::errc error, int after = 0) { failures_[call] = {error, after}; }
    // The calls made so far: "createFile Informe.TxT.a1B2c3", "syncFolder carpeta", ...
    QStringList calls;

private:
    using Path = durable::Path;
    using Handle = durable::Handle;

    static SystemCallSpy*& current()
    {
        static SystemCallSpy* spy = nullptr;
        return spy;
    }
    static const durable::SystemCalls& real() { return durable::realSystemCalls(); }
    static QString nameOf(const Path& path) { return QFileInfo(QString::fromStdWString(path.wstring())).fileName(); }

    // Logs the call; the error it must give instead of reaching the system, if any.
    static std::optional<std::error_code> made(Call call, const QString& what)
    {
        static const char* const names[] = {"openFile",  "createFile", "readFile", "writeFile", "syncFile",
                                            "closeFile", "syncFolder", "rename",   "link",      "remove"};
        SystemCallSpy& spy = *current();
        spy.calls << QString::fromLatin1(names[int(call)]) + u' ' + what;
        const auto failure = spy.failures_.find(call);
        if (failure == spy.failures_.end() || failure->passing-- > 0)
            return std::nullopt;
        return std::make_error_code(failure->error);
    }
    static QString fileOf(Handle handle) { return current()->handles_.value(handle); }
    static std::error_code opened(std::error_code error, Handle handle, const Path& path)
    {
        if (!error)
            current()->handles_[handle] = nameOf(path);
        return error;
    }

    void install()
    {
        durable::SystemCalls& calls = durable::systemCalls();
        calls.openFile = [](const Path& path, bool forWriting, Handle& handle) {
            if (auto error = made(Call::OpenFile, nameOf(path)))
                return *error;
            const std::error_code error = real().openFile(path, forWriting, handle);
            return opened(error, handle, path);
        };
        calls.createFile = [](const Path& path, Handle& handle) {
            if (auto error = made(Call::CreateFile, nameOf(path)))
                return *error;
            const std::error_code error = real().createFile(path, handle);
            return opened(error, handle, path);
        };
        calls.readFile = [](Handle handle, char* data, std::size_t size, std::size_t& done) {
            if (auto error = made(Call::ReadFile, fileOf(handle)))
                return *error;
            return real().readFile(handle, data, size, done);
        };
        calls.writeFile = [](Handle handle, const char* data, std::size_t size, std::size_t& done) {
            if (auto error = made(Call::WriteFile, fileOf(handle)))
                return *error;
            return real().writeFile(handle, data, size, done);
        };
        calls.syncFile = [](Handle handle) {
            if (auto error = made(Call::SyncFile, fileOf(handle)))
                return *error;
            return real().syncFile(handle);
        };
        calls.closeFile = [](Handle handle) {
            // A close that fails has closed the file all the same, as on the system.
            const std::error_code closed = real().closeFile(handle);
            if (auto error = made(Call::CloseFile, fileOf(handle)))
                return *error;
            return closed;
        };
        calls.syncFolder = [](const Path& folder) {
            if (auto error = made(Call::SyncFolder, nameOf(folder)))
                return *error;
            return real().syncFolder(folder);
        };
        calls.rename = [](const Path& from, const Path& to) {
            if (auto error = made(Call::Rename, nameOf(from) + u' ' + nameOf(to)))
                return *error;
            return real().rename(from, to);
        };
        calls.link = [](const Path& original, const Path& secondName) {
            if (auto error = made(Call::Link, nameOf(original) + u' ' + nameOf(secondName)))
                return *error;
            return real().link(original, secondName);
        };
        calls.remove = [](const Path& path) {
            if (auto error = made(Call::Remove, nameOf(path)))
                return *error;
            return real().remove(path);
        };
    }

    struct Failure {
        std::errc error;
        int passing;
    };
    QMap<Call, Failure> failures_;
    QMap<Handle, QString> handles_;
};

} // namespace catalogue::testing
