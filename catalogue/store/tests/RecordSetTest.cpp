#include "CatalogueError.h"
#include "RecordSources.h"
#include "RawSql.h"
#include "TempCatalogue.h"

#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

std::unique_ptr<DataControl> orderedBy(TempCatalogue& cat, QStringView source)
{
    auto control = cat.open();
    control->setRecordSource(source.toString());
    control->Refresh();
    return control;
}

} // namespace

TEST(RecordSet, AnEmptyTableHasNoCurrentRow)
{
    TempCatalogue cat;
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    rs.MoveFirst();
    rs.MoveLast();
    rs.MoveNext();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.hasCurrentRow());
    EXPECT_EQ(rs.text(Field::Titulo), QString());
    EXPECT_THROW(rs.Delete(), CatalogueError);
}

TEST(RecordSet, TheBareTableComesInTheOrderOfAddition)
{
    TempCatalogue cat({film("3", "Gamma"), film("1", "Alfa"), film("2", "Beta")});
    auto control = cat.open();
    EXPECT_EQ(walk(control->Recordset(), Field::Idzefo), (QStringList{"3", "1", "2"}));
}

TEST(RecordSet, MovesStopAtBothEnds)
{
    TempCatalogue cat({film("1", "Alfa"), film("2", "Beta")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Alfa"));
    EXPECT_TRUE(rs.isOnFirstRow());
    rs.MovePrevious();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Alfa"));
    rs.MoveLast();
    EXPECT_TRUE(rs.isOnLastRow());
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Beta"));
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.text(Field::Titulo), QString());
    rs.MovePrevious();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Beta"));
}

TEST(RecordSet, DeletingThenMovingNextShowsTheFollowingRowOrTheEnd)
{
    TempCatalogue cat({film("1", "Alfa"), film("2", "Beta"), film("3", "Gamma")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    rs.MoveNext();
    rs.Delete();
    EXPECT_FALSE(rs.hasCurrentRow());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.MoveNext();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Gamma"));
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    rs.MoveFirst();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Alfa"));
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.RecordCount(), 0);
    rs.MoveFirst();
    EXPECT_TRUE(rs.Eof());

    auto reopened = cat.open();
    EXPECT_EQ(reopened->Recordset().RecordCount(), 0);
}

TEST(RecordSet, FindsGoBothWaysAndAFailedFindKeepsTheRow)
{
    TempCatalogue cat({film("1", "A").director("Ridley Scott"), film("2", "B").director("James Cameron"),
                       film("3", "C").director("RIDLEY SCOTT"), film("4", "D").director("Ridley Scott Jr.")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    const Criterion scott = Criterion::directorIs(QStringLiteral("ridley scott"));
    rs.FindFirst(scott);
    EXPECT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("1"));
    rs.FindPrevious(scott);
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("1"));
    rs.FindNext(scott);
    EXPECT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("3"));
    rs.FindNext(scott);
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("3"));
    rs.FindFirst(Criterion::numberIs(QStringLiteral("4")));
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("D"));
    rs.FindFirst(Criterion::numberIs(QStringLiteral("04")));
    EXPECT_TRUE(rs.NoMatch());
}

TEST(RecordSet, ADirectorWithAQuoteIsFoundLikeAnyOther)
{
    TempCatalogue cat({film("1", "A").director("Pat O'Brien"), film("2", "B").director("x' OR '1'='1"),
                       film("3", "C").director("pat o'brien")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    rs.FindFirst(Criterion::directorIs(QStringLiteral("Pat O'Brien")));
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("1"));
    rs.FindNext(Criterion::directorIs(QStringLiteral("Pat O'Brien")));
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("3"));
    rs.FindFirst(Criterion::directorIs(QStringLiteral("x' OR '1'='1")));
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("2"));
    rs.FindFirst(Criterion::directorIs(QStringLiteral("' OR ''='")));
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("2"));
}

TEST(RecordSet, OrdersFollowTheRecordSource)
{
    TempCatalogue cat({film("10", "oso").director("B").cds("1"), film("9", "ÁLVARO").director("A").cds("3"),
                       film("100", "ñu").director("B").cds("2"), film("2", "alvarez").director("a").cds(""),
                       film("7", "nube").director("A").cds("3"), film("8", "Beta").director("b").cds("10")});
    EXPECT_EQ(walk(orderedBy(cat, recordSources::kByTitle)->Recordset(), Field::Titulo),
              (QStringList{"alvarez", "ÁLVARO", "Beta", "nube", "ñu", "oso"}));
    EXPECT_EQ(walk(orderedBy(cat, recordSources::kByNumber)->Recordset(), Field::Idzefo),
              (QStringList{"2", "7", "8", "9", "10", "100"}));
    // Numbers sort as numbers; ties keep the order of addition; the empty count comes last going down.
    EXPECT_EQ(walk(orderedBy(cat, recordSources::kByCdsMostFirst)->Recordset(), Field::Idzefo),
              (QStringList{"8", "9", "7", "100", "10", "2"}));
    EXPECT_EQ(walk(orderedBy(cat, recordSources::kByDirectorThenTitle)->Recordset(), Field::Titulo),
              (QStringList{"alvarez", "ÁLVARO", "nube", "Beta", "ñu", "oso"}));
}

