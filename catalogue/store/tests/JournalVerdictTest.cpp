// Each answer of the leftover journal's judgement, on journals written here
// the way SQLite writes them: a header, then records of a page number, the
// page as it was and a checksum.
#include "LeftoverJournal.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace catalogue;

namespace {

constexpr int kPage = 1024;
constexpr int kSector = 512;
constexpr std::uint32_t kSeed = 0x5EED1234;
constexpr std::uint32_t kIdentity = 0x0CA7A106;

void put32(QByteArray& bytes, int at, std::uint32_t value)
{
    qToBigEndian(value, bytes.data() + at);
}

// A catalogue's first page: its change counter, its identity and the mark of the write that made it.
QByteArray firstPage(std::uint32_t counter, std::uint32_t identity, std::uint32_t mark)
{
    QByteArray page(kPage, '\x11');
    page.replace(0, 16, QByteArray("SQLite format 3\0", 16));
    put32(page, 24, counter);
    put32(page, 60, identity);
    put32(page, 68, mark);
    return page;
}

struct Journal {
    QByteArray savedPage = firstPage(7, kIdentity, 0x1111);
    std::uint32_t pageNumber = 1;
    std::uint32_t records = 1;
    std::uint32_t seed = kSeed;
    std::uint32_t pageSize = kPage;
    bool badChecksum = false;

    QByteArray bytes() const
    {
        QByteArray journal(kSector, '\0');
        journal.replace(0, 8, QByteArray("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8));
        put32(journal, 8, records);
        put32(journal, 12, seed);
        put32(journal, 16, 3); // pages of the file before the write
        put32(journal, 20, kSector);
        put32(journal, 24, pageSize);
        QByteArray record(8 + kPage, '\0');
        put32(record, 0, pageNumber);
        record.replace(4, kPage, savedPage);
        std::uint32_t sum = seed + (badChecksum ? 1 : 0);
        for (int i = kPage - 200; i > 0; i -= 200)
            sum += static_cast<unsigned char>(savedPage[i]);
        put32(record, 4 + kPage, sum);
        return journal + record;
    }
};

JournalVerdict judge(const QByteArray& journal, const QByteArray& fileStart)
{
    QByteArray bytes = journal;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return judgeLeftoverJournal(device, fileStart);
}

} // namespace

TEST(JournalVerdict, EachAnswerOfTheJudgement)
{
    using V = JournalVerdict;
    const Journal plain;
    const auto with = [](auto change) {
        Journal j;
        change(j);
        return j.bytes();
    };
    // The page the crashed write left: one change later, with its identity and its journal's seed.
    const QByteArray written = firstPage(8, kIdentity, kSeed);
    const struct {
        const char* name;
        QByteArray journal;
        QByteArray file;
        JournalVerdict verdict;
    } cases[] = {
        {"no journal header", QByteArray(kSector + 8 + kPage, 'j'), written, V::NothingToPlay},
        {"a header cut short", plain.bytes().left(20), written, V::NothingToPlay},
        {"a page size SQLite never uses", with([](Journal& j) { j.pageSize = 1000; }), written, V::NothingToPlay},
        {"shorter than its first sector", plain.bytes().left(kSector - 1), written, V::NothingToPlay},
        {"the file not written yet", plain.bytes(), plain.savedPage, V::FilesOwn},
        {"the file written, one change later, with this write's mark", plain.bytes(), written, V::FilesOwn},
        {"a record count left to the journal's size", with([](Journal& j) { j.records = 0xFFFFFFFF; }), written,
         V::FilesOwn},
        {"a file with no identity before this write", with([](Journal& j) { j.savedPage = firstPage(7, 0, 0); }),
         written, V::FilesOwn},
        {"two changes later", plain.bytes(), firstPage(9, kIdentity, kSeed), V::NotFilesOwn},
        {"as many changes", plain.bytes(), firstPage(7, kIdentity, kSeed), V::NotFilesOwn},
        {"another write's mark", plain.bytes(), firstPage(8, kIdentity, 0x2222), V::NotFilesOwn},
        {"another catalogue", plain.bytes(), firstPage(8, 0x07E40000, kSeed), V::NotFilesOwn},
        {"a journal without a seed", with([](Journal& j) { j.seed = 0; }), firstPage(8, kIdentity, 0), V::NotFilesOwn},
        {"the first page's record damaged", with([](Journal& j) { j.badChecksum = true; }), plain.savedPage,
         V::NotFilesOwn},
        {"no record of the first page", with([](Journal& j) { j.pageNumber = 2; }), plain.savedPage, V::NotFilesOwn},
        {"an empty file", plain.bytes(), QByteArray(), V::NotFilesOwn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(judge(c.journal, c.file), c.verdict) << c.name;
}
