#include "RawSql.h"
#include "TempCatalogue.h"
#include "UnprivilegedUser.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <csignal>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace catalogue;
using namespace catalogue::testing;

namespace {

QByteArray digest(const QString& path)
{
    return QCryptographicHash::hash(readBytes(path), QCryptographicHash::Sha256);
}

QStringList folderListing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(CatalogueFile, AMissingFileBecomesAnEmptyCatalogue)
{
    TestFolder dir;
    const QString path = dir.filePath(QStringLiteral("Peliculas.mdb"));
    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
    EXPECT_EQ(opened.catalogue->Recordset().RecordCount(), 0);
    EXPECT_TRUE(opened.catalogue->Recordset().Eof());
    EXPECT_EQ(sqlRows(path, "SELECT name, type FROM pragma_table_info('Pelis')"),
              (QStringList{"idzefo INTEGER", "titulo TEXT", "duración TEXT", "tipopeli TEXT", "director TEXT",
                           "totalcds INTEGER", "codec TEXT"}));
}

TEST(CatalogueFile, FilesThatAreNotCataloguesAreRefusedAndLeftAsTheyWere)
{
    TestFolder dir;
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        const char* problem;
        bool regularFile = true;
    };
    const std::vector<Case> cases = {
        {"text", [](const QString& p) { writeBytes(p, "Esto no es una base de datos\n"); }, "no es una base de datos"},
        {"empty", [](const QString& p) { writeBytes(p, ""); }, "no tiene la tabla Pelis"},
        {"other table", [](const QString& p) { runSql(p, "CREATE TABLE Series(a); INSERT INTO Series VALUES (1);"); },
         "no tiene la tabla Pelis"},
        {"missing column",
         [](const QString& p) {
             runSql(p, "CREATE TABLE Pelis(idzefo, titulo, tipopeli, director, totalcds, codec);");
         },
         "duración"},
        {"a view",
         [](const QString& p) {
             runSql(p, "CREATE TABLE t(idzefo, titulo, \"duración\", tipopeli, director, totalcds, codec);"
                       "CREATE VIEW Pelis AS SELECT * FROM t;");
         },
         "no tiene la tabla Pelis"},
        {"damaged",
         [](const QString& p) {
             runSql(p, "CREATE TABLE Pelis(idzefo, titulo, \"duración\", tipopeli, director, totalcds, codec);"
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                       " INSERT INTO Pelis SELECT i, printf('%.300c', 'x'), '', '', '', 1, '' FROM n;");
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(4096 + 8));
             file.write(QByteArray(4000, '\xff'));
         },
         "el archivo está dañado"},
        {"folder", [](const QString& p) { QDir().mkpath(p); }, "es una carpeta", false},
#ifndef _WIN32
        {"named pipe", [](const QString& p) { mkfifo(p.toUtf8().constData(), 0644); }, "no es un archivo normal",
         false},
#endif
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name) + QStringLiteral("/Peliculas.mdb"));
        QDir().mkpath(QFileInfo(path).path());
        c.make(path);
        const QByteArray before = c.regularFile ? digest(path) : QByteArray();
        auto opened = DataControl::open(path);
        EXPECT_FALSE(opened.catalogue) << c.name;
        EXPECT_TRUE(opened.message().contains(QStringLiteral("\"Peliculas.mdb\" de la carpeta")))
            << opened.message().toStdString();
        EXPECT_TRUE(opened.message().contains(QString::fromUtf8(c.problem)))
            << c.name << ": " << opened.message().toStdString();
        EXPECT_TRUE(opened.message().endsWith(QStringLiteral("No se ha modificado nada.")))
            << opened.message().toStdString();
        if (c.regularFile) {
            EXPECT_EQ(digest(path), before) << c.name;
        }
        EXPECT_EQ(folderListing(QFileInfo(path).path()), QStringList{"Peliculas.mdb"}) << c.name;
    }
}

TEST(CatalogueFile, AReadOnlyFileIsRefused)
{
    SKIP_WITHOUT_PERMISSIONS();
    // As the user's own files: permissions bind the user, so the test drops from root to one.
    const auto readable =
        QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    for (const char* readOnly : {"file", "folder"}) {
        TempCatalogue cat({film("1", "Alien")});
        const bool fileReadOnly = QByteArray(readOnly) == "file";
        QFile::setPermissions(cat.folder(), fileReadOnly ? readable | QFile::WriteOther : readable);
        QFile::setPermissions(cat.path(), fileReadOnly ? QFile::ReadOther : QFile::ReadOther | QFile::WriteOther);
        const QByteArray before = digest(cat.path());
        Opening<DataControl> opened;
        {
            ScopedUnprivilegedUser nobody;
            opened = DataControl::open(cat.path());
        }
        EXPECT_FALSE(opened.catalogue) << readOnly;
        EXPECT_TRUE(opened.message().contains(QStringLiteral("sólo lectura")))
            << readOnly << ": " << opened.message().toStdString();
        EXPECT_EQ(digest(cat.path()), before) << readOnly;
        EXPECT_EQ(folderListing(cat.folder()), QStringList{"Peliculas.mdb"}) << readOnly;
        QFile::setPermissions(cat.folder(), readable | QFile::WriteOwner);
    }
}

