// Converting a Jet catalogue of 32,767 films (the most the program's film
// counters hold), Jet 3 and Jet 4: the whole conversion as the program runs
// it at start-up (the file read by this program started again), the reading
// in that process alone, and the reading in this process. Medians of five
// runs, each in a fresh folder.
#include "JetConversion.h"
#include "JetFileWriter.h"
#include "JetReaderProcess.h"
#include "JetTableReader.h"
#include "SampleFilms.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using catalogue::OpeningResult;
using namespace catalogue::jet;
using namespace catalogue::jet::testing;

namespace {

constexpr int films = 32767;
constexpr int runs = 5;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto status = runAsJetReader(argc, argv))
        return *status;
    QCoreApplication app(argc, argv);
    for (JetVersion version : {JetVersion::Jet3, JetVersion::Jet4}) {
        JetFileOptions options;
        options.version = version;
        const QByteArray jet = writeJetFile(options, {pelisTable(sampleFilms(films))});
        std::vector<double> whole, apart, reading;
        for (int run = 0; run < runs; ++run) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Peliculas.mdb"));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(jet) != jet.size())
                return 1;
            file.close();

            QElapsedTimer timer;
            timer.start();
            const JetTableRead read =
                readJetTable(path, QStringLiteral("Pelis"), [](const JetColumn&) { return true; });
            reading.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (read.rowCount != films)
                return 1;

            timer.restart();
            const JetTableRead readApart = readPelisApart(JetReader::thisProgram(), path);
            apart.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (readApart.rowCount != films)
                return 1;

            timer.restart();
            const auto outcome = convertJetCatalogue(path);
            whole.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (outcome.result != OpeningResult::Converted || outcome.catalogue->films != films)
                return 1;
        }
        std::printf("%s, %d films (%.1f MB): conversion %.0f ms (median of %d), reading in its own process %.0f ms, "
                    "reading in this process %.0f ms\n",
                    version == JetVersion::Jet3 ? "Jet 3" : "Jet 4", films, double(jet.size()) / 1e6, median(whole),
                    runs, median(apart), median(reading));
    }
    return 0;
}
