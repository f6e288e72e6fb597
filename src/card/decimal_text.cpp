#include "decimal_text.h"

#include <QString>

#include <charconv>

namespace DecimalText {

namespace {

constexpr qsizetype PlainLength = 32;

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// An optional minus, whole digits without a leading zero (a lone zero
// aside), and an optional point with digits after it. Anything else
// (signs, exponents, spaces, "inf") is left to Qt.
bool isPlainDecimal(QStringView text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const qsizetype wholeDigits = i - wholeStart;
    if (wholeDigits == 0 || (wholeDigits > 1 && text[wholeStart] == QLatin1Char('0')))
        return false;
    if (i == text.size())
        return true;
    if (text[i] != QLatin1Char('.'))
        return false;
    const qsizetype fractionStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > fractionStart && i == text.size();
}

} // namespace

double toDouble(QStringView text, bool *ok)
{
    if (text.size() <= PlainLength && isPlainDecimal(text)) {
        char ascii[PlainLength];
        for (qsizetype i = 0; i < text.size(); ++i)
            ascii[i] = char(text[i].unicode());
        double value = 0;
        const auto [end, error] = std::from_chars(ascii, ascii + text.size(), value);
        if (error == std::errc() && end == ascii + text.size()) {
            if (ok)
                *ok = true;
            return value;
        }
    }
    return text.toDouble(ok);
}

double rounded(double value, int decimals)
{
    return toDouble(QString::number(value, 'f', decimals));
}

} // namespace DecimalText
