#pragma once
// How the catalogue compares text, the way a Spanish reader expects: letter
// case never matters ("ÁLVARO" equals "álvaro"), an accent counts only between
// texts whose letters are the same ("Alvaro" before "Álvaro", but "Álvarez"
// before "Alvaro"), and "ñ" is a letter of its own between "n" and "o".

#include <QByteArray>
#include <QStringView>

#include <string_view>

namespace catalogue {

// A byte string whose plain byte order is the collation order: two texts
// compare equal exactly when their keys are equal.
QByteArray collationKey(QStringView text);
QByteArray collationKey(std::string_view utf8);
void appendCollationKey(QByteArray& key, std::string_view utf8);

int compareText(QStringView a, QStringView b);
bool textEquals(QStringView a, QStringView b);

} // namespace catalogue
