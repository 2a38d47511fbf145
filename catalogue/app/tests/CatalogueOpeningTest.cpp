// An Access catalogue converted at start-up, read by the real program started
// again; and told as converted even when another copy of the program opens
// the new catalogue before this one can.
#include "CatalogueOpening.h"
#include "JetFileWriter.h"
#include "SampleFilms.h"

#include "TestFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::jet;

namespace {

QString writeJetCatalogue(const catalogue::testing::TestFolder& folder)
{
    folder.write(QStringLiteral("Peliculas.mdb"),
                 jet::testing::writeJetFile({}, {jet::testing::pelisTable(jet::testing::sampleFilms(2))}));
    return folder.filePath(QStringLiteral("Peliculas.mdb"));
}

} // namespace

TEST(CatalogueOpening, AConvertedCatalogueOpensAndTheConversionIsToldFirst)
{
    catalogue::testing::TestFolder folder;
    const auto opened = openCatalogue(writeJetCatalogue(folder), {QStringLiteral(CINTARIO_PROGRAM)});
    ASSERT_TRUE(opened.catalogue);
    EXPECT_EQ(opened.result, OpeningResult::Converted);
    EXPECT_EQ(opened.catalogue->Recordset().RecordCount(), 2);
    ASSERT_EQ(opened.messages.size(), 1);
    EXPECT_TRUE(opened.messages[0].contains(u"se ha convertido al formato de este programa, con 2 películas"));
}

TEST(CatalogueOpening, AConversionIsToldWhenAnotherCopyOpensTheNewCatalogueFirst)
{
    catalogue::testing::TestFolder folder;
    const QString path = writeJetCatalogue(folder);
    // The other copy takes the new catalogue the moment it is free.
    QProcess otherCopy;
    const auto opened = openCatalogue(path, {QStringLiteral(CINTARIO_PROGRAM)}, [&](ConversionStep step) {
        if (step != ConversionStep::Released)
            return;
        otherCopy.start(QStringLiteral("flock"),
                        {QStringLiteral("-n"), path, QStringLiteral("-c"), QStringLiteral("echo sostenido; sleep 60")});
        otherCopy.waitForReadyRead(10000);
    });
    otherCopy.kill();
    otherCopy.waitForFinished();
    EXPECT_FALSE(opened.catalogue);
    EXPECT_EQ(opened.result, OpeningResult::HeldElsewhere);
    ASSERT_EQ(opened.messages.size(), 1);
    EXPECT_TRUE(opened.messages[0].contains(u"se ha convertido al formato de este programa, con 2 películas"));
    EXPECT_TRUE(opened.messages[0].endsWith(u"ya lo ha abierto otra ventana de este programa: sigue trabajando en esa "
                                            u"ventana. Esta se cierra sin cambiar nada más."))
        << opened.messages[0].toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("Peliculas (Jet original).mdb"))));
}
