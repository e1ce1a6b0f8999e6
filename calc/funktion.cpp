#include "calc/funktion.h"

#include "calc/correlations.h"
#include "calc/fault.h"
#include "calc/numtext.h"
#include "calc/utf8.h"

namespace funktion {

using calc::Real;
namespace fluid = calc::fluid;

double Power(double base, double exponent) { return fluid::Power(Real(base), exponent).value(); }

double Density(int medium, double t) { return fluid::Density(medium, Real(t)).value(); }
double SpecificHeat(int medium, double t) { return fluid::SpecificHeat(medium, Real(t)).value(); }
double Conductivity(int medium, double t) { return fluid::Conductivity(medium, Real(t)).value(); }
double Viscosity(int medium, double t) { return fluid::Viscosity(medium, Real(t)).value(); }
double Prandtl(int medium, double t) { return fluid::Prandtl(medium, Real(t)).value(); }

double HeatTransferFactor(int medium, double t, double n)
{
    return fluid::HeatTransferFactor(medium, Real(t), n).value();
}

double LogMeanTempDiff(double t1, double t2, double t3, double t4)
{
    const Real dt1 = Real(t1) - Real(t3);
    const Real dt2 = Real(t2) - Real(t4);
    // Exact comparisons: the special cases are the exact ones.
    if (dt1 == dt2)
        return dt1 == 0.0 ? 1e-7 : dt1.value();
    if (dt1 == 0.0)
        return (dt2 / calc::Ln(dt2)).value();
    if (dt2 == 0.0)
        return (dt1 / calc::Ln(dt1)).value();
    // The logarithm first: of two faults in this line it is the one raised.
    const Real ln = calc::Ln(dt1 / dt2);
    return ((dt1 - dt2) / ln).value();
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
    if (const lang::MessageTexts* texts = calc::MessagesFor(env))
        env.sink.ShowMessageBox(firstName + std::string(texts->mustBeGreater) + secondName, calc::MessageKind::Error);
    return false;
}

void FilterNumericKey(char32_t& key, std::string_view text, std::string_view decimalSeparator)
{
    constexpr char32_t kBackspace = 8;
    const char32_t separator = calc::FirstCodePoint(decimalSeparator);
    const bool accepted = key == kBackspace || (key >= U'0' && key <= U'9') || key == separator;
    if (!accepted) {
        key = 0;
        return;
    }
    if (key == separator && text.find(decimalSeparator) != std::string_view::npos)
        key = 0;
}

}  // namespace funktion
