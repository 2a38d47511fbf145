// Before each write the catalogue makes sure the file at its path is still
// the one it opened and read. Each way a file stops being so is refused
// before anything is written, saying what happened, and the file found
// there is left exactly as it is.
#include "RawSql.h"
#include "TempCatalogue.h"

#include <gtest/gtest.h>

#include <functional>

using namespace catalogue;
using namespace catalogue::testing;

TEST(FileIdentity, AFileThatIsNoLongerOursIsNeverWrittenTo)
{
    const struct {
        const char* name;
        std::function<void(const TempCatalogue& cat, const QByteArray& backup, const QByteArray& other)> change;
        const char* told;
        bool windows; // Windows keeps a file open in the program from being removed or renamed over
    } cases[] = {
        {"removed", [](auto& cat, auto&, auto&) { QFile::remove(cat.path()); },
         "se ha borrado, movido o sustituido por otro mientras", false},
        {"replaced by another file",
         [](auto& cat, auto&, auto& other) {
             writeBytes(cat.path() + QStringLiteral(".otro"), other);
             QFile::remove(cat.path());
             QFile::rename(cat.path() + QStringLiteral(".otro"), cat.path());
         },
         "se ha borrado, movido o sustituido por otro mientras", false},
        {"another catalogue copied over it in place",
         [](auto& cat, auto&, auto& other) { writeBytes(cat.path(), other); }, "se ha sustituido por otro mientras",
         true},
        {"its own backup copied over it in place",
         [](auto& cat, auto& backup, auto&) { writeBytes(cat.path(), backup); },
         "Otro programa ha cambiado el catálogo", true},
        {"changed by another program",
         [](auto& cat, auto&, auto&) { runSql(cat.path(), "INSERT INTO Pelis (idzefo, titulo) VALUES (5, 'Otra')"); },
         "Otro programa ha cambiado el catálogo", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
#ifdef _WIN32
        if (!c.windows)
            continue;
#endif
        TempCatalogue cat({film("1", "Alien")});
        const QByteArray backup = readBytes(cat.path());
        const QByteArray other = readBytes(TempCatalogue({film("9", "Zelig")}).path());
        auto opened = CatalogueDatabase::open(cat.path());
        ASSERT_TRUE(opened.catalogue) << opened.message().toStdString();
        opened.catalogue->loadAll();
        opened.catalogue->insert(film("2", "Brazil"));

        c.change(cat, backup, other);
        const QByteArray found = readBytes(cat.path());
        try {
            opened.catalogue->insert(film("3", "Cube"));
            ADD_FAILURE() << "written to";
        } catch (const CatalogueError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.told))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(u"No se ha guardado nada, ni ahí ni en ningún otro sitio."));
        }
        EXPECT_EQ(readBytes(cat.path()), found);
        EXPECT_FALSE(QFile::exists(cat.path() + QStringLiteral("-journal")));
    }
}
