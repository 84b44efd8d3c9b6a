#include "SegmentBits.h"

namespace qx740 {

namespace {
int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

struct PatternRow
{
    int pattern;
    char character;
};
constexpr PatternRow kPatterns[] = {
    {patternFromText("1111011"), '0'}, {patternFromText("0110000"), '1'},
    {patternFromText("1100111"), '2'}, {patternFromText("1110101"), '3'},
    {patternFromText("0111100"), '4'}, {patternFromText("1011101"), '5'},
    {patternFromText("1011111"), '6'}, {patternFromText("1110000"), '7'},
    {patternFromText("1111111"), '8'}, {patternFromText("1111101"), '9'},
    {patternFromText("0001011"), '@'},
};
} // namespace

SegmentBits SegmentBits::expand(std::string_view lcdHex, int chars)
{
    SegmentBits b;
    b.m_length = chars * 4;
    if (lcdHex.empty())
        return b;
    for (int i = 0; i < chars; ++i) {
        const char ch = std::size_t(i) < lcdHex.size() ? lcdHex[std::size_t(i)] : lcdHex.back();
        const int v = hexValue(ch);
        for (int k = 0; k < 4; ++k)
            b.m_bits.set(std::size_t(i * 4 + k), (v >> (3 - k)) & 1);
    }
    return b;
}

QString SegmentBits::toText() const
{
    QString t(m_length, QLatin1Char('0'));
    for (int p = 1; p <= m_length; ++p)
        if (isSet(p))
            t[p - 1] = QLatin1Char('1');
    return t;
}

int SegmentBits::digitPattern(int s) const
{
    const int order[7] = {s, s + 1, s + 2, s + 4, s + 5, s + 6, s + 7};
    int v = 0;
    for (int p : order)
        v = (v << 1) | (isSet(p) ? 1 : 0);
    return v;
}

QString patternCharacter(int pattern)
{
    for (const PatternRow& row : kPatterns)
        if (row.pattern == pattern)
            return QString(QLatin1Char(row.character));
    return {};
}

} // namespace qx740
