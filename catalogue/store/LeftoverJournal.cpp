#include "LeftoverJournal.h"

#include <QIODevice>

namespace catalogue {

namespace {

// The journal layout as SQLite writes it: a header at the start of every
// segment (magic, record count, checksum seed, original size in pages, and
// in the first header the sector and page sizes), then records of a page
// number, the page as it was, and a checksum.
const QByteArray kMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
constexpr int kFirstHeaderSize = 28;
constexpr std::uint32_t kMaxSectorSize = 65536;
constexpr int kSeedOffset = 12;
constexpr int kChangeCounterOffset = 24;
constexpr int kIdentityOffset = 60;
constexpr int kWriteMarkOffset = 68;

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at)
{
    if (bytes.size() < at + 4)
        return 0;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | std::uint32_t(b[3]);
}

bool powerOfTwoWithin(std::uint32_t value, std::uint32_t least, std::uint32_t most)
{
    return value >= least && value <= most && (value & (value - 1)) == 0;
}

QByteArray readAt(QIODevice& device, qint64 offset, qint64 size)
{
    if (!device.seek(offset))
        return {};
    return device.read(size);
}

// SQLite's record checksum: the seed plus every 200th byte of the page, from the end.
std::uint32_t pageChecksum(std::uint32_t seed, const QByteArray& page)
{
    std::uint32_t sum = seed;
    for (qsizetype i = page.size() - 200; i > 0; i -= 200)
        sum += static_cast<unsigned char>(page[i]);
    return sum;
}

// The first page as the journal keeps it, read the way SQLite plays records
// back: segment by segment, stopping where SQLite would stop.
QByteArray firstPageBefore(QIODevice& journal, std::uint32_t sectorSize, std::uint32_t pageSize)
{
    const qint64 size = journal.size();
    const qint64 recordSize = qint64(pageSize) + 8;
    qint64 header = 0;
    while (header + sectorSize <= size) {
        const QByteArray fields = readAt(journal, header, 20);
        if (fields.size() < 20 || !fields.startsWith(kMagic))
            return {};
        std::uint32_t records = bigEndian(fields, 8);
        const std::uint32_t seed = bigEndian(fields, 12);
        qint64 offset = header + sectorSize;
        if (records == 0xFFFFFFFF && header == 0)
            records = std::uint32_t((size - offset) / recordSize);
        for (std::uint32_t r = 0; r < records; ++r, offset += recordSize) {
            const QByteArray record = readAt(journal, offset, recordSize);
            if (record.size() < recordSize)
                return {};
            const std::uint32_t page = bigEndian(record, 0);
            const QByteArray before = record.mid(4, pageSize);
            if (page == 0 || pageChecksum(seed, before) != bigEndian(record, 4 + pageSize))
                return {};
            if (page == 1)
                return before;
        }
        // The next segment starts at the next sector boundary.
        header = (offset + sectorSize - 1) / sectorSize * sectorSize;
    }
    return {};
}

} // namespace

std::uint32_t changeCounterOf(const QByteArray& header)
{
    return bigEndian(header, kChangeCounterOffset);
}

std::uint32_t identityOf(const QByteArray& header)
{
    return bigEndian(header, kIdentityOffset);
}

std::uint32_t writeMarkOf(const QByteArray& header)
{
    return bigEndian(header, kWriteMarkOffset);
}

bool startsAsSqlite(const QByteArray& header)
{
    return header.startsWith(QByteArrayView("SQLite format 3\0", 16));
}

JournalVerdict judgeLeftoverJournal(QIODevice& journal, const QByteArray& fileStart)
{
    const QByteArray first = readAt(journal, 0, kFirstHeaderSize);
    if (first.size() < kFirstHeaderSize || !first.startsWith(kMagic))
        return JournalVerdict::NothingToPlay;
    const std::uint32_t sectorSize = bigEndian(first, 20);
    const std::uint32_t pageSize = bigEndian(first, 24);
    if (!powerOfTwoWithin(sectorSize, 32, kMaxSectorSize) || !powerOfTwoWithin(pageSize, 512, kMaxPageSize) ||
        journal.size() < qint64(sectorSize))
        return JournalVerdict::NothingToPlay;

    // From here on SQLite would cut the file and play the records back.
    const QByteArray before = firstPageBefore(journal, sectorSize, pageSize);
    if (before.size() < kHeaderSize || fileStart.size() < kHeaderSize)
        return JournalVerdict::NotFilesOwn;
    // The write had not reached the file's first page yet.
    if (fileStart.startsWith(before))
        return JournalVerdict::FilesOwn;
    // It had: the page is that write's own.
    const std::uint32_t seed = bigEndian(first, kSeedOffset);
    const bool markedByThisWrite = seed != 0 && writeMarkOf(fileStart) == seed;
    const bool sameCatalogue = identityOf(before) == identityOf(fileStart) || identityOf(before) == 0;
    const bool nextChange = changeCounterOf(fileStart) == changeCounterOf(before) + 1;
    return markedByThisWrite && sameCatalogue && nextChange ? JournalVerdict::FilesOwn : JournalVerdict::NotFilesOwn;
}

} // namespace catalogue
