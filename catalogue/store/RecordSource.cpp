#include "RecordSource.h"
#include "CatalogueError.h"

#include <QRegularExpression>

namespace catalogue {

namespace {

[[noreturn]] void refuse(const QString& source, const QString& why)
{
    throw CatalogueError(QStringLiteral("El origen de datos \"%1\" no es válido: %2.").arg(source, why));
}

bool isTableName(QString name)
{
    name = name.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    return name.compare(QLatin1String("Pelis"), Qt::CaseInsensitive) == 0;
}

SortTerm parseTerm(const QString& source, const QString& text)
{
    static const QRegularExpression termPattern(
        QStringLiteral(R"(^\s*(?:\[([^\]]+)\]|([^\s\[\],]+))\s*(?:(ASC|DESC)\s*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = termPattern.match(text);
    if (!m.hasMatch())
        refuse(source, QStringLiteral("no se entiende el orden \"%1\"").arg(text.trimmed()));
    const QString column = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    const auto field = fieldForColumn(column.trimmed());
    if (!field)
        refuse(source, QStringLiteral("la tabla Pelis no tiene la columna \"%1\"").arg(column));
    return {*field, m.captured(3).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0};
}

} // namespace

RecordSourceOrder parseRecordSource(const QString& source)
{
    if (isTableName(source))
        return {};

    static const QRegularExpression queryPattern(
        QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+(\[[^\]]+\]|\w+)\s*(?:ORDER\s+BY\s+(.+?))?\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption |
            QRegularExpression::UseUnicodePropertiesOption);
    const auto m = queryPattern.match(source);
    if (!m.hasMatch())
        refuse(source, QStringLiteral("sólo se admite la tabla Pelis o \"select * FROM [Pelis] ORDER BY ...\""));
    if (!isTableName(m.captured(1)))
        refuse(source, QStringLiteral("la única tabla del catálogo es Pelis"));

    RecordSourceOrder order;
    const QString orderBy = m.captured(2);
    if (!orderBy.isEmpty())
        for (const QString& term : orderBy.split(u','))
            order.terms.push_back(parseTerm(source, term));
    return order;
}

} // namespace catalogue
