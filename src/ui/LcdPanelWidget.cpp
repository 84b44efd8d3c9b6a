#include "LcdPanelWidget.h"

#include "decode/PanelModel.h"

#include <QEvent>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSvgWidget>

// The pictures live in a static library, so nothing would pull their resource object in.
static void initLcdResources()
{
    Q_INIT_RESOURCE(lcd);
}

namespace qx740 {

namespace {

const QColor kCream(255, 251, 240);
const QColor kInk(Qt::black);
// Unlit segments: only just darker than the panel, as on a real glass.
const QColor kUnlitSegment(244, 239, 223);

const QString kDigitFamily = QStringLiteral("DSEG7 Classic");
// Condensed, like the meter's own symbol lettering: a wide face runs "ESC" into "NOdata".
const QStringList kWordFamilies = {QStringLiteral("Liberation Sans Narrow"),
                                   QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};

enum class Kind {
    MainDigit,
    SecondDigit,
    Point,
    Minus,
    Word,    // plain text, sized to its caption
    Picture, // an SVG of our own, stretched to its place
    Symbol,  // a symbol that the meter's own fonts drew from a single character
};

struct Place
{
    El el;
    Kind kind;
    int x, y, w, h; // panel pixels; w and h are 0 where the caption decides the size
    int px;         // text height in pixels for words and symbols
    const char* picture = nullptr;
};

// Every element of the glass, at the place the meter's layout puts it.
const Place kPlaces[] = {
    {El::LcdDa, Kind::MainDigit, 24, 132, 43, 126, 0},
    {El::LcdDb, Kind::MainDigit, 88, 132, 43, 126, 0},
    {El::LcdDc, Kind::MainDigit, 152, 132, 43, 126, 0},
    {El::LcdDd, Kind::MainDigit, 216, 132, 43, 126, 0},
    {El::LcdP1, Kind::Point, 73, 225, 7, 8, 0},
    {El::LcdP2, Kind::Point, 136, 225, 9, 7, 0},
    {El::LcdP3, Kind::Point, 200, 225, 7, 8, 0},
    {El::LcdDa2, Kind::SecondDigit, 136, 16, 35, 104, 0},
    {El::LcdDb2, Kind::SecondDigit, 184, 16, 35, 104, 0},
    {El::LcdDc2, Kind::SecondDigit, 232, 16, 35, 104, 0},
    {El::LcdDd2, Kind::SecondDigit, 280, 16, 35, 104, 0},
    {El::LcdP12, Kind::Point, 176, 89, 7, 8, 0},
    {El::LcdP22, Kind::Point, 224, 89, 7, 8, 0},
    {El::LcdP32, Kind::Point, 272, 89, 9, 8, 0},
    {El::LcdFH, Kind::Minus, 109, 16, 26, 68, 0},
    {El::AVE, Kind::Word, 6, 5, 0, 0, 16},
    {El::V23, Kind::Picture, 48, 5, 49, 21, 0, "v23"},
    {El::MAX, Kind::Word, 94, 5, 0, 0, 16},
    {El::PH, Kind::Word, 142, 5, 0, 0, 16},
    {El::MIN, Kind::Word, 174, 5, 0, 0, 16},
    {El::READ, Kind::Picture, 216, 5, 49, 21, 0, "read"},
    {El::rec, Kind::Picture, 272, 5, 33, 18, 0, "rec"},
    {El::NO, Kind::Word, 310, 5, 0, 0, 16},
    {El::usb, Kind::Word, 342, 3, 0, 0, 19},
    {El::ESC, Kind::Word, 6, 25, 0, 0, 20},
    {El::NODATA, Kind::Word, 46, 25, 0, 0, 20},
    {El::power, Kind::Picture, 8, 52, 32, 29, 0, "power"},
    {El::VEL, Kind::Word, 46, 57, 0, 0, 20},
    {El::frame, Kind::Picture, 80, 56, 25, 25, 0, "frame"},
    {El::t_p, Kind::Picture, 96, 80, 25, 33, 0, "t_p"},
    {El::FLOW, Kind::Word, 6, 81, 0, 0, 20},
    {El::KEY, Kind::Word, 14, 121, 0, 0, 16},
    {El::TEMP, Kind::Word, 86, 121, 0, 0, 16},
    {El::loadNO, Kind::Word, 134, 119, 0, 0, 16},
    {El::LOAD, Kind::Word, 222, 119, 0, 0, 16},
    {El::time_l, Kind::Picture, 272, 120, 49, 18, 0, "time_l"},
    {El::TIMER, Kind::Word, 318, 113, 0, 0, 20},
    {El::p_off, Kind::Picture, -8, 159, 33, 34, 0, "p_off"},
    {El::CFM, Kind::Word, 278, 153, 0, 0, 20},
    {El::CMM, Kind::Word, 334, 153, 0, 0, 20},
    {El::ms, Kind::Picture, 272, 175, 49, 18, 0, "ms"},
    {El::knots, Kind::Word, 318, 177, 0, 0, 20},
    {El::ftmin, Kind::Picture, 320, 199, 73, 18, 0, "ftmin"},
    {El::mph, Kind::Word, 270, 201, 0, 0, 20},
    {El::X1, Kind::Word, 270, 225, 0, 0, 20},
    {El::Z0, Kind::Word, 294, 225, 0, 0, 20},
    {El::Z1, Kind::Word, 310, 225, 0, 0, 20},
    {El::kmh, Kind::Picture, 344, 225, 49, 18, 0, "kmh"},
    // The hold sign sits low in its box, in the gap between VEL, FLOW and the clock.
    {El::LCDHold, Kind::Symbol, 72, 70, 24, 40, 14},
    {El::c, Kind::Symbol, 328, 51, 28, 28, 20},
    {El::f, Kind::Symbol, 360, 49, 34, 30, 22},
    {El::RH, Kind::Picture, 328, 82, 57, 15, 0, "rh"},
    {El::Label4, Kind::Symbol, 325, 27, 32, 26, 16},
    {El::Label5, Kind::Symbol, 355, 22, 28, 29, 17},
};

const Place* placeOf(El e)
{
    for (const Place& p : kPlaces)
        if (p.el == e)
            return &p;
    return nullptr;
}

// Digit glyphs share one bottom line with their decimal points (panel y) and are condensed
// to the narrow boxes the meter's own digits had.
struct DigitStyle
{
    int baseline; // panel y of the glyphs' bottom edge
    int height;   // glyph height in pixels
    int width;    // glyph width in pixels
    int boxWidth; // width of a digit's box, for centring
};
constexpr DigitStyle kMainDigits{233, 92, 41, 43};
constexpr DigitStyle kSecondDigits{97, 70, 33, 35};

QFont digitFont()
{
    QFont font(kDigitFamily);
    font.setPixelSize(100);
    return font;
}

// The outline of text in the digit font, scaled so that an "8" fills a box of the style's
// width and height, with its bottom on y = 0 and its left edge on x = 0.
QPainterPath digitPath(const QString& text, const DigitStyle& style)
{
    static const QRectF eight = [] {
        QPainterPath p;
        p.addText(0, 0, digitFont(), QStringLiteral("8"));
        return p.boundingRect();
    }();
    QPainterPath path;
    path.addText(0, 0, digitFont(), text);
    QTransform t;
    t.scale(style.width / eight.width(), style.height / eight.height());
    t.translate(-eight.left(), -eight.bottom());
    return t.map(path);
}

// What each symbol character of the meter's fonts stands for on this glass.
QString symbolText(const QString& caption)
{
    // "#" and "^" are the Celsius signs of the two symbol fonts, "?" and ">" Fahrenheit.
    if (caption == QLatin1String("#") || caption == QLatin1String("^"))
        return QStringLiteral("°C");
    if (caption == QLatin1String("?") || caption == QLatin1String(">") ||
        caption == QLatin1String("$"))
        return QStringLiteral("°F");
    return caption;
}

QFont wordFont(int pixelSize)
{
    QFont font;
    font.setFamilies(kWordFamilies);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void paintDigit(QPainter& p, const QLabel& label, const DigitStyle& style)
{
    const qreal left = (style.boxWidth - style.width) / 2.0;
    p.translate(left, style.baseline - label.y());
    p.fillPath(digitPath(QStringLiteral("8"), style), kUnlitSegment);
    QString text = label.text();
    // The decoders name the L glyph "@"; the digit font draws it as "L".
    text.replace(QLatin1Char('@'), QLatin1Char('L'));
    if (!text.isEmpty())
        p.fillPath(digitPath(text, style), kInk);
}

void paintMinus(QPainter& p, const QLabel& label)
{
    // The secondary digits' own middle bar, so that sign and digits look alike.
    const QPainterPath bar = digitPath(QStringLiteral("-"), kSecondDigits);
    const QRectF r = bar.boundingRect();
    p.translate(label.width() / 2.0 - r.center().x(), kSecondDigits.baseline - label.y());
    p.fillPath(bar, kInk);
}

void paintHold(QPainter& p, const QLabel& label)
{
    // The data-hold sign: a bold H in a rounded box.
    const QRectF box(1.5, 16.5, label.width() - 3.0, 21.0);
    p.setPen(QPen(kInk, 2.0));
    p.drawRoundedRect(box, 3, 3);
    p.setFont(label.font());
    p.drawText(box, Qt::AlignCenter, QStringLiteral("H"));
}

} // namespace

LcdPanelWidget::LcdPanelWidget(PanelModel& model, QWidget* parent) : QFrame(parent), m_model(model)
{
    initLcdResources();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(kSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kCream);
    pal.setColor(QPalette::WindowText, kInk);
    setPalette(pal);
    setAutoFillBackground(true);

    createElements();
    for (const Place& place : kPlaces)
        updateElement(place.el);
    connect(&m_model, &PanelModel::elementChanged, this, &LcdPanelWidget::updateElement);
}

void LcdPanelWidget::createElements()
{
    for (const Place& place : kPlaces) {
        QWidget* w = nullptr;
        switch (place.kind) {
        case Kind::Point:
            // A solid dot: the meter's points are squares of ink.
            w = new QWidget(this);
            {
                QPalette dot;
                dot.setColor(QPalette::Window, kInk);
                w->setPalette(dot);
            }
            w->setAutoFillBackground(true);
            break;
        case Kind::Picture:
            w = new QSvgWidget(QStringLiteral(":/lcd/%1.svg").arg(QLatin1String(place.picture)),
                               this);
            break;
        default: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            if (place.px > 0)
                label->setFont(wordFont(place.px));
            if (place.kind != Kind::Word)
                label->installEventFilter(this);
            // The meter's USB sign is the one caption that covers what lies under it.
            if (place.el == El::usb)
                label->setAutoFillBackground(true);
            w = label;
        }
        }
        w->setObjectName(elementName(place.el));
        if (place.w > 0)
            w->setGeometry(place.x, place.y, place.w, place.h);
        else
            w->move(place.x, place.y);
        m_elements[static_cast<int>(place.el)] = w;
    }
}

QWidget* LcdPanelWidget::element(El e) const
{
    const int i = static_cast<int>(e);
    return i >= 0 && i < kElementCount ? m_elements[i] : nullptr;
}

void LcdPanelWidget::updateElement(El e)
{
    QWidget* w = element(e);
    if (!w)
        return;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(m_model.caption(e));
        if (placeOf(e)->kind == Kind::Word)
            label->adjustSize();
    }
    w->setVisible(m_model.isShown(e));
}

