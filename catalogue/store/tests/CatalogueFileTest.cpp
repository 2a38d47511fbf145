#include "TempCatalogue.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace catalogue;
using namespace catalogue::testing;

namespace {

QByteArray digest(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void runSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

QStringList columnsOf(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, type FROM pragma_table_info('Pelis')", -1, &stmt, nullptr);
    QStringList columns;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) + u' ' +
                       QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return columns;
}

} // namespace

TEST(CatalogueFile, AMissingFileBecomesAnEmptyCatalogue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Peliculas.mdb"));
    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.control) << opened.error.toStdString();
    EXPECT_EQ(opened.control->Recordset().RecordCount(), 0);
    EXPECT_TRUE(opened.control->Recordset().Eof());
    EXPECT_EQ(columnsOf(path), (QStringList{"idzefo INTEGER", "titulo TEXT", "duración TEXT", "tipopeli TEXT",
                                            "director TEXT", "totalcds INTEGER", "codec TEXT"}));
}

TEST(CatalogueFile, FilesThatAreNotCataloguesAreRefusedAndLeftAsTheyWere)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        const char* problem;
    };
    const std::vector<Case> cases = {
        {"text", [](const QString& p) { writeFile(p, "Esto no es una base de datos\n"); }, "no es una base de datos"},
        {"empty", [](const QString& p) { writeFile(p, ""); }, "no tiene la tabla Pelis"},
        {"other table", [](const QString& p) { runSql(p, "CREATE TABLE Series(a); INSERT INTO Series VALUES (1);"); },
         "no tiene la tabla Pelis"},
        {"missing column",
         [](const QString& p) { runSql(p, "CREATE TABLE Pelis(idzefo, titulo, tipopeli, director, totalcds, codec);"); },
         "duración"},
        {"a view", [](const QString& p) {
             runSql(p, "CREATE TABLE t(idzefo, titulo, \"duración\", tipopeli, director, totalcds, codec);"
                       "CREATE VIEW Pelis AS SELECT * FROM t;");
         }, "no tiene la tabla Pelis"},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name) + QStringLiteral("/Peliculas.mdb"));
        QDir().mkpath(QFileInfo(path).path());
        c.make(path);
        const QByteArray before = digest(path);
        auto opened = DataControl::open(path);
        EXPECT_FALSE(opened.control) << c.name;
        EXPECT_TRUE(opened.error.contains(QStringLiteral("\"Peliculas.mdb\""))) << opened.error.toStdString();
        EXPECT_TRUE(opened.error.contains(QString::fromUtf8(c.problem))) << c.name << ": " << opened.error.toStdString();
        EXPECT_EQ(digest(path), before) << c.name;
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{"Peliculas.mdb"}) << c.name;
    }
}

TEST(CatalogueFile, AReadOnlyFileIsRefused)
{
#ifndef _WIN32
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
#endif
    TempCatalogue cat({film("1", "Alien")});
    QFile::setPermissions(cat.path(), QFile::ReadOwner | QFile::ReadGroup);
    const QByteArray before = digest(cat.path());
    auto opened = DataControl::open(cat.path());
    EXPECT_FALSE(opened.control);
    EXPECT_TRUE(opened.error.contains(QStringLiteral("sólo lectura"))) << opened.error.toStdString();
    EXPECT_EQ(digest(cat.path()), before);
}

TEST(CatalogueFile, ATableMadeByAnotherToolIsUsedAsItIs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Peliculas.mdb"));
    runSql(path, "CREATE TABLE Pelis(Idzefo INTEGER, Titulo TEXT, \"Duración\" TEXT, Tipopeli TEXT, Director TEXT,"
                 " Totalcds INTEGER, Codec TEXT, Notas TEXT);"
                 "INSERT INTO Pelis VALUES (2, 'Beta', '01:00:00', 'DvD', 'X', 1, 'XviD', 'n');"
                 "INSERT INTO Pelis VALUES (1, 'Alfa', NULL, NULL, NULL, NULL, NULL, NULL);");
    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.control) << opened.error.toStdString();
    RecordSet& rs = opened.control->Recordset();
    EXPECT_EQ(walk(rs, Field::Titulo), (QStringList{"Beta", "Alfa"}));
    rs.MoveFirst();
    EXPECT_EQ(rs.text(Field::Duracion), QStringLiteral("01:00:00"));
    rs.AddNew();
    rs.setText(Field::Idzefo, QStringLiteral("3"));
    rs.setText(Field::Titulo, QStringLiteral("Gamma"));
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 3);
}

TEST(CatalogueFile, EveryWriteIsOnDiskWhenItReturns)
{
    TempCatalogue cat({film("1", "Alien"), film("2", "Aliens")});
    // The child stores a film, deletes another and edits a codec, then dies without closing anything.
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no fork";
#else
    const pid_t child = fork();
    if (child == 0) {
        auto control = cat.open();
        RecordSet& rs = control->Recordset();
        rs.MoveFirst();
        rs.setText(Field::Codec, QStringLiteral("H.264"));
        rs.MoveNext();
        rs.Delete();
        rs.AddNew();
        rs.setText(Field::Idzefo, QStringLiteral("3"));
        rs.setText(Field::Titulo, QStringLiteral("Ben-Hur"));
        rs.Update();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    EXPECT_EQ(walk(rs, Field::Titulo), (QStringList{"Alien", "Ben-Hur"}));
    rs.MoveFirst();
    EXPECT_EQ(rs.text(Field::Codec), QStringLiteral("H.264"));
#endif
}
