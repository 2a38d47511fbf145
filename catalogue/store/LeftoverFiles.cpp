#include "LeftoverFiles.h"
#include "LeftoverJournal.h"
#include "StoreMessages.h"
#include "WalRecovery.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace catalogue {

namespace {
enum Side { Journal, Wal, Index };
const char* const suffixes[] = {"-journal", "-wal", "-shm"};
} // namespace

LeftoverFiles::LeftoverFiles(QString catalogueFile) : file_(std::move(catalogueFile)) {}

QString LeftoverFiles::side(int which) const
{
    return file_ + QLatin1String(suffixes[which]);
}

std::optional<QString> LeftoverFiles::moveAside(int which, QString& aside)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    aside = side(which) + QStringLiteral(".no-aplicado-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = side(which) + QStringLiteral(".no-aplicado-%1-%2").arg(stamp).arg(n);
    if (QFile::rename(side(which), aside))
        return std::nullopt;
    aside.clear();
    return storeMessages::sideFileStuck(side(which));
}

std::optional<QString> LeftoverFiles::setAside(const QByteArray& fileStart)
{
    if (QFileInfo::exists(side(Journal))) {
        QFile journal(side(Journal));
        if (!journal.open(QIODevice::ReadOnly))
            return storeMessages::sideFileUnreadable(side(Journal));
        const JournalVerdict verdict = judgeLeftoverJournal(journal, fileStart);
        journal.close();
        // A journal SQLite would not play (a crash came before its first
        // flush, when nothing in the file had changed yet) is left behind by
        // SQLite; it is cleared away once the file is accepted.
        if (verdict == JournalVerdict::NothingToPlay) {
            if (auto problem = moveAside(Journal, emptyJournal_))
                return problem;
        } else if (verdict == JournalVerdict::NotFilesOwn) {
            if (auto problem = moveAside(Journal, journalAside_))
                return problem;
        } else {
            journalToPlay_ = true;
        }
    }
    if (QFileInfo::exists(side(Wal))) {
        auto problem = moveAside(Wal, walAside_);
        if (!problem && QFileInfo::exists(side(Index)))
            problem = moveAside(Index, indexAside_);
        if (problem) {
            putBack();
            return problem;
        }
    }
    for (int which : {Journal, Wal, Index})
        presentWhenOpened_[std::size_t(which)] = QFileInfo::exists(side(which));
    return std::nullopt;
}

bool LeftoverFiles::journalPlayedBack() const
{
    return journalToPlay_ && !QFileInfo::exists(side(Journal));
}

void LeftoverFiles::restore()
{
    for (int which : {Journal, Wal, Index})
        if (!presentWhenOpened_[std::size_t(which)])
            QFile::remove(side(which));
    putBack();
}

void LeftoverFiles::putBack()
{
    const std::pair<QString*, int> asides[] = {
        {&emptyJournal_, Journal}, {&journalAside_, Journal}, {&walAside_, Wal}, {&indexAside_, Index}};
    for (auto [aside, which] : asides) {
        if (!aside->isEmpty() && QFile::rename(*aside, side(which)))
            aside->clear();
    }
}

QStringList LeftoverFiles::settle(SqliteDatabase& catalogue)
{
    QStringList notices;
    if (!emptyJournal_.isEmpty())
        QFile::remove(emptyJournal_);
    if (!journalAside_.isEmpty())
        notices << storeMessages::foreignJournalSetAside(file_, side(Journal), journalAside_);
    if (walAside_.isEmpty())
        return notices;

    const WalRecovery recovery = recoverFromWal(file_, walAside_, catalogue);
    if (!indexAside_.isEmpty())
        QFile::remove(indexAside_);
    switch (recovery.kind) {
    case WalRecovery::Kind::NothingNew: QFile::remove(walAside_); break;
    case WalRecovery::Kind::Recovered:
        QFile::remove(walAside_);
        notices << storeMessages::olderLogRecovered(file_, side(Wal), recovery.recoveredFile);
        break;
    case WalRecovery::Kind::Failed: notices << storeMessages::olderLogSetAside(file_, side(Wal), walAside_); break;
    }
    return notices;
}

} // namespace catalogue
