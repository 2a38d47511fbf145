#pragma once

#include <QString>
#include <QStringView>

namespace catalogue {

// Joins texts with nothing between them, in one allocation.
template <typename... Parts>
QString joinedText(const Parts&... parts)
{
    QString text;
    text.reserve((QStringView(parts).size() + ...));
    (text.append(QStringView(parts)), ...);
    return text;
}

} // namespace catalogue
