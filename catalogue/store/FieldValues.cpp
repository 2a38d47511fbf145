#include "FieldValues.h"

namespace catalogue {

namespace {

// The embeddings, overrides and isolates of bidirectional text: one typed
// into a title would turn the rest of it around on screen and in the reports.
bool isDirectionControl(QChar c)
{
    return (c.unicode() >= 0x202A && c.unicode() <= 0x202E) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
}

bool isControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || isDirectionControl(c);
}

} // namespace

QString withoutControls(QString text)
{
    for (QChar& c : text)
        if (isControl(c))
            c = u' ';
    return text;
}

std::optional<std::int64_t> parseWholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isTooBigWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype digitsFrom = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    if (trimmed.size() <= digitsFrom)
        return false;
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i)
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return false;
    return !parseWholeNumber(trimmed);
}

QString storedForm(Field field, const QString& text)
{
    if (isWholeNumber(field)) {
        if (text.trimmed().isEmpty())
            return QString();
        const auto number = parseWholeNumber(text);
        return number ? QString::number(*number) : text;
    }
    return withoutControls(text);
}

} // namespace catalogue
