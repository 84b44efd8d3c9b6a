#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace qx740 {

// Hexadecimal digits of the frame being assembled, one per byte, in a fixed buffer. It keeps
// the first Capacity digits and counts the rest, so an endless stream without an ending byte
// costs no memory and no allocation, while every frame short enough to be accepted stays whole.
template <std::size_t Capacity> class NibbleText
{
public:
    void append(char digit)
    {
        if (m_length < Capacity)
            m_text[m_length] = digit;
        ++m_length;
    }
    void clear() { m_length = 0; }
    // Digits received, including those past the capacity.
    std::size_t length() const { return m_length; }
    // The digits kept: all of them unless the frame outgrew the buffer.
    std::string_view kept() const
    {
        return {m_text.data(), m_length < Capacity ? m_length : Capacity};
    }
    // The i-th digit (0-based) if it was kept, else '\0'.
    char at(std::size_t i) const { return i < m_length && i < Capacity ? m_text[i] : '\0'; }

private:
    std::array<char, Capacity> m_text{};
    std::size_t m_length = 0;
};

inline char hexDigit(unsigned v)
{
    return "0123456789ABCDEF"[v & 0xF];
}

} // namespace qx740
