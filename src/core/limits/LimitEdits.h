#pragma once

#include "decode/PanelModel.h"

#include <QString>

#include <optional>

namespace qx740 {

// The verdict of the last judgement, if any.
enum class Verdict { None, Pass, Fail };

// The high and low limit edits: what they hold, what they last accepted, how typed keys and
// changes are checked, and the pass/fail judgement of a reading against them.
class LimitEdits
{
public:
    enum class Which { High, Low };

    // What a change of an edit's text leads to.
    struct ChangeOutcome
    {
        bool rejected = false; // show "Numerical input errors"
        QString replacement;   // and put this text back into the edit
    };

    explicit LimitEdits(QString decimalPoint);

    const QString& text(Which w) const { return w == Which::High ? m_high : m_low; }
    const QString& lastAccepted(Which w) const { return w == Which::High ? m_lastHigh : m_lastLow; }

    // The edit's text changed (typed, pasted or set). A half-typed number ("-", "+", blank) is
    // left alone; a text that is not a number is rejected and the last accepted text returns.
    ChangeOutcome textChanged(Which w, const QString& text);

    // Whether a typed character may enter the edit that holds currentText.
    bool acceptsKey(Which w, const QString& currentText, QChar typed) const;

    // Focus left the edit: a half-typed number gives way to the last accepted text.
    std::optional<QString> focusLeft(Which w) const;

    // Judges ReadingValue against the limits: writes T1VALUE and the verdict into the panel
    // and sets readingNumber. Leaves verdict and number alone when a limit is not a number.
    void judge(const QString& readingValue, double& readingNumber, PanelModel& panel);

    Verdict verdict() const { return m_verdict; }

private:
    QString& textRef(Which w) { return w == Which::High ? m_high : m_low; }
    QString& lastRef(Which w) { return w == Which::High ? m_lastHigh : m_lastLow; }

    QString m_decimalPoint;
    QString m_high = QStringLiteral("6000");
    QString m_low = QStringLiteral("-6000");
    QString m_lastHigh, m_lastLow;
    Verdict m_verdict = Verdict::None;
};

} // namespace qx740
