#include "LimitEdits.h"

#include "NumberText.h"
#include "shell/Texts.h"

namespace qx740 {

namespace {
bool isHalfTyped(const QString& t)
{
    return t == QLatin1String("-") || t == QLatin1String("+") || t.trimmed().isEmpty();
}
} // namespace

LimitEdits::LimitEdits(QString decimalPoint) : m_decimalPoint(std::move(decimalPoint))
{
}

LimitEdits::ChangeOutcome LimitEdits::textChanged(Which w, const QString& text)
{
    textRef(w) = text;
    if (isHalfTyped(text))
        return {};
    if (!judgementNumber(text, m_decimalPoint)) {
        // Putting the last accepted text back runs this handler again with a text that is
        // either half-typed (empty) or a number, so it ends there.
        const QString back = lastRef(w);
        textChanged(w, back);
        return {true, back};
    }
    lastRef(w) = text;
    return {};
}

bool LimitEdits::acceptsKey(Which w, const QString& currentText, QChar typed) const
{
    const QChar first = m_decimalPoint.isEmpty() ? QChar() : m_decimalPoint.at(0);
    // The high edit looks for the whole separator, the low edit for its first character.
    const bool hasSeparator = m_decimalPoint.isEmpty()
                                  ? false
                                  : (w == Which::High ? currentText.contains(m_decimalPoint)
                                                      : currentText.contains(first));
    if (hasSeparator && !first.isNull() && typed == first)
        return false;
    const char16_t u = typed.unicode();
    return u == 8 || u == 39 || u == '+' || u == '-' || u == '.' || (u >= '0' && u <= '9') ||
           u == 96 || (!first.isNull() && typed == first);
}

std::optional<QString> LimitEdits::focusLeft(Which w) const
{
    if (isHalfTyped(text(w)))
        return lastAccepted(w);
    return std::nullopt;
}

void LimitEdits::judge(const QString& readingValue, double& readingNumber, PanelModel& panel)
{
    panel.setCaption(El::T1VALUE, readingValue);
    const auto hi = judgementNumber(m_high, m_decimalPoint);
    const auto lo = judgementNumber(m_low, m_decimalPoint);
    if (!hi || !lo)
        return;
    const auto v = judgementNumber(readingValue, m_decimalPoint);
    if (!v) {
        m_verdict = Verdict::Fail;
        readingNumber = 4000.0;
    } else {
        readingNumber = double(*v);
        m_verdict = (*v < *lo || *v > *hi) ? Verdict::Fail : Verdict::Pass;
    }
    panel.setCaption(El::judge,
                     QString::fromLatin1(m_verdict == Verdict::Pass ? texts::kPass : texts::kFail));
}

} // namespace qx740
