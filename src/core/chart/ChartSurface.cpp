#include "ChartSurface.h"

namespace qx740 {

void ChartSurface::scrollBottom(double d)
{
    // Points are numbered 0, 1, 2, ... so the extremes follow from the counts.
    int largest = -1;
    bool any = false;
    for (int s = 0; s < seriesCount(); ++s) {
        const int n = pointCount(s);
        if (n > 0) {
            any = true;
            if (n - 1 > largest)
                largest = n - 1;
        }
    }
    if (!any)
        return;
    const double smallest = 0;
    if ((d > 0 && largest > bottomMaximum()) || (d < 0 && smallest < bottomMinimum()))
        setBottomRange(bottomMinimum() + d, bottomMaximum() + d);
}

} // namespace qx740
