#pragma once
// For tests: drops the effective user to "nobody" while it lives, so that
// file and folder permissions hold even when the tests run as root.
#include <QFile>
#include <QString>

#include <stdexcept>

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
