#pragma once
// The two kinds of find criterion the catalogue uses. The sought text is kept
// as a value and compared by the store, never joined into a query, so a
// director such as O'Brien is found like any other.

#include "Field.h"

#include <QString>

namespace catalogue {

class Criterion {
public:
    // The film number, written as plain decimal text, equals the text.
    static Criterion numberIs(const QString& numberText) { return {Field::Idzefo, numberText}; }
    // The director equals the text, letter case ignored.
    static Criterion directorIs(const QString& director) { return {Field::Director, director}; }

    bool matches(const MovieRecord& row) const;
    Field field() const { return field_; }
    const QString& text() const { return text_; }

private:
    Criterion(Field field, QString text) : field_(field), text_(std::move(text)) {}
    Field field_;
    QString text_;
};

} // namespace catalogue
