#pragma once

namespace qx740 {

// What the chart pager needs of a chart: a paged bottom axis and a list of series whose points
// get X = the number of points the series held before.
class ChartSurface
{
public:
    virtual ~ChartSurface() = default;

    virtual int seriesCount() const = 0;
    virtual int pointCount(int series) const = 0;
    virtual void addValue(int series, double value) = 0;
    virtual void clearSeries(int series) = 0;
    virtual void setSeriesActive(int series, bool active) = 0;

    virtual double bottomMinimum() const = 0;
    virtual double bottomMaximum() const = 0;
    virtual void setBottomRange(double minimum, double maximum) = 0;

    // Moves the bottom window by d, but only forward while a plotted point lies beyond its
    // right end, and only backward while one lies before its left end.
    void scrollBottom(double d);
};

} // namespace qx740
