#include "SyncToDisk.h"

#include <QFileDevice>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace catalogue {

SyncResult syncToDisk(QFileDevice& file)
{
    const int fd = file.handle();
    if (fd < 0)
        return SyncResult::Failed;
#ifdef Q_OS_WIN
    const bool synced = ::_commit(fd) == 0;
#else
    const bool synced = ::fsync(fd) == 0;
#endif
    if (synced)
        return SyncResult::Synced;
    return errno == ENOSPC ? SyncResult::DiskFull : SyncResult::Failed;
}

} // namespace catalogue
