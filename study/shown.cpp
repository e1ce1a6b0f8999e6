#include "study/shown.h"

namespace study {

int ShownDecimals(Quantity q) { return q == Quantity::EQ ? 2 : 1; }

std::string ShownValue(double value, Quantity q, const calc::NumberFormat& format)
{
    return calc::FormatResult(value, ShownDecimals(q), format);
}

}  // namespace study
