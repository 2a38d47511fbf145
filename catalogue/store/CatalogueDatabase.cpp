#include "CatalogueDatabase.h"
#include "LeftoverFiles.h"
#include "LeftoverJournal.h"
#include "CatalogueError.h"
#include "StoreMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

namespace catalogue {

namespace {

const char* const schema = "CREATE TABLE Pelis ("
                           " idzefo INTEGER,"
                           " titulo TEXT,"
                           " \"duración\" TEXT,"
                           " tipopeli TEXT,"
                           " director TEXT,"
                           " totalcds INTEGER,"
                           " codec TEXT)";

const QByteArray sqliteMagic("SQLite format 3\0", 16);

// Removals of "Borrar Todo" are committed about this often.
constexpr qint64 batchMilliseconds = 500;

const QString kNothingChanged = QStringLiteral("No se ha modificado nada.");

QString cannotOpen(const QString& fileName, const QString& problem, const QString& changed = kNothingChanged)
{
    return QStringLiteral("No se puede abrir el catálogo %1: %2.\n\n%3").arg(fileAndFolder(fileName), problem, changed);
}

QString cannotCreate(const QString& fileName, const QString& problem)
{
    return QStringLiteral("No se puede crear el catálogo %1: %2.\n\nNo se ha creado ningún archivo.")
        .arg(fileAndFolder(fileName), problem);
}

QString heldElsewhere(const QString& fileName)
{
    return QStringLiteral("El catálogo %1 ya está abierto en otra ventana de este programa. Siga trabajando en "
                          "esa ventana, o ciérrela y vuelva a abrir el programa.\n\nEsta ventana se cierra sin "
                          "haber modificado nada.")
        .arg(fileAndFolder(fileName));
}

QString holdProblem(FileHold::Result result)
{
    switch (result) {
    case FileHold::Result::Folder: return QStringLiteral("es una carpeta, no un archivo");
    case FileHold::Result::NotRegular:
        return QStringLiteral("no es un archivo normal (es un dispositivo, una tubería o algo parecido)");
    case FileHold::Result::NotReadable: return QStringLiteral("no hay permiso para leer el archivo");
    case FileHold::Result::Missing: return QStringLiteral("el archivo no existe");
    default: return QStringLiteral("el sistema no deja abrir el archivo");
    }
}

// The embeddings, overrides and isolates of bidirectional text: one typed
// into a title would turn the rest of it around on screen and in the reports.
bool isDirectionControl(QChar c)
{
    return (c.unicode() >= 0x202A && c.unicode() <= 0x202E) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
}

bool isControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || isDirectionControl(c);
}

// Every report line stays one line, and other tools see the whole text.
QString withoutControls(QString text)
{
    for (QChar& c : text)
        if (isControl(c))
            c = u' ';
    return text;
}

} // namespace

std::optional<std::int64_t> parseWholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isTooBigWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype digitsFrom = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    if (trimmed.size() <= digitsFrom)
        return false;
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i)
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return false;
    return !parseWholeNumber(trimmed);
}

QString storedForm(Field field, const QString& text)
{
    if (isWholeNumber(field)) {
        if (text.trimmed().isEmpty())
            return QString();
        const auto number = parseWholeNumber(text);
        return number ? QString::number(*number) : text;
    }
    return withoutControls(text);
}

CatalogueDatabase::OpenResult CatalogueDatabase::open(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    const QFileInfo info(fileName);
    if (!info.exists() && !info.isSymLink())
        return create(std::move(cat), false);
    return openExisting(std::move(cat));
}

CatalogueDatabase::OpenResult CatalogueDatabase::create(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    return create(std::move(cat), true);
}

