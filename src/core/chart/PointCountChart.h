#pragma once

#include "ChartSurface.h"

#include <array>

namespace qx740 {

// A chart that keeps only what paging needs: point counts, active series and the bottom
// window. Used where no chart is drawn.
class PointCountChart : public ChartSurface
{
public:
    int seriesCount() const override { return 2; }
    int pointCount(int series) const override { return m_counts[std::size_t(series)]; }
    void addValue(int series, double) override { ++m_counts[std::size_t(series)]; }
    void clearSeries(int series) override { m_counts[std::size_t(series)] = 0; }
    void setSeriesActive(int series, bool active) override
    {
        m_active[std::size_t(series)] = active;
    }
    bool isSeriesActive(int series) const { return m_active[std::size_t(series)]; }

    double bottomMinimum() const override { return m_min; }
    double bottomMaximum() const override { return m_max; }
    void setBottomRange(double minimum, double maximum) override
    {
        m_min = minimum;
        m_max = maximum;
    }

private:
    std::array<int, 2> m_counts{};
    std::array<bool, 2> m_active{true, true};
    double m_min = 0, m_max = 0;
};

} // namespace qx740
