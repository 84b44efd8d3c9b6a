#pragma once

#include "ChartSurface.h"

namespace qx740 {

// The chart pager: adds points, counts pages, follows the newest page while the user is not
// browsing, and moves the window by whole pages.
class TChartControl
{
public:
    TChartControl(ChartSurface& chart, int pageSize);

    void AddPoint(double value);
    void ShowFirstPage();
    void ShowPreviousPage();
    void ShowNextPage();
    void ShowLastPage();
    void SetPageSize(int n);
    void ClearPoints();

    int CurrentPage() const { return m_currentPage; }
    int PageSize() const { return m_pageSize; }
    int PageCount() const { return m_pageCount; }
    bool Browsing() const { return m_browsing; }

private:
    int pagesFor(int points) const;
    int points() const;

    ChartSurface& m_chart;
    int m_currentPage = 0;
    int m_pageSize = 0;
    int m_pageCount = 0;
    bool m_browsing = false;
};

} // namespace qx740
