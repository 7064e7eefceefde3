#include "platform/amount.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace td {

namespace {

__extension__ typedef __int128 Wide;

constexpr std::int64_t pow10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

std::optional<Amount> narrow(Wide value)
{
    if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return Amount::fromRaw(static_cast<std::int64_t>(value));
}

// Divides with ties to even, the rounding of a currency assignment.
Wide divideToEven(Wide numerator, Wide divisor)
{
    Wide q = numerator / divisor;
    Wide r = numerator % divisor;
    Wide twice = (r < 0 ? -r : r) * 2;
    if (twice > divisor || (twice == divisor && (q % 2 != 0)))
        q += (numerator < 0) ? -1 : 1;
    return q;
}

struct Decimal
{
    bool negative = false;
    QString whole;    // digits, no leading zeros except a lone "0"
    QString fraction; // digits
};

// Rounds a decimal text half away from zero to the given number of decimals.
Decimal roundAwayFromZero(Decimal d, int decimals)
{
    if (d.fraction.size() <= decimals) {
        d.fraction = d.fraction.leftJustified(decimals, u'0');
        return d;
    }
    const bool up = d.fraction.at(decimals) >= u'5';
    QString digits = d.whole + d.fraction.left(decimals);
    if (up) {
        int i = digits.size() - 1;
        while (i >= 0) {
            if (digits[i] == u'9') {
                digits[i] = u'0';
                --i;
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0)
            digits.prepend(u'1');
    }
    d.whole = digits.left(digits.size() - decimals);
    d.fraction = digits.right(decimals);
    return d;
}

QString groupThousands(const QString& digits)
{
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += digits[i];
    }
    return out;
}

QString stripLeadingZeros(QString digits)
{
    int i = 0;
    while (i < digits.size() - 1 && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

QString formatDecimal(Decimal d, QStringView format)
{
    if (d.whole.isEmpty())
        d.whole = QStringLiteral("0");
    int decimals = 0;
    int minDecimals = 0;
    if (format == u"0.00##") {
        decimals = 4;
        minDecimals = 2;
    } else if (format == u"0.00") {
        decimals = 2;
        minDecimals = 2;
    }
    Decimal r = roundAwayFromZero(d, decimals);
    r.whole = stripLeadingZeros(r.whole);
    while (r.fraction.size() > minDecimals && r.fraction.endsWith(u'0'))
        r.fraction.chop(1);
    const bool isZero = r.whole == u"0" && r.fraction.count(u'0') == r.fraction.size();
    if (isZero && (format == u"#,#" || format == u"#" || format == u"###"))
        return {};
    QString text = format == u"#,#" ? groupThousands(r.whole) : r.whole;
    if (!r.fraction.isEmpty())
        text += u',' + r.fraction;
    if (r.negative && !isZero)
        text.prepend(u'-');
    return text;
}

} // namespace

std::optional<Amount> Amount::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double scaled = value * Scale;
    if (std::fabs(scaled) >= 9.2e18)
        return std::nullopt;
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(scaled);
    std::fesetround(oldMode);
    return fromRaw(static_cast<std::int64_t>(rounded));
}

std::optional<Amount> Amount::plus(Amount other) const
{
    return narrow(Wide(m_raw) + other.m_raw);
}

std::optional<Amount> Amount::minus(Amount other) const
{
    return narrow(Wide(m_raw) - other.m_raw);
}

std::optional<Amount> Amount::times(Amount other) const
{
    return narrow(divideToEven(Wide(m_raw) * other.m_raw, Scale));
}

Amount Amount::roundedToEven(int decimals) const
{
    if (decimals >= 4)
        return *this;
    const Wide unit = pow10(4 - (decimals < 0 ? 0 : decimals));
    const auto r = narrow(divideToEven(m_raw, unit) * unit);
    return r ? *r : *this;
}

std::optional<Amount> parseGerman(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == u'-' || text.front() == u'+') {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    Wide whole = 0;
    Wide fraction = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    bool anyDigit = false;
    QChar previous;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            const int digit = c.unicode() - u'0';
            if (inFraction) {
                if (fractionDigits < 18) {
                    fraction = fraction * 10 + digit;
                    ++fractionDigits;
                }
            } else {
                whole = whole * 10 + digit;
                if (whole > Wide(std::numeric_limits<std::int64_t>::max() / Amount::Scale))
                    return std::nullopt;
            }
        } else if (c == u'.' && !inFraction && previous.isDigit()) {
            // thousands grouping: accepted between digits of the whole part
        } else if (c == u',' && !inFraction) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
        previous = c;
    }
    if (!anyDigit || previous == u'.')
        return std::nullopt;
    Wide raw = whole * Amount::Scale;
    if (fractionDigits <= 4) {
        raw += fraction * pow10(4 - fractionDigits);
    } else {
        raw += divideToEven(fraction, pow10(fractionDigits - 4));
    }
    return narrow(negative ? -raw : raw);
}

QString formatAmount(Amount value, QStringView format)
{
    const Wide raw = value.raw();
    const Wide magnitude = raw < 0 ? -raw : raw;
    Decimal d;
    d.negative = raw < 0;
    d.whole = QString::number(static_cast<qulonglong>(magnitude / Amount::Scale));
    d.fraction = QString::number(static_cast<qulonglong>(magnitude % Amount::Scale)).rightJustified(4, u'0');
    return formatDecimal(d, format);
}

QString amountText(Amount value)
{
    QString text = formatAmount(value, u"0.00##");
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u','))
        text.chop(1);
    return text;
}

QString formatDouble(double value, QStringView format)
{
    if (!std::isfinite(value))
        return {};
    // Twelve decimals fix the binary expansion before the decimal rounding,
    // so 2.675 formats as 2,68 like the figure the user sees.
    const QString text = QString::number(std::fabs(value), 'f', 12);
    const qsizetype dot = text.indexOf(u'.');
    Decimal d;
    d.negative = value < 0;
    d.whole = text.left(dot);
    d.fraction = text.mid(dot + 1);
    return formatDecimal(d, format);
}

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QString number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        number += text[i++];
    bool dot = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
        } else if (c == u'.' && !dot) {
            dot = true;
            number += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace td

namespace td {
std::optional<bool> parseBoolean(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseGerman(t))
        return !number->isZero();
    return std::nullopt;
}
} // namespace td