TEST(CatalogueFile, ATableMadeByAnotherToolIsUsedAsItIs)
{
    TestFolder dir;
    const QString path = dir.filePath(QStringLiteral("Peliculas.mdb"));
    runSql(path, "CREATE TABLE Pelis(Idzefo INTEGER, Titulo TEXT, \"Duración\" TEXT, Tipopeli TEXT, Director TEXT,"
                 " Totalcds INTEGER, Codec TEXT, Notas TEXT);"
                 "INSERT INTO Pelis VALUES (2, 'Beta', '01:00:00', 'DvD', 'X', 1, 'XviD', 'n');"
                 "INSERT INTO Pelis VALUES (1, 'Alfa', NULL, NULL, NULL, NULL, NULL, NULL);");
    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
    RecordSet& rs = opened.catalogue->Recordset();
    EXPECT_EQ(walk(rs, Field::Titulo), (QStringList{"Beta", "Alfa"}));
    rs.MoveFirst();
    EXPECT_EQ(rs.text(Field::Duracion), QStringLiteral("01:00:00"));
    rs.AddNew();
    rs.setText(Field::Idzefo, QStringLiteral("3"));
    rs.setText(Field::Titulo, QStringLiteral("Gamma"));
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 3);
}

// A real child process that is killed: fork and SIGKILL, on Linux.
#ifndef _WIN32
TEST(CatalogueFile, EveryWriteIsInTheFileAloneWhenItReturns)
{
    TempCatalogue cat({film("1", "Alien"), film("2", "Aliens")});
    // The child stores a film, deletes another and edits a codec, then waits, holding the catalogue.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
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
        [[maybe_unused]] auto told = write(ready[1], "w", 1);
        pause();
        _exit(0);
    }
    char done = 0;
    ASSERT_EQ(read(ready[0], &done, 1), 1);
    const auto stored = [](const QString& path) {
        auto opened = DataControl::open(path);
        EXPECT_TRUE(opened.catalogue) << opened.message().toStdString();
        if (!opened.catalogue)
            return QStringList();
        RecordSet& rs = opened.catalogue->Recordset();
        QStringList seen = walk(rs, Field::Titulo);
        rs.MoveFirst();
        return seen << rs.text(Field::Codec);
    };
    // A copy of the catalogue file alone, taken while the program is idle, holds every write.
    TestFolder copyFolder;
    ASSERT_TRUE(QFile::copy(cat.path(), copyFolder.filePath(QStringLiteral("Peliculas.mdb"))));
    EXPECT_EQ(stored(copyFolder.filePath(QStringLiteral("Peliculas.mdb"))), (QStringList{"Alien", "Ben-Hur", "H.264"}));
    // And so does the file itself after the program is killed; nothing else is left beside it.
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(folderListing(cat.folder()), QStringList{"Peliculas.mdb"});
    EXPECT_EQ(stored(cat.path()), (QStringList{"Alien", "Ben-Hur", "H.264"}));
}

#endif

TEST(CatalogueFile, ALogLeftByAnOlderVersionIsKeptAsACatalogueOfItsOwn)
{
    // An older version kept its latest saves in a write-ahead log; this is
    // what it left when it was killed: the file, and the log holding "Brazil".
    TempCatalogue made({film("1", "Alien")});
    TestFolder left;
    {
        RawConnection db(made.path());
        db.run("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
               " INSERT INTO Pelis (idzefo, titulo) VALUES (2, 'Brazil')");
        for (const char* name : {"Peliculas.mdb", "Peliculas.mdb-wal"})
            ASSERT_TRUE(QFile::copy(made.folder() + u'/' + QLatin1String(name), left.filePath(QLatin1String(name))));
    }
    const QString path = left.filePath(QStringLiteral("Peliculas.mdb"));

    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
    EXPECT_EQ(walk(opened.catalogue->Recordset(), Field::Titulo), QStringList{"Alien"});
    const QStringList recovered = QDir(left.path()).entryList({QStringLiteral("Peliculas (recuperado *).mdb")});
    ASSERT_EQ(recovered.size(), 1) << folderListing(left.path()).join(u' ').toStdString();
    ASSERT_EQ(opened.notices.size(), 1);
    EXPECT_TRUE(opened.notices[0].contains(recovered[0])) << opened.notices[0].toStdString();
    EXPECT_EQ(folderListing(left.path()), (QStringList{recovered[0], "Peliculas.mdb"}));
    EXPECT_EQ(sqlRows(path, "PRAGMA journal_mode"), QStringList{"delete"});
    opened.catalogue.reset();
    auto kept = DataControl::open(left.filePath(recovered[0]));
    ASSERT_TRUE(kept.catalogue) << kept.message().toStdString();
    EXPECT_EQ(walk(kept.catalogue->Recordset(), Field::Titulo), (QStringList{"Alien", "Brazil"}));
}
