#pragma once
// For the store's tests: SQL run on a catalogue file straight through SQLite,
// as another program would change it, bypassing the store.
#include <QString>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace catalogue::testing {

inline void runSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

} // namespace catalogue::testing
