#pragma once
// For tests: a real full disk. A small file system of its own (tmpfs),
// mounted for one test and filled up to the last few bytes, then unmounted.
// Mounting needs root, as the CI runs.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace catalogue::testing {

class SmallDisk {
public:
    // Why a test cannot have one here; empty when it can.
    static QString unavailable()
    {
#ifdef _WIN32
        return QStringLiteral("Windows has no small file system that a test can mount");
#else
        return geteuid() == 0 ? QString()
                              : QStringLiteral("mounting a small file system needs root (the CI runs as root)");
#endif
    }

    explicit SmallDisk(const QByteArray& size = "4m")
    {
#ifdef _WIN32
        Q_UNUSED(size);
        throw std::runtime_error(unavailable().toStdString());
#else
        const QByteArray options = "size=" + size + ",mode=0777";
        if (!mountPoint_.isValid() || ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs",
                                              MS_NOSUID | MS_NODEV, options.constData()) != 0)
            throw std::runtime_error("cannot mount a small file system for the test");
#endif
    }
#ifndef _WIN32
    ~SmallDisk()
    {
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
    }
#endif
    SmallDisk(const SmallDisk&) = delete;

    QString path() const
    {
        return mountPoint_.path();
    }
    QString filePath(const QString& name) const
    {
        return mountPoint_.filePath(name);
    }

    // Fills the disk with a file named "relleno", then gives `bytes` back.
    void fillLeaving(qint64 bytes)
    {
        QFile filler(filePath(QStringLiteral("relleno")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw std::runtime_error("cannot fill the small file system");
        const QByteArray block(64 * 1024, 'r');
        while (filler.write(block) == block.size()) {
        }
        for (qint64 chunk = 4096; chunk >= 1; chunk /= 2)
            while (filler.write(block.constData(), chunk) == chunk) {
            }
        filler.resize(std::max<qint64>(0, filler.size() - bytes));
    }

private:
    QTemporaryDir mountPoint_;
};

} // namespace catalogue::testing
