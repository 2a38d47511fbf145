#include "assistant_fixture.h"
#include "windows_folder.h"

#include <gtest/gtest.h>

namespace gesticon::tests {
namespace {

struct FolderCase {
    std::string reported;
    std::wstring expected;
};

class WindowsFolderLookup : public ::testing::TestWithParam<FolderCase> {};

TEST_P(WindowsFolderLookup, EndsInOneBackslashUnlessEmpty)
{
    EXPECT_EQ(BuscarCarpetaWindows(platformWith(GetParam().reported)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Reported, WindowsFolderLookup,
                         ::testing::Values(FolderCase{"C:\\WINDOWS", L"C:\\WINDOWS\\"}, FolderCase{"C:\\", L"C:\\"},
                                           FolderCase{"D:\\Archivos\\Windows\\", L"D:\\Archivos\\Windows\\"},
                                           // A failed lookup (n = 0) gives an empty folder.
                                           FolderCase{"", L""},
                                           // The ANSI answer is widened through the code page.
                                           FolderCase{"C:\\Espa\xf1ol", L"C:\\Espa\u00f1ol\\"}));

TEST(WindowsFolderLookupLength, TakesOnlyTheReportedLengthOfTheBuffer)
{
    Platform platform = platformWith("");
    platform.getWindowsDirectoryA = [](char* buffer, std::uint32_t size) -> std::uint32_t {
        EXPECT_EQ(size, 145u);
        std::memcpy(buffer, "C:\\WINDOWSJUNK", 15);
        return 10; // only "C:\WINDOWS" counts
    };
    EXPECT_EQ(BuscarCarpetaWindows(platform), L"C:\\WINDOWS\\");
}

TEST(WindowsFolderLookupLength, KeepsTheWholeBufferWhenTheLengthIsLarger)
{
    Platform platform = platformWith("");
    platform.getWindowsDirectoryA = [](char* buffer, std::uint32_t) -> std::uint32_t {
        buffer[0] = 'X';
        return 400; // the size a longer folder would need
    };
    const std::wstring folder = BuscarCarpetaWindows(platform);
    ASSERT_EQ(folder.size(), 146u);
    EXPECT_EQ(folder.front(), L'X');
    EXPECT_EQ(folder[144], L'\0');
    EXPECT_EQ(folder.back(), L'\\');
}

TEST_F(AssistantTest, CharacterPathIsRelativeWhenTheFolderLookupFails)
{
    auto failedLookup = platformWith("");
    failedLookup.getWindowsDirectoryA = [](char*, std::uint32_t) -> std::uint32_t { return 0; };
    auto assistant = makeAssistant(failedLookup);
    ASSERT_TRUE(assistant);
    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    EXPECT_EQ(journal().front(), "Characters.Load(\"CharacterID\",\"msagent\\\\chars\\\\genie.acs\")");
}

} // namespace
} // namespace gesticon::tests
