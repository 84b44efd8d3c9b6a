#pragma once

#include "NibbleText.h"

#include <functional>
#include <string>

namespace qx740 {

// Called for each accepted frame, with LcdHex already holding it.
using FrameCallback = std::function<void()>;

// 14-byte frames whose bytes carry their position in the high four bits (1, 2, ... E); a byte
// with high digit E ends a frame. LcdHex gets the frame's low digits.
class H415Assembler
{
public:
    void receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                 const FrameCallback& onAccepted);
    std::string_view frameHex() const { return m_frameHex.kept(); }
    std::string_view indexNibbles() const { return m_indexNibbles.kept(); }

private:
    // Accepted frames have exactly 14 bytes; longer ones only need to be recognised as longer.
    NibbleText<64> m_frameHex;
    NibbleText<64> m_indexNibbles;
};

// Frames ended by a carriage return; accepted when the first digit is A and the eleventh D.
class H452Assembler
{
public:
    // Frames longer than this many bytes reach the decoder with their first kKeep digits;
    // the decoder reads only the first 32.
    static constexpr std::size_t kKeep = 4096;

    void receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                 const FrameCallback& onAccepted);
    std::string_view frameHex() const { return m_frameHex.kept(); }

private:
    NibbleText<kKeep> m_frameHex;
    NibbleText<kKeep> m_indexNibbles;
};

// Frames ended by CR LF, found as the text "0D0A" in the accumulated byte texts; at most one
// frame per receive event. Accepted when the low digit of the second byte is F.
class CComm1Assembler
{
public:
    void receive(const unsigned char* data, std::size_t count, std::string& lcdHex,
                 const FrameCallback& onAccepted);

private:
    // Of an endless accumulation only the head reaches the decoder (64 characters: the first
    // 32 bytes) and only the last three characters can start the "0D0A" that ends it.
    static constexpr std::size_t kHead = 64;
    static constexpr std::size_t kLimit = 4096;
    void bound(std::string& acc);
};

} // namespace qx740
