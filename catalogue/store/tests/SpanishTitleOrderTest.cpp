// The title order a Spanish collector expects, written out by hand: opening
// signs and brackets passed over, accents after the letters, ñ after n, Ł among
// the L titles, digits first and one by one; titles that differ only in case
// or in how ñ is encoded keep the order in which they were added.
#include "TempCatalogue.h"
#include "RecordSources.h"

#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

const QString decomposedNino = QStringLiteral("El Nin\u0303o"); // n followed by a combining tilde

// The order in which the films are added; ties must keep it.
const QStringList added{"Zodiac",
                        "[REC]",
                        "¿Quién engañó a Roger Rabbit?",
                        "Ñaque",
                        "MATRIX",
                        "Mamá",
                        "Érase una vez",
                        "El niño",
                        "300",
                        "Łódź Story",
                        "La niña de tus ojos",
                        "Amélie",
                        "¡Átame!",
                        "Nosferatu",
                        "Mama",
                        decomposedNino,
                        "2001: A Space Odyssey",
                        "Rebecca",
                        "Alien",
                        "Ágora",
                        "La ninfa errante",
                        "Matrix",
                        "Eraserhead"};

const QStringList byTitle{"2001: A Space Odyssey",
                          "300",
                          "Ágora",
                          "Alien",
                          "Amélie",
                          "¡Átame!",
                          "El niño",
                          decomposedNino,
                          "Eraserhead",
                          "Érase una vez",
                          "La ninfa errante",
                          "La niña de tus ojos",
                          "Łódź Story",
                          "Mama",
                          "Mamá",
                          "MATRIX",
                          "Matrix",
                          "Nosferatu",
                          "Ñaque",
                          "¿Quién engañó a Roger Rabbit?",
                          "Rebecca",
                          "[REC]",
                          "Zodiac"};

const QString titleOrder = recordSources::kByTitle.toString();

} // namespace

TEST(SpanishTitleOrder, ARefreshFilesTheTitlesAsASpanishReaderDoes)
{
    std::vector<MovieRecord> films;
    for (const QString& title : added)
        films.push_back(film(QString::number(films.size() + 1), title));
    TempCatalogue cat(films);
    auto data1 = cat.open();
    data1->setRecordSource(titleOrder);
    data1->Refresh();
    EXPECT_EQ(walk(data1->Recordset(), Field::Titulo), byTitle);
}

TEST(SpanishTitleOrder, FilmsAddedInTitleOrderTakeTheSamePlaces)
{
    TempCatalogue cat;
    auto data1 = cat.open();
    data1->setRecordSource(titleOrder);
    data1->Refresh();
    RecordSet& rs = data1->Recordset();
    for (const QString& title : added) {
        rs.AddNew();
        rs.setText(Field::Idzefo, QString::number(rs.RecordCount() + 1));
        rs.setText(Field::Titulo, title);
        rs.Update();
    }
    EXPECT_EQ(walk(rs, Field::Titulo), byTitle);
}
