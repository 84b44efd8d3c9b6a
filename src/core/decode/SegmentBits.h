#pragma once

#include <QString>

#include <bitset>
#include <string_view>

namespace qx740 {

// A frame text expanded into segment bits, four per hexadecimal character, most significant
// first. Positions count from 1; a position beyond the expanded length reads as not set.
class SegmentBits
{
public:
    static constexpr int kMaxChars = 32;

    // Expands the first `chars` characters of lcdHex. Missing characters repeat the last one
    // present; an empty text gives all zeros. Characters that are not upper-case hexadecimal
    // digits count as 0.
    static SegmentBits expand(std::string_view lcdHex, int chars);

    bool isSet(int position) const
    {
        return position >= 1 && position <= m_length && m_bits.test(std::size_t(position - 1));
    }
    int length() const { return m_length; }
    // The bits as "0"/"1" text.
    QString toText() const;

    // The 7-segment pattern of the digit field starting at s, segments in the order
    // a b c f g e d, as a number whose bit 6 is segment a ... bit 0 segment d.
    int digitPattern(int s) const;

private:
    std::bitset<kMaxChars * 4> m_bits;
    int m_length = 0;
};

// Pattern written as seven "0"/"1" characters (a b c f g e d) to its numeric form.
constexpr int patternFromText(std::string_view t)
{
    int v = 0;
    for (char ch : t)
        v = (v << 1) | (ch == '1' ? 1 : 0);
    return v;
}

// The character of a pattern by the common table ("0" to "9", "@" for the L shape), or the
// empty text when the pattern is in no row.
QString patternCharacter(int pattern);

// Start bits of the digit fields, rightmost main digit first.
inline constexpr int kMainDigitStart[4] = {33, 25, 17, 9};    // D1..D4, left to right
inline constexpr int kSecondDigitStart[4] = {65, 57, 49, 41}; // E1..E4, left to right

} // namespace qx740
