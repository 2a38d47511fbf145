#pragma once
// Lets GoogleTest failures show Qt texts as texts. Include it before the
// GoogleTest headers, so that every test prints a QString the same way.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(QStringView text, std::ostream* os)
{
    PrintTo(text.toString(), os);
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}
