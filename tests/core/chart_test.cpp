// The chart pager: page arithmetic, following the newest page, navigation and the page size;
// and the chart reset and curve choice of the session.
#include "MeterFrames.h"
#include "chart/PointCountChart.h"
#include "chart/TChartControl.h"

#include <gtest/gtest.h>

#include <utility>

using namespace qx740;
using namespace qx740::test;

namespace {

class Pager : public ::testing::Test
{
protected:
    Pager()
    {
        // The chart reset: one placeholder point per series, so reading k gets X = k.
        for (int s = 0; s < chart.seriesCount(); ++s)
            chart.addValue(s, 0);
    }
    void add(int readings)
    {
        for (int i = 0; i < readings; ++i)
            pager.AddPoint(1.5);
    }
    std::pair<double, double> window() const
    {
        return {chart.bottomMinimum(), chart.bottomMaximum()};
    }
    using Window = std::pair<double, double>;

    PointCountChart chart;
    TChartControl pager{chart, 100};
};

TEST_F(Pager, StartsOnPageOneOfOne)
{
    EXPECT_EQ(pager.CurrentPage(), 1);
    EXPECT_EQ(pager.PageCount(), 1);
    EXPECT_EQ(pager.PageSize(), 100);
    EXPECT_FALSE(pager.Browsing());
    EXPECT_EQ(window(), Window(1, 100));
}

TEST_F(Pager, FollowsTheNewestPointOnePageAtATime)
{
    const struct
    {
        int readings; // in total
        int pages;
        Window window;
    } steps[] = {
        {99, 1, {1, 100}},
        {100, 2, {1, 100}}, // X = 100 is not beyond the window, yet n = 101
                            // fills two pages
        {101, 2, {101, 200}},
        {200, 3, {101, 200}},
        {201, 3, {201, 300}},
        {250, 3, {201, 300}},
    };
    int added = 0;
    for (const auto& st : steps) {
        SCOPED_TRACE(st.readings);
        add(st.readings - added);
        added = st.readings;
        EXPECT_EQ(pager.PageCount(), st.pages);
        EXPECT_EQ(pager.CurrentPage(), st.pages);
        EXPECT_EQ(window(), st.window);
        EXPECT_EQ(chart.pointCount(0), st.readings + 1);
        EXPECT_EQ(chart.pointCount(1), st.readings + 1);
    }
}

TEST_F(Pager, FirstPageStopsFollowingAndLastPageResumesIt)
{
    add(250);
    pager.ShowFirstPage();
    EXPECT_EQ(window(), Window(1, 100));
    EXPECT_EQ(pager.CurrentPage(), 1);
    EXPECT_TRUE(pager.Browsing());

    add(60); // counted, but the window stays
    EXPECT_EQ(window(), Window(1, 100));
    EXPECT_EQ(pager.PageCount(), 4);
    EXPECT_EQ(pager.CurrentPage(), 1);

    pager.ShowLastPage();
    EXPECT_EQ(window(), Window(301, 400));
    EXPECT_EQ(pager.CurrentPage(), 4);
    EXPECT_FALSE(pager.Browsing());
    add(100);
    EXPECT_EQ(window(), Window(401, 500));
}

TEST_F(Pager, NextAndPreviousMoveOnePageAndReachingTheLastResumesFollowing)
{
    add(250);
    pager.ShowFirstPage();
    pager.ShowNextPage();
    EXPECT_EQ(pager.CurrentPage(), 2);
    EXPECT_EQ(window(), Window(101, 200));
    EXPECT_TRUE(pager.Browsing());
    pager.ShowNextPage();
    EXPECT_EQ(pager.CurrentPage(), 3);
    EXPECT_EQ(window(), Window(201, 300));
    EXPECT_FALSE(pager.Browsing());

    pager.ShowPreviousPage();
    EXPECT_EQ(pager.CurrentPage(), 2);
    EXPECT_EQ(window(), Window(101, 200));
    EXPECT_TRUE(pager.Browsing());
}

TEST_F(Pager, NavigationAtTheEndsDoesNothing)
{
    const struct
    {
        const char* name;
        int readings;
        void (TChartControl::*move)();
    } rows[] = {
        {"previous on page 1", 50, &TChartControl::ShowPreviousPage},
        {"first on page 1", 50, &TChartControl::ShowFirstPage},
        {"next with one page", 50, &TChartControl::ShowNextPage},
        {"last with one page", 50, &TChartControl::ShowLastPage},
        {"next on the last page", 250, &TChartControl::ShowNextPage},
        {"last on the last page", 250, &TChartControl::ShowLastPage},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        PointCountChart c;
        c.addValue(0, 0);
        c.addValue(1, 0);
        TChartControl p(c, 100);
        for (int i = 0; i < r.readings; ++i)
            p.AddPoint(1);
        const Window before{c.bottomMinimum(), c.bottomMaximum()};
        const int page = p.CurrentPage();
        (p.*r.move)();
        EXPECT_EQ(p.CurrentPage(), page);
        EXPECT_EQ(Window(c.bottomMinimum(), c.bottomMaximum()), before);
        EXPECT_FALSE(p.Browsing());
    }
}

TEST_F(Pager, NewPageSizeRecountsAndShowsTheLastPage)
{
    add(250);
    pager.ShowFirstPage();
    pager.SetPageSize(50);
    EXPECT_EQ(pager.PageSize(), 50);
    EXPECT_EQ(pager.PageCount(), 6); // n = 251
    EXPECT_EQ(pager.CurrentPage(), 6);
    EXPECT_EQ(window(), Window(201, 250));
    EXPECT_FALSE(pager.Browsing());

    // The same size again changes nothing, not even browsing.
    pager.ShowPreviousPage();
    ASSERT_TRUE(pager.Browsing());
    pager.SetPageSize(50);
    EXPECT_TRUE(pager.Browsing());
    EXPECT_EQ(pager.CurrentPage(), 5);
    EXPECT_EQ(window(), Window(151, 200));

    // A page must hold at least one point.
    for (int size : {0, -3}) {
        pager.SetPageSize(size);
        EXPECT_EQ(pager.PageSize(), 50);
        EXPECT_EQ(pager.PageCount(), 6);
        EXPECT_EQ(window(), Window(151, 200));
    }
}

TEST_F(Pager, ClearPointsReturnsToPageOneAndEmptiesEverySeries)
{
    add(250);
    pager.ShowPreviousPage();
    pager.ClearPoints();
    EXPECT_EQ(window(), Window(1, 100));
    EXPECT_EQ(pager.CurrentPage(), 1);
    EXPECT_FALSE(pager.Browsing());
    EXPECT_EQ(chart.pointCount(0), 0);
    EXPECT_EQ(chart.pointCount(1), 0);
    EXPECT_EQ(pager.PageCount(), 3); // until the next point
}

class ChartInSession : public ::testing::Test
{
protected:
    void log(int rows)
    {
        for (int i = 0; i < rows; ++i)
            s.INDataToTable();
    }
    ManualClock clock;
    PointCountChart chart;
    MeterSession s{ModelFlags::thisBuild(), QStringLiteral("."), clock, &chart};
};

TEST_F(ChartInSession, ResetLeavesThePagerAndThePageDisplayAlone)
{
    ASSERT_EQ(chart.pointCount(0), 1);
    log(250);
    ASSERT_EQ(s.panel().caption(El::Bt10), QStringLiteral("3"));
    s.chartReset();
    EXPECT_EQ(chart.pointCount(0), 1);
    EXPECT_EQ(chart.pointCount(1), 1);
    EXPECT_EQ(chart.bottomMinimum(), 201);
    EXPECT_EQ(chart.bottomMaximum(), 300);
    EXPECT_EQ(s.chartControl().CurrentPage(), 3);
    EXPECT_EQ(s.panel().caption(El::Bt10), QStringLiteral("3"));
}

TEST_F(ChartInSession, ExactlyTheChosenCurveIsActive)
{
    EXPECT_TRUE(chart.isSeriesActive(0));
    EXPECT_FALSE(chart.isSeriesActive(1));
    s.setFill(false);
    s.chartReset();
    EXPECT_FALSE(chart.isSeriesActive(0));
    EXPECT_TRUE(chart.isSeriesActive(1));
    s.ShowSeries(0);
    EXPECT_TRUE(chart.isSeriesActive(0));
    EXPECT_FALSE(chart.isSeriesActive(1));
    EXPECT_EQ(s.activeSeries(), 0);
}

} // namespace
