#include "RecordSource.h"
#include "CatalogueError.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(RecordSource, TheBareTableKeepsTheOrderOfAddition)
{
    EXPECT_TRUE(parseRecordSource(QStringLiteral("Pelis")).terms.empty());
    EXPECT_TRUE(parseRecordSource(QStringLiteral("[Pelis]")).terms.empty());
    EXPECT_TRUE(parseRecordSource(QStringLiteral("select * FROM [Pelis]")).terms.empty());
}

TEST(RecordSource, ReadsTheQueriesOfTheMenusAsWritten)
{
    using T = std::vector<SortTerm>;
    EXPECT_EQ(parseRecordSource(QStringLiteral("select * FROM [Pelis] ORDER BY [idzefo] ASC")).terms,
              (T{{Field::Idzefo, false}}));
    EXPECT_EQ(parseRecordSource(QStringLiteral("select * FROM [Pelis] ORDER BY [totalcds] DESC")).terms,
              (T{{Field::Totalcds, true}}));
    EXPECT_EQ(parseRecordSource(QStringLiteral("select * FROM [Pelis] ORDER BY [duración] ASC")).terms,
              (T{{Field::Duracion, false}}));
    EXPECT_EQ(parseRecordSource(QStringLiteral("select * FROM [Pelis] ORDER BY [director],[titulo] ASC")).terms,
              (T{{Field::Director, false}, {Field::Titulo, false}}));
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
