#include "BenchCatalogue.h"
#include "CatalogueDatabase.h"

#include <random>
#include <stdexcept>

namespace catalogue::bench {

void writeBenchCatalogue(const QString& fileName, std::int64_t films)
{
    static const char* const words[] = {"Noche", "Ciudad", "Último", "Camino", "Sombra", "Río",   "Fuego",   "Ángel",
                                        "Mar",   "Tren",   "Luna",   "Señor",  "Guerra", "Viaje", "Corazón", "Tierra"};
    static const char* const directors[] = {"Fritz Lang",      "Buster Keaton", "Charles Chaplin", "F. W. Murnau",
                                            "Pedro Almodóvar", "Luis Buñuel",   "Agnès Varda",     "Pat O'Brien"};
    static const char* const kinds[] = {"DvD-Rip", "Screener", "VHS-Rip", "TV-Rip"};
    static const char* const codecs[] = {"Divx3.11", "Divx5.02", "XviD", "Divx4"};
    std::mt19937 random(42);
    auto pick = [&](auto& list) { return QString::fromUtf8(list[random() % std::size(list)]); };

    auto opened = CatalogueDatabase::open(fileName);
    if (!opened.catalogue)
        throw std::runtime_error(opened.message().toStdString());
    std::vector<MovieRecord> rows;
    rows.reserve(std::size_t(films));
    for (std::int64_t i = 1; i <= films; ++i) {
        const int minutes = 60 + int(random() % 120);
        rows.push_back({QString::number(i), pick(words) + u' ' + pick(words) + u' ' + QString::number(i),
                        QStringLiteral("%1:%2:00")
                            .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                            .arg(minutes % 60, 2, 10, QLatin1Char('0')),
                        pick(kinds), pick(directors), QString::number(1 + random() % 3), pick(codecs)});
    }
    opened.catalogue->insertAll(rows);
}

} // namespace catalogue::bench
