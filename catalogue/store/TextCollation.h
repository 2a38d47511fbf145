#pragma once
// How the catalogue compares text, the way a Spanish reader expects: letter
// case never matters ("ÁLVARO" equals "álvaro"), an accent matters only after
// the letters themselves ("Alvaro" < "Álvaro" < "Alvarez" is false: letters
// first), and "ñ" is a letter of its own between "n" and "o".

#include <QByteArray>
#include <QStringView>

namespace catalogue {

// A byte string whose plain byte order is the collation order: two texts
// compare equal exactly when their keys are equal.
QByteArray collationKey(QStringView text);

int compareText(QStringView a, QStringView b);
bool textEquals(QStringView a, QStringView b);

} // namespace catalogue
