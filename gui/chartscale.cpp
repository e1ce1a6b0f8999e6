#include "gui/chartscale.h"

#include <cmath>

namespace app::qt {

namespace {

// Rounding slack: 0.3 / 0.1 is not exactly 3.
constexpr double kSlack = 1e-9;

}  // namespace

Scale ScaleFor(double low, double high, int intervals)
{
    if (!(low <= high))
        low = 0, high = 1;
    if (low == high)
        low -= 1, high += 1;
    const double span = (high - low) / intervals;
    double magnitude = std::pow(10.0, std::floor(std::log10(span)));
    for (;; magnitude *= 10)
        for (double factor : {1.0, 2.0, 2.5, 5.0}) {
            const double step = factor * magnitude;
            const double first = std::floor(low / step + kSlack) * step;
            if (first + intervals * step >= high - kSlack * step)
                return {first, step, intervals};
        }
}

std::pair<Scale, Scale> SharedScales(double low1, double high1, double low2, double high2)
{
    std::pair<Scale, Scale> best;
    double bestEmpty = INFINITY;
    for (int intervals : {5, 4, 6}) {
        const Scale a = ScaleFor(low1, high1, intervals), b = ScaleFor(low2, high2, intervals);
        const auto empty = [](const Scale& s, double low, double high) {
            return low < high ? 1 - (high - low) / (s.high() - s.low) : 0.0;
        };
        const double e = empty(a, low1, high1) + empty(b, low2, high2);
        if (e < bestEmpty - kSlack)
            best = {a, b}, bestEmpty = e;
    }
    return best;
}

int StepDecimals(double step)
{
    int decimals = 0;
    for (double scaled = std::abs(step); decimals < 6; scaled *= 10, ++decimals)
        if (std::abs(scaled - std::round(scaled)) < kSlack * std::max(1.0, scaled))
            break;
    return decimals;
}

}  // namespace app::qt
