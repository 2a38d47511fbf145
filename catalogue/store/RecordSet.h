#pragma once
// The rows of Pelis in the browse order in force, with one of them current.
// Every change is written to the file at once and mirrored here, so moving and
// reading the current row cost nothing; a refresh reads the file again only
// when another program has written to it.

#include "CatalogueDatabase.h"
#include "Criterion.h"
#include "Field.h"
#include "RecordSource.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace catalogue {

class RecordSetObserver {
public:
    virtual ~RecordSetObserver() = default;
    // Called before the current row changes and before a new row is stored:
    // the moment to write what the user typed into the current row.
    virtual void commitEdits() = 0;
    // Called after the current row changed (or stopped being there).
    virtual void currentRowChanged() = 0;
};

class RecordSet {
public:
    explicit RecordSet(CatalogueDatabase& database) : db_(database) {}

    // Reads the rows again from the file, in the given order; the first row becomes current.
    void rebuild(const RecordSourceOrder& order);

    std::int64_t RecordCount() const { return liveCount_; }
    // True when the position is past the last row; at once for an empty set.
    bool Eof() const;
    bool hasCurrentRow() const { return state_ == State::OnRow; }
    bool isAdding() const { return state_ == State::Adding; }
    bool isOnFirstRow() const;
    bool isOnLastRow() const;

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    // A new, empty row becomes current; nothing is stored until Update.
    void AddNew();
    // Stores the new row. On failure nothing is stored and the new row stays current.
    void Update();
    // Discards the new row; the row that was current before AddNew is current again.
    void CancelUpdate();
    // Deletes the current row from the file at once; no row is current until the next move.
    void Delete();

    void FindFirst(const Criterion& criterion);
    void FindNext(const Criterion& criterion);
    void FindPrevious(const Criterion& criterion);
    bool NoMatch() const { return noMatch_; }

    // The current row's field as text; empty when there is no current row.
    QString text(Field field) const;
    // Writes into the current row (stored in the file at once) or into the new row.
    void setText(Field field, const QString& text);

    void setObserver(RecordSetObserver* observer) { observer_ = observer; }

private:
    enum class State { OnRow, NoRow, Adding };
    struct Row {
        StoredRow stored;
        bool deleted = false;
    };

    std::vector<StoredRow> currentRows();
    void commitEdits();
    void changed();
    void leaveNewRow();
    void moveTo(std::size_t index);
    std::size_t firstLiveFrom(std::size_t index) const;
    std::ptrdiff_t lastLiveBefore(std::size_t index) const;
    std::size_t insertionPoint(const PackedRow& values) const;
    void find(const Criterion& criterion, std::ptrdiff_t from, int step);

    CatalogueDatabase& db_;
    RecordSourceOrder order_;
    std::vector<Row> rows_;
    std::int64_t liveCount_ = 0;
    State state_ = State::NoRow;
    std::size_t pos_ = 0;
    bool noMatch_ = false;

    MovieRecord newRow_;
    State savedState_ = State::NoRow;
    std::size_t savedPos_ = 0;

    RecordSetObserver* observer_ = nullptr;
};

} // namespace catalogue
