#include "NumberText.h"

#include <cmath>
#include <limits>

namespace qx740 {

namespace {
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}
} // namespace

std::optional<long double> parseLocaleNumber(const QString& text, const QString& decimalPoint)
{
    qsizetype i = 0, end = text.size();
    while (i < end && isBlank(text.at(i)))
        ++i;
    while (end > i && isBlank(text.at(end - 1)))
        --end;

    bool negative = false;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long double mantissa = 0;
    int scale = 0;
    int digits = 0;
    bool seenPoint = false;
    while (i < end) {
        const QChar ch = text.at(i);
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            mantissa = mantissa * 10 + (ch.unicode() - '0');
            if (seenPoint)
                --scale;
            ++digits;
            ++i;
        } else if (!seenPoint && !decimalPoint.isEmpty() &&
                   QStringView(text).sliced(i).startsWith(decimalPoint)) {
            seenPoint = true;
            i += decimalPoint.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        bool expNegative = false;
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            expNegative = text.at(i) == QLatin1Char('-');
            ++i;
        }
        int expDigits = 0;
        int exponent = 0;
        while (i < end && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text.at(i).unicode() - '0');
            ++expDigits;
            ++i;
        }
        if (expDigits == 0)
            return std::nullopt;
        scale += expNegative ? -exponent : exponent;
    }
    if (i != end)
        return std::nullopt;
    long double v = mantissa * std::pow(10.0L, scale);
    if (!std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

std::optional<long double> judgementNumber(const QString& text, const QString& decimalPoint)
{
    auto v = parseLocaleNumber(text, decimalPoint);
    if (v && *v == -999999.0L)
        return std::nullopt;
    return v;
}

std::optional<int> parseInteger(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

QString notAnIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace qx740
