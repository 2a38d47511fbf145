#include "GeneralNumber.h"

namespace catalogue {

QString generalNumber(double value, const QLocale& locale)
{
    // Digits, sign and exponent are the same everywhere; only the decimal
    // separator is the user's. A locale's own minus sign (U+2212) or exponent
    // form ("×10^") would not survive a Windows-1252 file.
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'g', 15).toUpper();
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

} // namespace catalogue
