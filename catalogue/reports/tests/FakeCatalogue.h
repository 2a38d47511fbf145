#pragma once

#include "ReportSource.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace catalogue::testing {

// An in-memory stand-in for the data control: a table in database order and
// a record set that each re-query rebuilds by the query's ORDER BY
// (film number and CDs as numbers, the rest as text regardless of case;
// ties keep the database order). Every re-query is logged in `events`.
class FakeCatalogue final : public ReportSource {
public:
    FakeCatalogue(std::vector<MovieRecord> films, QStringList& events);

    qint64 RecordCount() override;
    void requery(QStringView recordSource) override;
    void MoveFirst() override;
    void MoveNext() override;
    void MoveLast() override;
    bool Eof() override;
    QString text(Field field) override;

    QString recordSource() const { return recordSource_; }
    // The film the window shows, as its title; empty past the end.
    QString shownTitle() const;

    // Makes the re-query fail with this text, as the store fails.
    std::optional<QString> requeryFailure;

private:
    std::vector<MovieRecord> films_;
    QStringList& events_;
    QString recordSource_ = QStringLiteral("Pelis");
    std::vector<std::size_t> order_;
    std::size_t position_ = 0;
};

// A catalogue of `count` generated films that costs no memory per film,
// for listings far beyond the old 32,767 limit. Film i (from 1) has number
// i, title "Película i", and i % 4 CDs.
class GeneratedCatalogue final : public ReportSource {
public:
    explicit GeneratedCatalogue(qint64 count) : count_(count) {}

    qint64 RecordCount() override { return count_; }
    void requery(QStringView) override { position_ = 0; }
    void MoveFirst() override { position_ = 0; }
    void MoveNext() override { ++position_; }
    void MoveLast() override { position_ = count_ - 1; }
    bool Eof() override { return position_ >= count_; }
    QString text(Field field) override;

private:
    qint64 count_;
    qint64 position_ = 0;
};

// The small catalogue of the byte-exact report files: accents, an empty
// field, CD counts 1, 0, 2, 3 and empty, and a title outside Windows-1252.
std::vector<MovieRecord> sampleFilms();

} // namespace catalogue::testing
