// The Windows build reads no Jet files (NoJetReader.cpp): a catalogue still in
// Access format, made by the test generator, is refused with a message that
// names it and says why, and the folder is left byte for byte as it was.
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"

using namespace catalogue::jet;
using namespace catalogue::jet::testing;

TEST(JetOnWindows, ACatalogueInAccessFormatIsRefusedSayingWhyAndLeftAsItWas)
{
    for (const auto& [version, what] : {std::pair{JetVersion::Jet3, "Access 97 (Jet 3)"},
                                        std::pair{JetVersion::Jet4, "Access 2000-2003 (Jet 4)"}}) {
        JetFileOptions options;
        options.version = version;
        const QByteArray original = writeJetFile(options, {pelisTable(sampleFilms(40))});
        JetTestFolder folder(original);

        const ConversionOutcome outcome = convertJetCatalogue(folder.path());
        EXPECT_EQ(outcome.result, ConversionOutcome::Result::Refused) << what;
        EXPECT_FALSE(outcome.startWindow());
        const QString expected =
            QStringLiteral("No se puede abrir el catálogo \"Peliculas.mdb\" de la carpeta \"%1\": es una base de "
                           "datos de %2, y la versión de este programa para Windows no sabe leer bases de datos de "
                           "Access.").arg(QDir::toNativeSeparators(QFileInfo(folder.path()).absolutePath()), what);
        EXPECT_TRUE(outcome.message.startsWith(expected)) << outcome.message.toStdString();
        EXPECT_TRUE(outcome.message.endsWith(QStringLiteral("El archivo no se ha modificado.")));
        EXPECT_EQ(folder.files(), QStringList{"Peliculas.mdb"});
        EXPECT_EQ(folder.read(), original) << what;
    }
}
