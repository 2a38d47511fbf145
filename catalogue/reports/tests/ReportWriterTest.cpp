#include "QtPrinting.h"
#include "CatalogueError.h"
#include "ReportTestSupport.h"
#include "ReportWriter.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace testing;

const QString kName = QStringLiteral("Informe.TxT");

// The text of the CatalogueError that `steps` throw; empty when they throw none.
template <typename Steps>
QString failureOf(Steps&& steps)
{
    try {
        steps();
    } catch (const CatalogueError& error) {
        return error.message();
    }
    return {};
}

TEST(ReportWriter, WritesWindows1252LinesEachEndedByCrLf)
{
    ScopedWorkingFolder folder;
    ReportWriter writer;
    writer.createReport(kName);
    writer.writeLine(u"Año 1€");
    writer.writeLine(u"");
    writer.writeLine(u"Ōkami");
    writer.closeReport();
    EXPECT_EQ(readBytes(kName), QByteArray("A\xF1o 1\x80\r\n\r\n?kami\r\n"));
}

TEST(ReportWriter, ReplacesAnOlderReportInsteadOfAppending)
{
    ScopedWorkingFolder folder;
    writeBytes(kName, QByteArray(5000, 'x'));
    ReportWriter writer;
    writer.createReport(kName);
    writer.writeLine(u"nuevo");
    writer.closeReport();
    EXPECT_EQ(readBytes(kName), QByteArray("nuevo\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{kName});
}

TEST(ReportWriter, AnUnfinishedReportLeavesTheOlderOneAndNoOtherFile)
{
    ScopedWorkingFolder folder;
    writeBytes(kName, "anterior\r\n");
    {
        ReportWriter writer;
        writer.createReport(kName);
        writer.writeLine(u"a medias");
    }
    EXPECT_EQ(readBytes(kName), QByteArray("anterior\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{kName});
}

TEST(ReportWriter, AReadOnlyFolderGivesASpanishMessageAndTouchesNothing)
{
    SKIP_WITHOUT_PERMISSIONS();
    ScopedWorkingFolder folder;
    writeBytes(kName, "anterior\r\n");
    folder.makeReadOnly();
    QString failure;
    {
        ScopedUnprivilegedUser nobody;
        failure = failureOf([] { ReportWriter().createReport(kName); });
    }
    EXPECT_EQ(failure, folder.cannotCreateMessage(kName));
    EXPECT_EQ(readBytes(kName), QByteArray("anterior\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{kName});
}

TEST(ReportWriter, AWritableReportInAReadOnlyFolderIsNeverWrittenInPlace)
{
    SKIP_WITHOUT_PERMISSIONS();
    // Written in place, a report that failed half-way would have lost the older one.
    ScopedWorkingFolder folder;
    writeBytes(kName, QByteArray(5000, 'x'));
    ScopedUnprivilegedUser::handOver(kName);
    folder.makeReadOnly(false);
    QString failure;
    {
        ScopedUnprivilegedUser nobody;
        failure = failureOf([] { ReportWriter().createReport(kName); });
    }
    EXPECT_EQ(failure, folder.cannotCreateMessage(kName));
    EXPECT_EQ(readBytes(kName), QByteArray(5000, 'x'));
    EXPECT_EQ(folder.fileNames(), QStringList{kName});
}

TEST(ReportWriter, OnAFullDiskTheOlderReportStaysWhateverTheNewOnesSize)
{
    if (const QString why = SmallDisk::unavailable(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    SmallDisk disk;
    struct BackWhenDone {
        QString folder;
        ~BackWhenDone() { QDir::setCurrent(folder); }
    } back{QDir::currentPath()};
    QDir::setCurrent(disk.path());
    writeBytes(kName, "anterior\r\n");
    disk.fillLeaving(0);
    // One line fails only when the file is closed; many fail while they are written.
    for (const int lines : {1, 20000}) {
        const QString failure = failureOf([lines] {
            ReportWriter writer;
            writer.createReport(kName);
            for (int i = 0; i < lines; ++i)
                writer.writeLine(u"Título De Película ---> Alien");
            writer.closeReport();
        });
        EXPECT_TRUE(failure.contains(
            QStringLiteral("En La Carpeta %1... El Disco Está Lleno...").arg(QDir::toNativeSeparators(disk.path()))))
            << lines << " lines: " << failure.toStdString();
        EXPECT_EQ(readBytes(kName), QByteArray("anterior\r\n")) << lines << " lines";
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{kName, "relleno"}));
    }
}

} // namespace
} // namespace catalogue
