#include "ReportLines.h"

#include "JoinedText.h"

namespace catalogue {
namespace {

QStringView fieldLabel(Field field)
{
    switch (field) {
    case Field::Idzefo: return u"Número Película    ---> ";
    case Field::Titulo: return u"Título De Película ---> ";
    case Field::Duracion: return u"Duracion Película  ---> ";
    case Field::Tipopeli: return u"Tipo De Película   ---> ";
    case Field::Director: return u"Director Película  ---> ";
    case Field::Totalcds: return u"Número De Cd's     ---> ";
    case Field::Codec: return u"Codec Utilizado    ---> ";
    }
    return {};
}

} // namespace

QString separatorLine()
{
    return QString(80, u'-');
}

QString fieldLine(Field field, QStringView boxText)
{
    return joinedText(fieldLabel(field), boxText);
}

QString titleLine(QStringView number, QStringView title)
{
    return joinedText(u"P", number, u" -> ", title);
}

QString totalLine(QStringView totalLabel, qint64 count)
{
    return joinedText(totalLabel, QString::number(count));
}

QString listingDoneMessage(qint64 count, QStringView messageTail)
{
    return joinedText(u"Trabajo Realizado... Hay ", QString::number(count), messageTail);
}

} // namespace catalogue
