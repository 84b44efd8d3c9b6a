#pragma once

// Builds serial byte streams of the meter's 14-byte frames for tests.

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace qx740::test {

// The 14 low digits of a frame become bytes whose high digits count 1, 2, ... E.
inline QByteArray frame415(const char* lowDigits14)
{
    QByteArray bytes;
    for (int i = 0; i < 14; ++i) {
        const char c = lowDigits14[i];
        const int v = c <= '9' ? c - '0' : c - 'A' + 10;
        bytes.append(char(((i + 1) << 4) | v));
    }
    return bytes;
}

// The two digits (a b c point | f g e d) of one display digit: "0".."9", "L", or " " (blank).
inline QString digitNibbles(char digit, bool point = false)
{
    static const char* const kCodes[] = {"EB", "60", "C7", "E5", "6C",
                                         "AD", "AF", "E0", "EF", "ED"};
    QString code;
    if (digit >= '0' && digit <= '9')
        code = QString::fromLatin1(kCodes[digit - '0']);
    else if (digit == 'L')
        code = QStringLiteral("0B");
    else if (digit == ' ')
        code = QStringLiteral("00");
    else
        throw std::invalid_argument("digit");
    if (point)
        code[0] = QChar::fromLatin1("0123456789ABCDEF"[QString(code[0]).toInt(nullptr, 16) | 1]);
    return code;
}

// A frame showing four main digits (left to right, with the decimal point after main digit
// `mainPoint` 1..3, 0 for none) and the two rightmost secondary digits. In a 14-byte frame
// the last digit also stands for every later bit: symbols and the two left secondary digits.
inline QByteArray readingFrame(const char* main4, int mainPoint, const char* second2)
{
    QString low = QStringLiteral("00");
    low += digitNibbles(main4[3]);
    low += digitNibbles(main4[2], mainPoint == 3);
    low += digitNibbles(main4[1], mainPoint == 2);
    low += digitNibbles(main4[0], mainPoint == 1);
    low += digitNibbles(second2[1]);
    low += digitNibbles(second2[0]);
    return frame415(low.toLatin1().constData());
}

} // namespace qx740::test
