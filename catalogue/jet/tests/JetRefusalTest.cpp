// Files the conversion must not take: each is refused with a Spanish message
// saying what was found, and the folder is left exactly as it was.
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"
#include "SmallDisk.h"
#include "SystemCallSpy.h"

#include <functional>

using catalogue::OpeningResult;
using namespace catalogue::jet;
using namespace catalogue::jet::testing;

namespace {

QByteArray jetFile(JetVersion version, const std::vector<JetTableDef>& tables, const QString& password = {},
                   std::uint32_t encodingKey = 0)
{
    JetFileOptions o;
    o.version = version;
    o.password = password;
    o.encodingKey = encodingKey;
    return writeJetFile(o, tables);
}

QByteArray films(JetVersion version, int count)
{
    return jetFile(version, {pelisTable(sampleFilms(count))});
}

QByteArray changed(QByteArray bytes, const std::function<void(QByteArray&)>& change)
{
    change(bytes);
    return bytes;
}

} // namespace

TEST(JetRefusal, EachFileIsRefusedSayingWhatWasFoundAndLeftAsItWas)
{
    QByteArray ace(4096, '\0');
    ace.replace(0, 20, QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20));
    ace[0x14] = 0x02;
    JetTableDef yesNo = pelisTable(sampleFilms(3));
    yesNo.columns[5].type = JetType::Boolean; // totalcds
    for (auto& r : yesNo.rows)
        r.cells[5] = QStringLiteral("1");

    const struct {
        const char* name;
        QByteArray file;
        QString found;
    } cases[] = {
        {"ACE", ace, "es una base de datos de Access 2007 o posterior (formato ACE"},
        {"unknown Jet version", changed(films(JetVersion::Jet3, 3), [](QByteArray& b) { b[0x14] = 0x07; }),
         "es una base de datos de una versión de Access que este programa no conoce."},
        {"truncated inside a page", films(JetVersion::Jet3, 300).chopped(100),
         "es una base de datos de Access 97 (Jet 3), pero está incompleta o dañada: su tamaño"},
        {"truncated at a page boundary", films(JetVersion::Jet4, 3000).chopped(3 * 4096),
         "es una base de datos de Access 2000-2003 (Jet 4), pero está dañada: falta la página"},
        {"a row pointing off its page",
         changed(films(JetVersion::Jet3, 10),
                 [](QByteArray& b) {
                     b[5 * 2048 + 10] = char(0xFF); // page 5 holds the films; this is where its first row starts
                     b[5 * 2048 + 11] = 0x1F;
                 }),
         "pero está dañada: la página 5 dice tener 10 filas y no las tiene."},
        {"Pelis's usage map aimed at a row its page does not have",
         changed(films(JetVersion::Jet3, 10), [](QByteArray& b) { b[4 * 2048 + 35] = char(254); }),
         "pero está dañada: no se puede leer la definición de la tabla Pelis."},
        {"MSysObjects' usage map aimed at a row its page does not have",
         changed(films(JetVersion::Jet4, 10), [](QByteArray& b) { b[2 * 4096 + 55] = 10; }),
         "pero está dañada: no se puede leer su lista de tablas."},
        {"a page counting one row more than it holds",
         changed(films(JetVersion::Jet3, 10), [](QByteArray& b) { b[5 * 2048 + 8] = 11; }),
         "pero está dañada: la página 5 dice tener 11 filas y no las tiene."},
        {"no Pelis",
         jetFile(JetVersion::Jet4,
                 {{"Clientes", {{"nombre", JetType::Text}}, {}}, {"Pedidos", {{"numero", JetType::Long}}, {}}}),
         "pero no tiene la tabla Pelis (sus tablas son: Clientes, Pedidos)."},
        {"no tables", jetFile(JetVersion::Jet3, {}), "pero no tiene la tabla Pelis (no tiene ninguna tabla)."},
        {"encrypted", jetFile(JetVersion::Jet4, {pelisTable(sampleFilms(3))}, {}, 0x5EC12E7u),
         "es una base de datos de Access 2000-2003 (Jet 4) cifrada"},
        {"Jet 3 password", jetFile(JetVersion::Jet3, {pelisTable(sampleFilms(3))}, "secreto"),
         "es una base de datos de Access 97 (Jet 3) protegida con contraseña."},
        {"Jet 4 password", jetFile(JetVersion::Jet4, {pelisTable(sampleFilms(3))}, "clave"),
         "es una base de datos de Access 2000-2003 (Jet 4) protegida con contraseña."},
        {"a Yes/No number of CDs", jetFile(JetVersion::Jet4, {yesNo}),
         "pero la columna totalcds de la tabla Pelis es de tipo Sí/No, que no se puede pasar a un número."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JetTestFolder folder(c.file);
        const auto outcome = convertJetCatalogue(folder.path());
        EXPECT_EQ(outcome.result, OpeningResult::Refused);
        EXPECT_TRUE(outcome.message().startsWith(QStringLiteral("No se puede abrir el catálogo \"Peliculas.mdb\" de la "
                                                                "carpeta \"%1\": ")
                                                     .arg(folder.shownPath())));
        EXPECT_TRUE(outcome.message().contains(c.found)) << outcome.message().toStdString();
        EXPECT_TRUE(outcome.message().endsWith(QStringLiteral("\n\nEl archivo no se ha modificado.")));
        EXPECT_EQ(folder.read(), c.file);
        EXPECT_EQ(folder.files(), QStringList{"Peliculas.mdb"});
    }
}

