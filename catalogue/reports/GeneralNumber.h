#pragma once

#include <QLocale>
#include <QString>

namespace catalogue {

// A double in general number form: no thousands separator, the locale's
// decimal separator, no trailing zeros, at most 15 significant digits, and
// an exponent only where 15 digits cannot hold the value (1E+15). With a
// Spanish locale 37 gives "37", 37/25 gives "1,48".
QString generalNumber(double value, const QLocale& locale);

} // namespace catalogue
