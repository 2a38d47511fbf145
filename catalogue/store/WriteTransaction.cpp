// The write transaction: every write of the catalogue is one transaction of
// SQLite's rollback journal, checked first against the file it opened, and
// durable when it is committed. One that fails is undone whole.
#include "CatalogueDatabase.h"
#include "CatalogueError.h"
#include "LeftoverJournal.h"

namespace catalogue {

using namespace storeMessages;

// Copies of one catalogue share its identity, and one copy's change counter
// may match another's. What no other copy can share is the random seed SQLite
// draws for each write's journal: written into the first page as the write's
// own mark, it tells a leftover journal which file it was made on.
void CatalogueDatabase::markThisWrite()
{
    const auto seed = qint32(db_.journalSeed());
    db_.exec(QByteArray("PRAGMA application_id=" + QByteArray::number(seed)).constData());
}

// Every write changes the first page first, so that its journal always starts
// with it, and writes the file's identity there (touch_) and its own mark.
void CatalogueDatabase::beginWrite()
{
    if (inWrite_)
        return;
    finishOpening();
    db_.exec("BEGIN IMMEDIATE");
    try {
        // Checked under SQLite's lock, before anything is written (not even a journal).
        if (const auto lost = identity_.lost(*hold_))
            throw CatalogueError(notOurs(fileName_, *lost));
        touch_->run();
        markThisWrite();
    } catch (...) {
        db_.rollbackQuietly();
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
    identity_.take(hold_->head(kHeaderSize));
}

void CatalogueDatabase::undoWrite()
{
    db_.rollbackQuietly();
    // Rows removed in memory may be back in the file.
    if (batchRows_ > 0)
        loadedVersion_.reset();
    inWrite_ = false;
    batchRows_ = 0;
}

WriteKind CatalogueDatabase::failingKind() const
{
    return lastWrite_ == WriteKind::Remove && bulkDepth_ > 0 ? WriteKind::RemoveAll : lastWrite_;
}

namespace {
// Messages of the catalogue's own (a number that cannot be stored, a file that
// is no longer ours) already say everything; SQLite's failures get the whole story.
CatalogueError failure(WriteKind kind, const QString& fileName, const CatalogueError& error)
{
    if (error.code() == 0)
        return error;
    return CatalogueError(writeFailed(kind, fileName, error.message()), error.code());
}
} // namespace

void CatalogueDatabase::write(WriteKind kind, const std::function<void()>& body)
{
    lastWrite_ = kind;
    try {
        beginWrite();
        body();
        if (bulkDepth_ == 0)
            commitWrite();
    } catch (const CatalogueError& e) {
        undoWrite();
        throw failure(failingKind(), fileName_, e);
    } catch (...) {
        undoWrite();
        throw;
    }
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
        throw failure(db_.failingKind(), db_.fileName_, e);
    }
}

} // namespace catalogue
