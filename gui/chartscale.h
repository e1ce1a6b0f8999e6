// Value-axis scales of the part-load chart: readable steps (1, 2, 2.5 or 5
// times a power of ten), and the two y-axes cut into the same number of
// steps so that their gridlines coincide.
#pragma once

#include <utility>

namespace app::qt {

struct Scale {
    double low = 0, step = 1;
    int intervals = 1;
    double high() const { return low + step * intervals; }
};

// The smallest readable step that covers low..high in `intervals` steps from
// a multiple of the step. An empty range (low > high) gives 0..1; a single
// value is widened by 1 each way.
Scale ScaleFor(double low, double high, int intervals);

// Both axes with the same number of intervals, between 4 and 6, the one that
// leaves the least empty room on the two together.
std::pair<Scale, Scale> SharedScales(double low1, double high1, double low2, double high2);

// The decimals that show every multiple of `step` exactly (at most 6).
int StepDecimals(double step);

}  // namespace app::qt