TEST(JetRefusal, TheGeneratorsEncodedAndProtectedFilesAreRealJet)
{
#ifdef _WIN32
    GTEST_SKIP() << "mdb-export, which this test asks, exists only on Linux";
#endif
    // mdbtools decodes an encoded file and ignores the password: it reads
    // them, so the refusals above are about what the header says.
    for (const QByteArray& file : {jetFile(JetVersion::Jet4, {pelisTable(sampleFilms(3))}, {}, 0x5EC12E7u),
                                   jetFile(JetVersion::Jet3, {pelisTable(sampleFilms(3))}, "secreto")}) {
        JetTestFolder folder(file);
        EXPECT_EQ(mdbExport(folder.path(), QStringLiteral("Pelis")).size(), 3);
    }
}

// The conversion's own file operations failing, one at a time: the original
// is left as it was, and nothing of the conversion stays beside it.
TEST(JetRefusal, AFileOperationThatFailsLeavesTheOriginalAlone)
{
    using Call = catalogue::testing::SystemCallSpy::Call;
    const QByteArray file = films(JetVersion::Jet4, 5);
    const struct {
        Call call;
        int after; // uses that succeed first
        std::errc error;
        QString told;
    } cases[] = {
        {Call::SyncFile, 0, std::errc::io_error, "error 5 del sistema"},
        {Call::SyncFolder, 0, std::errc::no_space_on_device, "no queda espacio en el disco"},
        {Call::Link, 0, std::errc::permission_denied, "no hay permiso para escribir en la carpeta"},
        {Call::SyncFolder, 1, std::errc::io_error, "error 5 del sistema"},
        {Call::Rename, 0, std::errc::permission_denied, "no hay permiso para escribir en la carpeta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told.toStdString());
        JetTestFolder folder(file);
        catalogue::testing::SystemCallSpy spy;
        spy.fail(c.call, c.error, c.after);
        const auto outcome = convertJetCatalogue(folder.path());
        EXPECT_EQ(outcome.result, OpeningResult::Refused);
        EXPECT_EQ(outcome.message(), QStringLiteral("No se ha podido convertir el catálogo \"Peliculas.mdb\" de la "
                                                    "carpeta \"%1\" al formato de este programa: %2.\n\nEl archivo no "
                                                    "se ha modificado.")
                                         .arg(folder.shownPath(), c.told));
        EXPECT_EQ(folder.read(), file);
        EXPECT_EQ(folder.files(), QStringList{"Peliculas.mdb"});
    }
}

TEST(JetRefusal, ANewCatalogueThatDoesNotFitOnTheDiskSaysSo)
{
    if (const QString why = catalogue::testing::SmallDisk::unavailable(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    catalogue::testing::SmallDisk disk("2m");
    const QByteArray file = films(JetVersion::Jet4, 3000);
    const QString path = disk.filePath(QStringLiteral("Peliculas.mdb"));
    catalogue::testing::writeBytes(path, file);
    disk.fillLeaving(16 * 1024);
    const auto outcome = convertJetCatalogue(path);
    EXPECT_EQ(outcome.result, OpeningResult::Refused);
    EXPECT_TRUE(outcome.message().contains(u"al formato de este programa: el disco está lleno.\n\n"))
        << outcome.message().toStdString();
    EXPECT_EQ(catalogue::testing::readBytes(path), file);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), (QStringList{"Peliculas.mdb", "relleno"}));
}
