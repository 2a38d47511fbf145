#pragma once
// For the tests of every layer: the one way to make a film.
#include "Field.h"

#include <QString>

namespace catalogue::testing {

// A film with a number and a title; what else a test needs is named:
// film("7", "Alien").director("Ridley Scott").cds("2").
class FilmBuilder {
public:
    FilmBuilder(const QString& number, const QString& title)
        : record_{number,
                  title,
                  QStringLiteral("01:30:00"),
                  QStringLiteral("DvD-Rip"),
                  QString(),
                  QStringLiteral("1"),
                  QStringLiteral("Divx5.02")}
    {}
    FilmBuilder time(const QString& text) const { return with(Field::Duracion, text); }
    FilmBuilder kind(const QString& text) const { return with(Field::Tipopeli, text); }
    FilmBuilder director(const QString& text) const { return with(Field::Director, text); }
    FilmBuilder cds(const QString& text) const { return with(Field::Totalcds, text); }
    FilmBuilder codec(const QString& text) const { return with(Field::Codec, text); }
    operator MovieRecord() const { return record_; }

private:
    FilmBuilder with(Field field, const QString& text) const
    {
        FilmBuilder changed = *this;
        changed.record_[indexOf(field)] = text;
        return changed;
    }
    MovieRecord record_;
};

inline FilmBuilder film(const QString& number, const QString& title)
{
    return {number, title};
}

} // namespace catalogue::testing
