// Fluid properties of water and of the 40 % glycol mixture, the film factor,
// the logarithmic mean temperature difference, the order check of two
// temperatures and the key filter of the input fields. No state.
#pragma once

#include "calc/messages.h"

#include <string>
#include <string_view>

// FUNKTION, Danish for "function": the calculations' stateless helpers.
namespace funktion {

constexpr int MediumWater = 1, MediumGlycol = 2;
constexpr double GlycolPercent = 40.0;

// exp(exponent * ln(base)); a base of 0 is a division by zero, a negative
// base an invalid operation.
double Power(double base, double exponent);

// Properties at temperature t (°C), in SI units. Medium 1 is water; every
// other code, 0 included, is the glycol mixture.
double Density(int medium, double t);       // kg/m³
double SpecificHeat(int medium, double t);  // J/(kg·K)
double Conductivity(int medium, double t);  // W/(m·K)
double Viscosity(int medium, double t);     // kinematic, m²/s
double Prandtl(int medium, double t);

// λ · ν^(−n) · Pr^0.3: the fluid's share of a film coefficient whose flow
// part goes with the n-th power.
double HeatTransferFactor(int medium, double t, double n);

// Logarithmic mean of t1 − t3 and t2 − t4.
double LogMeanTempDiff(double t1, double t2, double t3, double t4);

// True when the first text's value is strictly greater than the second's;
// otherwise shows "<firstName> skal være større end <secondName>" (or its
// English form) in an error box and returns false. A text that is not a
// number throws calc::ConversionError.
bool CheckGreater(const std::string& firstText, const std::string& firstName, const std::string& secondText,
                  const std::string& secondName, const calc::Environment& env);

// Lets backspace, the digits and one decimal separator through; sets any
// other key to 0, the other mark of "." and "," too: there it groups
// thousands, so "1.500" typed in a Danish field is 1500. `text` is the
// field's whole text before the keystroke.
void FilterNumericKey(char32_t& key, std::string_view text, std::string_view decimalSeparator);

}  // namespace funktion
