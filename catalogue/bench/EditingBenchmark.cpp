// Figures of the editing commands on a large catalogue: a save (store plus
// the summary over every film), a delete, and clearing the whole catalogue.
#include "BenchCatalogue.h"
#include "EditingCommands.h"
#include "Form1.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace catalogue;

namespace {

double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Window {
    explicit Window(qint64 films)
    {
        bench::writeBenchCatalogue(dir.filePath(QStringLiteral("Peliculas.mdb")), films);
        data1 = std::move(DataControl::open(dir.filePath(QStringLiteral("Peliculas.mdb"))).control);
        form = std::make_unique<Form1>(*data1, dialogs);
    }
    QTemporaryDir dir;
    std::unique_ptr<DataControl> data1;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const qint64 films = argc > 1 ? QByteArray(argv[1]).toLongLong() : 32767;

    Window w(films);
    EditingCommands& editing = w.form->editing();
    int next = 900000;
    const double save = medianMs(
        9,
        [&] {
            editing.Command1_Click();
            w.form->box(Field::Idzefo)->setText(QString::number(++next));
            w.form->box(Field::Titulo)->setText(QStringLiteral("Película de prueba"));
        },
        [&] { editing.Command3_Click(); });
    std::printf("%7lld films  save (Update + Form_Initialize): median %7.2f ms\n", films, save);

    const double remove = medianMs(9, [] {}, [&] { editing.Command4_Click(); });
    std::printf("%7lld films  delete (Delete + Form_Initialize): median %7.2f ms\n", films, remove);

    std::vector<double> clears;
    for (int run = 0; run < 3; ++run) {
        Window fresh(films);
        fresh.form->menuItem(QStringLiteral("activaborra"))->trigger();
        QElapsedTimer timer;
        timer.start();
        fresh.form->editing().Command2_Click();
        clears.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (fresh.data1->Recordset().RecordCount() != 0)
            std::fprintf(stderr, "the catalogue was not cleared\n");
    }
    std::sort(clears.begin(), clears.end());
    std::printf("%7lld films  \"Borrar Todo\" of every film:      median %7.1f ms\n", films, clears[1]);
    return 0;
}
