#pragma once
// The two kinds of find criterion the catalogue uses. The sought text is kept
// as a value and compared by the store, never joined into a query, so a
// director such as O'Brien is found like any other.

#include "Field.h"
#include "PackedRow.h"

#include <QByteArray>
#include <QString>

namespace catalogue {

class Criterion {
public:
    // The film number, written as plain decimal text, equals the text.
    static Criterion numberIs(const QString& numberText);
    // The director equals the text, letter case ignored; accents and punctuation count.
    static Criterion directorIs(const QString& director);

    bool matches(const PackedRow& row) const;
    Field field() const { return field_; }
    const QString& text() const { return text_; }

private:
    Criterion(Field field, QString text, QByteArray compareForm)
        : field_(field), text_(std::move(text)), compareForm_(std::move(compareForm))
    {}
    Field field_;
    QString text_;
    QByteArray compareForm_; // the sought text as UTF-8, the form the rows are kept in
};

} // namespace catalogue
