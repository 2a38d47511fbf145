#include "JetFileWriter.h"
#include "JetHeader.h"
#include "Rc4.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace catalogue::jet::testing {

namespace {

struct Format {
    bool jet3;
    int pageSize;
    int rowCountOffset;   // data page: the row count, then one offset per row
    int tableFieldsStart; // table definition: where the fields after the page header begin
    int columnsStart;
    int columnEntrySize;
    int usageMapSize; // the fixed length of a usage map row
};

Format formatOf(JetVersion version)
{
    if (version == JetVersion::Jet3)
        return {true, 2048, 0x08, 8, 43, 18, 128};
    return {false, 4096, 0x0C, 8, 63, 25, 64};
}

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error("JetFileWriter: " + what);
}

void put16(QByteArray& b, int at, std::uint32_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void put32(QByteArray& b, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

void append16(QByteArray& b, std::uint32_t v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

template <typename T>
void appendRaw(QByteArray& b, T value)
{
    b.append(reinterpret_cast<const char*>(&value), sizeof value); // little-endian host
}

QByteArray codePageBytes(const QString& text, std::uint16_t codePage)
{
#ifdef _WIN32
    // Windows has no iconv: its own code pages, with no stand-in characters.
    const std::wstring wide = text.toStdWString();
    if (wide.empty())
        return {};
    BOOL lost = FALSE;
    QByteArray out(qsizetype(wide.size()) * 2 + 4, '\0');
    const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), out.data(),
                                         int(out.size()), nullptr, &lost);
    if (size <= 0 || lost)
        fail("text not in code page " + std::to_string(codePage) + ": " + text.toStdString());
    out.truncate(size);
    return out;
#else
    const std::string target = "CP" + std::to_string(codePage);
    iconv_t cd = iconv_open(target.c_str(), "UTF-8");
    if (cd == iconv_t(-1))
        fail("no converter to " + target);
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1))
        fail("text not in code page " + target + ": " + text.toStdString());
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
#endif
}

QByteArray ucs2(const QString& text)
{
    QByteArray out;
    for (QChar c : text)
        append16(out, c.unicode());
    return out;
}

// Jet 4's compressed form: FF FE, then one byte a character while they stay
// below U+0100, a 00 byte switching to two bytes a character and back.
// Used only where it is shorter, and never for a character whose low byte is
// 0, which would read as a switch.
QByteArray jet4Text(const QString& text)
{
    const QByteArray plain = ucs2(text);
    QByteArray packed("\xFF\xFE", 2);
    bool narrow = true;
    for (QChar c : text) {
        if ((c.unicode() & 0xFF) == 0)
            return plain;
        const bool fits = c.unicode() < 0x100;
        if (fits != narrow) {
            packed.append('\0');
            narrow = fits;
        }
        if (fits)
            packed.append(char(c.unicode()));
        else
            append16(packed, c.unicode());
    }
    return packed.size() < plain.size() ? packed : plain;
}

QByteArray encodeText(const Format& f, const QString& text, std::uint16_t codePage)
{
    return f.jet3 ? codePageBytes(text, codePage) : jet4Text(text);
}

int fixedSize(JetType type)
{
    switch (type) {
    case JetType::Boolean: return 0;
    case JetType::Byte: return 1;
    case JetType::Integer: return 2;
    case JetType::Long: return 4;
    case JetType::Currency:
    case JetType::Double:
    case JetType::DateTime: return 8;
    default: return -1; // stored among the variable-length columns
    }
}

struct ColumnLayout {
    bool fixed;
    int fixedOffset = 0; // within the fixed part, after the column count
    int varIndex = 0;
};

struct TableLayout {
    std::vector<ColumnLayout> columns;
    int fixedLength = 0;
    int varCount = 0;
};

TableLayout layoutOf(const JetTableDef& table)
{
    TableLayout layout;
    for (const JetColumnDef& c : table.columns) {
        ColumnLayout col{fixedSize(c.type) >= 0};
        if (col.fixed) {
            col.fixedOffset = layout.fixedLength;
            layout.fixedLength += fixedSize(c.type);
        } else {
            col.varIndex = layout.varCount++;
        }
        layout.columns.push_back(col);
    }
    return layout;
}

