#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace td {

// Signed 64-bit fixed point with four decimals, the program's money type.
class Amount
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Amount() = default;
    static constexpr Amount fromRaw(std::int64_t raw)
    {
        Amount a;
        a.m_raw = raw;
        return a;
    }
    static constexpr Amount fromInt(std::int64_t whole) { return fromRaw(whole * Scale); }
    // Converts a computed double the way a currency assignment does: to four
    // decimals, ties to even. Empty when out of range or not finite.
    static std::optional<Amount> fromDouble(double value);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    constexpr auto operator<=>(const Amount&) const = default;

    // Overflow yields an empty result instead of wrapping.
    std::optional<Amount> plus(Amount other) const;
    std::optional<Amount> minus(Amount other) const;
    std::optional<Amount> times(Amount other) const; // rounded to four decimals, ties to even

    // Explicit rounding of a computed figure: ties go to the even neighbour.
    Amount roundedToEven(int decimals) const;

private:
    std::int64_t m_raw = 0;
};

// Reads a German number text: "," decimals, "." thousands, blanks ignored,
// one leading sign. More than four decimals round to even. Empty for
// anything that is not such a number.
std::optional<Amount> parseGerman(QStringView text);

// Applies a number format to an amount. Halves round away from zero, as a
// format does with an unrounded figure. Formats: "0.00##", "0.00", "#,#",
// "#", "#0", "###". "#,#", "#" and "###" give "" for zero.
QString formatAmount(Amount value, QStringView format);
// The same formats for a double-precision figure (percentages computed in double).
QString formatDouble(double value, QStringView format);
// A figure turned into text without a format: all its decimals (up to four),
// no trailing zeros, no grouping; "0" for zero.
QString amountText(Amount value);

// Locale-independent leading-number reading: optional blanks and sign, digits
// with "." as the decimal point; stops at the first character that does not
// fit; 0 when there is no number.
double leadingNumber(QStringView text);

} // namespace td

namespace td {
// Reads a Boolean text: "True"/"False" in any case, or a number (0 false,
// any other true). Empty for anything else.
std::optional<bool> parseBoolean(QStringView text);
} // namespace td