CatalogueDatabase::OpenResult CatalogueDatabase::create(std::unique_ptr<CatalogueDatabase> cat, bool emptyFileIsNew)
{
    const QString fileName = cat->fileName_;
    const QFileInfo info(fileName);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !FileHold::writable(folder.filePath()))
        return {
            nullptr, cannotCreate(fileName, QStringLiteral("la carpeta no existe o no se puede escribir en ella")), {}};
    FileHold::Taken taken = FileHold::createAndHold(fileName);
    if (taken.result == FileHold::Result::HeldElsewhere)
        return {nullptr, heldElsewhere(fileName), {}, true};
    if (!taken.hold)
        return {nullptr, cannotCreate(fileName, holdProblem(taken.result)), {}};
    cat->hold_ = std::move(taken.hold);
    if (!taken.created && !(emptyFileIsNew && cat->hold_->head(1).isEmpty()))
        return openExisting(std::move(cat));

    // An old journal or log beside a new file holds nothing for it.
    cat->leftovers_ = std::make_unique<LeftoverFiles>(fileName);
    const auto refuse = [&](const QString& problem) {
        cat.reset();
        QFile::remove(fileName);
        return OpenResult{nullptr, cannotCreate(fileName, problem), {}};
    };
    if (auto problem = cat->leftovers_->setAside({}))
        return refuse(*problem);
    if (const int rc = cat->db_.open(fileName, SqliteDatabase::Mode::CreateIfMissing); rc != SQLITE_OK)
        return refuse(sqliteProblem(rc));
    QStringList notices;
    try {
        notices = cat->finishOpening();
        cat->beginWrite();
        cat->db_.exec(schema);
        cat->commitWrite();
    } catch (const CatalogueError& e) {
        cat->undoWrite();
        return refuse(e.message());
    }
    for (Field f : allFields)
        cat->columns_[indexOf(f)] = columnName(f);
    return {std::move(cat), {}, notices};
}

CatalogueDatabase::OpenResult CatalogueDatabase::openExisting(std::unique_ptr<CatalogueDatabase> cat)
{
    const QString fileName = cat->fileName_;
    if (!cat->hold_) {
        FileHold::Taken taken = FileHold::holdExisting(fileName);
        if (taken.result == FileHold::Result::HeldElsewhere)
            return {nullptr, heldElsewhere(fileName), {}, true};
        if (!taken.hold)
            return {nullptr, cannotOpen(fileName, holdProblem(taken.result)), {}};
        cat->hold_ = std::move(taken.hold);
    }

    // Everything that can be told from outside is checked before SQLite looks at the file.
    const QByteArray header = cat->hold_->head(kHeaderSize);
    if (!header.isEmpty() && !header.startsWith(sqliteMagic))
        return {nullptr,
                cannotOpen(fileName, QStringLiteral("no es un catálogo de películas: no es una base de datos "
                                                    "que este programa sepa leer")),
                {}};
    const QFileInfo info(fileName);
    if (!FileHold::writable(fileName))
        return {nullptr,
                cannotOpen(fileName, QStringLiteral("el archivo es de sólo lectura y el catálogo necesita "
                                                    "guardar los cambios")),
                {}};
    if (!FileHold::writable(info.absolutePath()))
        return {nullptr,
                cannotOpen(fileName, QStringLiteral("la carpeta es de sólo lectura, y el catálogo necesita "
                                                    "escribir en ella mientras guarda un cambio")),
                {}};

    // A journal beside a file that a database tool is changing is that tool's.
    if (cat->hold_->someoneIsWriting())
        return {nullptr, cannotOpen(fileName, sqliteProblem(SQLITE_BUSY)), {}};
    cat->leftovers_ = std::make_unique<LeftoverFiles>(fileName);
    const auto refuse = [&](const QString& problem) {
        const QString message = cannotOpen(fileName, problem, cat->changedSoFar());
        cat.reset();
        return OpenResult{nullptr, message, {}};
    };
    if (auto problem = cat->leftovers_->setAside(cat->hold_->head(kMaxPageSize)))
        return refuse(*problem);
    if (const int rc = cat->db_.open(fileName, SqliteDatabase::Mode::OpenExisting); rc != SQLITE_OK)
        return refuse(sqliteProblem(rc));

    // Reading the schema is the first moment SQLite looks inside the file.
    try {
        SqliteStatement tables = cat->db_.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name='Pelis' COLLATE NOCASE"));
        if (!tables.step())
            return refuse(QStringLiteral("no es un catálogo de películas: no tiene la tabla Pelis"));
    } catch (const CatalogueError& e) {
        if ((e.code() & 0xFF) == SQLITE_NOTADB)
            return refuse(QStringLiteral("no es un catálogo de películas: no es una base de datos que este "
                                         "programa sepa leer"));
        return refuse(e.message());
    }
    try {
        SqliteStatement columns = cat->db_.prepare(QStringLiteral("PRAGMA table_info(Pelis)"));
        while (columns.step()) {
            const QString name = columns.columnText(1);
            if (const auto f = fieldForColumn(name))
                cat->columns_[indexOf(*f)] = name;
        }
        QStringList missing;
        for (Field f : allFields)
            if (cat->columns_[indexOf(f)].isEmpty())
                missing << columnName(f);
        if (!missing.isEmpty())
            return refuse(
                QStringLiteral("la tabla Pelis no tiene las columnas %1").arg(missing.join(QStringLiteral(", "))));
        cat->db_.prepare(QStringLiteral("SELECT rowid FROM Pelis LIMIT 0"));
    } catch (const CatalogueError& e) {
        return refuse(QStringLiteral("la tabla Pelis no se puede usar: %1").arg(e.message()));
    }

    try {
        if (cat->db_.isReadOnly())
            return refuse(QStringLiteral("el archivo es de sólo lectura y el catálogo necesita guardar los cambios"));
        // Another program in the middle of a change would make every save fail.
        cat->db_.exec("BEGIN IMMEDIATE");
        cat->db_.exec("ROLLBACK");
        // A journal set aside may have left a change half made.
        if (cat->leftovers_->journalSetAside() && cat->db_.firstText("PRAGMA quick_check") != QLatin1String("ok"))
            return refuse(sqliteProblem(SQLITE_CORRUPT));
    } catch (const CatalogueError& e) {
        return refuse(e.message());
    }
    cat->identity_ = identityOf(cat->hold_->head(kHeaderSize));
    cat->committedHeader_ = cat->hold_->head(kHeaderSize);
    return {std::move(cat), {}, {}};
}

