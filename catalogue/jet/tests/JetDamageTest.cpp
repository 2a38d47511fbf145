// Damaged Access catalogues, made at run time from the generator's files
// with a fixed seed: each must end in a converted catalogue or a Spanish
// refusal, with the original bytes in the folder under one of its two names
// and nothing else beside them. And a reading that crashes or hangs is a
// refusal like any other.
#include "CatalogueDatabase.h"
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"

#include <QtEndian>

#include <cstdio>
#include <random>

using namespace catalogue;
using namespace catalogue::jet;
using namespace catalogue::jet::testing;

namespace {

const QString kOriginal = QStringLiteral("Peliculas (Jet original).mdb");

// Page 0 is the header, 1 the usage maps, 2 and 3 MSysObjects' definition
// and rows, 4 the definition of Pelis, then its rows.
struct Layout {
    int pageSize;
    int rowCount;   // offset of a data page's row count
    int usageMap;   // offset of a table definition's usage map pointer
    int numRows;    // ... of its row count
    int numColumns; // ... of its column count
};
constexpr Layout kJet3{2048, 8, 35, 12, 25};
constexpr Layout kJet4{4096, 12, 55, 16, 45};

// Films the damaged files hold: of 120 rows, one deleted.
constexpr int kLiveFilms = 119;

QByteArray baseFile(JetVersion version)
{
    JetTableDef pelis = pelisTable(sampleFilms(kLiveFilms + 1));
    pelis.rows[3].deleted = true;
    pelis.rows[7].moved = true;
    pelis.rows[50].moved = true;
    JetFileOptions options;
    options.version = version;
    return writeJetFile(options, {pelis, {"Prestamos", {{"amigo", JetType::Text}}, {row("Ana"), row("Luis")}}});
}

class Damage {
public:
    Damage(QByteArray file, const Layout& layout, std::mt19937& random)
        : file_(std::move(file)), layout_(layout), random_(random)
    {}

    // One kind of damage of nine, at places and values the seed chooses.
    QByteArray make(int kind)
    {
        const int pages = int(file_.size() / layout_.pageSize);
        const int tableDefinition = pick({2, 4});
        switch (kind) {
        case 0: // a usage map pointer aimed at a row of page 1 that may not exist
            put32(tableDefinition, layout_.usageMap, 0x100 | pick({0, 1, 2, 10, 128, 254, 255, any(255)}));
            break;
        case 1: // a usage map row given another length, type or start page
            if (coin())
                put16(1, layout_.rowCount + 2 + 2 * any(3), any(layout_.pageSize + 100));
            else
                at(1, any(layout_.pageSize - 1)) = char(pick({0, 1, 2, 0xFF, any(255)}));
            break;
        case 2: // a table definition's counts of rows and columns
            if (coin())
                put32(tableDefinition, layout_.numRows, pick({0, 119, 121, 1000000, any(0x7FFFFFFF)}));
            else
                put16(tableDefinition, layout_.numColumns, pick({0, 1, 6, 8, 300, 0xFFFF}));
            break;
        case 3: // anywhere in a table definition
            for (int n = 1 + any(3); n > 0; --n)
                at(tableDefinition, any(layout_.pageSize - 1)) = char(any(255));
            break;
        case 4: // MSysObjects' rows: the names, types and pages of the tables
            for (int n = 1 + any(7); n > 0; --n)
                at(3, any(layout_.pageSize - 1)) = char(any(255));
            break;
        case 5: // a page header: its type, or the table a data page says it belongs to
            if (coin())
                at(1 + any(pages - 2), 0) = char(pick({0, 1, 2, 4, 5, any(255)}));
            else
                put32(5 + any(pages - 6), 4, pick({0, 2, 3, 4, 5, any(0x7FFFFFFF)}));
            break;
        case 6: { // a data page's row count, one more or one fewer than it holds among them
            const int page = pick({3, 5 + any(pages - 6)});
            const int count =
                qFromLittleEndian<quint16>(file_.constData() + page * layout_.pageSize + layout_.rowCount);
            put16(page, layout_.rowCount, pick({count + 1, count + 2, count - 1, 0, 0xFFFF}));
            break;
        }
        case 7: // a row's place or flags on a data page
            put16(pick({3, 5 + any(pages - 6)}), layout_.rowCount + 2 + 2 * any(20), any(0xFFFF));
            break;
        default: // cut short, at a page boundary or inside a page
            file_.truncate(coin() ? layout_.pageSize * (1 + any(pages - 1)) : any(int(file_.size()) - 1));
            break;
        }
        return file_;
    }

private:
    int any(int most) { return std::uniform_int_distribution<int>(0, std::max(0, most))(random_); }
    bool coin() { return any(1) == 1; }
    int pick(std::initializer_list<int> values) { return *(values.begin() + any(int(values.size()) - 1)); }
    char& at(int page, int offset) { return file_[qsizetype(page) * layout_.pageSize + offset]; }
    void put16(int page, int offset, int value) { qToLittleEndian(quint16(value), &at(page, offset)); }
    void put32(int page, int offset, quint32 value) { qToLittleEndian(value, &at(page, offset)); }

