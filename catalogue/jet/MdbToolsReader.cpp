// readJetTable over mdbtools' C API (libmdb). mdbtools finds the tables,
// reads the table definition and turns each row's values into text; the walk
// over the data pages and the row flags is done here, because Debian's libmdb
// 1.0 takes the two row flags the wrong way round: it would read rows the
// user deleted and skip rows Jet moved to another page.
#include "JetTableReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mdbtools.h>

#include <cstdlib>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace catalogue::jet {

namespace {

constexpr int deletedFlag = 0x8000; // deleted, or moved and reached through its pointer
constexpr int pointerFlag = 0x4000; // the row has moved: its place holds a pointer to it
constexpr int offsetMask = 0x1FFF;
// A memo typed through Access holds at most 65,535 characters: this holds any of them in UTF-8.
constexpr std::size_t bindSize = 256 * 1024;

// mdbtools takes its text encoding from the environment when a file is
// opened; the program reads no settings of the user's, so these are fixed here.
void fixLibraryEnvironment()
{
#ifdef _WIN32
    _putenv_s("MDBICONV", "UTF-8");
    _putenv_s("MDB_JET3_CHARSET", ""); // Jet 3 text in the code page the file names
    _putenv_s("MDBPATH", "");
    _putenv_s("MDBOPTS", "");
#else
    setenv("MDBICONV", "UTF-8", 1);
    unsetenv("MDB_JET3_CHARSET");
    unsetenv("MDBPATH");
    unsetenv("MDBOPTS");
#endif
}

// mdbtools opens the file with fopen, which takes the name in the system's
// 8-bit encoding. On Windows that is the ANSI code page, which cannot spell
// every folder's name (a Polish user's "Łódź" on a Spanish system): there
// such a name is given by its short form, which is plain ASCII.
QByteArray nameForLibrary(const QString& fileName)
{
    const QByteArray local = QFile::encodeName(fileName);
#ifdef _WIN32
    if (QFile::decodeName(local) != fileName) {
        const std::wstring name = QDir::toNativeSeparators(fileName).toStdWString();
        std::wstring shortName(MAX_PATH, L'\0');
        const DWORD size = GetShortPathNameW(name.c_str(), shortName.data(), DWORD(shortName.size()));
        if (size > 0 && size < shortName.size()) {
            shortName.resize(size);
            return QFile::encodeName(QString::fromStdWString(shortName));
        }
    }
#endif
    return local;
}

// The column types of Jet, with the names Access gives them in Spanish.
struct KnownType {
    int type;
    JetKind kind;
    QStringView name;
};
constexpr KnownType kKnownTypes[] = {
    {MDB_BYTE, JetKind::WholeNumber, u"Byte"},
    {MDB_INT, JetKind::WholeNumber, u"Entero"},
    {MDB_LONGINT, JetKind::WholeNumber, u"Entero largo"},
    {MDB_MONEY, JetKind::Number, u"Moneda"},
    {MDB_FLOAT, JetKind::Number, u"Simple"},
    {MDB_DOUBLE, JetKind::Number, u"Doble"},
    {MDB_NUMERIC, JetKind::Number, u"Decimal"},
    {MDB_DATETIME, JetKind::DateTime, u"Fecha/Hora"},
    {MDB_TEXT, JetKind::Text, u"Texto"},
    {MDB_MEMO, JetKind::Text, u"Memo"},
    {MDB_BOOL, JetKind::Other, u"Sí/No"},
    {MDB_OLE, JetKind::Other, u"Objeto OLE"},
    {MDB_REPID, JetKind::Other, u"Id. de réplica"},
};

JetColumn describe(const MdbColumn* col)
{
    const QString name = QString::fromUtf8(col->name);
    for (const KnownType& known : kKnownTypes)
        if (known.type == col->col_type)
            return {name, known.kind, known.name.toString()};
    return {name, JetKind::Other, QStringLiteral("binario")};
}

struct CloseHandle {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct FreeTable {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// mdbtools reads a table's usage map without looking at it: a map that is
// missing or too short (a damaged pointer to it) is a null pointer, or bytes
// beyond its end, to the library. A map holds its type and a page number at least.
bool usableMap(const MdbTableDef& table)
{
    return table.usage_map && table.map_sz >= 5;
}

// MSysObjects, the list of tables, is walked by mdbtools itself; its map is
// checked here first, the way the library reads it (its definition on page 2).
bool systemTableReadable(MdbHandle* mdb)
{
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = 2;
    std::unique_ptr<MdbTableDef, FreeTable> table(mdb_read_table(&entry));
    return table && usableMap(*table);
}

class TableWalk {
public:
    TableWalk(MdbHandle* mdb, MdbTableDef* table, std::uint32_t pageCount, JetTableRead& out)
        : mdb_(mdb), table_(table), pageCount_(pageCount), out_(out), buffers_(out.read.size()),
          lengths_(out.read.size(), 0)
    {
        for (std::size_t i = 0; i < out.read.size(); ++i) {
            buffers_[i].reset(new char[bindSize]);
            mdb_bind_column(table, out.read[i] + 1, buffers_[i].get(), &lengths_[i]);
        }
        table->noskip_del = 1; // the flags are read below, the right way round
    }

