#include "Field.h"

namespace catalogue {

QString columnName(Field f)
{
    static const std::array<QString, fieldCount> names{
        QStringLiteral("idzefo"),   QStringLiteral("titulo"),   QStringLiteral("duración"), QStringLiteral("tipopeli"),
        QStringLiteral("director"), QStringLiteral("totalcds"), QStringLiteral("codec")};
    return names[indexOf(f)];
}

QString boxName(Field f)
{
    return QString(QChar(u'a' + int(indexOf(f))));
}

std::optional<Field> fieldForColumn(const QString& name)
{
    for (Field f : allFields)
        if (name.compare(columnName(f), Qt::CaseInsensitive) == 0)
            return f;
    return std::nullopt;
}

} // namespace catalogue
