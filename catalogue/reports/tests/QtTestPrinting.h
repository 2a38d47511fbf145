#pragma once

// Lets test failures show Qt texts as texts. Every test file includes this
// before GoogleTest, so that all of them print a QString the same way.

#include <QString>
#include <QStringView>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(QStringView text, std::ostream* out)
{
    *out << '"' << text.toString().toStdString() << '"';
}