    // Empty when every row was read, else what is wrong.
    QString run()
    {
        std::uint32_t page = 0;
        for (;;) {
            const gint32 next = mdb_map_find_next(mdb_, table_->usage_map, std::uint32_t(table_->map_sz), page);
            if (next < 0)
                return QStringLiteral("no se puede leer la lista de páginas de la tabla");
            if (next == 0 || std::uint32_t(next) <= page)
                return {};
            page = std::uint32_t(next);
            QString problem;
            if (!loadDataPage(page, problem)) {
                if (!problem.isEmpty())
                    return problem;
                continue; // a page of the table that holds no rows of it
            }
            const int rco = mdb_->fmt->row_count_offset;
            const int rows = mdb_get_int16(mdb_->pg_buf, rco);
            if (!rowsFitThePage(rco, rows))
                return QStringLiteral("la página %1 dice tener %2 filas y no las tiene").arg(page).arg(rows);
            for (int row = 0; row < rows; ++row) {
                const int slot = mdb_get_int16(mdb_->pg_buf, rco + 2 + 2 * row);
                if (slot & deletedFlag)
                    continue;
                if (slot & pointerFlag)
                    problem = readMovedRow(page, slot & offsetMask);
                else
                    problem = readRow(page, row);
                if (!problem.isEmpty())
                    return problem;
            }
        }
    }

private:
    // Rows lie at the end of the page, the first last, each below the one
    // before it and above the list of their places. A count larger than the
    // list would read the free space between them as a row, an empty film.
    // (Deleted rows are never read, so their places are not held to it.)
    bool rowsFitThePage(int rco, int rows) const
    {
        const int listEnd = rco + 2 + 2 * rows;
        int end = mdb_->fmt->pg_size;
        for (int row = 0; row < rows && listEnd <= end; ++row) {
            const int slot = mdb_get_int16(mdb_->pg_buf, rco + 2 + 2 * row);
            if (slot & deletedFlag)
                continue;
            const int start = slot & offsetMask;
            if (start < listEnd || start > end)
                return false;
            end = start;
        }
        return listEnd <= end;
    }

    bool loadDataPage(std::uint32_t page, QString& problem)
    {
        if (page >= pageCount_ || !mdb_read_pg(mdb_, page)) {
            problem = QStringLiteral("falta la página %1 del archivo, que está incompleto").arg(page);
            return false;
        }
        const auto* buf = reinterpret_cast<const unsigned char*>(mdb_->pg_buf);
        return buf[0] == MDB_PAGE_DATA && std::uint32_t(mdb_get_int32(mdb_->pg_buf, 4)) == table_->entry->table_pg;
    }

