#include "LimitPanel.h"

#include "LinkPicture.h"
#include "shell/Texts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>

namespace qx740 {

namespace {
QFont arialBold(int px)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(true);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const char* text, int x, int y)
{
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(arialBold(11));
    l->move(x, y);
    l->adjustSize();
    return l;
}

void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}
} // namespace

VerdictCircle::VerdictCircle(QWidget* parent) : QWidget(parent), m_color(LimitPanel::idleColor())
{
}

void VerdictCircle::setColor(const QColor& c)
{
    if (c == m_color)
        return;
    m_color = c;
    update();
}

void VerdictCircle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_color);
    p.drawEllipse(rect().adjusted(1, 1, -1, -1));
}

LimitPanel::LimitPanel(LimitEdits& limits, PanelModel& panel, QWidget* parent)
    : QFrame(parent), m_limits(limits), m_panel(panel)
{
    setObjectName(QStringLiteral("Panel4"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(3);
    setAutoFillBackground(true);
    setBackground(this, Qt::white);

    label(this, "T1_HI", "Set High Limit:", 16, 16);
    label(this, "T1_Value", "Measure Value:", 16, 52);
    label(this, "T1_LO", "Set Low Limit:", 16, 84);

    auto makeEdit = [this](const char* name, const QString& text, QRect r, int px) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(r);
        e->setFont(arialBold(px));
        return e;
    };
    m_high = makeEdit("T1HI", m_limits.text(LimitEdits::Which::High), {112, 11, 57, 22}, 11);
    m_value = makeEdit("T1VALUE", m_panel.caption(El::T1VALUE), {112, 43, 81, 32}, 21);
    m_low = makeEdit("T1LO", m_limits.text(LimitEdits::Which::Low), {112, 84, 57, 22}, 11);
    for (QLineEdit* e : {m_high, m_low}) {
        e->setToolTip(QStringLiteral("Please enter a number here."));
        e->installEventFilter(this);
    }
    m_value->setReadOnly(true);
    m_value->setFocusPolicy(Qt::NoFocus);
    setBackground(m_value, idleColor());

    m_circle = new VerdictCircle(this);
    m_circle->setObjectName(QStringLiteral("Shape1"));
    m_circle->setGeometry(192, 8, 113, 97);
    m_judge = new QLabel(this);
    m_judge->setObjectName(QStringLiteral("judge"));
    QFont judgeFont(QStringLiteral("Liberation Sans"));
    judgeFont.setPixelSize(24);
    judgeFont.setBold(true);
    m_judge->setFont(judgeFont);
    m_judge->setAlignment(Qt::AlignCenter);
    m_judge->setAutoFillBackground(true);
    m_judge->setGeometry(216, 40, 66, 30);
    setBackground(m_judge, idleColor());
    m_judge->hide(); // the empty caption shows nothing until the first verdict

    m_image1 = new LinkPicture(true, this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->move(310, 13);
    m_image2 = new LinkPicture(false, this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->move(310, 13);

    connect(m_high, &QLineEdit::textChanged, this,
            [this](const QString& t) { onTextChanged(LimitEdits::Which::High, m_high, t); });
    connect(m_low, &QLineEdit::textChanged, this,
            [this](const QString& t) { onTextChanged(LimitEdits::Which::Low, m_low, t); });
    connect(&m_panel, &PanelModel::elementChanged, this, &LimitPanel::render);
    for (El e : {El::T1VALUE, El::judge, El::Image1, El::Image2})
        render(e);
}

void LimitPanel::render(El e)
{
    switch (e) {
    case El::T1VALUE:
        m_value->setText(m_panel.caption(e));
        break;
    case El::judge: {
        const QString verdict = m_panel.caption(e);
        const QColor c = verdict == QLatin1String(texts::kPass)   ? passColor()
                         : verdict == QLatin1String(texts::kFail) ? failColor()
                                                                  : idleColor();
        setBackground(m_value, c);
        m_circle->setColor(c);
        m_judge->setText(verdict);
        setBackground(m_judge, c);
        m_judge->setVisible(!verdict.isEmpty());
        break;
    }
    case El::Image1:
        m_image1->setVisible(m_panel.isShown(e));
        break;
    case El::Image2:
        m_image2->setVisible(m_panel.isShown(e));
        break;
    default:
        break;
    }
}

LimitEdits::Which LimitPanel::which(QObject* edit) const
{
    return edit == m_high ? LimitEdits::Which::High : LimitEdits::Which::Low;
}

void LimitPanel::onTextChanged(LimitEdits::Which w, QLineEdit* edit, const QString& text)
{
    if (m_reverting) {
        m_limits.textChanged(w, text);
        return;
    }
    const LimitEdits::ChangeOutcome outcome = m_limits.textChanged(w, text);
    if (!outcome.rejected)
        return;
    QMessageBox::critical(window(), QString::fromLatin1(texts::kError),
                          QString::fromLatin1(texts::kNumericalInputErrors));
    m_reverting = true;
    edit->setText(outcome.replacement);
    m_reverting = false;
}

bool LimitPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_high && watched != m_low)
        return QFrame::eventFilter(watched, event);
    auto* edit = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        // Only characters are filtered; cursor movement, deletion and shortcuts pass.
        if (typed.size() == 1 && typed.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            !m_limits.acceptsKey(which(watched), edit->text(), typed.at(0))) {
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A menu opening or another window taking over does not leave the edit.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return QFrame::eventFilter(watched, event);
        if (const auto back = m_limits.focusLeft(which(watched)))
            edit->setText(*back);
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace qx740
