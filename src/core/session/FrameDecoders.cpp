// The three frame decoders of MeterSession.
#include "MeterSession.h"

#include "decode/SegmentDecode.h"

namespace qx740 {

namespace {
constexpr El kMainDigitLabels[4] = {El::LcdDa, El::LcdDb, El::LcdDc, El::LcdDd};
constexpr El kSecondDigitLabels[4] = {El::LcdDa2, El::LcdDb2, El::LcdDc2, El::LcdDd2};
} // namespace

void MeterSession::setLcdDigits(const QString (&d)[4], const QString (&e)[4])
{
    for (int i = 0; i < 4; ++i) {
        m_panel.setCaption(kMainDigitLabels[i], d[i]);
        m_panel.setCaption(kSecondDigitLabels[i], e[i]);
    }
}

void MeterSession::alarm(double count)
{
    const bool on = (count > double(m_profile.alarmHigh) && m_alarmHigh) ||
                    (count < double(m_profile.alarmLow) && m_alarmLow);
    if (on)
        emit beep();
    m_panel.setShown(El::oltext, on);
}

int MeterSession::pointPosition() const
{
    int pos = 0;
    if (m_panel.isShown(El::LcdP1))
        pos = 1;
    if (m_panel.isShown(El::LcdP2))
        pos = 2;
    if (m_panel.isShown(El::LcdP3))
        pos = 3;
    return pos;
}

void MeterSession::LcdDisplay415(int)
{
    m_lastLoggedNo.reset();
    m_panel.setShown(El::Image1, !m_panel.isShown(El::Image1));
    m_panel.setShown(El::Image2, !m_panel.isShown(El::Image2));
    m_state.FrameIdleTicks = 0;

    const SegmentBits bits = SegmentBits::expand(m_lcdHex, 32);
    const FrameDigits d = decodeSegmentFrame(bits, m_panel, m_state, m_decimalPoint);

    if (trimmedControl(m_state.ReadingValue).isEmpty() ||
        trimmedControl(m_state.ReadingValue2).isEmpty()) {
        emit decoderCalled(Decoder::D415);
        return;
    }

    m_state.ReadingCount = countOf(d, m_profile.fullScaleCount);
    alarm(m_state.ReadingCount);

    const int pointPos = pointPosition();
    if (m_state.ReadingUnit != m_state.PrevUnit || pointPos != m_state.PrevPointPos) {
        ShowSeries(m_fill ? 0 : 1);
        m_state.PrevUnit = m_state.ReadingUnit;
        m_state.MaxTracker = float(-m_profile.fullScaleCount);
        m_state.MinTracker = float(m_profile.fullScaleCount);
    } else {
        if (m_state.ReadingCount >= double(m_state.MaxTracker)) {
            m_state.MaxValueText = m_state.ReadingValue;
            m_state.MaxTracker = float(m_state.ReadingCount);
        }
        if (m_state.ReadingCount <= double(m_state.MinTracker)) {
            m_state.MinValueText = m_state.ReadingValue;
            m_state.MinTracker = float(m_state.ReadingCount);
        }
    }
    m_state.PrevPointPos = pointPos;

    m_panel.setCaption(El::MaxText, m_state.MaxValueText);
    m_panel.setCaption(El::MinText, m_state.MinValueText);
    m_panel.setCaption(El::MaxTextU, m_state.ReadingUnit);
    m_panel.setCaption(El::MinTextU, m_state.ReadingUnit);
    setLcdDigits(d.D, d.E);

    m_limits.judge(m_state.ReadingValue, m_state.ReadingNumber, m_panel);
    INDataToTable();

    if (isOverload(d)) {
        m_panel.setBarPosition(m_profile.barOverloadPos);
    } else {
        bool ok = false;
        const int n = (d.D[0] + d.D[1]).toInt(&ok);
        m_panel.setBarPosition(ok && n > 1 ? n : 1);
    }
    emit decoderCalled(Decoder::D415);
}

void MeterSession::LcdDisplay411()
{
    m_lastLoggedNo.reset();
    m_state.FrameIdleTicks = 0;
    const SegmentBits bits = SegmentBits::expand(m_lcdHex, 26);
    const FrameDigits d = decodeSegmentFrame(bits, m_panel, m_state, m_decimalPoint);

    // A count text that is not an integer counts 0 here too, as in the 415 family.
    m_state.ReadingCount = countOf(d, m_profile.fullScaleCount);
    alarm(m_state.ReadingCount);
    m_state.PrevPointPos = pointPosition();

    m_panel.setCaption(El::MaxText, m_state.MaxValueText);
    m_panel.setCaption(El::MinText, m_state.MinValueText);
    m_panel.setCaption(El::MaxTextU, m_state.ReadingUnit);
    m_panel.setCaption(El::MinTextU, m_state.ReadingUnit);
    setLcdDigits(d.D, d.E);
    INDataToTable();
    emit decoderCalled(Decoder::D411);
}

void MeterSession::LcdDisplay452()
{
    static const int kU = patternFromText("0111011");
    static const int kS = patternFromText("1011101");
    static const int kB = patternFromText("0011111");
    static constexpr El kHidden[] = {
        El::AVE,     El::MAX,    El::PH,    El::MIN,   El::READ,  El::rec,    El::NO,    El::usb,
        El::ESC,     El::NODATA, El::power, El::VEL,   El::frame, El::FLOW,   El::t_p,   El::c,
        El::f,       El::RH,     El::KEY,   El::TEMP,  El::LOAD,  El::time_l, El::TIMER, El::p_off,
        El::CFM,     El::CMM,    El::ms,    El::knots, El::mph,   El::ftmin,  El::X1,    El::kmh,
        El::LCDHold, El::V23,    El::Z0,    El::Z1};
    static constexpr struct
    {
        int bit;
        El shape;
    } kPoints[] = {{20, El::LcdP3},  {28, El::LcdP2},  {36, El::LcdP1},
                   {52, El::LcdP32}, {60, El::LcdP22}, {68, El::LcdP12}};

    m_lastLoggedNo.reset();
    m_panel.setShown(El::CONok, true);
    m_panel.setShown(El::CONokN, false);
    m_state.FrameIdleTicks = 0;

    const SegmentBits bits = SegmentBits::expand(m_lcdHex, 32);
    for (El e : kHidden)
        m_panel.setShown(e, false);

    QString d[4], e[4];
    for (int i = 0; i < 4; ++i) {
        const int pattern = bits.digitPattern(kMainDigitStart[i]);
        if (i == 0 && pattern == kU)
            d[i] = QStringLiteral("u");
        else if (i == 1 && pattern == kS)
            d[i] = QStringLiteral("s");
        else if (i == 2 && pattern == kB)
            d[i] = QStringLiteral("b");
        else
            d[i] = patternCharacter(pattern);
        e[i] = patternCharacter(bits.digitPattern(kSecondDigitStart[i]));
    }
    m_state.ReadingUnit.clear();
    for (const auto& p : kPoints)
        m_panel.setShown(p.shape, bits.isSet(p.bit));
    setLcdDigits(d, e);
    emit decoderCalled(Decoder::D452);
}

} // namespace qx740