    QByteArray file_;
    const Layout& layout_;
    std::mt19937& random_;
};

// What became of one damaged file; empty when all is as it must be.
QString fault(const JetTestFolder& folder, const QByteArray& file, const Opening<ConvertedCatalogue>& outcome)
{
    const QString place = QStringLiteral("\"Peliculas.mdb\" de la carpeta \"%1\"").arg(folder.shownPath());
    switch (outcome.result) {
    case OpeningResult::Converted:
        if (folder.read(kOriginal) != file || folder.files() != QStringList{kOriginal, "Peliculas.mdb"})
            return QStringLiteral("converted, but the original is not kept whole");
        if (storedFilms(folder.path()).size() != outcome.catalogue->films)
            return QStringLiteral("converted, but the catalogue holds another number of films");
        if (outcome.catalogue->films > kLiveFilms)
            return QStringLiteral("converted with %1 films, more than the file holds").arg(outcome.catalogue->films);
        return {};
    case OpeningResult::Refused:
        if (!outcome.message().startsWith(QStringLiteral("No se puede abrir el catálogo %1: ").arg(place)) ||
            !(outcome.message().endsWith(u"\n\nEl archivo no se ha modificado.") ||
              outcome.message().endsWith(u"\n\nNo se ha cambiado nada.")))
            return QStringLiteral("refused with: ") + outcome.message();
        break;
    case OpeningResult::Opened: {
        // No longer an Access file to the conversion: the store must refuse it.
        const auto opened = CatalogueDatabase::open(folder.path());
        if (opened.catalogue ||
            !opened.message().startsWith(QStringLiteral("No se puede abrir el catálogo %1: ").arg(place)))
            return QStringLiteral("not taken for Access, and then: ") + opened.message();
        break;
    }
    case OpeningResult::HeldElsewhere: return QStringLiteral("said to be in use");
    }
    if (folder.read() != file || folder.files() != QStringList{"Peliculas.mdb"})
        return QStringLiteral("refused, but the folder is not as it was");
    return {};
}

} // namespace

TEST(JetDamage, EveryDamagedFileIsConvertedOrRefusedAndTheOriginalStays)
{
    std::mt19937 random(20261208);
    const QByteArray bases[] = {baseFile(JetVersion::Jet3), baseFile(JetVersion::Jet4)};
    const Layout* layouts[] = {&kJet3, &kJet4};
    JetReader reader = JetReader::thisProgram();
    reader.timeLimit = std::chrono::seconds(10);
    int variants = 0, converted = 0, refused = 0, readerFailed = 0;
    QStringList faults;
    for (int i = 0; i < 360; ++i) {
        const QByteArray file = Damage(bases[i % 2], *layouts[i % 2], random).make(i / 2 % 9);
        if (file == bases[i % 2])
            continue;
        ++variants;
        JetTestFolder folder(file);
        const auto outcome = convertJetCatalogue(folder.path(), {}, reader);
        (outcome.result == OpeningResult::Converted ? converted : refused)++;
        readerFailed += outcome.message().contains(u"no se ha podido leer:");
        if (const QString what = fault(folder, file, outcome); !what.isEmpty())
            faults << QStringLiteral("variant %1 (damage %2): %3").arg(i).arg(i / 2 % 9).arg(what);
    }
    std::printf("%d damaged files: %d converted, %d refused (%d when the reading itself failed)\n", variants, converted,
                refused, readerFailed);
    EXPECT_GT(variants, 300);
    EXPECT_TRUE(faults.isEmpty()) << faults.mid(0, 10).join(u'\n').toStdString();
}

TEST(JetDamage, AReadingThatCrashesOrHangsIsARefusalAndChangesNothing)
{
    JetFileOptions options;
    const QByteArray file = writeJetFile(options, {pelisTable(sampleFilms(5))});
    JetReader reader = JetReader::thisProgram();
    reader.timeLimit = std::chrono::seconds(2);
    for (const char* misbehave : {"crashes", "hangs"}) {
        SCOPED_TRACE(misbehave);
        qputenv("JET_TEST_READER", misbehave);
        JetTestFolder folder(file);
        const auto outcome = convertJetCatalogue(folder.path(), {}, reader);
        qunsetenv("JET_TEST_READER");
        EXPECT_EQ(outcome.result, OpeningResult::Refused);
        EXPECT_EQ(outcome.message(),
                  QStringLiteral("No se puede abrir el catálogo \"Peliculas.mdb\" de la carpeta \"%1\": el archivo es "
                                 "una base de datos de Access 97 (Jet 3), pero está dañado y no se ha podido leer: %2."
                                 "\n\nNo se ha cambiado nada.")
                      .arg(folder.shownPath(), qstrcmp(misbehave, "crashes") == 0
                                                   ? QStringLiteral("su lectura se ha detenido por un error grave")
                                                   : QStringLiteral("su lectura no ha terminado en 2 segundos")));
        EXPECT_EQ(folder.read(), file);
        EXPECT_EQ(folder.files(), QStringList{"Peliculas.mdb"});
    }
}
