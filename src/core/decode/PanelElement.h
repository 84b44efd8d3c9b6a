#pragma once

#include <QString>

#include <array>

namespace qx740 {

// Every named element of the virtual LCD and its companions that the core sets or reads.
// X(name, start caption, shown at start, listed among the panel's display elements)
#define QX740_PANEL_ELEMENTS(X)                                                                    \
    X(LcdDa, "3", true, true)                                                                      \
    X(LcdDb, "0", true, true)                                                                      \
    X(LcdDc, "0", true, true)                                                                      \
    X(LcdDd, "0", true, true)                                                                      \
    X(LcdP1, "", false, true)                                                                      \
    X(LcdP2, "", false, true)                                                                      \
    X(LcdP3, "", false, true)                                                                      \
    X(LcdDa2, "9", true, true)                                                                     \
    X(LcdDb2, "9", true, true)                                                                     \
    X(LcdDc2, "9", true, true)                                                                     \
    X(LcdDd2, "9", true, true)                                                                     \
    X(LcdP12, "", false, true)                                                                     \
    X(LcdP22, "", false, true)                                                                     \
    X(LcdP32, "", false, true)                                                                     \
    X(LcdFH, "-", false, true)                                                                     \
    X(AVE, "AVE", false, true)                                                                     \
    X(V23, "", false, true)                                                                        \
    X(MAX, "MAX", false, true)                                                                     \
    X(PH, "PH", false, true)                                                                       \
    X(MIN, "MIN", false, true)                                                                     \
    X(READ, "", false, true)                                                                       \
    X(rec, "", false, true)                                                                        \
    X(NO, "NO.", false, true)                                                                      \
    X(usb, "USB", false, true)                                                                     \
    X(ESC, "ESC", false, true)                                                                     \
    X(NODATA, "NOdata", false, true)                                                               \
    X(power, "", false, true)                                                                      \
    X(VEL, "VEL", false, true)                                                                     \
    X(frame, "", false, true)                                                                      \
    X(t_p, "", false, true)                                                                        \
    X(FLOW, "FLOW", false, true)                                                                   \
    X(KEY, "KEY  IN", false, true)                                                                 \
    X(TEMP, "TEMP", false, true)                                                                   \
    X(loadNO, "LOAD NO", false, true)                                                              \
    X(LOAD, "LOAD", false, true)                                                                   \
    X(time_l, "", false, true)                                                                     \
    X(TIMER, "h:mm:s", false, true)                                                                \
    X(p_off, "", false, true)                                                                      \
    X(CFM, "CFM", false, true)                                                                     \
    X(CMM, "CMM", false, true)                                                                     \
    X(ms, "", false, true)                                                                         \
    X(knots, "KNOTS", false, true)                                                                 \
    X(ftmin, "", false, true)                                                                      \
    X(mph, "MPH", false, true)                                                                     \
    X(X1, "x1", false, true)                                                                       \
    X(Z0, "0", false, true)                                                                        \
    X(Z1, "0", false, true)                                                                        \
    X(kmh, "", false, true)                                                                        \
    X(LCDHold, "\"", false, true)                                                                  \
    X(c, "#", false, true)                                                                         \
    X(f, "?", false, true)                                                                         \
    X(RH, "", false, true)                                                                         \
    X(Label4, "^", true, true)                                                                     \
    X(Label5, ">", true, true)                                                                     \
    X(oltext, "OL !!", false, true)                                                                \
    X(Image1, "", false, true)                                                                     \
    X(Image2, "", true, true)                                                                      \
    X(Panel3, "", false, false)                                                                    \
    X(Label11, "MIN: ", true, false)                                                               \
    X(MinText, "00.00", true, false)                                                               \
    X(MinTextU, "m|s", true, false)                                                                \
    X(Label12, "MAX: ", true, false)                                                               \
    X(MaxText, "30.00", true, false)                                                               \
    X(MaxTextU, "m|s", true, false)                                                                \
    X(Setmax, "3000", true, false)                                                                 \
    X(SetMin, "-3000", true, false)                                                                \
    X(CONok, "", false, false)                                                                     \
    X(CONokN, "", true, false)                                                                     \
    X(T1VALUE, "0", true, false)                                                                   \
    X(judge, "", true, false)                                                                      \
    X(Bt10, "1", true, false)

// Identifies one panel element; the enumerator is the element's name.
enum class El {
#define QX740_ENUM(name, caption, shown, listed) name,
    QX740_PANEL_ELEMENTS(QX740_ENUM)
#undef QX740_ENUM
        Count
};

inline constexpr int kElementCount = static_cast<int>(El::Count);

// Name, start caption and start visibility of one element.
struct ElementInfo
{
    const char* name;
    const char* startCaption;
    bool startShown;
    bool listed; // one of the panel's display elements, reported in the decoder trace
};

const ElementInfo& elementInfo(El e);
QString elementName(El e);
// The element of that name, or El::Count when there is none.
El elementByName(QStringView name);

} // namespace qx740
