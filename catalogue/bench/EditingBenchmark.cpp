// Figures of the editing commands on a large catalogue: a save (store plus
// the summary over every film), a delete, and clearing the whole catalogue.
#include "BenchCatalogue.h"
#include "BenchTable.h"
#include "CommandWiring.h"
#include "EditingCommands.h"
#include "Form1.h"
#include "ScriptedDialogs.h"
#include "SilentOpeners.h"

#include <QAction>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace catalogue;

namespace {

struct Window {
    explicit Window(qint64 films)
    {
        bench::writeBenchCatalogue(dir.filePath(QStringLiteral("Peliculas.mdb")), films);
        data1 = std::move(DataControl::open(dir.filePath(QStringLiteral("Peliculas.mdb"))).catalogue);
        form = std::make_unique<Form1>(*data1, dialogs);
        wireCommands(*form, viewer, links);
    }
    QTemporaryDir dir;
    std::unique_ptr<DataControl> data1;
    testing::ScriptedDialogs dialogs;
    testing::NoReportViewer viewer;
    testing::NoLinkOpener links;
    std::unique_ptr<Form1> form;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const qint64 films = argc > 1 ? QByteArray(argv[1]).toLongLong() : 32767;

    bench::printTableHeader();
    Window w(films);
    Form1& form1 = *w.form;
    int next = 900000;
    const double save = bench::medianMs(
        9, [&] { Command3_Click(form1); },
        [&] {
            Command1_Click(form1);
            w.form->box(Field::Idzefo)->setText(QString::number(++next));
            w.form->box(Field::Titulo)->setText(QStringLiteral("Película de prueba"));
        });
    bench::printRow(films, QStringLiteral("save (Update + Form_Initialize)"), save, bench::peakMemoryMiB());

    const double remove = bench::medianMs(9, [&] { Command4_Click(form1); });
    bench::printRow(films, QStringLiteral("delete (Delete + Form_Initialize)"), remove, bench::peakMemoryMiB());

    std::vector<double> clears;
    for (int run = 0; run < 3; ++run) {
        Window fresh(films);
        fresh.form->activaborra()->trigger();
        QElapsedTimer timer;
        timer.start();
        Command2_Click(*fresh.form);
        clears.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (fresh.data1->Recordset().RecordCount() != 0)
            std::fprintf(stderr, "the catalogue was not cleared\n");
    }
    bench::printRow(films, QStringLiteral("\"Borrar Todo\" of every film"), bench::median(clears),
                    bench::peakMemoryMiB(), QStringLiteral("median of 3"));
    return 0;
}
