// Builders for what the meter sends, so that tests state a frame by what its display shows
// (digits, points, symbol bits) rather than by hand-made hexadecimal digits.
#pragma once

#include "session/MeterSession.h"

#include <QByteArray>

#include <bitset>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qx740::test {

// Segments a b c f g e d of a character the meter draws; ' ' is a blank digit, 'L' the L shape.
inline std::string_view segmentsOf(char ch)
{
    switch (ch) {
    case '0':
        return "1111011";
    case '1':
        return "0110000";
    case '2':
        return "1100111";
    case '3':
        return "1110101";
    case '4':
        return "0111100";
    case '5':
        return "1011101";
    case '6':
        return "1011111";
    case '7':
        return "1110000";
    case '8':
        return "1111111";
    case '9':
        return "1111101";
    case 'L':
        return "0001011";
    case '-':
        return "0000100";
    case ' ':
        return "0000000";
    }
    throw std::invalid_argument("no segment pattern for this character");
}

// Start bits of the digit fields, left to right.
inline constexpr int kMainField[4] = {33, 25, 17, 9};
inline constexpr int kSecondField[4] = {65, 57, 49, 41};

// A frame as 128 segment bits, numbered from 1 (bit 1 is the high bit of the first digit).
class LcdBits
{
public:
    LcdBits& set(int p, bool on = true)
    {
        m_bits.set(std::size_t(p - 1), on);
        return *this;
    }
    LcdBits& setAll(const std::vector<int>& ps)
    {
        for (int p : ps)
            set(p);
        return *this;
    }
    bool isSet(int p) const { return m_bits.test(std::size_t(p - 1)); }

    // Writes a pattern "abcfged" into the digit field at s; the point bit s+3 is left alone.
    LcdBits& pattern(int s, std::string_view abcfged)
    {
        const int at[7] = {s, s + 1, s + 2, s + 4, s + 5, s + 6, s + 7};
        for (int i = 0; i < 7; ++i)
            set(at[i], abcfged[std::size_t(i)] == '1');
        return *this;
    }
    // The four main digits left to right, for example " 123".
    LcdBits& main(std::string_view four) { return digits(kMainField, four); }
    LcdBits& second(std::string_view four) { return digits(kSecondField, four); }

    // The first `chars` hexadecimal digits of the frame.
    std::string hex(int chars = 32) const
    {
        std::string t;
        for (int i = 0; i < chars; ++i) {
            int v = 0;
            for (int k = 0; k < 4; ++k)
                v = (v << 1) | (isSet(i * 4 + k + 1) ? 1 : 0);
            t.push_back("0123456789ABCDEF"[v]);
        }
        return t;
    }

private:
    LcdBits& digits(const int (&field)[4], std::string_view four)
    {
        for (int i = 0; i < 4; ++i)
            pattern(field[i], segmentsOf(four[std::size_t(i)]));
        return *this;
    }
    std::bitset<128> m_bits;
};

inline int nibble(char h)
{
    return h <= '9' ? h - '0' : h - 'A' + 10;
}

// A 14-byte serial frame: each byte carries its position (1..E) in the high four bits and one
// frame digit in the low four.
inline QByteArray bytes415(std::string_view hex14)
{
    QByteArray b;
    for (std::size_t i = 0; i < hex14.size(); ++i)
        b.append(char(((i + 1) << 4) | std::size_t(nibble(hex14[i]))));
    return b;
}

// A CR LF-ended frame whose bytes carry the digits in their low four bits. The high digit 3
// keeps the byte texts free of any accidental "0D0A".
inline QByteArray bytes411(std::string_view hex)
{
    QByteArray b;
    for (char h : hex)
        b.append(char(0x30 | nibble(h)));
    return b + "\r\n";
}

// A CR-ended frame whose bytes carry the digits in their low four bits.
inline QByteArray bytes452(std::string_view hex)
{
    QByteArray b;
    for (char h : hex)
        b.append(char(0x30 | nibble(h)));
    return b + "\r";
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// Hands a decoder a full 32-digit frame, as the USB link does. The CR link writes LcdHex even
// for a frame it rejects, so a frame that does not start with "A" leaves its 31 digits and the
// carriage return's "D" there without decoding it. Bits 125 to 128 (the "D") are read by no
// decoder.
inline std::string stageLcdHex(MeterSession& s, const LcdBits& bits)
{
    std::string hex = bits.hex(32);
    if (hex[0] == 'A' || hex[31] != '0')
        throw std::invalid_argument("frame would be decoded or loses bits on the way");
    hex.pop_back();
    const QByteArray b = bytes452(hex);
    s.H452RData(b.constData(), b.size());
    return hex + 'D';
}

inline void send(MeterSession& s, const QByteArray& b)
{
    s.receive(b.constData(), b.size());
}

// Records every decoder call of a session with the frame it saw.
struct DecoderCalls
{
    explicit DecoderCalls(MeterSession& s)
    {
        QObject::connect(&s, &MeterSession::decoderCalled, &m_context, [this, &s](Decoder d) {
            decoders.push_back(d);
            frames.push_back(s.lcdHex());
        });
    }
    std::size_t size() const { return decoders.size(); }
    std::vector<Decoder> decoders;
    std::vector<std::string> frames;

private:
    QObject m_context; // ends the connection with this recorder
};

} // namespace qx740::test
