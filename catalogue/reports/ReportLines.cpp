#include "ReportLines.h"

#include "JoinedText.h"

namespace catalogue {

QString separatorLine()
{
    return QString(80, u'-');
}

QStringView fieldLabel(Box box)
{
    switch (box) {
    case Box::a: return u"Número Película    ---> ";
    case Box::b: return u"Título De Película ---> ";
    case Box::c: return u"Duracion Película  ---> ";
    case Box::d: return u"Tipo De Película   ---> ";
    case Box::e: return u"Director Película  ---> ";
    case Box::f: return u"Número De Cd's     ---> ";
    case Box::g: return u"Codec Utilizado    ---> ";
    }
    return {};
}

QString fieldLine(Box box, QStringView boxText)
{
    return joinedText(fieldLabel(box), boxText);
}

std::array<QString, 7> entryLines(const std::array<QString, 7>& boxTexts)
{
    std::array<QString, 7> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = fieldLine(kAllBoxes[i], boxTexts[i]);
    return lines;
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