double number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        fail("not a number: " + text.toStdString());
    return value;
}

std::int64_t whole(const QString& text, std::int64_t low, std::int64_t high)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        fail("not a whole number in range: " + text.toStdString());
    return value;
}

QByteArray fixedValue(JetType type, const QString& text)
{
    QByteArray out;
    switch (type) {
    case JetType::Byte: out.append(char(whole(text, 0, 255))); break;
    case JetType::Integer: appendRaw(out, std::int16_t(whole(text, -32768, 32767))); break;
    case JetType::Long: appendRaw(out, std::int32_t(whole(text, INT32_MIN, INT32_MAX))); break;
    case JetType::Currency: appendRaw(out, std::int64_t(std::llround(number(text) * 10000))); break;
    case JetType::Double:
    case JetType::DateTime: appendRaw(out, number(text)); break;
    default: break;
    }
    return out;
}

QByteArray varValue(const Format& f, JetType type, const QString& text, std::uint16_t codePage)
{
    const QByteArray encoded = encodeText(f, text, codePage);
    if (type == JetType::Text)
        return encoded;
    if (type != JetType::Memo)
        fail("only NULL is written for this column type");
    // A memo kept in the row: its length with the "inline" flag, 8 unused bytes, the text.
    QByteArray memo;
    appendRaw(memo, std::uint32_t(encoded.size()) | 0x80000000u);
    memo.append(8, '\0');
    return memo + encoded;
}

QByteArray packRow(const Format& f, const JetTableDef& table, const TableLayout& layout, const JetRowDef& row,
                   std::uint16_t codePage)
{
    const std::size_t n = table.columns.size();
    if (row.cells.size() != n)
        fail("row of " + std::to_string(row.cells.size()) + " cells for " + std::to_string(n) + " columns");
    const int countSize = f.jet3 ? 1 : 2;
    QByteArray out(countSize + layout.fixedLength, '\0');
    if (f.jet3)
        out[0] = char(n);
    else
        put16(out, 0, std::uint32_t(n));
    QByteArray present((int(n) + 7) / 8, '\0');
    std::vector<int> varOffsets(std::size_t(layout.varCount), 0);

    for (std::size_t i = 0; i < n; ++i) {
        const JetColumnDef& column = table.columns[i];
        const JetCell& cell = row.cells[i];
        bool bit = cell.has_value();
        if (column.type == JetType::Boolean)
            bit = cell && whole(*cell, 0, 1) == 1; // a Yes/No value lives in this bit alone
        else if (cell && layout.columns[i].fixed)
            out.replace(countSize + layout.columns[i].fixedOffset, fixedSize(column.type),
                        fixedValue(column.type, *cell));
        if (bit)
            present[int(i / 8)] = char(present[int(i / 8)] | (1 << (i % 8)));
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (layout.columns[i].fixed)
            continue;
        varOffsets[std::size_t(layout.columns[i].varIndex)] = int(out.size());
        if (row.cells[i])
            out.append(varValue(f, table.columns[i].type, *row.cells[i], codePage));
    }
    // The end of the data, then the offsets last column first, their count, the null mask.
    const int end = int(out.size());
    if (f.jet3) {
        out.append(char(end));
        for (int i = layout.varCount - 1; i >= 0; --i)
            out.append(char(varOffsets[std::size_t(i)]));
        out.append(char(layout.varCount));
    } else {
        append16(out, std::uint32_t(end));
        for (int i = layout.varCount - 1; i >= 0; --i)
            append16(out, std::uint32_t(varOffsets[std::size_t(i)]));
        append16(out, std::uint32_t(layout.varCount));
    }
    out.append(present);
    // Longer Jet 3 rows need a jump table for their one-byte offsets; not written here.
    if (f.jet3 && out.size() > 256)
        fail("Jet 3 row longer than 256 bytes");
    return out;
}

constexpr std::uint16_t deletedFlag = 0x8000;
constexpr std::uint16_t pointerFlag = 0x4000;

