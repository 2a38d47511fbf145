// Jet files written by our test generator are read both by mdbtools' own
// command-line tool and by the conversion, so that neither is checked only
// against the other; then the converted catalogue is read through the store.
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"

using namespace catalogue;
using namespace catalogue::jet;
using namespace catalogue::jet::testing;

namespace {

JetFileOptions version(JetVersion v)
{
    JetFileOptions o;
    o.version = v;
    return o;
}

QStringList joined(const std::vector<std::vector<JetCell>>& films)
{
    QStringList lines;
    for (const auto& film : films) {
        QStringList cells;
        for (const JetCell& c : film)
            cells << c.value_or(QString());
        lines << cells.join(u'|');
    }
    return lines;
}

Opening<ConvertedCatalogue> convert(const JetTestFolder& folder)
{
    return convertJetCatalogue(folder.path());
}

} // namespace

TEST(JetReading, TextsNullsAndWholeNumbersOfBothVersions)
{
    const QStringList cells = {
        "1|¿Dónde está el niño? — Año Ñandú|01:45:00|DvD-Rip|Pedro Almodóvar|1|Divx5.02",
        "100000|NULL|NULL|NULL|NULL|NULL|NULL", // NULL reads as empty
        "-7|||||NULL|",                         // empty texts stay empty
        "2147483647|Œuvre «complète» – 2€|12:00:00|VHS|Ñ|-32768|x264",
    };
    for (JetVersion v : {JetVersion::Jet3, JetVersion::Jet4}) {
        SCOPED_TRACE(v == JetVersion::Jet3 ? "Jet 3" : "Jet 4");
        QStringList rows = cells;
        if (v == JetVersion::Jet4) // beyond Latin-1: the full two-byte form, and a mix of both forms
            rows << "5|七人の侍|03:27:00|DvD|黒澤明|2|Divx"
                 << "6|Ἰλιάς and the Ὀδύσσεια|NULL|a|b|3|c"
                 << "7|Człowiek z żelaza — Łódź, źródło|02:33:00|VHS|Andrzej Wajda|1|¿ñ?";
        JetTableDef table = pelisTable({});
        for (const QString& r : rows)
            table.rows.push_back(row(r));
        const QByteArray file = writeJetFile(version(v), {table});
        JetTestFolder folder(file);

        QStringList expected = rows;
        expected.replaceInStrings(QStringLiteral("NULL"), QString());
        QStringList exported = rows;
        exported.replaceInStrings(QStringLiteral("-7|||||NULL|"), QStringLiteral("-7|NULL|NULL|NULL|NULL|NULL|NULL"));
        EXPECT_MDB_EXPORT(folder.path(), QStringLiteral("Pelis"), exported);

        const auto outcome = convert(folder);
        ASSERT_EQ(outcome.result, OpeningResult::Converted) << outcome.message().toStdString();
        EXPECT_EQ(outcome.catalogue->films, rows.size());
        EXPECT_EQ(storedFilms(folder.path()), expected);
        EXPECT_EQ(folder.read(QStringLiteral("Peliculas (Jet original).mdb")), file);
        EXPECT_EQ(folder.files(), (QStringList{"Peliculas (Jet original).mdb", "Peliculas.mdb"}));
        EXPECT_EQ(outcome.message(),
                  QStringLiteral("El catálogo \"Peliculas.mdb\" de la carpeta \"%1\" era una base de datos de %2 y se "
                                 "ha convertido al formato de este programa, con %3 películas.\n\nEl archivo original "
                                 "se ha guardado sin ningún cambio, con el nombre \"Peliculas (Jet original).mdb\", "
                                 "en la misma carpeta.")
                      .arg(folder.shownPath(), v == JetVersion::Jet3 ? "Access 97 (Jet 3)" : "Access 2000-2003 (Jet 4)")
                      .arg(rows.size()));
        // Opened again, the converted catalogue is ours: nothing more happens.
        EXPECT_EQ(convert(folder).result, OpeningResult::Opened);
    }
}

TEST(JetReading, ThousandsOfFilmsOverManyPagesKeepTheirOrder)
{
    // 30,000 Jet 4 films take more pages than a usage map row can mark, so
    // the table's pages are listed through map pages of their own.
    for (auto [v, count] : {std::pair{JetVersion::Jet3, 5000}, std::pair{JetVersion::Jet4, 30000}}) {
        const auto films = sampleFilms(count);
        JetTestFolder folder(writeJetFile(version(v), {pelisTable(films)}));
        EXPECT_MDB_EXPORT(folder.path(), QStringLiteral("Pelis"), joined(films));
        ASSERT_EQ(convert(folder).result, OpeningResult::Converted);
        EXPECT_EQ(storedFilms(folder.path()), joined(films));
    }
}

