#include "common/Money.h"

#include <cmath>

namespace vorn {

double RoundAmount(int decimals, long double value)
{
    long double factor = 1.0L;
    for (int i = 0, n = decimals < 0 ? -decimals : decimals; i < n; ++i)
        factor *= 10.0L;
    const long double scaled = value * factor;
    const long double whole = std::trunc(scaled);
    const double fraction = static_cast<double>(std::fabs(scaled - whole));
    if (fraction - 0.5 < -0.00000001)
        return static_cast<double>(whole / factor);
    if (scaled > 0)
        return static_cast<double>((whole + 1.0L) / factor);
    return static_cast<double>((whole - 1.0L) / factor);
}

namespace {

QString groupDigits(const QString& digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(' ');
        out += digits.at(i);
    }
    return out;
}

// Whole and hundredths parts of |value| rounded to the grosz, as digit strings.
void splitAmount(double value, QString* whole, QString* cents, bool* negative)
{
    const double rounded = RoundAmount(2, value);
    // Hundredths as an integer: the rounded value is within float noise of a whole grosz.
    const long long c = std::llround(std::fabs(rounded) * 100.0);
    *whole = QString::number(c / 100);
    *cents = QStringLiteral("%1").arg(c % 100, 2, 10, QLatin1Char('0'));
    *negative = c != 0 && rounded < 0;
}

} // namespace

QString FormatAmount(double value)
{
    QString whole, cents;
    bool negative = false;
    splitAmount(value, &whole, &cents, &negative);
    return (negative ? QStringLiteral("-") : QString()) + groupDigits(whole) + QLatin1Char(',') +
           cents;
}

QString FormatAmountEdit(double value)
{
    QString whole, cents;
    bool negative = false;
    splitAmount(value, &whole, &cents, &negative);
    return (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + cents;
}

bool ParseAmount(const QString& text, double* value)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return false;
    int i = 0;
    if (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+'))
        ++i;
    int digits = 0, dots = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == QLatin1Char('.') && ++dots == 1)
            continue;
        else
            return false;
    }
    if (digits == 0)
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace vorn