class DataPage {
public:
    DataPage(const Format& f, std::uint32_t tablePage) : f_(f), bytes_(f.pageSize, '\0'), freeEnd_(f.pageSize)
    {
        bytes_[0] = 0x01;
        bytes_[1] = 0x01;
        put32(bytes_, 4, tablePage);
        update();
    }
    // The row's number on the page, or -1 when it does not fit.
    int add(const QByteArray& row, std::uint16_t flags = 0)
    {
        const int headerEnd = f_.rowCountOffset + 2 + 2 * (count_ + 1);
        if (freeEnd_ - row.size() < headerEnd)
            return -1;
        freeEnd_ -= int(row.size());
        bytes_.replace(freeEnd_, row.size(), row);
        put16(bytes_, f_.rowCountOffset + 2 + 2 * count_, std::uint32_t(freeEnd_) | flags);
        ++count_;
        update();
        return count_ - 1;
    }
    int rowStart(int row) const
    {
        return std::uint16_t(bytes_[f_.rowCountOffset + 2 + 2 * row] & 0xFF) |
               (std::uint16_t(bytes_[f_.rowCountOffset + 3 + 2 * row] & 0x1F) << 8);
    }
    QByteArray& bytes() { return bytes_; }

private:
    void update()
    {
        put16(bytes_, f_.rowCountOffset, std::uint32_t(count_));
        put16(bytes_, 2, std::uint32_t(freeEnd_ - (f_.rowCountOffset + 2 + 2 * count_)));
    }
    const Format& f_;
    QByteArray bytes_;
    int count_ = 0;
    int freeEnd_;
};

class FileBuilder {
public:
    FileBuilder(const JetFileOptions& options) : options_(options), f_(formatOf(options.version)) {}

    QByteArray build(const std::vector<JetTableDef>& tables)
    {
        // Page 0 is the header, 1 holds the usage maps, 2 and 3 are MSysObjects'
        // definition and data; then each table's definition and data pages,
        // then the map pages of tables too large for a bitmap in the row.
        maps_.emplace(f_, 0);
        std::vector<std::uint32_t> definitionPages;
        std::uint32_t next = 4;
        for (const JetTableDef& table : tables) {
            definitionPages.push_back(next);
            next += 1 + std::uint32_t(placeRows(table, 0).size());
        }
        nextMapPage_ = next;
        writeTable(systemTable(tables, definitionPages), 2, true);
        for (std::size_t i = 0; i < tables.size(); ++i)
            writeTable(tables[i], definitionPages[i], false);
        setPage(1, maps_->bytes());
        setPage(0, headerPage());
        QByteArray file;
        for (std::size_t pg = 0; pg < pages_.size(); ++pg) {
            QByteArray page = pages_[pg];
            if (pg > 0 && options_.encodingKey != 0) {
                const std::uint32_t key = options_.encodingKey ^ std::uint32_t(pg);
                const std::uint8_t keyBytes[4] = {std::uint8_t(key), std::uint8_t(key >> 8), std::uint8_t(key >> 16),
                                                  std::uint8_t(key >> 24)};
                rc4(keyBytes, 4, reinterpret_cast<std::uint8_t*>(page.data()), std::size_t(page.size()));
            }
            file.append(page);
        }
        return file;
    }

private:
    void setPage(std::uint32_t pg, const QByteArray& bytes)
    {
        if (pages_.size() <= pg)
            pages_.resize(pg + 1);
        pages_[pg] = bytes;
    }

