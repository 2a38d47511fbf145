#include "QtPrinting.h"
#include "ReportTestSupport.h"
#include "ReportViewer.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

TEST(ReportViewer, StartsTheViewerOnTheReportRelativeToTheCurrentFolder)
{
    EXPECT_EQ(notepadCommandLine(QStringLiteral("Peliculas_Ordenadas_Por_Titulo.TxT")),
              "C:\\WINDOWS\\NOTEPAD.EXE Peliculas_Ordenadas_Por_Titulo.TxT");
#ifndef Q_OS_WIN
    // The only viewer on the path is a stand-in that notes how it was started.
    testing::ScopedWorkingFolder folder;
    const QString started = folder.path() + QStringLiteral("/started");
    testing::writeBytes(QStringLiteral("xdg-open"),
                        "#!/bin/sh\nprintf '%s|%s' \"$PWD\" \"$*\" > " + QFile::encodeName(started) +
                            ".new\n"
                            "/bin/mv " +
                            QFile::encodeName(started) + ".new " + QFile::encodeName(started) + "\n");
    QFile::setPermissions(QStringLiteral("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    struct PathBackWhenDone {
        QByteArray path = qgetenv("PATH");
        ~PathBackWhenDone() { qputenv("PATH", path); }
    } back;
    qputenv("PATH", folder.path().toLocal8Bit());
    openReportInNotepad(QStringLiteral("Estadisticas_Pelis.TxT"));
    for (int i = 0; i < 100 && !QFile::exists(started); ++i)
        QThread::msleep(50);
    EXPECT_EQ(testing::readBytes(started), (folder.path() + QStringLiteral("|Estadisticas_Pelis.TxT")).toLocal8Bit());

    // Without a viewer the report is still on disk: no error.
    QFile::remove(QStringLiteral("xdg-open"));
    EXPECT_NO_THROW(openReportInNotepad(QStringLiteral("Informe.TxT")));
#endif
}

} // namespace
} // namespace catalogue
