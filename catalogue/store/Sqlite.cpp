#include "Sqlite.h"
#include "StoreMessages.h"

#include <sqlite3.h>

#include <utility>

namespace catalogue {

namespace {
// Only the Spanish words for the result code: SQLite's own text is English.
[[noreturn]] void fail(sqlite3* db)
{
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_ERROR;
    throw CatalogueError(sqliteProblem(code), code);
}
} // namespace

int SqliteDatabase::open(const QString& fileName, Mode mode)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(fileName.toUtf8().constData(), &db_, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db_, 1);
        // Another program holding the file gets a short wait, never a frozen window.
        sqlite3_busy_timeout(db_, 300);
    }
    return rc;
}

std::uint32_t SqliteDatabase::journalSeed() const
{
    // Read through SQLite's own handle of the journal: the header it wrote
    // when the write journaled its first page, whether or not it has reached the disk.
    sqlite3_file* journal = nullptr;
    if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_JOURNAL_POINTER, &journal) != SQLITE_OK || !journal ||
        !journal->pMethods)
        return 0;
    unsigned char seed[4] = {};
    if (journal->pMethods->xRead(journal, seed, 4, 12) != SQLITE_OK)
        return 0;
    return std::uint32_t(seed[0]) << 24 | std::uint32_t(seed[1]) << 16 | std::uint32_t(seed[2]) << 8 | seed[3];
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

void SqliteDatabase::close()
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void SqliteDatabase::exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db_);
}

void SqliteDatabase::rollbackQuietly()
{
    if (db_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

QString SqliteDatabase::firstText(const char* sql)
{
    SqliteStatement statement = prepare(QString::fromUtf8(sql));
    return statement.step() ? statement.columnText(0) : QString();
}

SqliteStatement SqliteDatabase::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK)
        fail(db_);
    return SqliteStatement(*this, stmt);
}

bool SqliteDatabase::isReadOnly() const
{
    return sqlite3_db_readonly(db_, "main") == 1;
}

std::int64_t SqliteDatabase::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int SqliteDatabase::lastErrorCode() const
{
    return db_ ? sqlite3_extended_errcode(db_) : SQLITE_ERROR;
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr))
{}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt_);
}

void SqliteStatement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail(db_->handle());
}

void SqliteStatement::bind(int index, std::int64_t value)
{
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        fail(db_->handle());
}

void SqliteStatement::bindNull(int index)
{
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK)
        fail(db_->handle());
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    fail(db_->handle());
}

void SqliteStatement::run()
{
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::columnInt(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

QString SqliteStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column)) : QString();
}

std::string_view SqliteStatement::columnUtf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string_view(text, std::size_t(sqlite3_column_bytes(stmt_, column))) : std::string_view();
}

int SqliteStatement::columnType(int column) const
{
    return sqlite3_column_type(stmt_, column);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

} // namespace catalogue
