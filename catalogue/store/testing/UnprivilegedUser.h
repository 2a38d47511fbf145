#pragma once
// For tests: drops the effective user to "nobody" while it lives, so that
// file and folder permissions hold even when the tests run as root.
#include <QFile>
#include <QString>

#include <stdexcept>

#ifdef _WIN32
// Windows has no permission a test can take away from a file or folder that
// binds its owner (a read-only attribute does not stop writing into a folder),
// and Wine, run as root, ignores the Linux ones: these tests run on Linux.
#define SKIP_WITHOUT_PERMISSIONS() GTEST_SKIP() << "no file or folder permissions to take away on Windows"

namespace catalogue::testing {
class ScopedUnprivilegedUser {
public:
    ScopedUnprivilegedUser() {} // user-provided: a test's unused "nobody" draws no warning
    static void handOver(const QString&) {}
};
} // namespace catalogue::testing
#else
#define SKIP_WITHOUT_PERMISSIONS() static_cast<void>(0)

#include <sys/types.h>
#include <unistd.h>

namespace catalogue::testing {

class ScopedUnprivilegedUser {
public:
    static constexpr uid_t nobody = 65534;

    ScopedUnprivilegedUser() : previousUser_(geteuid()), previousGroup_(getegid())
    {
        if (previousUser_ == 0 && (setegid(nobody) != 0 || seteuid(nobody) != 0))
            throw std::runtime_error("cannot drop to an unprivileged user");
    }
    ~ScopedUnprivilegedUser() noexcept(false)
    {
        if (previousUser_ == 0 && (seteuid(0) != 0 || setegid(previousGroup_) != 0))
            throw std::runtime_error("cannot return to the original user");
    }
    ScopedUnprivilegedUser(const ScopedUnprivilegedUser&) = delete;

    // Makes a file the unprivileged user's own, as a user's own files are.
    static void handOver(const QString& path)
    {
        if (geteuid() == 0 && chown(QFile::encodeName(path).constData(), nobody, nobody) != 0)
            throw std::runtime_error("cannot hand a file over to the unprivileged user");
    }

private:
    uid_t previousUser_;
    gid_t previousGroup_;
};

} // namespace catalogue::testing
#endif