bool LcdPanelWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto* label = qobject_cast<QLabel*>(watched);
        const El e = elementByName(watched->objectName());
        if (label && e != El::Count) {
            paintElement(e, label);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void LcdPanelWidget::paintElement(El e, QLabel* label)
{
    QPainter p(label);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kInk);
    switch (placeOf(e)->kind) {
    case Kind::MainDigit:
        paintDigit(p, *label, kMainDigits);
        break;
    case Kind::SecondDigit:
        paintDigit(p, *label, kSecondDigits);
        break;
    case Kind::Minus:
        paintMinus(p, *label);
        break;
    default:
        if (e == El::LCDHold) {
            if (!label->text().isEmpty())
                paintHold(p, *label);
            break;
        }
        p.setFont(label->font());
        p.drawText(label->rect(), Qt::AlignCenter, symbolText(label->text()));
        break;
    }
}

QString LcdPanelWidget::displayUnit(const QString& unitText)
{
    // "^" and ">" read as the Celsius and Fahrenheit signs the glass draws for them.
    static const QHash<QString, QString> kReadable = {
        {QStringLiteral("m|s"), QStringLiteral("m/s")},
        {QStringLiteral("ft|min"), QStringLiteral("ft/min")},
        {QStringLiteral("Km|h"), QStringLiteral("km/h")},
        {QStringLiteral("X10"), QStringLiteral("x10")},
        {QStringLiteral("X100"), QStringLiteral("x100")},
        {QStringLiteral("#"), QStringLiteral("°C")},
        {QStringLiteral("^"), QStringLiteral("°C")},
        {QStringLiteral("$"), QStringLiteral("°F")},
        {QStringLiteral(">"), QStringLiteral("°F")},
    };
    return kReadable.value(unitText, unitText);
}

} // namespace qx740
