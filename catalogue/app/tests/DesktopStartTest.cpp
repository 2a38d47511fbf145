// Cintario as a desktop program: Qt's own texts in Spanish, and the catalogue
// folder that a start from the desktop's menu uses.
#include "CatalogueError.h"
#include "MenuFolder.h"
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace catalogue;

TEST(SpanishQtTexts, DialogButtonsAndTheTextBoxMenuSpeakSpanish)
{
    int argc = 1;
    char name[] = "desktop_start_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ASSERT_TRUE(installQtSpanishTranslation());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), u"Aceptar");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancelar");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), u"&Pegar");
}

// Each case in a home of its own; the current folder and the environment are
// put back afterwards.
class MenuFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    }
    void TearDown() override
    {
        QDir::setCurrent(startedIn);
        qputenv("HOME", savedHome);
        qunsetenv("XDG_CONFIG_HOME");
    }
    void write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir home;
    const QString startedIn = QDir::currentPath();
    const QByteArray savedHome = qgetenv("HOME");
};

TEST_F(MenuFolder, IsMadeInTheDesktopsDocumentsFolderAndKeptForTheNextStart)
{
    // A Spanish desktop names its documents folder in its user folders file.
    write(home.path() + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
    const QString expected = home.path() + QStringLiteral("/Documentos/Películas");

    ASSERT_NO_THROW(enterMenuCatalogueFolder());
    EXPECT_EQ(QDir::currentPath(), expected);
    write("Peliculas.mdb", "catalogue");

    QDir::setCurrent(startedIn);
    ASSERT_NO_THROW(enterMenuCatalogueFolder());
    EXPECT_EQ(QDir::currentPath(), expected);
    EXPECT_TRUE(QFile::exists("Peliculas.mdb"));
}

TEST_F(MenuFolder, ThatCannotBeMadeIsToldAndNothingChanges)
{
    // No user folders file: the documents folder is ~/Documents. A file holds
    // the folder's name, so not even root can make the folder.
    const QString folder = home.path() + QStringLiteral("/Documents/Películas");
    write(folder, "not a folder");

    QString failure;
    try {
        enterMenuCatalogueFolder();
    } catch (const CatalogueError& error) {
        failure = error.message();
    }
    EXPECT_TRUE(failure.contains(u'"' + QDir::toNativeSeparators(folder) + u'"')) << failure.toStdString();
    EXPECT_TRUE(failure.endsWith(u"No se ha modificado nada.")) << failure.toStdString();
    EXPECT_EQ(QDir::currentPath(), startedIn);
    QFile file(folder);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a folder");
}
