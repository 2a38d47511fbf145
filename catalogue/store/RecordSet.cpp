#include "RecordSet.h"
#include "FieldValues.h"
#include "SortKey.h"
#include "CatalogueError.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

namespace catalogue {

std::vector<StoredRow> RecordSet::currentRows()
{
    // Every write of this program is mirrored here, so unless someone else
    // wrote to the file the rows in memory are the file's rows.
    if (db_.changedElsewhere())
        return db_.loadAll();
    std::vector<StoredRow> rows;
    rows.reserve(std::size_t(liveCount_));
    for (Row& row : rows_)
        if (!row.deleted)
            rows.push_back(std::move(row.stored));
    return rows;
}

void RecordSet::rebuild(const RecordSourceOrder& order)
{
    commitEdits();
    std::vector<StoredRow> current = currentRows();

    std::vector<std::size_t> sequence(current.size());
    std::iota(sequence.begin(), sequence.end(), std::size_t{0});
    const std::size_t termCount = order.terms.size();
    // All keys in one buffer: a key per row and term would cost an allocation
    // each, and a two-term order of a large catalogue would double the memory.
    // The buffer is reserved generously (a collation key takes one to two
    // bytes a UTF-8 byte; the rare longer one only makes the buffer grow);
    // pages that stay unused are never touched, so they cost no memory.
    std::string keyBytes;
    std::size_t keyBytesBound = 0;
    for (const StoredRow& row : current)
        for (const SortTerm& term : order.terms)
            keyBytesBound += row.values.utf8(term.field).size() * 4 + 9;
    keyBytes.reserve(keyBytesBound);
    std::vector<std::size_t> keyStarts(current.size() * termCount + 1, 0);
    for (std::size_t i = 0; i < current.size(); ++i)
        for (std::size_t t = 0; t < termCount; ++t) {
            const Field f = order.terms[t].field;
            appendSortKey(keyBytes, f, current[i].values.utf8(f));
            keyStarts[i * termCount + t + 1] = keyBytes.size();
        }
    const auto keyOf = [&](std::size_t row, std::size_t term) {
        const std::size_t k = row * termCount + term;
        return std::string_view(keyBytes).substr(keyStarts[k], keyStarts[k + 1] - keyStarts[k]);
    };
    // Rows with equal keys keep the order of addition, the order of their rowids.
    std::sort(sequence.begin(), sequence.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t t = 0; t < termCount; ++t) {
            const std::string_view ka = keyOf(a, t);
            const std::string_view kb = keyOf(b, t);
            if (ka == kb)
                continue;
            return order.terms[t].descending ? kb < ka : ka < kb;
        }
        return current[a].rowid < current[b].rowid;
    });

    std::vector<Row> rows;
    rows.reserve(current.size());
    for (std::size_t i : sequence)
        rows.push_back(Row{std::move(current[i]), false});

    order_ = order;
    rows_ = std::move(rows);
    liveCount_ = std::int64_t(rows_.size());
    noMatch_ = false;
    state_ = rows_.empty() ? State::NoRow : State::OnRow;
    pos_ = 0;
    changed();
}

bool RecordSet::Eof() const
{
    return state_ == State::NoRow && pos_ >= rows_.size();
}

bool RecordSet::isOnFirstRow() const
{
    return state_ == State::OnRow && lastLiveBefore(pos_) < 0;
}

bool RecordSet::isOnLastRow() const
{
    return state_ == State::OnRow && firstLiveFrom(pos_ + 1) >= rows_.size();
}

std::size_t RecordSet::firstLiveFrom(std::size_t index) const
{
    while (index < rows_.size() && rows_[index].deleted)
        ++index;
    return index;
}

std::ptrdiff_t RecordSet::lastLiveBefore(std::size_t index) const
{
    auto i = std::ptrdiff_t(std::min(index, rows_.size())) - 1;
    while (i >= 0 && rows_[std::size_t(i)].deleted)
        --i;
    return i;
}

void RecordSet::commitEdits()
{
    if (observer_)
        observer_->commitEdits();
}

void RecordSet::changed()
{
    if (observer_)
        observer_->currentRowChanged();
}

void RecordSet::leaveNewRow()
{
    if (state_ != State::Adding)
        return;
    state_ = savedState_;
    pos_ = savedPos_;
    newRow_ = {};
}

void RecordSet::moveTo(std::size_t index)
{
    pos_ = std::min(index, rows_.size());
    state_ = pos_ < rows_.size() ? State::OnRow : State::NoRow;
    changed();
}

