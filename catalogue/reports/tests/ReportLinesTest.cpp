#include "QtPrinting.h"
#include "MenuListings.h"
#include "ReportLines.h"

#include <QSet>

#include <gtest/gtest.h>

namespace catalogue {
namespace {
using namespace Qt::Literals::StringLiterals;

TEST(ReportLines, BuildsEachLineOfAReport)
{
    // A field's label is 24 characters ending in an arrow, its own for each field.
    QSet<QString> labels;
    for (Field field : allFields) {
        const QString label = fieldLine(field, {}); // an empty box ends the line at the arrow
        EXPECT_EQ(label.size(), 24) << label.toStdString();
        EXPECT_TRUE(label.endsWith(u" ---> ")) << label.toStdString();
        labels.insert(label);
    }
    EXPECT_EQ(labels.size(), 7);
    EXPECT_EQ(fieldLine(Field::Idzefo, u"12"), u"Número Película    ---> 12");
    EXPECT_EQ(fieldLine(Field::Titulo, u"Alien"), u"Título De Película ---> Alien");
    EXPECT_EQ(fieldLine(Field::Duracion, {}), u"Duracion Película  ---> ");
    EXPECT_EQ(fieldLine(Field::Codec, u"XviD"), u"Codec Utilizado    ---> XviD");
    EXPECT_EQ(titleLine(u"7", u"Alien"), u"P7 -> Alien");
    EXPECT_EQ(separatorLine(), QString(80, u'-'));
    EXPECT_EQ(totalLine(u"Total Películas ", 100000), u"Total Películas 100000");
    EXPECT_EQ(listingDoneMessage(25, u" Películas..."), u"Trabajo Realizado... Hay 25 Películas...");
}

TEST(ListingDefinitions, NineListingsOfTheCatalogueTable)
{
    QSet<QString> fileNames;
    for (const testing::MenuListing& each : testing::kMenuListings) {
        const ListingDefinition& listing = *each.listing;
        fileNames.insert(listing.fileName.toString());
        EXPECT_TRUE(listing.fileName.endsWith(u".TxT"));
        // Only the listing of films of more than one CD selects, and it alone re-queries first.
        const bool selecting = listing.selection == ListingDefinition::Selection::MoreThanOneCd;
        EXPECT_EQ(selecting, each.menuItem == u"pelismas1cd");
        EXPECT_EQ(listing.requeryBeforeFile, selecting);
        EXPECT_EQ(listing.layout == ListingDefinition::Layout::TitleLine, each.menuItem == u"alfasoloti");
    }
    EXPECT_EQ(fileNames.size(), 9);
}

} // namespace
} // namespace catalogue
