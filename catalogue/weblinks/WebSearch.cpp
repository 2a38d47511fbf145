#include "WebSearch.h"

#include <QByteArray>

namespace catalogue {
namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// One query value: "+" for a space, the unreserved as they are, the rest as %XX.
void appendQueryText(QStringView text, QString& query)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text.toUtf8()) {
        if (c == ' ') {
            query += u'+';
        } else if (isUnreserved(c)) {
            query += QLatin1Char(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            query += u'%';
            query += QLatin1Char(kHex[byte >> 4]);
            query += QLatin1Char(kHex[byte & 0xF]);
        }
    }
}

QString searchUrl(QStringView boxText, QStringView suffixWord)
{
    QString url = kWebSearchPrefix.toString();
    appendQueryText(boxText, url);
    url += u'+';
    appendQueryText(suffixWord, url);
    return url;
}

} // namespace

QString titleSearchUrl(QStringView title)
{
    return searchUrl(title, u"Duracion");
}

QString directorSearchUrl(QStringView director)
{
    return searchUrl(director, u"Biografía");
}

} // namespace catalogue
