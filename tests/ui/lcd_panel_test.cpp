// The virtual LCD widget: element places, model changes reaching the glass, real ink.
#include "LcdPanelWidget.h"
#include "LinkPicture.h"
#include "decode/PanelModel.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

using namespace qx740;

namespace {

// Dark pixels of a widget rendered alone on white: what the user sees as lit ink.
int inkIn(QWidget& w, QRect area = {})
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    w.render(&img);
    area = area.isNull() ? img.rect() : area & img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

struct PanelFixture : ::testing::Test
{
    PanelModel model;
    LcdPanelWidget panel{model};

    QWidget* child(El e) { return panel.findChild<QWidget*>(elementName(e)); }
};

TEST_F(PanelFixture, EveryGlassElementIsANamedChild)
{
    EXPECT_EQ(panel.size(), QSize(398, 257));
    // The glass elements run from the first main digit to the last secondary symbol.
    for (int i = int(El::LcdDa); i <= int(El::Label5); ++i) {
        const auto e = static_cast<El>(i);
        EXPECT_NE(child(e), nullptr) << elementName(e).toStdString();
        EXPECT_EQ(panel.element(e), child(e)) << elementName(e).toStdString();
    }
    EXPECT_EQ(panel.element(El::Image1), nullptr);
    EXPECT_EQ(panel.element(El::MinText), nullptr);
}

TEST_F(PanelFixture, ElementsSitAtTheirPlaces)
{
    struct Row
    {
        El el;
        QRect place; // an empty size means the caption sizes the element
    };
    const Row rows[] = {
        {El::LcdDa, {24, 132, 43, 126}}, {El::LcdDd, {216, 132, 43, 126}},
        {El::LcdP2, {136, 225, 9, 7}},   {El::LcdDb2, {184, 16, 35, 104}},
        {El::LcdP32, {272, 89, 9, 8}},   {El::LcdFH, {109, 16, 26, 68}},
        {El::V23, {48, 5, 49, 21}},      {El::ftmin, {320, 199, 73, 18}},
        {El::p_off, {-8, 159, 33, 34}},  {El::RH, {328, 82, 57, 15}},
        {El::Label4, {325, 27, 32, 26}}, {El::Label5, {355, 22, 28, 29}},
        {El::AVE, {6, 5, 0, 0}},         {El::usb, {342, 3, 0, 0}},
        {El::knots, {318, 177, 0, 0}},   {El::LCDHold, {72, 70, 0, 0}},
        {El::c, {328, 51, 0, 0}},        {El::f, {360, 49, 0, 0}},
    };
    for (const Row& r : rows) {
        QWidget* w = child(r.el);
        ASSERT_NE(w, nullptr) << elementName(r.el).toStdString();
        if (r.place.width() > 0)
            EXPECT_EQ(w->geometry(), r.place) << elementName(r.el).toStdString();
        else
            EXPECT_EQ(w->pos(), r.place.topLeft()) << elementName(r.el).toStdString();
    }
}

TEST_F(PanelFixture, ModelChangesReachTheirChild)
{
    EXPECT_TRUE(child(El::LcdDa)->isVisibleTo(&panel));
    EXPECT_FALSE(child(El::AVE)->isVisibleTo(&panel));
    EXPECT_FALSE(child(El::ms)->isVisibleTo(&panel));
    EXPECT_EQ(child(El::LcdDa)->property("text").toString(), QStringLiteral("3"));

    model.setShown(El::AVE, true);
    model.setShown(El::ms, true);
    model.setShown(El::LcdDa, false);
    model.setCaption(El::LcdDb, QStringLiteral("@"));
    model.setCaption(El::Label4, QString());
    EXPECT_TRUE(child(El::AVE)->isVisibleTo(&panel));
    EXPECT_TRUE(child(El::ms)->isVisibleTo(&panel));
    EXPECT_FALSE(child(El::LcdDa)->isVisibleTo(&panel));
    EXPECT_EQ(child(El::LcdDb)->property("text").toString(), QStringLiteral("@"));
    EXPECT_EQ(child(El::Label4)->property("text").toString(), QString());
    EXPECT_TRUE(child(El::Label4)->isVisibleTo(&panel));
}

TEST_F(PanelFixture, LitDigitInksTheGlass)
{
    ASSERT_TRUE(QFontDatabase::families().contains(QStringLiteral("DSEG7 Classic")));
    // The digit's box reaches into the panel's bevel, which is dark of its own.
    const QRect digit = child(El::LcdDa)->geometry() & panel.contentsRect();
    model.setCaption(El::LcdDa, QString());
    const int blank = inkIn(panel, digit);
    model.setCaption(El::LcdDa, QStringLiteral("8"));
    const int eight = inkIn(panel, digit);
    model.setCaption(El::LcdDa, QStringLiteral("1"));
    const int one = inkIn(panel, digit);
    EXPECT_EQ(blank, 0) << "the unlit segments must stay faint";
    EXPECT_GT(one, 200);
    EXPECT_GT(eight, 2 * one);
}

TEST_F(PanelFixture, AtSignDrawsTheLShape)
{
    QWidget* d = child(El::LcdDc2);
    model.setCaption(El::LcdDc2, QStringLiteral("@"));
    // The glyph spans panel y 27..97, i.e. label y 11..81; the L has no top bar and no right
    // side but a bottom bar and a left side.
    const int top = inkIn(*d, QRect(d->width() / 2, 8, d->width() / 2, 8));
    const int bottom = inkIn(*d, QRect(0, 74, d->width(), 8));
    const int right = inkIn(*d, QRect(d->width() - 8, 8, 8, 60));
    const int left = inkIn(*d, QRect(0, 16, 8, 56));
    EXPECT_EQ(top, 0);
    EXPECT_EQ(right, 0);
    EXPECT_GT(bottom, 50);
    EXPECT_GT(left, 50);
}

TEST_F(PanelFixture, SymbolsInkOnlyWhenLit)
{
    auto* label4 = child(El::Label4);
    EXPECT_GT(inkIn(*label4), 20);
    model.setCaption(El::Label4, QString());
    EXPECT_EQ(inkIn(*label4), 0);
    for (El e : {El::LCDHold, El::c, El::f, El::LcdFH})
        EXPECT_GT(inkIn(*child(e)), 20) << elementName(e).toStdString();
}

TEST_F(PanelFixture, EveryPictureIsDrawn)
{
    // A picture whose resource is missing renders nothing, silently.
    for (El e : {El::V23, El::READ, El::rec, El::power, El::frame, El::t_p, El::time_l, El::p_off,
                 El::ms, El::ftmin, El::kmh, El::RH})
        EXPECT_GT(inkIn(*child(e)), 20) << elementName(e).toStdString();
}

TEST(LcdPanelWidget, DisplayUnitReadsTheLogUnits)
{
    const std::pair<const char*, QString> rows[] = {
        {"m|s", "m/s"},   {"ft|min", "ft/min"}, {"Km|h", "km/h"}, {"X10", "x10"},
        {"X100", "x100"}, {"#", "°C"},          {"$", "°F"},      {"^", "°C"},
        {">", "°F"},      {"%RH", "%RH"},       {"MPH", "MPH"},   {"", ""},
    };
    for (const auto& [in, out] : rows)
        EXPECT_EQ(LcdPanelWidget::displayUnit(QString::fromUtf8(in)), out) << in;
}

TEST(LinkPicture, LitAndDarkScreensDiffer)
{
    LinkPicture lit(true), dark(false);
    EXPECT_EQ(lit.size(), QSize(25, 24));
    EXPECT_TRUE(lit.isLit());
    EXPECT_FALSE(dark.isLit());
    EXPECT_GT(inkIn(lit), 0);
    EXPECT_GT(inkIn(dark), inkIn(lit)) << "dark screens add ink";
}

} // namespace
