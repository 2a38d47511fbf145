#include "RecordSource.h"
#include "CatalogueError.h"
#include "RecordSources.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(RecordSource, TheBareTableKeepsTheOrderOfAddition)
{
    EXPECT_TRUE(parseRecordSource(QStringLiteral("Pelis")).terms.empty());
    EXPECT_TRUE(parseRecordSource(QStringLiteral("[Pelis]")).terms.empty());
    EXPECT_TRUE(parseRecordSource(QStringLiteral("select * FROM [Pelis]")).terms.empty());
}

// Every record source the program sets, as the menus and reports write it,
// and the order it is read as. The texts are given here once; every other
// test takes them from RecordSources.h.
TEST(RecordSource, ReadsTheQueriesOfTheMenusAsWritten)
{
    using namespace recordSources;
    using T = std::vector<SortTerm>;
    const struct {
        QStringView source;
        const char16_t* text;
        T terms;
    } cases[] = {
        {kByNumber, u"select * FROM [Pelis] ORDER BY [idzefo] ASC", {{Field::Idzefo, false}}},
        {kByTitle, u"select * FROM [Pelis] ORDER BY [titulo] ASC", {{Field::Titulo, false}}},
        {kByRunningTime, u"select * FROM [Pelis] ORDER BY [duración] ASC", {{Field::Duracion, false}}},
        {kByKindOfCopy, u"select * FROM [Pelis] ORDER BY [tipopeli] ASC", {{Field::Tipopeli, false}}},
        {kByDirector, u"select * FROM [Pelis] ORDER BY [director] ASC", {{Field::Director, false}}},
        {kByCodec, u"select * FROM [Pelis] ORDER BY [codec] ASC", {{Field::Codec, false}}},
        {kByCdsMostFirst, u"select * FROM [Pelis] ORDER BY [totalcds] DESC", {{Field::Totalcds, true}}},
        {kByNumberThenTitle,
         u"select * FROM [Pelis] ORDER BY [idzefo],[titulo] ASC",
         {{Field::Idzefo, false}, {Field::Titulo, false}}},
        {kByDirectorThenTitle,
         u"select * FROM [Pelis] ORDER BY [director],[titulo] ASC",
         {{Field::Director, false}, {Field::Titulo, false}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.source, QStringView(c.text));
        EXPECT_EQ(parseRecordSource(c.source.toString()).terms, c.terms) << c.source.toString().toStdString();
    }
    EXPECT_EQ(parseRecordSource(QStringLiteral("SELECT * from Pelis order by DURACIÓN desc, codec")).terms,
              (T{{Field::Duracion, true}, {Field::Codec, false}}));
}

TEST(RecordSource, RefusesWhatItCannotRead)
{
    for (const char* source :
         {"select titulo FROM [Pelis]", "select * FROM [Otra]", "DROP TABLE Pelis",
          "select * FROM [Pelis] ORDER BY [año] ASC", "select * FROM [Pelis] WHERE 1 ORDER BY [titulo]",
          "select * FROM [Pelis] ORDER BY [titulo] ASC; DELETE FROM Pelis"})
        EXPECT_THROW(parseRecordSource(QString::fromUtf8(source)), CatalogueError) << source;
}
