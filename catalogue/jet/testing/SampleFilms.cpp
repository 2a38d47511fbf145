#include "SampleFilms.h"

namespace catalogue::jet::testing {

std::vector<std::vector<JetCell>> sampleFilms(int count)
{
    static const QString titles[] = {QStringLiteral("¿Dónde está mi coche, tío? — Versión extendida"),
                                     QStringLiteral("Cría cuervos"), QStringLiteral("La lengua de las mariposas"),
                                     QStringLiteral("Amélie"), QStringLiteral("El espíritu de la colmena")};
    static const QString directors[] = {QStringLiteral("Pedro Almodóvar"), QStringLiteral("Carlos Saura"),
                                        QStringLiteral("José Luis Cuerda"), QStringLiteral("Jean-Pierre Jeunet"),
                                        QStringLiteral("Víctor Erice")};
    static const QString kinds[] = {QStringLiteral("DvD-Rip"), QStringLiteral("Screener"), QStringLiteral("VHS-Rip")};
    std::vector<std::vector<JetCell>> films;
    films.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString title = i == 0 ? titles[0] : QStringLiteral("%1 %2").arg(titles[i % 5]).arg(i + 1);
        films.push_back(
            {QString::number(i + 1), title,
             QStringLiteral("%1:%2:00").arg(1 + i % 3, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0')),
             kinds[i % 3], directors[i % 5], QString::number(1 + i % 4), QStringLiteral("Divx5.02")});
    }
    return films;
}

} // namespace catalogue::jet::testing