    // Lays the rows on data pages: moved rows leave a pointer behind and go on
    // pages after the others. Returns the data pages, in order, for pages
    // numbered from `firstPage` on (0 when only counting them).
    std::vector<QByteArray> placeRows(const JetTableDef& table, std::uint32_t firstPage)
    {
        const TableLayout layout = layoutOf(table);
        const std::uint32_t definition = firstPage == 0 ? 0 : firstPage - 1;
        std::vector<DataPage> pages;
        struct Moved {
            std::size_t page;
            int slot;
            QByteArray row;
        };
        std::vector<Moved> moved;
        auto place = [&](std::vector<DataPage>& into, const QByteArray& row, std::uint16_t flags) {
            if (into.empty() || into.back().add(row, flags) < 0) {
                into.emplace_back(f_, definition);
                if (into.back().add(row, flags) < 0)
                    fail("row longer than a page");
            }
        };
        for (const JetRowDef& row : table.rows) {
            const QByteArray packed = packRow(f_, table, layout, row, options_.codePage);
            if (row.moved) {
                place(pages, QByteArray(4, '\0'), pointerFlag);
                moved.push_back({pages.size() - 1, 0, packed});
                moved.back().slot = int(countRows(pages.back())) - 1;
            } else {
                place(pages, packed, row.deleted ? deletedFlag : 0);
            }
        }
        std::vector<DataPage> overflow;
        for (Moved& m : moved) {
            // The moved row itself is flagged deleted, so a scan reaches it only through its pointer.
            place(overflow, m.row, deletedFlag);
            const auto page = std::uint32_t(firstPage + pages.size() + overflow.size() - 1);
            const int slot = int(countRows(overflow.back())) - 1;
            QByteArray& home = pages[m.page].bytes();
            const int at = pages[m.page].rowStart(m.slot);
            home[at] = char(slot);
            home[at + 1] = char(page & 0xFF);
            home[at + 2] = char((page >> 8) & 0xFF);
            home[at + 3] = char((page >> 16) & 0xFF);
        }
        std::vector<QByteArray> out;
        for (DataPage& p : pages)
            out.push_back(p.bytes());
        for (DataPage& p : overflow)
            out.push_back(p.bytes());
        return out;
    }

    std::size_t countRows(DataPage& page) const
    {
        const QByteArray& b = page.bytes();
        return std::uint8_t(b[f_.rowCountOffset]) | (std::uint8_t(b[f_.rowCountOffset + 1]) << 8);
    }

    void writeTable(const JetTableDef& table, std::uint32_t definitionPage, bool system)
    {
        const std::vector<QByteArray> data = placeRows(table, definitionPage + 1);
        if (system && data.size() != 1)
            fail("MSysObjects must fit on page 3");
        std::vector<std::uint32_t> dataPages;
        for (const QByteArray& page : data) {
            dataPages.push_back(definitionPage + 1 + std::uint32_t(dataPages.size()));
            setPage(dataPages.back(), page);
        }
        const std::uint32_t usage = addMapRow(usageMap(dataPages));
        const std::uint32_t free = addMapRow(emptyMap());
        setPage(definitionPage, definition(table, system, usage, free));
    }

    std::uint32_t addMapRow(const QByteArray& row)
    {
        const int slot = maps_->add(row);
        if (slot < 0)
            fail("too many tables for the usage map page");
        return (1u << 8) | std::uint32_t(slot);
    }

    QByteArray emptyMap() const { return QByteArray(f_.usageMapSize, '\0'); }

    // A map of the pages a table owns: a bitmap from a start page where it
    // fits in the row, else a list of map pages (type 0x05) each covering its
    // own stretch of the file.
    QByteArray usageMap(const std::vector<std::uint32_t>& owned)
    {
        QByteArray map(f_.usageMapSize, '\0');
        if (owned.empty())
            return map;
        const std::uint32_t first = owned.front();
        if (owned.back() - first < std::uint32_t(f_.usageMapSize - 5) * 8) {
            put32(map, 1, first);
            for (std::uint32_t pg : owned)
                map[5 + int((pg - first) / 8)] = char(map[5 + int((pg - first) / 8)] | (1 << ((pg - first) % 8)));
            return map;
        }
        map[0] = 0x01;
        const std::uint32_t perMapPage = std::uint32_t(f_.pageSize - 4) * 8;
        for (std::uint32_t pg : owned) {
            const std::uint32_t index = pg / perMapPage;
            if (1 + 4 * int(index) + 4 > map.size())
                fail("file too large for one usage map");
            std::uint32_t mapPage = std::uint8_t(map[1 + 4 * int(index)]) |
                                    (std::uint8_t(map[2 + 4 * int(index)]) << 8) |
                                    (std::uint8_t(map[3 + 4 * int(index)]) << 16);
            if (mapPage == 0) {
                mapPage = nextMapPage_++;
                QByteArray bitmap(f_.pageSize, '\0');
                bitmap[0] = 0x05;
                bitmap[1] = 0x01;
                setPage(mapPage, bitmap);
                put32(map, 1 + 4 * int(index), mapPage);
            }
            const std::uint32_t bit = pg - index * perMapPage;
            QByteArray& bitmap = pages_[mapPage];
            bitmap[4 + int(bit / 8)] = char(bitmap[4 + int(bit / 8)] | (1 << (bit % 8)));
        }
        return map;
    }

