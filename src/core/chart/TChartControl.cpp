#include "TChartControl.h"

namespace qx740 {

TChartControl::TChartControl(ChartSurface& chart, int pageSize) : m_chart(chart)
{
    SetPageSize(pageSize);
    m_chart.setBottomRange(1, pageSize);
    m_pageCount = 1;
    m_currentPage = 1;
}

int TChartControl::points() const
{
    return m_chart.seriesCount() > 0 ? m_chart.pointCount(0) : 0;
}

int TChartControl::pagesFor(int n) const
{
    if (m_pageSize <= 0)
        return 0;
    return n / m_pageSize + (n % m_pageSize > 0 ? 1 : 0);
}

void TChartControl::AddPoint(double value)
{
    for (int s = 0; s < m_chart.seriesCount(); ++s)
        m_chart.addValue(s, value);
    m_pageCount = pagesFor(points());
    if (!m_browsing) {
        m_chart.scrollBottom(m_pageSize);
        m_currentPage = m_pageCount;
    }
}

void TChartControl::ShowFirstPage()
{
    if (m_pageCount < 2 || m_currentPage == 1)
        return;
    for (int i = 0; i < m_currentPage - 1; ++i)
        m_chart.scrollBottom(-m_pageSize);
    m_currentPage = 1;
    m_browsing = true;
}

void TChartControl::ShowPreviousPage()
{
    if (m_currentPage < 2)
        return;
    m_chart.scrollBottom(-m_pageSize);
    --m_currentPage;
    m_browsing = true;
}

void TChartControl::ShowNextPage()
{
    if (m_pageCount < 2 || m_currentPage == m_pageCount)
        return;
    m_chart.scrollBottom(m_pageSize);
    ++m_currentPage;
    m_browsing = m_currentPage != m_pageCount;
}

void TChartControl::ShowLastPage()
{
    if (m_pageCount < 2 || m_currentPage == m_pageCount)
        return;
    for (int i = 0; i < m_pageCount - m_currentPage; ++i)
        m_chart.scrollBottom(m_pageSize);
    m_currentPage = m_pageCount;
    m_browsing = false;
}

void TChartControl::SetPageSize(int n)
{
    // A page of no points would make every page count meaningless; such a size is refused.
    if (n == m_pageSize || n < 1)
        return;
    m_pageSize = n;
    m_chart.setBottomRange(1, n);
    m_pageCount = pagesFor(points());
    for (int i = 0; i < m_pageCount - 1; ++i)
        m_chart.scrollBottom(n);
    m_currentPage = m_pageCount;
    m_browsing = false;
}

void TChartControl::ClearPoints()
{
    ShowFirstPage();
    for (int s = 0; s < m_chart.seriesCount(); ++s)
        m_chart.clearSeries(s);
    m_browsing = false;
}

} // namespace qx740
