#include "PelisColumns.h"
#include "FieldValues.h"

#include <cmath>

namespace catalogue::jet {

bool PelisColumns::take(const JetColumn& column)
{
    const auto field = fieldForColumn(column.name);
    if (!field || sources_[indexOf(*field)])
        return false;
    sources_[indexOf(*field)] = Source{column, taken_++};
    return true;
}

bool PelisColumns::takeAsRead(const JetTableRead& read)
{
    std::vector<int> taken;
    for (std::size_t i = 0; i < read.columns.size(); ++i)
        if (take(read.columns[i]))
            taken.push_back(int(i));
    return taken == read.read;
}

QString PelisColumns::problem() const
{
    for (Field f : allFields) {
        const auto& source = sources_[indexOf(f)];
        if (source &&
            (source->column.kind == JetKind::Other || (isWholeNumber(f) && source->column.kind == JetKind::DateTime)))
            return QStringLiteral("la columna %1 de la tabla Pelis es de tipo %2, que no se puede pasar a %3")
                .arg(source->column.name, source->column.typeName,
                     isWholeNumber(f) ? QStringLiteral("un número") : QStringLiteral("un texto"));
    }
    return {};
}

std::vector<MovieRecord> PelisColumns::rows(const JetTableRead& read) const
{
    std::vector<MovieRecord> rows(read.rowCount);
    for (Field f : allFields) {
        const auto& source = sources_[indexOf(f)];
        if (!source)
            continue;
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r][indexOf(f)] = fieldText(f, source->column.kind, read.value(r, source->readIndex));
    }
    return rows;
}

QString fieldText(Field field, JetKind kind, const QString& value)
{
    // Jet keeps a time of day as a date on its day zero; Access shows only the time.
    static const QString dayZero = QStringLiteral("1899-12-30 ");
    if (kind == JetKind::DateTime && value.startsWith(dayZero))
        return value.mid(dayZero.size());
    if (!isWholeNumber(field))
        return value;
    if (kind == JetKind::Number) {
        QString decimal = value;
        decimal.replace(u',', u'.'); // the library writes numbers in the current locale
        bool ok = false;
        const double number = decimal.toDouble(&ok);
        if (ok && number == std::floor(number) && std::fabs(number) < 9e15)
            return QString::number(qint64(number));
        return decimal;
    }
    return storedForm(field, value);
}

} // namespace catalogue::jet
