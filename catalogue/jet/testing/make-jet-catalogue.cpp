// For tests: writes a Jet "Peliculas.mdb" holding table Pelis with the sample films.
// Usage: make-jet-catalogue jet3|jet4 FILMS FILE
#include "JetFileWriter.h"
#include "SampleFilms.h"

#include <QFile>

#include <cstdio>
#include <cstring>

using namespace catalogue::jet::testing;

int main(int argc, char** argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "jet3") != 0 && std::strcmp(argv[1], "jet4") != 0)) {
        std::fprintf(stderr, "usage: make-jet-catalogue jet3|jet4 FILMS FILE\n");
        return 2;
    }
    JetFileOptions options;
    options.version = std::strcmp(argv[1], "jet3") == 0 ? JetVersion::Jet3 : JetVersion::Jet4;
    const QByteArray bytes = writeJetFile(options, {pelisTable(sampleFilms(std::atoi(argv[2])))});
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::NewOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make-jet-catalogue: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
