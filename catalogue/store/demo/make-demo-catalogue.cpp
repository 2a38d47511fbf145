// Writes the demo catalogue into a new file; an existing file is never touched.
#include "CatalogueDatabase.h"
#include "DemoCatalogue.h"
#include "CatalogueError.h"

#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace catalogue;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo-catalogue FILE\n");
        return 2;
    }
    const QString fileName = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(fileName)) {
        std::fprintf(stderr, "make-demo-catalogue: %s already exists; left as it is\n", argv[1]);
        return 0;
    }
    auto opened = CatalogueDatabase::open(fileName);
    if (!opened.catalogue) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.message()));
        return 1;
    }
    try {
        opened.catalogue->insertAll(demoFilms());
    } catch (const CatalogueError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("demo catalogue of %zu films written to %s\n", demoFilms().size(), argv[1]);
    return 0;
}
