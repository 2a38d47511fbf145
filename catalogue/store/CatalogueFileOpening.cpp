// Opening and checking the catalogue file: everything that can be told from
// outside is checked before SQLite looks at the file, and a file that is
// refused is left as it was, with whatever was set aside beside it put back.
#include "CatalogueDatabase.h"
#include "CatalogueError.h"
#include "LeftoverFiles.h"
#include "LeftoverJournal.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace catalogue {

using namespace storeMessages;

namespace {

const char* const schema = "CREATE TABLE Pelis ("
                           " idzefo INTEGER,"
                           " titulo TEXT,"
                           " \"duración\" TEXT,"
                           " tipopeli TEXT,"
                           " director TEXT,"
                           " totalcds INTEGER,"
                           " codec TEXT)";

} // namespace

Opening<CatalogueDatabase> CatalogueDatabase::open(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    const QFileInfo info(fileName);
    if (!info.exists() && !info.isSymLink())
        return create(std::move(cat), false);
    return openExisting(std::move(cat));
}

Opening<CatalogueDatabase> CatalogueDatabase::create(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    return create(std::move(cat), true);
}

std::optional<Opening<CatalogueDatabase>> CatalogueDatabase::holdRefused(const FileHold::Taken& taken,
                                                                         bool creating) const
{
    if (taken.result == FileHold::Result::HeldElsewhere)
        return Opened::heldElsewhere(heldElsewhere(fileName_));
    if (taken.hold)
        return std::nullopt;
    const QString problem = holdProblem(taken.result);
    return Opened::refused(creating ? cannotCreate(fileName_, problem) : cannotOpen(fileName_, problem), problem);
}

Opening<CatalogueDatabase> CatalogueDatabase::create(std::unique_ptr<CatalogueDatabase> cat, bool emptyFileIsNew)
{
    const QString fileName = cat->fileName_;
    const QFileInfo folder(QFileInfo(fileName).absolutePath());
    if (!folder.isDir() || !FileHold::writable(folder.filePath()))
        return Opened::refused(cannotCreate(fileName, kFolderNotWritable), kFolderNotWritable);
    FileHold::Taken taken = FileHold::createAndHold(fileName);
    if (auto refused = cat->holdRefused(taken, true))
        return std::move(*refused);
    cat->hold_ = std::move(taken.hold);
    if (!taken.created && !(emptyFileIsNew && cat->hold_->head(1).isEmpty()))
        return openExisting(std::move(cat));

    // An old journal or log beside a new file holds nothing for it.
    cat->leftovers_ = std::make_unique<LeftoverFiles>(fileName);
    const auto refuse = [&](const QString& problem) {
        cat.reset();
        QFile::remove(fileName);
        return Opened::refused(cannotCreate(fileName, problem), problem);
    };
    if (auto problem = cat->leftovers_->setAside({}))
        return refuse(*problem);
    if (const int rc = cat->db_.open(fileName, SqliteDatabase::Mode::CreateIfMissing); rc != SQLITE_OK)
        return refuse(sqliteProblem(rc));
    QStringList notices;
    try {
        notices = cat->finishOpening();
        cat->beginWrite();
        cat->db_.exec(schema);
        cat->commitWrite();
    } catch (const CatalogueError& e) {
        cat->undoWrite();
        return refuse(e.message());
    }
    for (Field f : allFields)
        cat->columns_[indexOf(f)] = columnName(f);
    return {OpeningResult::Opened, std::move(cat), {}, notices};
}

