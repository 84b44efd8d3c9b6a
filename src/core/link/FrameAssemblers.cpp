#include "FrameAssemblers.h"

namespace qx740 {

void H415Assembler::receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                            const FrameCallback& onAccepted)
{
    static constexpr std::string_view kIndex = "123456789ABCDE";
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned b = data[i];
        const char high = hexDigit(b >> 4);
        m_frameHex.append(hexDigit(b));
        m_indexNibbles.append(high);
        if (high != 'E')
            continue;
        lcdHex.assign(m_frameHex.kept());
        const bool accepted =
            m_indexNibbles.length() == kIndex.size() && m_indexNibbles.kept() == kIndex;
        if (accepted)
            onAccepted();
        m_indexNibbles.clear();
        m_frameHex.clear();
    }
}

void H452Assembler::receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                            const FrameCallback& onAccepted)
{
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned b = data[i];
        if (b != 0x0D) {
            m_frameHex.append(hexDigit(b));
            m_indexNibbles.append(hexDigit(b >> 4));
            continue;
        }
        m_frameHex.append('D');
        m_indexNibbles.append('0');
        lcdHex.assign(m_frameHex.kept());
        if (m_frameHex.at(0) == 'A' && m_frameHex.at(10) == 'D')
            onAccepted();
        m_indexNibbles.clear();
        m_frameHex.clear();
    }
}

void CComm1Assembler::bound(std::string& acc)
{
    // Without "0D0A" the middle can never matter: the frame's head goes to the decoder, and
    // a later "0D0A" can begin at most three characters before the end. A character that is
    // no hexadecimal digit stands in for the middle, so that head and tail, which never stood
    // side by side, cannot form a "0D0A" across the cut.
    if (acc.size() > kLimit)
        acc.replace(kHead, acc.size() - kHead - 3, 1, '-');
}

void CComm1Assembler::receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                              const FrameCallback& onAccepted)
{
    std::string& acc = lcdHex;
    for (std::size_t i = 0; i < count; ++i) {
        acc.push_back(hexDigit(data[i] >> 4));
        acc.push_back(hexDigit(data[i]));
    }
    const std::size_t p = acc.find("0D0A");
    if (p == std::string::npos) {
        bound(acc);
        return;
    }
    const std::size_t frameLength = p + 4;
    std::string rest = acc.substr(frameLength);
    const bool accepted = frameLength >= 4 && acc[3] == 'F';
    std::string frame;
    for (std::size_t k = 1; k < frameLength && k < 64; k += 2)
        frame.push_back(acc[k]);
    lcdHex = std::move(frame);
    if (accepted)
        onAccepted();
    lcdHex = std::move(rest);
    if (lcdHex.find("0D0A") == std::string::npos)
        bound(lcdHex);
}

} // namespace qx740
