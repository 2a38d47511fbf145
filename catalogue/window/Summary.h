#pragma once
// The figures of the summary panel, apart from the labels that show them.
#include <QLocale>
#include <QString>

#include <cstdint>

namespace catalogue {

// Seconds of a running time written "hh:mm:ss": characters 1-2 are hours,
// 4-5 minutes, and the leading digits of 7-8 seconds. A pair that is not a
// number counts as 0.
std::int64_t runningTimeSeconds(const QString& text);

// Hours, minutes and seconds without leading zeros: 5707 gives 1:35:7, and
// -18030 gives -5:0:30 (the sign once, in front).
QString formatHoursMinutesSeconds(std::int64_t seconds);

// Days with the mask "###.##": no leading zero, the separator always, at most
// two decimals without trailing zeros: 2.5 gives "2,5", 3 gives "3,", 0.25 ",25",
// and -0.21 "-,21".
QString formatDays(double days, const QLocale& locale);

} // namespace catalogue
