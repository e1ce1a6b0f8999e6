// The varied value as the main window shows a number of its kind, for the
// table, the clipboard and the printed page; files keep the full value.
#pragma once

#include "calc/numtext.h"
#include "study/study.h"

#include <string>

namespace study {

// Heat with 2 decimals, as the window's kW/K results; temperatures with 1,
// as the primary return temperature.
int ShownDecimals(Quantity q);

// The value with the window's separators and thousands groups.
std::string ShownValue(double value, Quantity q, const calc::NumberFormat& format);

}  // namespace study
