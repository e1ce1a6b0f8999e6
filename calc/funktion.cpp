#include "calc/funktion.h"

#include "calc/fault.h"
#include "calc/numtext.h"
#include "calc/utf8.h"

namespace funktion {

using calc::Exp;
using calc::Ln;
using calc::Real;

namespace {

// c0 + c1·T + c2·T² + c3·T³ + c4·T⁴, powers by repeated multiplication,
// terms added in rising order.
Real Quartic(Real t, double c0, double c1, double c2, double c3, double c4)
{
    const Real t2 = t * t;
    const Real t3 = t2 * t;
    const Real t4 = t3 * t;
    return Real(c0) + Real(c1) * t + Real(c2) * t2 + Real(c3) * t3 + Real(c4) * t4;
}

// A coefficient of the mixture: (k0 + k1·x + k2·x²) / divisor at x = GlycolPercent.
Real GlycolCoefficient(double k0, double k1, double k2, double divisor)
{
    const Real x = GlycolPercent;
    return (Real(k0) + Real(k1) * x + Real(k2) * x * x) / Real(divisor);
}

Real WaterDensity(Real t)
{
    return Quartic(t, 999.92109343031, 0.02521445574, -0.00623330127, 2.251467e-05, -4.47e-08);
}
Real WaterSpecificHeat(Real t)
{
    return Quartic(t, 4.21393864418, -0.00210614041, 3.704489e-05, -2.162e-07, 6.1e-10) * 1000.0;
}
Real WaterConductivity(Real t) { return Quartic(t, 0.56854120362, 0.00200856651, -1.266062e-05, 5.421e-08, -1.6e-10); }
Real WaterViscosity(Real t)
{
    return Quartic(t, 1.72243328608, -0.04456517034, 0.00056284968, -3.29305e-06, 7.09e-09) / 1000000.0;
}
Real WaterPrandtl(Real t) { return Quartic(t, 12.72016848477, -0.36063485684, 0.0047207947, -2.807919e-05, 6.104e-08); }

Real GlycolDensity(Real t)
{
    const Real a = GlycolCoefficient(998.4, 1.77, -0.00469, 1);
    const Real b = GlycolCoefficient(-4.6, -1.165, 0.00532, 100);
    const Real c = GlycolCoefficient(-36.8, 0.557, -0.00243, 10000);
    return a + b * t + c * t * t;
}
Real GlycolSpecificHeat(Real t)
{
    const Real a = GlycolCoefficient(4268.1, -22.277, 0.01932, 1);
    const Real b = GlycolCoefficient(-190.4, 24.682, -0.18122, 100);
    const Real c = GlycolCoefficient(161.5, -11.069, 0.0965, 10000);
    return a + b * t + c * t * t;
}
Real GlycolConductivity(Real t)
{
    const Real a = GlycolCoefficient(0.58, -0.00374, 1.02e-05, 1);
    const Real b = GlycolCoefficient(10.5, -0.306, 0.00126, 10000);
    return a + b * t;
}
Real GlycolViscosity(Real t)
{
    const Real A = Real(1.475) * Exp(Real(0.03133) * Real(GlycolPercent));
    const Real B = GlycolCoefficient(-1.759, -0.01104, -2e-05, 1);
    return A * Exp(B / 100.0 * t) / 1000000.0;
}

}  // namespace

double Power(double base, double exponent) { return Exp(Real(exponent) * Ln(base)).value(); }

double Density(int medium, double t) { return (medium == MediumWater ? WaterDensity(t) : GlycolDensity(t)).value(); }

double SpecificHeat(int medium, double t)
{
    return (medium == MediumWater ? WaterSpecificHeat(t) : GlycolSpecificHeat(t)).value();
}

double Conductivity(int medium, double t)
{
    return (medium == MediumWater ? WaterConductivity(t) : GlycolConductivity(t)).value();
}

double Viscosity(int medium, double t)
{
    return (medium == MediumWater ? WaterViscosity(t) : GlycolViscosity(t)).value();
}

double Prandtl(int medium, double t)
{
    // Water has a fit of its own; the mixture's is formed from its properties.
    if (medium == MediumWater)
        return WaterPrandtl(t).value();
    return (GlycolViscosity(t) * GlycolDensity(t) * GlycolSpecificHeat(t) / GlycolConductivity(t)).value();
}

double HeatTransferFactor(int medium, double t, double n)
{
    const Real lambda = Conductivity(medium, t);
    const Real nu = Viscosity(medium, t);
    const Real pr = Prandtl(medium, t);
    return (lambda * Power(nu.value(), (-Real(n)).value()) * Power(pr.value(), 0.3)).value();
}

double LogMeanTempDiff(double t1, double t2, double t3, double t4)
{
    const Real dt1 = Real(t1) - Real(t3);
    const Real dt2 = Real(t2) - Real(t4);
    // Exact comparisons: the special cases are the exact ones.
    if (dt1 == dt2)
        return dt1 == 0.0 ? 1e-7 : dt1.value();
    if (dt1 == 0.0)
        return (dt2 / Ln(dt2)).value();
    if (dt2 == 0.0)
        return (dt1 / Ln(dt1)).value();
    return ((dt1 - dt2) / Ln(dt1 / dt2)).value();
}

bool CheckGreater(const std::string& firstText, const std::string& firstName, const std::string& secondText,
                  const std::string& secondName, const calc::Environment& env)
{
    const double first = calc::StrToFloat(firstText, env.format.decimal);
    const double second = calc::StrToFloat(secondText, env.format.decimal);
    if (second < first)
        return true;
    // The names are joined as they stand: a caption ending in a blank gives
    // two blanks before the verb.
    const calc::MessageText& verb = calc::kMustBeGreater;
    calc::ShowInLanguage(env, calc::MessageKind::Error, firstName + std::string(verb.danish) + secondName,
                         firstName + std::string(verb.english) + secondName);
    return false;
}

void FilterNumericKey(char32_t& key, std::string_view text, std::string_view decimalSeparator)
{
    constexpr char32_t kBackspace = 8;
    const char32_t separator = calc::FirstCodePoint(decimalSeparator);
    // The other usual mark is meant as the separator by someone used to a
    // keyboard of another country; dropped, it would multiply the number.
    if ((key == U'.' || key == U',') && key != separator)
        key = separator;
    const bool accepted = key == kBackspace || (key >= U'0' && key <= U'9') || key == separator;
    if (!accepted) {
        key = 0;
        return;
    }
    if (key == separator && text.find(decimalSeparator) != std::string_view::npos)
        key = 0;
}

}  // namespace funktion
