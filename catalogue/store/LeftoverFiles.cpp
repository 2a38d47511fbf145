#include "LeftoverFiles.h"
#include "DurableFiles.h"
#include "LeftoverJournal.h"
#include "StoreMessages.h"
#include "WalRecovery.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace catalogue {

using durable::pathOf;
using Side = durable::SideFile;

LeftoverFiles::LeftoverFiles(QString catalogueFile) : file_(std::move(catalogueFile)) {}

QString LeftoverFiles::side(Side which) const
{
    return durable::sideFileOf(file_, which);
}

std::optional<QString> LeftoverFiles::moveAside(Side which, QString& aside)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    aside = side(which) + QStringLiteral(".no-aplicado-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = side(which) + QStringLiteral(".no-aplicado-%1-%2").arg(stamp).arg(n);
    if (!durable::moveTo(pathOf(side(which)), pathOf(aside)))
        return std::nullopt;
    // Moved, but its folder could not be synced: it goes back with the rest when the file is refused.
    if (QFileInfo::exists(side(which)))
        aside.clear();
    return storeMessages::sideFileStuck(side(which));
}

void LeftoverFiles::notePresent()
{
    for (Side which : durable::kSideFiles)
        presentWhenOpened_[std::size_t(which)] = QFileInfo::exists(side(which));
}

std::optional<QString> LeftoverFiles::setAside(const QByteArray& fileStart)
{
    // Until everything is set aside, whatever is there was the user's: a
    // refusal half-way must not take it for something SQLite left.
    notePresent();
    if (QFileInfo::exists(side(Side::Journal))) {
        QFile journal(side(Side::Journal));
        if (!journal.open(QIODevice::ReadOnly))
            return storeMessages::sideFileUnreadable(side(Side::Journal));
        const JournalVerdict verdict = judgeLeftoverJournal(journal, fileStart);
        journal.close();
        // A journal SQLite would not play (a crash came before its first
        // flush, when nothing in the file had changed yet) is left behind by
        // SQLite; it is cleared away once the file is accepted.
        if (verdict == JournalVerdict::NothingToPlay) {
            if (auto problem = moveAside(Side::Journal, emptyJournal_))
                return problem;
        } else if (verdict == JournalVerdict::NotFilesOwn) {
            if (auto problem = moveAside(Side::Journal, journalAside_))
                return problem;
        } else {
            journalToPlay_ = true;
        }
    }
    if (QFileInfo::exists(side(Side::Wal))) {
        auto problem = moveAside(Side::Wal, walAside_);
        if (!problem && QFileInfo::exists(side(Side::Index)))
            problem = moveAside(Side::Index, indexAside_);
        if (problem) {
            putBack();
            return problem;
        }
    }
    notePresent();
    return std::nullopt;
}

bool LeftoverFiles::journalPlayedBack() const
{
    return journalToPlay_ && !QFileInfo::exists(side(Side::Journal));
}

void LeftoverFiles::restore()
{
    for (Side which : durable::kSideFiles)
        if (!presentWhenOpened_[std::size_t(which)])
            durable::removeFile(pathOf(side(which)));
    putBack();
}

void LeftoverFiles::putBack()
{
    const std::pair<QString*, Side> asides[] = {{&emptyJournal_, Side::Journal},
                                                {&journalAside_, Side::Journal},
                                                {&walAside_, Side::Wal},
                                                {&indexAside_, Side::Index}};
    for (auto [aside, which] : asides) {
        if (!aside->isEmpty() && !QFileInfo::exists(side(which)) &&
            !durable::moveTo(pathOf(*aside), pathOf(side(which))))
            aside->clear();
    }
}

QStringList LeftoverFiles::settle(SqliteDatabase& catalogue)
{
    QStringList notices;
    if (!emptyJournal_.isEmpty())
        durable::removeFile(pathOf(emptyJournal_));
    if (!journalAside_.isEmpty())
        notices << storeMessages::foreignJournalSetAside(file_, side(Side::Journal), journalAside_);
    if (walAside_.isEmpty())
        return notices;

    const WalRecovery recovery = recoverFromWal(file_, walAside_, catalogue);
    if (!indexAside_.isEmpty())
        durable::removeFile(pathOf(indexAside_));
    switch (recovery.kind) {
    case WalRecovery::Kind::NothingNew: durable::removeFile(pathOf(walAside_)); break;
    case WalRecovery::Kind::Recovered:
        durable::removeFile(pathOf(walAside_));
        notices << storeMessages::olderLogRecovered(file_, side(Side::Wal), recovery.recoveredFile);
        break;
    case WalRecovery::Kind::Failed:
        notices << storeMessages::olderLogSetAside(file_, side(Side::Wal), walAside_);
        break;
    }
    return notices;
}

} // namespace catalogue
