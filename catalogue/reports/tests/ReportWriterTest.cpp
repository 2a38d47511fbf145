#include "QtPrinting.h"
#include "CatalogueError.h"
#include "ReportTestSupport.h"
#include "ReportWriter.h"
#include "SmallDisk.h"
#include "SystemCallSpy.h"

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

TEST(ReportWriter, ReplacesAnOlderReportInsteadOfAppendingAndThenSyncsTheFolder)
{
    ScopedWorkingFolder folder;
    writeBytes(kName, QByteArray(5000, 'x'));
    SystemCallSpy spy;
    ReportWriter writer;
    writer.createReport(kName);
    writer.writeLine(u"nuevo");
    writer.closeReport();
    EXPECT_EQ(readBytes(kName), QByteArray("nuevo\r\n"));
    EXPECT_EQ(folder.files(), QStringList{kName});
    ASSERT_GE(spy.calls.size(), 2);
    EXPECT_TRUE(spy.calls[spy.calls.size() - 2].startsWith(u"rename ")) << spy.calls.join(u'\n').toStdString();
    EXPECT_TRUE(spy.calls[spy.calls.size() - 2].endsWith(u' ' + kName));
    EXPECT_EQ(spy.calls.last(), QStringLiteral("syncFolder ") + QFileInfo(folder.path()).fileName());
}

TEST(ReportWriter, EachFailingSystemCallIsToldAndLeavesTheOlderReport)
{
    using Call = SystemCallSpy::Call;
    const QString create = QStringLiteral("No Se Puede Crear El Informe");
    const QString finish = QStringLiteral("No Se Puede Terminar El Informe");
    const QString full = QStringLiteral("El Disco Está Lleno");
    const QString writeError = QStringLiteral("Error De Escritura");
    const struct {
        Call call;
        std::errc error;
        QString what, reason;
    } cases[] = {
        {Call::CreateFile, std::errc::permission_denied, create,
         QStringLiteral("Comprueba Que Se Puede Escribir En Esta Carpeta Y En El Fichero")},
        {Call::CreateFile, std::errc::no_space_on_device, create, full},
        {Call::WriteFile, std::errc::no_space_on_device, finish, full},
        {Call::WriteFile, std::errc::io_error, finish, writeError},
        {Call::SyncFile, std::errc::io_error, finish, writeError},
        {Call::Rename, std::errc::permission_denied, finish, writeError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString() + " from call " + std::to_string(int(c.call)));
        ScopedWorkingFolder folder;
        writeBytes(kName, "anterior\r\n");
        SystemCallSpy spy;
        spy.fail(c.call, c.error);
        EXPECT_EQ(failureOf([] {
                      ReportWriter writer;
                      writer.createReport(kName);
                      writer.writeLine(u"nuevo");
                      writer.closeReport();
                  }),
                  QStringLiteral("%1 %2 En La Carpeta %3... %4... No Se Ha Cambiado Ningún Fichero...")
                      .arg(c.what, kName, folder.shownPath(), c.reason));
        EXPECT_EQ(readBytes(kName), QByteArray("anterior\r\n"));
        EXPECT_EQ(folder.files(), QStringList{kName});
    }
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
    EXPECT_EQ(folder.files(), QStringList{kName});
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
    EXPECT_EQ(folder.files(), QStringList{kName});
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
    EXPECT_EQ(folder.files(), QStringList{kName});
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
    // One line fails only when the file is closed; many fail while they are
    // written, and with some room left the last write is cut short.
    struct Case {
        qint64 room;
        int lines;
    };
    for (const Case c : {Case{0, 1}, Case{0, 20000}, Case{3000, 20000}, Case{40000, 20000}}) {
        disk.fillLeaving(c.room);
        const QString failure = failureOf([lines = c.lines] {
            ReportWriter writer;
            writer.createReport(kName);
            for (int i = 0; i < lines; ++i)
                writer.writeLine(u"Título De Película ---> Alien");
            writer.closeReport();
        });
        EXPECT_TRUE(failure.contains(
            QStringLiteral("En La Carpeta %1... El Disco Está Lleno...").arg(QDir::toNativeSeparators(disk.path()))))
            << c.room << " bytes free, " << c.lines << " lines: " << failure.toStdString();
        EXPECT_EQ(readBytes(kName), QByteArray("anterior\r\n")) << c.lines << " lines";
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{kName, "relleno"}));
    }
}

} // namespace
} // namespace catalogue