CatalogueDatabase::~CatalogueDatabase()
{
    if (!leftovers_)
        return;
    db_.close();
    leftovers_->restore();
}

// SQLite may have undone, with the file's own journal, a change a crash had
// left half made: until the opening is finished, every message says so.
QString CatalogueDatabase::changedSoFar() const
{
    if (leftovers_ && leftovers_->journalPlayedBack())
        return QStringLiteral("Al abrirlo se ha deshecho el último cambio, que había quedado a medias, con el diario "
                              "de cambios que había a su lado (\"%1-journal\"). No se ha modificado nada más.")
            .arg(QFileInfo(fileName_).fileName());
    return kNothingChanged;
}

QStringList CatalogueDatabase::finishOpening()
{
    if (!leftovers_)
        return {};
    try {
        configure();
    } catch (const CatalogueError& e) {
        // The whole message: nothing to add to it.
        throw CatalogueError(QStringLiteral("No se puede preparar el catálogo %1 para guardar cambios: %2.\n\nNo se ha "
                                            "modificado nada.")
                                 .arg(fileAndFolder(fileName_), e.message()));
    }
    prepareTouch();
    const QStringList notices = leftovers_->settle(db_);
    leftovers_.reset();
    committedHeader_ = hold_->head(kHeaderSize);
    return notices;
}

