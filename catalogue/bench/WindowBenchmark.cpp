// Figures of the catalogue window at several sizes: start-up of the program,
// the summary walk, and a re-ordering followed by a walk of every film.
#include "BenchCatalogue.h"
#include "BenchTable.h"
#include "Form1.h"
#include "RecordSources.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace catalogue;

namespace {

// The program started as a user starts it, until its window is painted; the
// peak memory is the started program's own.
void startup(const QString& probe, const QString& folder, qint64 films)
{
    std::vector<double> times;
    long peak = 0;
    for (int run = 0; run < 7; ++run) {
        QProcess process;
        process.setWorkingDirectory(folder);
        QElapsedTimer timer;
        timer.start();
        process.start(probe, {});
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(30000))
            out += process.readAllStandardOutput();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished(30000);
        if (out.startsWith("shown "))
            peak = std::max(peak, out.mid(6).trimmed().toLong());
        else
            std::fprintf(stderr, "start-up probe failed: %s\n", out.constData());
    }
    bench::printRow(films, QStringLiteral("start-up to window shown"), bench::median(times), double(peak) / 1024.0,
                    QStringLiteral("peak of the started program"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString probe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("startup_probe"));
    std::vector<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toLongLong());
    if (sizes.empty())
        sizes = {1000, 32767, 100000};

    bench::printTableHeader();
    for (qint64 films : sizes) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Peliculas.mdb"));
        bench::writeBenchCatalogue(file, films);
        startup(probe, dir.path(), films);

        auto opened = DataControl::open(file);
        testing::ScriptedDialogs dialogs;
        Form1 form(*opened.catalogue, dialogs);
        const double initialize = bench::medianMs(9, [&] { form.Form_Initialize(); });
        bench::printRow(films, QStringLiteral("Form_Initialize"), initialize, bench::peakMemoryMiB());
        const double refreshWalk = bench::medianMs(9, [&] {
            DataControl& data1 = form.Data1();
            data1.setRecordSource(recordSources::kByTitle.toString());
            const auto pause = form.binding().pause();
            data1.Refresh();
            qint64 seen = 0;
            for (data1.Recordset().MoveFirst(); !data1.Recordset().Eof(); data1.Recordset().MoveNext())
                seen += data1.Recordset().text(Field::Titulo).size() > 0;
            if (seen != films)
                std::fprintf(stderr, "walk saw %lld of %lld films\n", seen, films);
            data1.Recordset().MoveFirst();
        });
        bench::printRow(films, QStringLiteral("Refresh by title + walk"), refreshWalk, bench::peakMemoryMiB());
    }
    return 0;
}
