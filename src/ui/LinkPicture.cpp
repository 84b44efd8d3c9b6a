#include "LinkPicture.h"

#include <QPainter>

namespace qx740 {

namespace {
const QColor kCase(70, 70, 70);
const QColor kMeterCase(230, 160, 20);
const QColor kPcScreenLit(60, 220, 60);
const QColor kMeterScreenLit(250, 240, 90);
const QColor kScreenDark(35, 45, 40);
} // namespace

LinkPicture::LinkPicture(bool lit, QWidget* parent) : QWidget(parent), m_lit(lit)
{
    setFixedSize(kWidth, kHeight);
}

void LinkPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // The cable first, so that both ends tuck under the cases.
    p.setPen(QPen(kCase, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{8.0, 16.0}, {8.0, 21.5}, {19.5, 21.5}, {19.5, 19.0}}));

    // The computer: monitor with its screen, on a foot.
    p.setPen(Qt::NoPen);
    p.setBrush(kCase);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15.0, 12.0), 1.5, 1.5);
    p.drawRect(QRectF(6.0, 13.5, 4.0, 1.5));
    p.drawRect(QRectF(3.5, 15.0, 9.0, 1.5));
    p.setBrush(m_lit ? kPcScreenLit : kScreenDark);
    p.drawRect(QRectF(2.5, 3.5, 11.0, 8.0));

    // The handheld meter: a tall case with a small display and a dial below it.
    p.setBrush(kMeterCase);
    p.setPen(QPen(kCase, 1.0));
    p.drawRoundedRect(QRectF(15.5, 5.5, 8.5, 14.0), 2.0, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(m_lit ? kMeterScreenLit : kScreenDark);
    p.drawRect(QRectF(17.0, 7.5, 5.5, 4.0));
    p.setBrush(kCase);
    p.drawEllipse(QPointF(19.75, 15.5), 1.6, 1.6);
}

} // namespace qx740