Opening<CatalogueDatabase> CatalogueDatabase::openExisting(std::unique_ptr<CatalogueDatabase> cat)
{
    const QString fileName = cat->fileName_;
    if (!cat->hold_) {
        FileHold::Taken taken = FileHold::holdExisting(fileName);
        if (auto refused = cat->holdRefused(taken, false))
            return std::move(*refused);
        cat->hold_ = std::move(taken.hold);
    }

    // Everything that can be told from outside is checked before SQLite looks at the file.
    const QByteArray header = cat->hold_->head(kHeaderSize);
    std::optional<QString> problem;
    if (!header.isEmpty() && !startsAsSqlite(header))
        problem = kNotADatabase;
    else if (!FileHold::writable(fileName))
        problem = kReadOnlyFile;
    else if (!FileHold::writable(QFileInfo(fileName).absolutePath()))
        problem = kReadOnlyFolder;
    // A journal beside a file that a database tool is changing is that tool's.
    else if (cat->hold_->someoneIsWriting())
        problem = sqliteProblem(SQLITE_BUSY);
    if (problem)
        return Opened::refused(cannotOpen(fileName, *problem), *problem);

    cat->leftovers_ = std::make_unique<LeftoverFiles>(fileName);
    if (!(problem = cat->leftovers_->setAside(cat->hold_->head(kMaxPageSize)))) {
        if (const int rc = cat->db_.open(fileName, SqliteDatabase::Mode::OpenExisting); rc != SQLITE_OK)
            problem = sqliteProblem(rc);
        else if (!(problem = cat->tableProblem()))
            problem = cat->writingProblem();
    }
    if (problem) {
        const QString message = cannotOpen(fileName, *problem, cat->changedSoFar());
        cat.reset();
        return Opened::refused(message, *problem);
    }
    cat->identity_.take(cat->hold_->head(kHeaderSize));
    return {OpeningResult::Opened, std::move(cat)};
}

// Reading the schema is the first moment SQLite looks inside the file.
std::optional<QString> CatalogueDatabase::tableProblem()
{
    try {
        SqliteStatement tables = db_.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name='Pelis' COLLATE NOCASE"));
        if (!tables.step())
            return kNoPelisTable;
    } catch (const CatalogueError& e) {
        return (e.code() & 0xFF) == SQLITE_NOTADB ? kNotADatabase : e.message();
    }
    try {
        SqliteStatement columns = db_.prepare(QStringLiteral("PRAGMA table_info(Pelis)"));
        while (columns.step()) {
            const QString name = columns.columnText(1);
            if (const auto f = fieldForColumn(name))
                columns_[indexOf(*f)] = name;
        }
        QStringList missing;
        for (Field f : allFields)
            if (columns_[indexOf(f)].isEmpty())
                missing << columnName(f);
        if (!missing.isEmpty())
            return missingColumns(missing);
        db_.prepare(QStringLiteral("SELECT rowid FROM Pelis LIMIT 0"));
    } catch (const CatalogueError& e) {
        return unusableTable(e.message());
    }
    return std::nullopt;
}

std::optional<QString> CatalogueDatabase::writingProblem()
{
    try {
        if (db_.isReadOnly())
            return kReadOnlyFile;
        // Another program in the middle of a change would make every save fail.
        db_.exec("BEGIN IMMEDIATE");
        db_.exec("ROLLBACK");
        // A journal set aside may have left a change half made.
        if (leftovers_->journalSetAside() && db_.firstText("PRAGMA quick_check") != QLatin1String("ok"))
            return sqliteProblem(SQLITE_CORRUPT);
    } catch (const CatalogueError& e) {
        return e.message();
    }
    return std::nullopt;
}

CatalogueDatabase::~CatalogueDatabase()
{
    if (!leftovers_)
        return;
    db_.close();
    leftovers_->restore();
}

// SQLite may have undone, with the file's own journal, a change a crash had
// left half made: until the opening is finished, every message says so.
QString CatalogueDatabase::changedSoFar() const
{
    if (leftovers_ && leftovers_->journalPlayedBack())
        return lastChangeUndone(fileName_);
    return kNothingChanged;
}

QStringList CatalogueDatabase::finishOpening()
{
    if (!leftovers_)
        return {};
    try {
        configure();
    } catch (const CatalogueError& e) {
        // The whole message: nothing to add to it.
        throw CatalogueError(cannotPrepare(fileName_, e.message()));
    }
    touch_ = db_.prepare(QStringLiteral("PRAGMA user_version=%1").arg(identity_.forNextWrite()));
    const QStringList notices = leftovers_->settle(db_);
    leftovers_.reset();
    identity_.take(hold_->head(kHeaderSize));
    return notices;
}

// The rollback journal, flushed at every commit: the file alone is complete
// between commands, and a crash leaves a journal that undoes the unfinished change.
void CatalogueDatabase::configure()
{
    if (db_.firstText("PRAGMA journal_mode=DELETE").compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        throw CatalogueError(kOlderLogKept);
    db_.exec("PRAGMA synchronous=FULL");
    db_.exec("PRAGMA cache_size=-32768");
}

} // namespace catalogue