// The rollback journal, flushed at every commit: the file alone is complete
// between commands, and a crash leaves a journal that undoes the unfinished change.
void CatalogueDatabase::configure()
{
    if (db_.firstText("PRAGMA journal_mode=DELETE").compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        throw CatalogueError(
            QStringLiteral("no se puede dejar de usar el diario de escritura de una versión anterior"));
    db_.exec("PRAGMA synchronous=FULL");
    db_.exec("PRAGMA cache_size=-32768");
}

// Every write changes the first page first, so that its journal always
// starts with it, and writes the file's identity there: a random one, given
// by the first write, that ties a leftover journal to its own catalogue.
void CatalogueDatabase::prepareTouch()
{
    const std::uint32_t identity = identity_ != 0 ? identity_ : 1 + QRandomGenerator::system()->bounded(0x7FFFFFFEu);
    touch_ = db_.prepare(QStringLiteral("PRAGMA user_version=%1").arg(identity));
}

// Copies of one catalogue share its identity, and one copy's change counter
// may match another's. What no other copy can share is the random seed SQLite
// draws for each write's journal: written into the first page as the write's
// own mark, it tells a leftover journal which file it was made on.
void CatalogueDatabase::markThisWrite()
{
    const auto seed = qint32(db_.journalSeed());
    db_.exec(QByteArray("PRAGMA application_id=" + QByteArray::number(seed)).constData());
}

QString CatalogueDatabase::quotedColumn(Field f) const
{
    QString name = columns_[indexOf(f)];
    name.replace(u'"', QStringLiteral("\"\""));
    return u'"' + name + u'"';
}

std::int64_t CatalogueDatabase::dataVersion()
{
    SqliteStatement version = db_.prepare(QStringLiteral("PRAGMA data_version"));
    return version.step() ? version.columnInt(0) : -1;
}

bool CatalogueDatabase::changedElsewhere()
{
    try {
        return !loadedVersion_ || *loadedVersion_ != dataVersion();
    } catch (const CatalogueError& e) {
        throw CatalogueError(QStringLiteral("No se puede leer el catálogo %1: %2.\n\n%3")
                                 .arg(fileAndFolder(fileName_), e.message(), changedSoFar()),
                             e.code());
    }
}

std::vector<StoredRow> CatalogueDatabase::loadAll()
{
    QStringList columns;
    for (Field f : allFields)
        columns << quotedColumn(f);
    std::vector<StoredRow> rows;
    try {
        loadedVersion_ = dataVersion();
        db_.exec("BEGIN");
        SqliteStatement select =
            db_.prepare(QStringLiteral("SELECT rowid, %1 FROM Pelis ORDER BY rowid").arg(columns.join(u',')));
        while (select.step()) {
            rows.push_back(StoredRow{select.columnInt(0), PackedRow::fromUtf8([&](Field f) {
                                         return select.columnUtf8(int(indexOf(f)) + 1);
                                     })});
        }
        // Read while nobody can write: these rows are what this header describes.
        const QByteArray header = hold_->head(kHeaderSize);
        db_.exec("COMMIT");
        // After reading the whole table again, writes over it are safe, as
        // long as the file is still this catalogue.
        if (identityOf(header) == identity_ && hold_->stillAtPath())
            committedHeader_ = header;
    } catch (const CatalogueError& e) {
        loadedVersion_.reset();
        if (!sqlite3_get_autocommit(db_.handle()))
            sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw CatalogueError(QStringLiteral("No se puede leer el catálogo %1: %2.\n\n%3")
                                 .arg(fileAndFolder(fileName_), e.message(), changedSoFar()),
                             e.code());
    }
    return rows;
}

void CatalogueDatabase::ensureStillOurs()
{
    const QString where = fileAndFolder(fileName_);
    const QString nothingStored = QStringLiteral("No se ha guardado nada, ni ahí ni en ningún otro sitio. Cierre el "
                                                 "programa y vuelva a abrirlo para seguir con el catálogo que haya "
                                                 "ahora en la carpeta.");
    if (!hold_->stillAtPath())
        throw CatalogueError(QStringLiteral("El archivo del catálogo %1 se ha borrado, movido o sustituido por otro "
                                            "mientras el programa estaba abierto.\n\n%2")
                                 .arg(where, nothingStored));
    const QByteArray header = hold_->head(kHeaderSize);
    if (header == committedHeader_)
        return;
    if (identityOf(header) != identity_ || !header.startsWith(sqliteMagic))
        throw CatalogueError(QStringLiteral("El archivo del catálogo %1 se ha sustituido por otro mientras el programa "
                                            "estaba abierto.\n\n%2")
                                 .arg(where, nothingStored));
    throw CatalogueError(QStringLiteral("Otro programa ha cambiado el catálogo %1 (o se ha copiado encima una copia de "
                                        "seguridad) mientras el programa estaba abierto, y la ventana ya no muestra lo "
                                        "que hay en él.\n\n%2")
                             .arg(where, nothingStored));
}

void CatalogueDatabase::beginWrite()
{
    if (inWrite_)
        return;
    finishOpening();
    db_.exec("BEGIN IMMEDIATE");
    try {
        // Checked under SQLite's lock, before anything is written (not even a journal).
        ensureStillOurs();
        touch_->run();
        markThisWrite();
    } catch (...) {
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    inWrite_ = true;
    batchAge_.start();
    batchRows_ = 0;
}

void CatalogueDatabase::commitWrite()
{
    if (!inWrite_)
        return;
    try {
        db_.exec("COMMIT");
    } catch (...) {
        undoWrite();
        throw;
    }
    inWrite_ = false;
    batchRows_ = 0;
    committedHeader_ = hold_->head(kHeaderSize);
    identity_ = identityOf(committedHeader_);
}

void CatalogueDatabase::undoWrite()
{
    if (!sqlite3_get_autocommit(db_.handle()))
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    // Rows removed in memory may be back in the file.
    if (batchRows_ > 0)
        loadedVersion_.reset();
    inWrite_ = false;
    batchRows_ = 0;
}

QString CatalogueDatabase::failureOf(Write kind, const CatalogueError& error) const
{
    // Messages of the catalogue's own (a number that cannot be stored, a file
    // that is no longer ours) already say everything.
    if (error.code() == 0)
        return error.message();
    const QString where = fileAndFolder(fileName_);
    switch (kind) {
    case Write::Save:
        return QStringLiteral("No se ha podido guardar la película en el catálogo %1: %2.\n\nNo se ha guardado "
                              "nada: el catálogo sigue como estaba.")
            .arg(where, error.message());
    case Write::Change:
        return QStringLiteral("No se ha podido guardar el cambio en el catálogo %1: %2.\n\nNo se ha guardado: el "
                              "catálogo sigue como estaba.")
            .arg(where, error.message());
    case Write::Remove:
        if (bulkDepth_ > 0)
            return QStringLiteral("No se han podido borrar todas las películas del catálogo %1: %2.\n\nLas películas "
                                  "que se ven ahora en la ventana siguen en el catálogo.")
                .arg(where, error.message());
        return QStringLiteral("No se ha podido borrar la película del catálogo %1: %2.\n\nNo se ha borrado nada: el "
                              "catálogo sigue como estaba.")
            .arg(where, error.message());
    }
    return error.message();
}

template <typename Body>
auto CatalogueDatabase::write(Write kind, Body&& body)
{
    lastWrite_ = kind;
    try {
        beginWrite();
        if constexpr (std::is_void_v<decltype(body())>) {
            body();
            if (bulkDepth_ == 0)
                commitWrite();
        } else {
            auto result = body();
            if (bulkDepth_ == 0)
                commitWrite();
            return result;
        }
    } catch (const CatalogueError& e) {
        undoWrite();
        throw CatalogueError(failureOf(kind, e), e.code());
    } catch (...) {
        undoWrite();
        throw;
    }
}

void CatalogueDatabase::bindValue(SqliteStatement& stmt, int index, Field field, const QString& text)
{
    if (!isWholeNumber(field)) {
        stmt.bind(index, storedForm(field, text));
        return;
    }
    if (text.trimmed().isEmpty()) {
        stmt.bindNull(index);
        return;
    }
    const auto number = parseWholeNumber(text);
    if (!number && keepUnreadableNumbers_) {
        stmt.bind(index, withoutControls(text));
        return;
    }
    if (!number)
        throw CatalogueError(QStringLiteral("El valor \"%1\" de la columna %2 %3. No se ha guardado nada.")
                                 .arg(text, columnName(field),
                                      isTooBigWholeNumber(text)
                                          ? QStringLiteral("es un número demasiado grande para guardarlo")
                                          : QStringLiteral("no es un número entero")));
    stmt.bind(index, *number);
}

void CatalogueDatabase::insertAll(const std::vector<MovieRecord>& rows)
{
    BulkWrites bulk(*this);
    for (const MovieRecord& row : rows)
        insert(row);
    bulk.commit();
}

void CatalogueDatabase::insertAllKeepingText(const std::vector<MovieRecord>& rows)
{
    keepUnreadableNumbers_ = true;
    try {
        insertAll(rows);
    } catch (...) {
        keepUnreadableNumbers_ = false;
        throw;
    }
    keepUnreadableNumbers_ = false;
}

CatalogueDatabase::BulkWrites::BulkWrites(CatalogueDatabase& db) : db_(db)
{
    ++db_.bulkDepth_;
}

CatalogueDatabase::BulkWrites::~BulkWrites()
{
    if (--db_.bulkDepth_ == 0 && db_.inWrite_)
        db_.undoWrite();
}

void CatalogueDatabase::BulkWrites::commit()
{
    try {
        db_.commitWrite();
    } catch (const CatalogueError& e) {
        throw CatalogueError(db_.failureOf(db_.lastWrite_, e), e.code());
    }
}

std::int64_t CatalogueDatabase::insert(const MovieRecord& values)
{
    return write(Write::Save, [&] {
        if (!insert_) {
            QStringList columns, marks;
            for (Field f : allFields) {
                columns << quotedColumn(f);
                marks << QStringLiteral("?");
            }
            insert_ = db_.prepare(
                QStringLiteral("INSERT INTO Pelis (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')));
        }
        for (Field f : allFields)
            bindValue(*insert_, int(indexOf(f)) + 1, f, values[indexOf(f)]);
        insert_->run();
        return db_.lastInsertRowId();
    });
}

void CatalogueDatabase::remove(std::int64_t rowid)
{
    write(Write::Remove, [&] {
        if (!remove_)
            remove_ = db_.prepare(QStringLiteral("DELETE FROM Pelis WHERE rowid = ?"));
        remove_->bind(1, rowid);
        remove_->run();
        ++batchRows_;
        if (bulkDepth_ > 0 && batchAge_.elapsed() >= batchMilliseconds)
            commitWrite();
    });
}

void CatalogueDatabase::updateField(std::int64_t rowid, Field field, const QString& text)
{
    write(Write::Change, [&] {
        auto& stmt = update_[indexOf(field)];
        if (!stmt)
            stmt = db_.prepare(QStringLiteral("UPDATE Pelis SET %1 = ? WHERE rowid = ?").arg(quotedColumn(field)));
        bindValue(*stmt, 1, field, text);
        stmt->bind(2, rowid);
        stmt->run();
    });
}

} // namespace catalogue
