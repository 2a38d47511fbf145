#include "WalRecovery.h"
#include "DurableFiles.h"
#include "Sqlite.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace catalogue {

namespace {

// Every value of every film, in the order of addition.
QByteArray contentDigest(SqliteDatabase& db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    SqliteStatement rows = db.prepare(QStringLiteral("SELECT * FROM Pelis ORDER BY rowid"));
    const int columns = rows.columnCount();
    while (rows.step()) {
        for (int c = 0; c < columns; ++c) {
            const std::string_view bytes = rows.columnUtf8(c);
            hash.addData(QByteArray::number(rows.columnType(c)) + ':' + QByteArray::number(qsizetype(bytes.size())) +
                         ':');
            hash.addData(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        }
    }
    return hash.result();
}

QString recoveredName(const QString& catalogueFile)
{
    const QFileInfo info(catalogueFile);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString name = QStringLiteral("%1 (recuperado %2).%3").arg(info.completeBaseName(), stamp, info.suffix());
    for (int n = 2; QFileInfo::exists(info.dir().filePath(name)); ++n)
        name = QStringLiteral("%1 (recuperado %2 %3).%4").arg(info.completeBaseName(), stamp).arg(n).arg(info.suffix());
    return info.dir().filePath(name);
}

} // namespace

WalRecovery recoverFromWal(const QString& catalogueFile, const QString& wal, SqliteDatabase& catalogue)
{
    const WalRecovery failed{WalRecovery::Kind::Failed, {}};
    QTemporaryDir work;
    const QString copy = work.filePath(QStringLiteral("recuperado.mdb"));
    if (!work.isValid() || !QFile::copy(catalogueFile, copy) ||
        !QFile::copy(wal, durable::sideFileOf(copy, durable::SideFile::Wal)))
        return failed;
    try {
        SqliteDatabase recovered;
        if (recovered.open(copy, SqliteDatabase::Mode::OpenExisting) != SQLITE_OK)
            return failed;
        // Leaving the log's mode writes everything the log holds into the copy.
        if (recovered.firstText("PRAGMA journal_mode=DELETE") != QLatin1String("delete") ||
            recovered.firstText("PRAGMA integrity_check") != QLatin1String("ok"))
            return failed;
        if (contentDigest(recovered) == contentDigest(catalogue))
            return {WalRecovery::Kind::NothingNew, {}};
    } catch (const CatalogueError&) {
        return failed;
    }
    // Kept whole on the disk, under a name of its own, before the user is told of it.
    const QString kept = recoveredName(catalogueFile);
    const durable::Path keptPath = durable::pathOf(kept);
    bool taken = false;
    if (durable::keepUnder(durable::pathOf(copy), keptPath, taken) || taken)
        return failed;
    if (durable::syncFile(keptPath) || durable::syncFolder(keptPath.parent_path())) {
        durable::removeFile(keptPath);
        return failed;
    }
    return {WalRecovery::Kind::Recovered, kept};
}

} // namespace catalogue