    QString readMovedRow(std::uint32_t page, int at)
    {
        if (at + 4 > mdb_->fmt->pg_size)
            return QStringLiteral("la página %1 está dañada").arg(page);
        const std::uint32_t pointer = std::uint32_t(mdb_get_int32(mdb_->pg_buf, at));
        const std::uint32_t target = pointer >> 8;
        QString problem;
        if (!loadDataPage(target, problem))
            return problem.isEmpty() ? QStringLiteral("la página %1 no es de la tabla").arg(target) : problem;
        problem = readRow(target, int(pointer & 0xFF));
        if (problem.isEmpty() && !loadDataPage(page, problem) && problem.isEmpty())
            problem = QStringLiteral("la página %1 está dañada").arg(page);
        return problem;
    }

    QString readRow(std::uint32_t page, int row)
    {
        if (!mdb_read_row(table_, unsigned(row)))
            return QStringLiteral("la fila %1 de la página %2 está dañada").arg(row).arg(page);
        for (std::size_t i = 0; i < buffers_.size(); ++i) {
            if (std::size_t(lengths_[i]) >= bindSize - 1)
                return QStringLiteral("la columna %1 tiene un texto más largo de lo que este programa puede leer")
                    .arg(out_.columns[std::size_t(out_.read[i])].name);
            out_.values.push_back(QString::fromUtf8(buffers_[i].get(), lengths_[i]));
        }
        ++out_.rowCount;
        return {};
    }

    MdbHandle* mdb_;
    MdbTableDef* table_;
    std::uint32_t pageCount_;
    JetTableRead& out_;
    std::vector<std::unique_ptr<char[]>> buffers_;
    std::vector<int> lengths_;
};

} // namespace

JetTableRead readJetTable(const QString& fileName, const QString& tableName,
                          const std::function<bool(const JetColumn&)>& wanted)
{
    JetTableRead out;
    fixLibraryEnvironment();
    std::unique_ptr<MdbHandle, CloseHandle> mdb(mdb_open(nameForLibrary(fileName).constData(), MDB_NOFLAGS));
    if (!mdb) {
        out.problem = QStringLiteral("no se puede leer su primera página");
        return out;
    }
    mdb_set_bind_size(mdb.get(), bindSize);
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    if (!systemTableReadable(mdb.get()) || !mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        out.problem = QStringLiteral("no se puede leer su lista de tablas");
        return out;
    }
    MdbCatalogEntry* entry = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (!mdb_is_user_table(e))
            continue;
        const QString name = QString::fromUtf8(e->object_name);
        out.tables << name;
        if (!entry && name.compare(tableName, Qt::CaseInsensitive) == 0)
            entry = e;
    }
    if (!entry) {
        out.status = JetTableRead::Status::NoSuchTable;
        return out;
    }
    std::unique_ptr<MdbTableDef, FreeTable> table(mdb_read_table(entry));
    if (!table || !usableMap(*table) || !mdb_read_columns(table.get())) {
        out.problem = QStringLiteral("no se puede leer la definición de la tabla %1").arg(tableName);
        return out;
    }
    for (unsigned i = 0; i < table->num_cols; ++i) {
        out.columns.push_back(describe(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i))));
        if (wanted(out.columns.back()))
            out.read.push_back(int(i));
    }

    const auto pageCount = std::uint32_t(QFileInfo(fileName).size() / mdb->fmt->pg_size);
    out.problem = TableWalk(mdb.get(), table.get(), pageCount, out).run();
    if (out.problem.isEmpty() && out.rowCount < table->num_rows)
        out.problem = QStringLiteral("la tabla %1 dice tener %2 filas y sólo se pueden leer %3")
                          .arg(tableName)
                          .arg(table->num_rows)
                          .arg(out.rowCount);
    if (out.problem.isEmpty())
        out.status = JetTableRead::Status::Read;
    else
        out.values.clear(), out.rowCount = 0;
    return out;
}

} // namespace catalogue::jet
