#include "GeneralNumber.h"

namespace catalogue {

QString generalNumber(double value, const QLocale& locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'g', 15);
}

} // namespace catalogue
