#include "SegmentDecode.h"

namespace qx740 {

namespace {
enum class UnitSlot { None, Main, Second, Label4, Label5 };

struct SymbolBit
{
    int bit;
    El element;
    UnitSlot slot;
    const char* text; // unit text, or the caption for Label4/Label5
};

// In increasing bit order, so among several lit unit symbols of one kind the highest bit wins.
constexpr SymbolBit kSymbols[] = {
    {73, El::AVE, UnitSlot::None, nullptr},     {74, El::MAX, UnitSlot::None, nullptr},
    {75, El::V23, UnitSlot::None, nullptr},     {76, El::PH, UnitSlot::None, nullptr},
    {77, El::MIN, UnitSlot::None, nullptr},     {78, El::rec, UnitSlot::None, nullptr},
    {79, El::READ, UnitSlot::None, nullptr},    {80, El::usb, UnitSlot::None, nullptr},
    {81, El::ESC, UnitSlot::None, nullptr},     {82, El::VEL, UnitSlot::None, nullptr},
    {83, El::NODATA, UnitSlot::None, nullptr},  {84, El::power, UnitSlot::None, nullptr},
    {85, El::frame, UnitSlot::None, nullptr},   {86, El::FLOW, UnitSlot::None, nullptr},
    {87, El::LcdFH, UnitSlot::None, nullptr},   {88, El::LCDHold, UnitSlot::None, nullptr},
    {89, El::t_p, UnitSlot::None, nullptr},     {90, El::Label4, UnitSlot::Label4, "^"},
    {92, El::Label5, UnitSlot::Label5, ">"},    {93, El::c, UnitSlot::Second, "#"},
    {94, El::RH, UnitSlot::Second, "%RH"},      {95, El::f, UnitSlot::Second, "$"},
    {96, El::KEY, UnitSlot::None, nullptr},     {97, El::TEMP, UnitSlot::None, nullptr},
    {98, El::LOAD, UnitSlot::None, nullptr},    {99, El::loadNO, UnitSlot::None, nullptr},
    {100, El::time_l, UnitSlot::None, nullptr}, {101, El::TIMER, UnitSlot::None, nullptr},
    {102, El::CMM, UnitSlot::Main, "CMM"},      {103, El::CFM, UnitSlot::Main, "CFM"},
    {104, El::ms, UnitSlot::Main, "m|s"},       {105, El::knots, UnitSlot::Main, "Knots"},
    {106, El::ftmin, UnitSlot::Main, "ft|min"}, {107, El::mph, UnitSlot::Main, "MPH"},
    {108, El::X1, UnitSlot::Main, "x1"},        {109, El::kmh, UnitSlot::Main, "Km|h"},
    {110, El::Z1, UnitSlot::Main, "X10"},       {111, El::p_off, UnitSlot::None, nullptr},
    {112, El::Z0, UnitSlot::Main, "X100"},      {113, El::NO, UnitSlot::None, nullptr},
};

struct PointBit
{
    int bit;
    int point; // 0..2: P1..P3, 3..5: Q1..Q3
    El shape;
};
// Bit 12 and bit 36 both drive P1 and LcdP1; 36 comes later, so it alone decides the shape.
constexpr PointBit kPoints[] = {
    {12, 0, El::LcdP1},  {20, 2, El::LcdP3},  {28, 1, El::LcdP2},  {36, 0, El::LcdP1},
    {52, 5, El::LcdP32}, {60, 4, El::LcdP22}, {68, 3, El::LcdP12},
};

QString valueText(const QString (&digits)[4], const QString* points, const QString& lShape)
{
    QString v;
    for (int i = 0; i < 4; ++i) {
        v += (i == 2 && digits[i] == QLatin1String("@")) ? lShape : digits[i];
        if (i < 3)
            v += points[i];
    }
    return v;
}
} // namespace

FrameDigits decodeSegmentFrame(const SegmentBits& bits, PanelModel& panel, ReadingState& state,
                               const QString& decimalPoint)
{
    FrameDigits d;
    for (int i = 0; i < 4; ++i) {
        d.D[i] = patternCharacter(bits.digitPattern(kMainDigitStart[i]));
        d.E[i] = patternCharacter(bits.digitPattern(kSecondDigitStart[i]));
    }

    state.ReadingUnit.clear();

    QString points[6];
    for (const PointBit& p : kPoints) {
        const bool lit = bits.isSet(p.bit);
        if (lit)
            points[p.point] = decimalPoint;
        panel.setShown(p.shape, lit);
    }

    for (const SymbolBit& s : kSymbols) {
        const bool lit = bits.isSet(s.bit);
        switch (s.slot) {
        case UnitSlot::Label4:
        case UnitSlot::Label5:
            panel.setCaption(s.element, lit ? QString::fromLatin1(s.text) : QString());
            if (lit)
                state.ReadingUnit2 = QString::fromLatin1(s.text);
            break;
        case UnitSlot::Main:
            panel.setShown(s.element, lit);
            if (lit)
                state.ReadingUnit = QString::fromLatin1(s.text);
            break;
        case UnitSlot::Second:
            panel.setShown(s.element, lit);
            if (lit)
                state.ReadingUnit2 = QString::fromLatin1(s.text);
            break;
        case UnitSlot::None:
            panel.setShown(s.element, lit);
            break;
        }
    }

    const QString lShape = QStringLiteral("L");
    state.ReadingValue = valueText(d.D, points, lShape);
    state.ReadingValue2 = valueText(d.E, points + 3, lShape);
    if (bits.isSet(87) && !state.ReadingValue2.isEmpty())
        state.ReadingValue2.prepend(QLatin1Char('-'));
    return d;
}

bool isOverload(const FrameDigits& d)
{
    return d.D[1] == QLatin1String("0") && d.D[2] == QLatin1String("@");
}

double countOf(const FrameDigits& d, int fullScaleCount)
{
    if (isOverload(d))
        return fullScaleCount;
    const QString text = d.D[0] + d.D[1] + d.D[2] + d.D[3];
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : 0;
}

QString trimmedControl(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

} // namespace qx740