TEST(RecordSet, RefreshWithTheMostCdsFirstShowsThatFilm)
{
    TempCatalogue cat({film("1", "A").cds("1"), film("2", "B").cds("4"), film("3", "C").cds("2")});
    auto control = orderedBy(cat, recordSources::kByCdsMostFirst);
    EXPECT_EQ(control->Recordset().text(Field::Titulo), QStringLiteral("B"));
}

TEST(RecordSet, AnUnreadableRecordSourceLeavesTheSetAsItWas)
{
    TempCatalogue cat({film("2", "B"), film("1", "A")});
    auto control = cat.open();
    control->Recordset().MoveLast();
    control->setRecordSource(QStringLiteral("select * FROM [Pelis] ORDER BY [año]"));
    EXPECT_THROW(control->Refresh(), CatalogueError);
    EXPECT_EQ(control->Recordset().text(Field::Titulo), QStringLiteral("A"));
}

TEST(RecordSet, ANewRowIsStoredInItsPlaceInTheOrder)
{
    TempCatalogue cat({film("1", "Alien"), film("3", "Zodiac")});
    auto control = orderedBy(cat, recordSources::kByTitle);
    RecordSet& rs = control->Recordset();
    rs.MoveLast();
    rs.AddNew();
    EXPECT_TRUE(rs.isAdding());
    EXPECT_EQ(rs.text(Field::Titulo), QString());
    rs.setText(Field::Idzefo, QStringLiteral(" 2 "));
    rs.setText(Field::Titulo, QStringLiteral("Memento"));
    rs.setText(Field::Totalcds, QString());
    rs.Update();
    EXPECT_FALSE(rs.isAdding());
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("2"));
    EXPECT_EQ(walk(rs, Field::Titulo), (QStringList{"Alien", "Memento", "Zodiac"}));
    EXPECT_EQ(walk(cat.open()->Recordset(), Field::Titulo), (QStringList{"Alien", "Zodiac", "Memento"}));
}

TEST(RecordSet, ANumberThatIsNotWholeIsRefusedAndNothingIsStored)
{
    TempCatalogue cat({film("1", "Alien")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    for (const char* bad : {"12,5", "doce", "99999999999999999999", "1 2"}) {
        rs.AddNew();
        rs.setText(Field::Idzefo, QString::fromUtf8(bad));
        rs.setText(Field::Titulo, QStringLiteral("Memento"));
        EXPECT_THROW(rs.Update(), CatalogueError) << bad;
        EXPECT_TRUE(rs.isAdding());
        EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Memento"));
        rs.CancelUpdate();
    }
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Alien"));
    EXPECT_EQ(cat.open()->Recordset().RecordCount(), 1);
}

TEST(RecordSet, MovingAwayFromANewRowDiscardsIt)
{
    TempCatalogue cat({film("1", "Alien"), film("2", "Aliens")});
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    rs.MoveNext();
    rs.AddNew();
    rs.setText(Field::Titulo, QStringLiteral("Sin guardar"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Aliens"));
    rs.AddNew();
    rs.MoveFirst();
    EXPECT_FALSE(rs.isAdding());
    EXPECT_EQ(rs.RecordCount(), 2);
}

TEST(RecordSet, AnEditedCodecIsStoredAndTheOtherFieldsStay)
{
    TempCatalogue cat({film("1", "Alien"), film("2", "Aliens")});
    {
        auto control = cat.open();
        control->Recordset().setText(Field::Codec, QStringLiteral("XviD 1.1"));
    }
    auto control = cat.open();
    RecordSet& rs = control->Recordset();
    EXPECT_EQ(rs.text(Field::Codec), QStringLiteral("XviD 1.1"));
    EXPECT_EQ(rs.text(Field::Titulo), QStringLiteral("Alien"));
    rs.MoveNext();
    EXPECT_EQ(rs.text(Field::Codec), QStringLiteral("Divx5.02"));
}

TEST(RecordSet, AHundredThousandFilmsAreCountedAndWalked)
{
    TempCatalogue cat;
    runSql(cat.path(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 100000)"
                       " INSERT INTO Pelis SELECT i, 'Film ' || i, '01:30:00', 'DvD', 'D', 1, 'XviD' FROM n");
    auto control = orderedBy(cat, u"select * FROM [Pelis] ORDER BY [idzefo] DESC");
    RecordSet& rs = control->Recordset();
    EXPECT_EQ(rs.RecordCount(), 100000);
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("100000"));
    std::int64_t walked = 0;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        ++walked;
    EXPECT_EQ(walked, 100000);
    rs.MoveLast();
    EXPECT_EQ(rs.text(Field::Idzefo), QStringLiteral("1"));
}

TEST(RecordSet, ARefreshSeesWhatAnotherProgramWrote)
{
    TempCatalogue cat({film("1", "Alien")});
    auto control = cat.open();
    control->Refresh();
    EXPECT_EQ(control->Recordset().RecordCount(), 1);
    {
        auto other = CatalogueDatabase::open(cat.path());
        ASSERT_TRUE(other.catalogue);
        other.catalogue->insert(film("2", "Brazil"));
    }
    control->Refresh();
    EXPECT_EQ(walk(control->Recordset(), Field::Titulo), (QStringList{"Alien", "Brazil"}));
    // Its own writes need no reading back.
    control->Recordset().MoveFirst();
    control->Recordset().Delete();
    control->Refresh();
    EXPECT_EQ(walk(control->Recordset(), Field::Titulo), QStringList{"Brazil"});
    EXPECT_EQ(walk(cat.open()->Recordset(), Field::Titulo), QStringList{"Brazil"});
}
