#pragma once
// What a crash, or an older version of the program, may have left beside the
// catalogue file: a rollback journal ("-journal") or a write-ahead log
// ("-wal", with its index "-shm"). SQLite applies either to whatever file has
// the catalogue's name, so they are dealt with before SQLite opens the file:
// a journal that is not provably the file's own, and every write-ahead log,
// are set aside under names SQLite does not look for; a journal that holds
// nothing to play back is cleared away.

#include "DurableFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace catalogue {

class SqliteDatabase;

class LeftoverFiles {
public:
    explicit LeftoverFiles(QString catalogueFile);

    // Before SQLite opens the file; `fileStart` is its first kMaxPageSize
    // bytes. Gives the Spanish problem when something cannot be set aside.
    std::optional<QString> setAside(const QByteArray& fileStart);
    bool journalSetAside() const { return !journalAside_.isEmpty(); }
    // The file's own journal was left beside it, for SQLite to undo the
    // change it holds; true once SQLite has done so.
    bool journalPlayedBack() const;

    // The file was refused (and SQLite has closed it): what was set aside goes
    // back and side files that appeared since are removed, so that the folder
    // is as it was.
    void restore();

    // The file was accepted and is open on `catalogue`. A write-ahead log set
    // aside is applied to a private copy and kept as a catalogue of its own
    // when it holds something the file does not. Returns what the user must be
    // told, in Spanish.
    QStringList settle(SqliteDatabase& catalogue);

private:
    QString side(durable::SideFile which) const;
    std::optional<QString> moveAside(durable::SideFile which, QString& aside);
    void putBack();
    void notePresent();

    QString file_;
    QString journalAside_;
    QString emptyJournal_;
    QString walAside_;
    QString indexAside_;
    bool journalToPlay_ = false;
    std::array<bool, 3> presentWhenOpened_{};
};

} // namespace catalogue
