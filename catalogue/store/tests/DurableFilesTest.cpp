// The durable files with their system calls failing one at a time: whatever
// fails, and however, the files the user had are as they were and nothing
// of ours is left beside them.
#include "DurableFiles.h"
#include "SystemCallSpy.h"
#include "TempCatalogue.h"

#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testing;
using Call = SystemCallSpy::Call;

namespace {

const QString kName = QStringLiteral("Informe.TxT");
const QByteArray kOlder = "anterior\r\n";
const std::errc kErrors[] = {std::errc::no_space_on_device, std::errc::permission_denied, std::errc::io_error};

std::error_code writeNewFile(const TestFolder& folder, const QByteArray& bytes)
{
    durable::NewFile file;
    if (const std::error_code error = file.create(durable::pathOf(folder.filePath(kName))))
        return error;
    if (const std::error_code error = file.write(bytes.constData(), std::size_t(bytes.size())))
        return error;
    return file.commit();
}

} // namespace

TEST(DurableFiles, ANewFileIsSyncedThenPutInPlaceThenItsFolderSynced)
{
    TestFolder folder;
    folder.write(kName, kOlder);
    SystemCallSpy spy;
    ASSERT_FALSE(writeNewFile(folder, "nuevo\r\n"));
    EXPECT_EQ(folder.read(kName), "nuevo\r\n");
    EXPECT_EQ(folder.files(), QStringList{kName});
    ASSERT_FALSE(spy.calls.isEmpty());
    const QString temporary = spy.calls[0].section(u' ', 1);
    EXPECT_TRUE(temporary.startsWith(kName + u'.')) << temporary.toStdString();
    QStringList expected;
    for (const char* call : {"createFile", "writeFile", "syncFile", "closeFile"})
        expected << QString::fromLatin1(call) + u' ' + temporary;
    expected << QStringLiteral("rename ") + temporary + u' ' + kName
             << QStringLiteral("syncFolder ") + QFileInfo(folder.path()).fileName();
    EXPECT_EQ(spy.calls, expected);
}

TEST(DurableFiles, ANewFileThatCannotBeWrittenWholeLeavesTheOlderOne)
{
    // A large file is written before its commit, a small one only at it.
    for (const QByteArray& bytes : {QByteArray("nuevo\r\n"), QByteArray(200000, 'x')})
        for (Call call : {Call::CreateFile, Call::WriteFile, Call::SyncFile, Call::CloseFile, Call::Rename})
            for (std::errc error : kErrors) {
                SCOPED_TRACE(::testing::Message() << bytes.size() << " bytes, call " << int(call) << " failing with "
                                                  << std::make_error_code(error).message());
                TestFolder folder;
                folder.write(kName, kOlder);
                SystemCallSpy spy;
                spy.fail(call, error);
                EXPECT_EQ(writeNewFile(folder, bytes), std::make_error_code(error));
                EXPECT_EQ(folder.read(kName), kOlder);
                EXPECT_EQ(folder.files(), QStringList{kName});
            }
}

TEST(DurableFiles, ACopyForAFileSystemWithoutLinksIsWholeOrNotThere)
{
    TestFolder folder;
    folder.write(QStringLiteral("original"), QByteArray(100000, 'o'));
    const auto copy = [&] {
        bool taken = false;
        const std::error_code error =
            durable::keepUnder(durable::pathOf(folder.filePath(QStringLiteral("original"))),
                               durable::pathOf(folder.filePath(QStringLiteral("copia"))), taken);
        EXPECT_FALSE(taken);
        return error;
    };
    for (Call call : {Call::OpenFile, Call::CreateFile, Call::ReadFile, Call::WriteFile, Call::SyncFile})
        for (std::errc error : kErrors) {
            SCOPED_TRACE(::testing::Message() << "call " << int(call) << ", " << std::make_error_code(error).message());
            SystemCallSpy spy;
            spy.fail(Call::Link, std::errc::cross_device_link);
            spy.fail(call, error);
            EXPECT_EQ(copy(), std::make_error_code(error));
            EXPECT_EQ(folder.files(), QStringList{"original"});
        }
    SystemCallSpy spy;
    spy.fail(Call::Link, std::errc::cross_device_link);
    ASSERT_FALSE(copy());
    EXPECT_EQ(folder.read(QStringLiteral("copia")), QByteArray(100000, 'o'));
    EXPECT_TRUE(spy.calls.contains(QStringLiteral("syncFile copia"))) << spy.calls.join(u'\n').toStdString();
    // A link that fails for another reason is that failure: no copy is tried.
    SystemCallSpy another;
    another.fail(Call::Link, std::errc::io_error);
    bool taken = false;
    EXPECT_EQ(durable::keepUnder(durable::pathOf(folder.filePath(QStringLiteral("original"))),
                                 durable::pathOf(folder.filePath(QStringLiteral("otra"))), taken),
              std::errc::io_error);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("otra"))));
}

TEST(DurableFiles, ASideFileThatCannotBeSetAsideLeavesEverythingAsItWas)
{
    for (const char* left : {"Peliculas.mdb-journal", "Peliculas.mdb-wal"})
        for (Call call : {Call::Rename, Call::SyncFolder})
            for (std::errc error : kErrors) {
                SCOPED_TRACE(::testing::Message()
                             << left << ", call " << int(call) << ", " << std::make_error_code(error).message());
                TempCatalogue cat({film("1", "Alien")});
                const TestFolder& folder = cat.testFolder();
                folder.write(QString::fromLatin1(left), "restos de otro programa");
                const QByteArray file = folder.read(QStringLiteral("Peliculas.mdb"));
                Opening<CatalogueDatabase> opened;
                {
                    SystemCallSpy spy;
                    spy.fail(call, error);
                    opened = CatalogueDatabase::open(cat.path());
                }
                EXPECT_EQ(opened.result, OpeningResult::Refused);
                EXPECT_TRUE(opened.message().contains(QStringLiteral("\"%1\" que no se puede apartar").arg(left)))
                    << opened.message().toStdString();
                EXPECT_EQ(folder.files(), (QStringList{"Peliculas.mdb", left}));
                EXPECT_EQ(folder.read(QString::fromLatin1(left)), "restos de otro programa");
                EXPECT_EQ(folder.read(QStringLiteral("Peliculas.mdb")), file);
            }
}