TEST(JetReading, AFolderNameTheSystemsCodePageCannotSpellIsNoObstacle)
{
    // mdbtools opens files by an 8-bit name: on Windows in the ANSI code page,
    // which has no "Ł"; the reader then gives it the file's short name.
    JetTestFolder outer;
    const QString folder = outer.path(QStringLiteral("Películas de Łukasz"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Peliculas.mdb");
    const auto films = sampleFilms(20);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeJetFile(version(JetVersion::Jet3), {pelisTable(films)}));
    file.close();
    const auto outcome = convertJetCatalogue(path);
    ASSERT_EQ(outcome.result, OpeningResult::Converted) << outcome.message().toStdString();
    EXPECT_EQ(storedFilms(path), joined(films));
}

TEST(JetReading, DeletedRowsStayDeletedAndMovedRowsKeepTheirPlace)
{
    // Jet marks a deleted row 0x8000 and a moved one 0x4000 (a pointer to the
    // row, itself marked deleted). Debian's mdb-export 1.0 reads these two
    // flags the other way round, so it is not asked here.
    for (JetVersion v : {JetVersion::Jet3, JetVersion::Jet4}) {
        JetTableDef table = pelisTable({});
        for (int i = 1; i <= 300; ++i) {
            JetRowDef r = row(QStringLiteral("%1|Película %1|01:30:00|DvD|Dir|1|Divx").arg(i));
            r.deleted = i % 7 == 0;
            r.moved = i % 11 == 0 && !r.deleted;
            table.rows.push_back(r);
        }
        JetTestFolder folder(writeJetFile(version(v), {table}));
        ASSERT_EQ(convert(folder).result, OpeningResult::Converted);
        QStringList expected;
        for (int i = 1; i <= 300; ++i)
            if (i % 7 != 0)
                expected << QStringLiteral("%1|Película %1|01:30:00|DvD|Dir|1|Divx").arg(i);
        EXPECT_EQ(storedFilms(folder.path()), expected);
    }
}

TEST(JetReading, ColumnsFoundByNameWhateverTheirCaseOrderOrType)
{
    // A file of the user's own design: columns in another order and case, the
    // numbers as text, Double, Currency and Byte, the running time as a
    // Date/Time, one more column and one more table, and no codec column.
    const JetTableDef pelis{QStringLiteral("PELIS"),
                            {{"Notas", JetType::Memo},
                             {"DURACIÓN", JetType::DateTime},
                             {"Titulo", JetType::Text},
                             {"IDZEFO", JetType::Text},
                             {"TotalCds", JetType::Double},
                             {"tipopeli", JetType::Text},
                             {"Director", JetType::Text},
                             {"visto", JetType::Boolean}},
                            {row("nota|0.0625| Uno |  12 |3|DvD|Ana|1"), row("NULL|36526.5|Dos|12b|2.5|NULL|NULL|0"),
                             row("NULL|NULL|Tres||NULL|x|y|0"), row("NULL|0|Cuatro|-4|-1|z|w|1")}};
    const JetTableDef extra{
        QStringLiteral("Prestamos"), {{"quien", JetType::Text}, {"cds", JetType::Byte}}, {row("Luis|200")}};
    JetTableDef money{QStringLiteral("Pelis"),
                      {{"idzefo", JetType::Currency}, {"totalcds", JetType::Byte}},
                      {row("7|255"), row("7.5|0")}};
    for (JetVersion v : {JetVersion::Jet3, JetVersion::Jet4}) {
        JetTestFolder folder(writeJetFile(version(v), {extra, pelis}));
        EXPECT_MDB_EXPORT(
            folder.path(), QStringLiteral("PELIS"),
            (QStringList{"nota|1899-12-30 01:30:00| Uno |  12 |3|DvD|Ana|1",
                         "NULL|2000-01-01 12:00:00|Dos|12b|2.5|NULL|NULL|0", "NULL|NULL|Tres|NULL|NULL|x|y|0",
                         "NULL|1899-12-30 00:00:00|Cuatro|-4|-1|z|w|1"}));
        EXPECT_MDB_EXPORT(folder.path(), QStringLiteral("Prestamos"), QStringList{"Luis|200"});
        ASSERT_EQ(convert(folder).result, OpeningResult::Converted);
        EXPECT_EQ(storedFilms(folder.path()),
                  (QStringList{"12| Uno |01:30:00|DvD|Ana|3|", "12b|Dos|2000-01-01 12:00:00|||2.5|", "|Tres||x|y||",
                               "-4|Cuatro|00:00:00|z|w|-1|"}));

        JetTestFolder other(writeJetFile(version(v), {money}));
        EXPECT_MDB_EXPORT(other.path(), QStringLiteral("Pelis"), (QStringList{"7.0000|255", "7.5000|0"}));
        ASSERT_EQ(convert(other).result, OpeningResult::Converted);
        EXPECT_EQ(storedFilms(other.path()), (QStringList{"7|||||255|", "7.5|||||0|"}));
    }
}
