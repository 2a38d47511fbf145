#pragma once

#include <QStringView>

namespace catalogue {

// The number a text begins with, read the way the catalogue has always read a
// CD count: blanks, tabs and line feeds are skipped wherever they stand; then
// an optional sign, digits, a period and decimals, and an exponent (E or e,
// optional sign, digits); reading stops at the first other character. "&H" and
// "&O" (either case) start a hexadecimal or octal whole number. A text that
// does not begin with a number gives 0, and the period is the only decimal
// separator, so "1,5" gives 1. A value too large for a double gives an
// infinity of its sign; one too small gives 0.
double numericValue(QStringView text);

} // namespace catalogue
