#include "Summary.h"

#include <cmath>

namespace catalogue {

namespace {

std::int64_t pairValue(const QString& text, qsizetype from)
{
    bool ok = false;
    const int value = text.mid(from, 2).trimmed().toInt(&ok);
    return ok ? value : 0;
}

std::int64_t leadingDigits(const QString& text, qsizetype from)
{
    const QString part = text.mid(from, 2);
    qsizetype i = 0;
    while (i < part.size() && part[i] == u' ')
        ++i;
    std::int64_t value = 0;
    for (; i < part.size() && part[i] >= u'0' && part[i] <= u'9'; ++i)
        value = value * 10 + (part[i].unicode() - u'0');
    return value;
}

// A negative figure (a running time typed with a minus sign) shows its sign
// once, in front; the parts after it are those of its size.
QString sign(bool negative)
{
    return negative ? QStringLiteral("-") : QString();
}

} // namespace

std::int64_t runningTimeSeconds(const QString& text)
{
    return pairValue(text, 0) * 3600 + pairValue(text, 3) * 60 + leadingDigits(text, 6);
}

QString formatHoursMinutesSeconds(std::int64_t seconds)
{
    const std::int64_t size = seconds < 0 ? -seconds : seconds;
    return sign(seconds < 0) + QStringLiteral("%1:%2:%3").arg(size / 3600).arg((size / 60) % 60).arg(size % 60);
}

QString formatDays(double days, const QLocale& locale)
{
    const auto signedHundredths = std::llround(days * 100.0);
    const auto hundredths = signedHundredths < 0 ? -signedHundredths : signedHundredths;
    const auto whole = hundredths / 100;
    const auto fraction = hundredths % 100;
    QString text = sign(signedHundredths < 0);
    if (whole)
        text += QString::number(whole);
    text += locale.decimalPoint();
    if (fraction) {
        QString decimals = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += decimals;
    }
    return text;
}

} // namespace catalogue
