#include "QtPrinting.h"
#include "ReportTestSupport.h"
#include "ReportViewer.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

TEST(ReportViewer, NamesTheReportRelativeToTheCurrentFolder)
{
    EXPECT_EQ(notepadCommandLine(QStringLiteral("Peliculas_Ordenadas_Por_Titulo.TxT")),
              "C:\\WINDOWS\\NOTEPAD.EXE Peliculas_Ordenadas_Por_Titulo.TxT");
    const ViewerCommand viewer = desktopViewerCommand(QStringLiteral("Estadisticas_Pelis.TxT"));
    EXPECT_EQ(viewer.program, "xdg-open");
    EXPECT_EQ(viewer.arguments, QStringList{"Estadisticas_Pelis.TxT"});
}

#ifndef Q_OS_WIN
TEST(ReportViewer, AMissingDesktopViewerIsNoError)
{
    testing::ScopedWorkingFolder emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    const StepFailure failure = NotepadReportOpener().openReport(QStringLiteral("Informe.TxT"));
    qputenv("PATH", path);
    EXPECT_FALSE(failure);
}
#endif

} // namespace
} // namespace catalogue