void RecordSet::MoveFirst()
{
    commitEdits();
    leaveNewRow();
    moveTo(firstLiveFrom(0));
}

void RecordSet::MoveLast()
{
    commitEdits();
    leaveNewRow();
    const std::ptrdiff_t last = lastLiveBefore(rows_.size());
    moveTo(last < 0 ? rows_.size() : std::size_t(last));
}

void RecordSet::MoveNext()
{
    commitEdits();
    leaveNewRow();
    if (pos_ >= rows_.size())
        return moveTo(rows_.size());
    moveTo(firstLiveFrom(pos_ + 1));
}

void RecordSet::MovePrevious()
{
    commitEdits();
    leaveNewRow();
    const std::ptrdiff_t previous = lastLiveBefore(pos_);
    if (previous >= 0)
        return moveTo(std::size_t(previous));
    // Before the first row there is nothing to show; stay on the first one.
    moveTo(firstLiveFrom(0));
}

void RecordSet::AddNew()
{
    commitEdits();
    leaveNewRow();
    savedState_ = state_;
    savedPos_ = pos_;
    newRow_ = {};
    state_ = State::Adding;
    changed();
}

std::size_t RecordSet::insertionPoint(const PackedRow& values) const
{
    if (order_.terms.empty())
        return rows_.size();
    // After every row that sorts before or with it: a new row comes last among equals.
    auto it = std::upper_bound(rows_.begin(), rows_.end(), values, [&](const PackedRow& v, const Row& row) {
        return compareRows(order_, v, row.stored.values) < 0;
    });
    return std::size_t(it - rows_.begin());
}

void RecordSet::Update()
{
    if (state_ != State::Adding)
        throw CatalogueError(QStringLiteral("No hay ninguna película nueva que guardar."));
    commitEdits();
    MovieRecord values;
    for (Field f : allFields)
        values[indexOf(f)] = storedForm(f, newRow_[indexOf(f)]);
    StoredRow stored{db_.insert(newRow_), PackedRow(values)};
    const std::size_t at = insertionPoint(stored.values);
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), Row{std::move(stored), false});
    ++liveCount_;
    newRow_ = {};
    noMatch_ = false;
    moveTo(at);
}

void RecordSet::CancelUpdate()
{
    if (state_ != State::Adding)
        return;
    leaveNewRow();
    changed();
}

void RecordSet::Delete()
{
    if (state_ != State::OnRow)
        throw CatalogueError(QStringLiteral("No hay ninguna película en pantalla que borrar."));
    Row& row = rows_[pos_];
    db_.remove(row.stored.rowid);
    // The values stay: they keep the sequence sorted for rows added later.
    row.deleted = true;
    --liveCount_;
    state_ = State::NoRow;
    changed();
}

void RecordSet::find(const Criterion& criterion, std::ptrdiff_t from, int step)
{
    commitEdits();
    leaveNewRow();
    for (std::ptrdiff_t i = from; i >= 0 && i < std::ptrdiff_t(rows_.size()); i += step) {
        const Row& row = rows_[std::size_t(i)];
        if (!row.deleted && criterion.matches(row.stored.values)) {
            noMatch_ = false;
            moveTo(std::size_t(i));
            return;
        }
    }
    noMatch_ = true;
}

void RecordSet::FindFirst(const Criterion& criterion)
{
    find(criterion, 0, +1);
}

void RecordSet::FindNext(const Criterion& criterion)
{
    find(criterion, std::ptrdiff_t(pos_) + 1, +1);
}

void RecordSet::FindPrevious(const Criterion& criterion)
{
    find(criterion, std::ptrdiff_t(std::min(pos_, rows_.size())) - 1, -1);
}

QString RecordSet::text(Field field) const
{
    if (state_ == State::Adding)
        return newRow_[indexOf(field)];
    if (state_ == State::OnRow)
        return rows_[pos_].stored.values.text(field);
    return {};
}

void RecordSet::setText(Field field, const QString& text)
{
    if (state_ == State::Adding) {
        newRow_[indexOf(field)] = text;
        return;
    }
    if (state_ != State::OnRow)
        return;
    Row& row = rows_[pos_];
    if (row.stored.values.text(field) == text)
        return;
    db_.updateField(row.stored.rowid, field, text);
    row.stored.values.set(field, storedForm(field, text));
}

} // namespace catalogue
