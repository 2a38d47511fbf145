#pragma once
// For the store's tests: SQL run on a catalogue file straight through SQLite,
// as another program would change or read it, bypassing the store. Every
// call of SQLite's is checked.
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace catalogue::testing {

class RawConnection {
public:
    explicit RawConnection(const QString& path)
    {
        EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db_), SQLITE_OK) << path.toStdString();
    }
    ~RawConnection() { sqlite3_close(db_); }
    RawConnection(const RawConnection&) = delete;

    void run(const char* sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "") << ": " << sql;
        sqlite3_free(error);
    }
    // Every row of the answer, its columns joined by a space.
    QStringList rows(const char* sql)
    {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(db_) << ": " << sql;
        QStringList rows;
        int rc = SQLITE_DONE;
        while (stmt && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QStringList columns;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            rows << columns.join(u' ');
        }
        EXPECT_EQ(rc, SQLITE_DONE) << sqlite3_errmsg(db_) << ": " << sql;
        sqlite3_finalize(stmt);
        return rows;
    }

private:
    sqlite3* db_ = nullptr;
};

inline void runSql(const QString& path, const char* sql)
{
    RawConnection(path).run(sql);
}

inline QStringList sqlRows(const QString& path, const char* sql)
{
    return RawConnection(path).rows(sql);
}

} // namespace catalogue::testing