    QByteArray name(const QString& text) const
    {
        QByteArray out;
        if (f_.jet3) {
            const QByteArray bytes = codePageBytes(text, options_.codePage);
            out.append(char(bytes.size())).append(bytes);
        } else {
            const QByteArray bytes = ucs2(text);
            append16(out, std::uint32_t(bytes.size()));
            out.append(bytes);
        }
        return out;
    }

    QByteArray definition(const JetTableDef& table, bool system, std::uint32_t usage, std::uint32_t free) const
    {
        const TableLayout layout = layoutOf(table);
        QByteArray page(f_.pageSize, '\0');
        page[0] = 0x02;
        page[1] = 0x01;
        if (f_.jet3) {
            page[2] = 'V';
            page[3] = 'C';
        }
        std::uint32_t liveRows = 0;
        for (const JetRowDef& row : table.rows)
            liveRows += row.deleted ? 0 : 1;
        const int shift = f_.jet3 ? 0 : 20; // Jet 4 has 20 more bytes before the table type
        put32(page, f_.jet3 ? 12 : 16, liveRows);
        page[20 + shift] = char(system ? 0x53 : 0x4E);
        const auto columns = std::uint32_t(table.columns.size());
        put16(page, 21 + shift, columns);
        put16(page, 23 + shift, std::uint32_t(layout.varCount));
        put16(page, 25 + shift, columns);
        put32(page, 35 + shift, usage);
        put32(page, 39 + shift, free);

        int at = f_.columnsStart;
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const JetColumnDef& c = table.columns[i];
            const ColumnLayout& l = layout.columns[i];
            const bool text = c.type == JetType::Text || c.type == JetType::Memo;
            const int o = f_.jet3 ? 0 : 4; // Jet 4 has 4 more bytes after the type
            page[at] = char(c.type);
            put16(page, at + 1 + o, std::uint32_t(i));
            put16(page, at + 3 + o, std::uint32_t(l.varIndex));
            put16(page, at + 5 + o, std::uint32_t(i));
            if (text)
                put16(page, at + 7 + o, 0x409); // general sort order
            if (text && f_.jet3)
                put16(page, at + 9, options_.codePage);
            page[at + (f_.jet3 ? 13 : 15)] = char(l.fixed ? 0x03 : 0x02); // fixed length; may be NULL
            if (!f_.jet3 && text)
                page[at + 16] = 0x01; // compressed unicode allowed
            put16(page, at + (f_.jet3 ? 14 : 21), std::uint32_t(l.fixedOffset));
            const int length = c.type == JetType::Text ? (f_.jet3 ? 255 : 510) : std::max(fixedSize(c.type), 0);
            put16(page, at + (f_.jet3 ? 16 : 23), std::uint32_t(length));
            at += f_.columnEntrySize;
        }
        for (const JetColumnDef& c : table.columns) {
            const QByteArray n = name(c.name);
            page.replace(at, n.size(), n);
            at += int(n.size());
        }
        if (at > f_.pageSize)
            fail("table definition longer than a page");
        put32(page, 8, std::uint32_t(at - 8));
        if (!f_.jet3)
            put16(page, 2, std::uint32_t(f_.pageSize - at - 8));
        return page;
    }

    JetTableDef systemTable(const std::vector<JetTableDef>& tables,
                            const std::vector<std::uint32_t>& definitionPages) const
    {
        JetTableDef sys{QStringLiteral("MSysObjects"),
                        {{QStringLiteral("Id"), JetType::Long},
                         {QStringLiteral("ParentId"), JetType::Long},
                         {QStringLiteral("Name"), JetType::Text},
                         {QStringLiteral("Type"), JetType::Integer},
                         {QStringLiteral("DateCreate"), JetType::DateTime},
                         {QStringLiteral("DateUpdate"), JetType::DateTime},
                         {QStringLiteral("Flags"), JetType::Long},
                         {QStringLiteral("Lv"), JetType::Ole},
                         {QStringLiteral("LvProp"), JetType::Ole}},
                        {}};
        const QString tablesFolder = QString::number(0x0F000001);
        const QString created = QStringLiteral("36526.5");
        auto entry = [&](const QString& id, const QString& parent, const QString& objectName, int type, qint64 flags) {
            sys.rows.push_back({{id, parent, objectName, QString::number(type), created, created,
                                 QString::number(std::int32_t(flags)), std::nullopt, std::nullopt}});
        };
        entry(tablesFolder, QString::number(0x0F000000), QStringLiteral("Tables"), 3, 0);
        entry(QStringLiteral("2"), tablesFolder, QStringLiteral("MSysObjects"), 1, 0x80000002);
        for (std::size_t i = 0; i < tables.size(); ++i)
            entry(QString::number(definitionPages[i]), tablesFolder, tables[i].name, 1, 0);
        return sys;
    }

    QByteArray headerPage() const
    {
        const bool jet3 = f_.jet3;
        QByteArray page(f_.pageSize, '\0');
        page[1] = 0x01;
        std::memcpy(page.data() + page0::signatureOffset, page0::jetSignature, sizeof page0::jetSignature);
        put32(page, page0::versionOffset, jet3 ? 0 : 1);
        put16(page, page0::sortOrderOffset(jet3), 0x409);
        put16(page, page0::codePageOffset, options_.codePage);
        put32(page, page0::encodingKeyOffset, options_.encodingKey);
        const double created = 36526.5;
        QByteArray password;
        if (jet3) {
            password = codePageBytes(options_.password, options_.codePage);
        } else {
            std::memcpy(page.data() + page0::creationDateOffset, &created, sizeof created);
            password = ucs2(options_.password);
            password.resize(page0::passwordLength(false), '\0');
            const std::uint32_t mask = page0::passwordMask(created);
            for (int i = 0; i < password.size(); ++i)
                password[i] = char(password[i] ^ char(mask >> (8 * (i % 4))));
        }
        if (password.size() > page0::passwordLength(jet3))
            fail("password too long");
        page.replace(page0::passwordOffset, password.size(), password);
        rc4(page0::scrambleKey, sizeof page0::scrambleKey,
            reinterpret_cast<std::uint8_t*>(page.data()) + page0::scrambledOffset,
            std::size_t(page0::scrambledLength(jet3)));
        return page;
    }

    JetFileOptions options_;
    Format f_;
    std::vector<QByteArray> pages_;
    std::optional<DataPage> maps_;
    std::uint32_t nextMapPage_ = 0;
};

} // namespace

QByteArray writeJetFile(const JetFileOptions& options, const std::vector<JetTableDef>& tables)
{
    return FileBuilder(options).build(tables);
}

JetTableDef pelisTable(const std::vector<std::vector<JetCell>>& rows)
{
    JetTableDef table{QStringLiteral("Pelis"),
                      {{QStringLiteral("idzefo"), JetType::Long},
                       {QStringLiteral("titulo"), JetType::Text},
                       {QStringLiteral("duración"), JetType::Text},
                       {QStringLiteral("tipopeli"), JetType::Text},
                       {QStringLiteral("director"), JetType::Text},
                       {QStringLiteral("totalcds"), JetType::Integer},
                       {QStringLiteral("codec"), JetType::Text}},
                      {}};
    for (const auto& cells : rows)
        table.rows.push_back({cells});
    return table;
}

} // namespace catalogue::jet::testing
