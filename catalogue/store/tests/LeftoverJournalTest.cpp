// A journal left by a crash of the program is played back only into the very
// file it was made on: never into a backup, another catalogue, or another
// copy of the same catalogue put in its place, whoever edited that copy and
// whatever count of changes it carries. The crashes are real: a child process
// saving a film is killed at a chosen moment of SQLite's commit.
#include "CrashingVfs.h"
#include "LeftoverJournal.h"
#include "RawSql.h"
#include "TempCatalogue.h"

#include <gtest/gtest.h>

#include <QDir>

#include <sys/wait.h>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

void addFilm(const QString& path, const QString& number, const QString& title)
{
    auto opened = DataControl::open(path);
    ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
    RecordSet& rs = opened.catalogue->Recordset();
    rs.AddNew();
    rs.setText(Field::Idzefo, number);
    rs.setText(Field::Titulo, title);
    rs.Update();
}

// The program saves a film and is killed at `moment` of the save's commit.
void crashWhileSaving(const QString& path, CrashMoment moment)
{
    const pid_t child = fork();
    if (child == 0) {
        installCrashingVfs();
        auto opened = DataControl::open(path);
        if (!opened.catalogue)
            _exit(2);
        RecordSet& rs = opened.catalogue->Recordset();
        rs.AddNew();
        rs.setText(Field::Idzefo, QStringLiteral("9"));
        rs.setText(Field::Titulo, QStringLiteral("Zardoz"));
        crashAt(moment);
        rs.Update();
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the save ended with " << status;
    ASSERT_TRUE(QFile::exists(path + QStringLiteral("-journal")));
}

// The catalogue as `bytes`, edited once elsewhere: by the program or by another tool.
QByteArray editedCopy(const QByteArray& bytes, bool byTheProgram)
{
    TestFolder elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("Peliculas.mdb"));
    writeBytes(path, bytes);
    if (byTheProgram)
        addFilm(path, QStringLiteral("8"), QStringLiteral("Copia"));
    else
        runSql(path, "INSERT INTO Pelis (idzefo, titulo) VALUES (8, 'Copia')");
    return readBytes(path);
}

} // namespace

TEST(LeftoverJournal, IsPlayedBackOnlyIntoTheFileItWasMadeOn)
{
    TempCatalogue cat({film("1", "Alien")});
    addFilm(cat.path(), QStringLiteral("2"), QStringLiteral("Brazil"));
    const QByteArray earlier = readBytes(cat.path());
    addFilm(cat.path(), QStringLiteral("3"), QStringLiteral("Cube"));
    const QByteArray last = readBytes(cat.path()); // the crash's journal saves this state
    TempCatalogue other({film("7", "Zelig")});

    const struct {
        const char* name;
        QByteArray copiedOver; // empty: the file the crash left
        int changesAhead;      // of the state the journal saved
        QStringList titles;
    } cases[] = {
        {"the file itself", {}, 0, {"Alien", "Brazil", "Cube"}},
        {"a backup", earlier, -1, {"Alien", "Brazil"}},
        {"another catalogue", readBytes(other.path()), -99, {"Zelig"}},
        {"a copy the program edited, one change ahead",
         editedCopy(last, true),
         1,
         {"Alien", "Brazil", "Cube", "Copia"}},
        {"a copy another tool edited, one change ahead",
         editedCopy(last, false),
         1,
         {"Alien", "Brazil", "Cube", "Copia"}},
        {"a copy the program edited, as many changes", editedCopy(earlier, true), 0, {"Alien", "Brazil", "Copia"}},
        {"a copy another tool edited, as many changes", editedCopy(earlier, false), 0, {"Alien", "Brazil", "Copia"}},
    };
    for (CrashMoment moment : {CrashMoment::BeforeTheFileIsWritten, CrashMoment::AtTheJournalsRemoval}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (moment == CrashMoment::AtTheJournalsRemoval ? ", after" : ", before") +
                         " the file was written");
            if (c.changesAhead != -99) {
                ASSERT_EQ(changeCounterOf(c.copiedOver.isEmpty() ? last : c.copiedOver),
                          changeCounterOf(last) + c.changesAhead);
            }
            writeBytes(cat.path(), last);
            crashWhileSaving(cat.path(), moment);
            if (!c.copiedOver.isEmpty())
                writeBytes(cat.path(), c.copiedOver);

            auto opened = DataControl::open(cat.path());
            ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
            EXPECT_EQ(walk(opened.catalogue->Recordset(), Field::Titulo), c.titles);
            EXPECT_EQ(sqlRows(cat.path(), "PRAGMA integrity_check"), QStringList{"ok"});
            const QStringList setAside =
                QDir(cat.folder()).entryList({QStringLiteral("Peliculas.mdb-journal.no-aplicado-*")});
            EXPECT_EQ(setAside.size(), c.copiedOver.isEmpty() ? 0 : 1);
            EXPECT_EQ(opened.notices.size(), setAside.size());
            if (!setAside.isEmpty()) {
                EXPECT_TRUE(opened.notices.value(0).contains(setAside.value(0)))
                    << opened.notices.value(0).toStdString();
            }
            opened.catalogue.reset();
            for (const QString& name : setAside)
                QFile::remove(cat.folder() + u'/' + name);
            EXPECT_EQ(QDir(cat.folder()).entryList(QDir::Files), QStringList{"Peliculas.mdb"});
        }
    }
}

TEST(LeftoverJournal, ACrashInTheFirstSaveOfAFileMadeByAnotherToolIsUndone)
{
    TestFolder folder;
    const QString path = folder.filePath(QStringLiteral("Peliculas.mdb"));
    runSql(path, "CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, \"duración\" TEXT, tipopeli TEXT, director TEXT,"
                 " totalcds INTEGER, codec TEXT); INSERT INTO Pelis (idzefo, titulo) VALUES (1, 'Alien')");
    const QByteArray made = readBytes(path);
    ASSERT_EQ(identityOf(made), 0u);
    for (CrashMoment moment : {CrashMoment::BeforeTheFileIsWritten, CrashMoment::AtTheJournalsRemoval}) {
        writeBytes(path, made);
        crashWhileSaving(path, moment);
        auto opened = DataControl::open(path);
        ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
        EXPECT_EQ(walk(opened.catalogue->Recordset(), Field::Titulo), QStringList{"Alien"});
        EXPECT_TRUE(opened.notices.isEmpty());
        opened.catalogue.reset();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Peliculas.mdb"});
    }
}

TEST(LeftoverJournal, AFileRefusedAfterItsJournalWasPlayedBackSaysSo)
{
    std::vector<MovieRecord> films;
    for (int i = 1; i <= 200; ++i)
        films.push_back(film(QString::number(i), QString(2000, u'x')));
    TempCatalogue cat(films);
    crashWhileSaving(cat.path(), CrashMoment::BeforeTheFileIsWritten);
    // A page of films far from the one the save changed goes bad meanwhile.
    QByteArray bytes = readBytes(cat.path());
    bytes.replace(4 * 4096, 4096, QByteArray(4096, '\xFF'));
    writeBytes(cat.path(), bytes);

    const auto opened = DataControl::open(cat.path());
    EXPECT_FALSE(opened.catalogue);
    EXPECT_TRUE(
        opened.message().endsWith(QStringLiteral("Al abrirlo se ha deshecho el último cambio, que había quedado a "
                                                 "medias, con el diario de cambios que había a su lado "
                                                 "(\"Peliculas.mdb-journal\"). No se ha modificado nada más.")))
        << opened.message().toStdString();
    EXPECT_FALSE(QFile::exists(cat.path() + QStringLiteral("-journal")));
}
