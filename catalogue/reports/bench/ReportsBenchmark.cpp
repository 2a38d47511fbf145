// Figures of the report commands on the real main window over generated
// catalogues: from the menu command to its closing message, median of
// several runs, for each listing and the statistics report, with the peak
// memory of the process after each. A report holds only the line it is
// writing, so the peak should not grow with the reports; what the catalogue
// itself holds (its record set, rebuilt by each re-query) is in the first
// row, before any report.
// Usage: bench-reports [films...] (default 32767 100000)
#include "BenchCatalogue.h"
#include "BenchTable.h"
#include "CommandWiring.h"
#include "Form1.h"
#include "RecordSources.h"
#include "ScriptedDialogs.h"
#include "SilentOpeners.h"
#include "StatisticsReport.h"
// The nine listings with their menu items and orders, as the tests write them out.
#include "../tests/MenuListings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

using namespace catalogue;

namespace {

struct Figures {
    double medianMs;
    QString message;
};

// Runs the menu item `runs` times; each time counts until its message is shown.
Figures runFromMenu(Form1& form, testing::ScriptedDialogs& dialogs, const QString& item, int runs)
{
    std::vector<double> times;
    QElapsedTimer timer;
    double untilMessage = 0;
    dialogs.onMessage = [&](const QString&) { untilMessage = double(timer.nsecsElapsed()) / 1e6; };
    for (int i = 0; i < runs; ++i) {
        dialogs.messages.clear();
        timer.start();
        form.findChild<QAction*>(item)->trigger();
        times.push_back(untilMessage);
    }
    return {bench::median(times), dialogs.messages.value(0)};
}

// The share of a report that is the store's: rebuilding the record set in
// the report's order.
double medianRequeryMs(Form1& form, QStringView recordSource, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto pause = form.binding().pause();
        QElapsedTimer timer;
        timer.start();
        form.Data1().setRecordSource(recordSource.toString());
        form.Data1().Refresh();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return bench::median(times);
}

void printFigures(qint64 films, const QString& item, const Figures& figures, double requeryMs, const QString& file)
{
    bench::printRow(films, item, figures.medianMs, bench::peakMemoryMiB(),
                    QStringLiteral("re-query %1 ms, file %2 MB: %3")
                        .arg(requeryMs, 0, 'f', 1)
                        .arg(double(QFileInfo(file).size()) / (1024.0 * 1024.0), 0, 'f', 1)
                        .arg(figures.message));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::vector<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toLongLong());
    if (sizes.empty())
        sizes = {32767, 100000};
    constexpr int runs = 5;

    bench::printTableHeader();
    for (const qint64 films : sizes) {
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        bench::writeBenchCatalogue(QStringLiteral("Peliculas.mdb"), films);
        auto opened = DataControl::open();
        testing::ScriptedDialogs dialogs;
        testing::NoReportViewer viewer;
        testing::NoLinkOpener links;
        Form1 form(*opened.catalogue, dialogs);
        wireCommands(form, viewer, links);
        // The window's own re-ordering, so that the figure before holds a record
        // set being rebuilt, as every report's re-query does.
        QElapsedTimer opening;
        opening.start();
        form.Data1().setRecordSource(recordSources::kByTitle.toString());
        form.Data1().Refresh();
        bench::printRow(films, QStringLiteral("Refresh by title (before reports)"),
                        double(opening.nsecsElapsed()) / 1e6, bench::peakMemoryMiB(), QStringLiteral("one run"));

        for (const testing::MenuListing& each : testing::kMenuListings) {
            const QString item = each.menuItem.toString();
            const Figures figures = runFromMenu(form, dialogs, item, runs);
            printFigures(films, item, figures, medianRequeryMs(form, each.recordSource, runs),
                         each.listing->fileName.toString());
        }
        const Figures statistics = runFromMenu(form, dialogs, QStringLiteral("estadis"), runs);
        printFigures(films, QStringLiteral("estadis"), statistics,
                     medianRequeryMs(form, recordSources::kByRunningTime, runs) +
                         medianRequeryMs(form, recordSources::kByCdsMostFirst, runs),
                     kStatisticsFileName.toString());
    }
    return 0;
}
