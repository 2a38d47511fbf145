#pragma once

#include "ReportPorts.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace catalogue::testing {

using FilmTexts = std::array<QString, 7>; // boxes a to g

// An in-memory stand-in for the data control: a table in database order and
// a record set that each re-query rebuilds by the query's ORDER BY
// (film number and CDs as numbers, the rest as text regardless of case;
// ties keep the database order). Every step is logged in `events`.
class FakeCatalogue final : public ReportSource {
public:
    FakeCatalogue(std::vector<FilmTexts> films, QStringList& events);

    qint64 recordCount() override;
    StepFailure requery(QStringView recordSource) override;
    StepFailure moveFirst() override;
    StepFailure moveNext() override;
    StepFailure moveLast() override;
    bool eof() override;
    QString boxText(Box box) override;

    QString recordSource() const { return m_recordSource; }
    // The film the window shows, as its title; empty past the end.
    QString shownTitle() const;

    // Makes the re-query fail with this text.
    std::optional<QString> requeryFailure;

private:
    std::vector<FilmTexts> m_films;
    QStringList& m_events;
    QString m_recordSource = QStringLiteral("Pelis");
    std::vector<std::size_t> m_order;
    std::size_t m_position = 0;
};

// A catalogue of `count` generated films that costs no memory per film,
// for listings far beyond the old 32,767 limit. Film i (from 1) has number
// i, title "Película i", and i % 4 CDs.
class GeneratedCatalogue final : public ReportSource {
public:
    explicit GeneratedCatalogue(qint64 count) : m_count(count) {}

    qint64 recordCount() override { return m_count; }
    StepFailure requery(QStringView) override { m_position = 0; return std::nullopt; }
    StepFailure moveFirst() override { m_position = 0; return std::nullopt; }
    StepFailure moveNext() override { ++m_position; return std::nullopt; }
    StepFailure moveLast() override { m_position = m_count - 1; return std::nullopt; }
    bool eof() override { return m_position >= m_count; }
    QString boxText(Box box) override;

private:
    qint64 m_count;
    qint64 m_position = 0;
};

// The small catalogue of the byte-exact report files: accents, an empty
// field, CD counts 1, 0, 2, 3 and empty, and a title outside Windows-1252.
std::vector<FilmTexts> sampleFilms();

} // namespace catalogue::testing
