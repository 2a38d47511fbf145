// bench-browse [films]: medians of the orderings and of both searches over a
// generated catalogue (default 32,767 films, the most the catalogue holds),
// each run through the real window, from the menu item's trigger to its return.
#include "BenchTable.h"
#include "CommandWiring.h"
#include "Form1.h"
#include "ScriptedDialogs.h"
#include "SilentOpeners.h"
#include "TempCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace catalogue;

namespace {

constexpr int kRuns = 9;

std::vector<MovieRecord> generatedFilms(int count)
{
    const QStringList words{"Amor",   "Noche", "Ciudad", "Guerra", "Alien", "Sombra", "Río",  "Matrix",
                            "Último", "Tren",  "Mar",    "Ojos",   "Fuego", "Camino", "Niño", "Sueño"};
    const QStringList directors{"Steven Spielberg", "Pedro Almodóvar",   "Ridley Scott", "Akira Kurosawa",
                                "Willis O'Brien",   "Christopher Nolan", "Agnès Varda",  "Alejandro Amenábar",
                                "Luis Buñuel",      "Stanley Kubrick",   "Fritz Lang",   "Jane Campion"};
    const QStringList kinds{"DvD-Rip", "Screener", "TS", "VHS-Rip", "TV-Rip"};
    const QStringList codecs{"Divx3.11", "Divx5.02", "XviD", "H264"};
    std::mt19937 random(20240601);
    auto pick = [&](const QStringList& list) { return list[int(random() % unsigned(list.size()))]; };

    std::vector<MovieRecord> films;
    films.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString title = pick(words) + u' ' + pick(words).toLower() + u' ' + QString::number(random() % 1000);
        const QString time = QStringLiteral("%1:%2:%3")
                                 .arg(random() % 4, 2, 10, QChar(u'0'))
                                 .arg(random() % 60, 2, 10, QChar(u'0'))
                                 .arg(random() % 60, 2, 10, QChar(u'0'));
        // Numbers in shuffled order, so that number order is real work.
        const QString number = QString::number((i * 7919) % count + 1);
        films.push_back(
            {number, title, time, pick(kinds), pick(directors), QString::number(1 + random() % 4), pick(codecs)});
    }
    return films;
}

template <typename F>
double medianMilliseconds(F&& once)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        once();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents(); // let the window repaint between runs, untimed
    }
    return bench::median(times);
}

void report(const char* what, int films, double ms)
{
    bench::printRow(films, QString::fromLatin1(what), ms, bench::peakMemoryMiB());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 32767;

    testing::TempCatalogue catalogue(generatedFilms(count));
    auto data1 = catalogue.open();
    testing::ScriptedDialogs dialogs;
    testing::NoReportViewer viewer;
    testing::NoLinkOpener links;
    Form1 form1(*data1, dialogs);
    wireCommands(form1, viewer, links);
    form1.show();
    QCoreApplication::processEvents();

    bench::printTableHeader();
    for (const char* item :
         {"pornumero", "ordefecha", "orddura", "ordtitu", "pordirector", "oredipopeli", "ordecantc"}) {
        QAction* action = form1.findChild<QAction*>(QString::fromLatin1(item));
        report(item, count, medianMilliseconds([&] { action->trigger(); }));
    }

    const struct {
        const char* item;
        QString answer;
    } searches[]{{"buscapelijeje", QStringLiteral("matrix")}, {"buscadirector", QStringLiteral("spiel")}};
    for (const auto& search : searches) {
        QAction* action = form1.findChild<QAction*>(QString::fromLatin1(search.item));
        report(search.item, count, medianMilliseconds([&] {
                   dialogs.answerNext(search.answer);
                   action->trigger();
               }));
    }
    if (dialogs.messages.size() != 2 * kRuns) {
        std::fprintf(stderr, "bench-browse: expected %d messages, got %lld\n", 2 * kRuns,
                     static_cast<long long>(dialogs.messages.size()));
        return 1;
    }
    return 0;
}
