// The actual-state iteration written plainly: bare doubles, std::exp and
// std::log, not one fault check. The yardstick the checked calculation is
// timed against, so it must be the same iteration: the same formulas with
// the same operations in the same order, giving the same doubles to the last
// bit wherever the checked one raises no fault.
#pragma once

#include "calc/actual.h"
#include "calc/funktion.h"
#include "calc/nominal.h"

#include <cmath>

namespace plain {

inline double Quartic(double t, double c0, double c1, double c2, double c3, double c4)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return c0 + c1 * t + c2 * t2 + c3 * t3 + c4 * t4;
}

inline double GlycolCoefficient(double k0, double k1, double k2, double divisor)
{
    const double x = funktion::GlycolPercent;
    return (k0 + k1 * x + k2 * x * x) / divisor;
}

inline double GlycolDensity(double t)
{
    const double a = GlycolCoefficient(998.4, 1.77, -0.00469, 1);
    const double b = GlycolCoefficient(-4.6, -1.165, 0.00532, 100);
    const double c = GlycolCoefficient(-36.8, 0.557, -0.00243, 10000);
    return a + b * t + c * t * t;
}
inline double GlycolSpecificHeat(double t)
{
    const double a = GlycolCoefficient(4268.1, -22.277, 0.01932, 1);
    const double b = GlycolCoefficient(-190.4, 24.682, -0.18122, 100);
    const double c = GlycolCoefficient(161.5, -11.069, 0.0965, 10000);
    return a + b * t + c * t * t;
}
inline double GlycolConductivity(double t)
{
    const double a = GlycolCoefficient(0.58, -0.00374, 1.02e-05, 1);
    const double b = GlycolCoefficient(10.5, -0.306, 0.00126, 10000);
    return a + b * t;
}
inline double GlycolViscosity(double t)
{
    const double A = 1.475 * std::exp(0.03133 * funktion::GlycolPercent);
    const double B = GlycolCoefficient(-1.759, -0.01104, -2e-05, 1);
    return A * std::exp(B / 100.0 * t) / 1000000.0;
}

inline double Density(int medium, double t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 999.92109343031, 0.02521445574, -0.00623330127, 2.251467e-05, -4.47e-08);
    return GlycolDensity(t);
}
inline double SpecificHeat(int medium, double t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 4.21393864418, -0.00210614041, 3.704489e-05, -2.162e-07, 6.1e-10) * 1000.0;
    return GlycolSpecificHeat(t);
}
inline double Conductivity(int medium, double t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 0.56854120362, 0.00200856651, -1.266062e-05, 5.421e-08, -1.6e-10);
    return GlycolConductivity(t);
}
inline double Viscosity(int medium, double t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 1.72243328608, -0.04456517034, 0.00056284968, -3.29305e-06, 7.09e-09) / 1000000.0;
    return GlycolViscosity(t);
}
inline double Prandtl(int medium, double t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 12.72016848477, -0.36063485684, 0.0047207947, -2.807919e-05, 6.104e-08);
    return GlycolViscosity(t) * GlycolDensity(t) * GlycolSpecificHeat(t) / GlycolConductivity(t);
}

inline double Power(double base, double exponent) { return std::exp(exponent * std::log(base)); }

inline double HeatTransferFactor(int medium, double t, double n)
{
    return Conductivity(medium, t) * Power(Viscosity(medium, t), -n) * Power(Prandtl(medium, t), 0.3);
}

inline double LogMeanTempDiff(double t1, double t2, double t3, double t4)
{
    const double dt1 = t1 - t3;
    const double dt2 = t2 - t4;
    if (dt1 == dt2)
        return dt1 == 0.0 ? 1e-7 : dt1;
    if (dt1 == 0.0)
        return dt2 / std::log(dt2);
    if (dt2 == 0.0)
        return dt1 / std::log(dt1);
    return (dt1 - dt2) / std::log(dt1 / dt2);
}

inline double FilmTerm(int medium, double meanTemperature, double capacityRate)
{
    return 1.0 / (HeatTransferFactor(medium, meanTemperature, calc::kFilmExponent) *
                  Power(capacityRate * 1000.0, calc::kFilmExponent));
}

// With nothing to check, the secondary film term is simply formed once
// before the loop.
inline calc::ActualValues SolveActual(double Q, double tpe, double tsa, double tse, int cp, int cs,
                                      const calc::NominalState& nom, int maxPasses = calc::kMaxPasses)
{
    const double RpNom = FilmTerm(cp, nom.tpm_nom, nom.Wp_nom);
    const double RsNom = FilmTerm(cs, nom.tsm_nom, nom.Ws_nom);
    const double k = 1.0 / (1000.0 * nom.UA_nom * (RpNom + RsNom));

    const double Ws = Q / (tse - tsa);
    const double tsm = (tse + tsa) / 2.0;
    const double Rs = FilmTerm(cs, tsm, Ws);
    double tpa = tsa;
    double UA = 0;
    int passes = 0;
    while (true) {
        ++passes;
        const double told = tpa;
        const double Wp = Q / (tpe - told);
        const double R = Wp / Ws;
        const double tpm = (tpe + told) / 2.0;
        const double Rp = FilmTerm(cp, tpm, Wp);
        UA = 1.0 / ((Rp + Rs) * k) / 1000.0;
        const double NTU = UA / Wp;
        double effectiveness;
        if (R == 1.0) {
            effectiveness = NTU / (1.0 + NTU);
        } else {
            const double e = std::exp(-NTU * (1.0 - R));
            effectiveness = (1.0 - e) / (1.0 - R * e);
        }
        tpa = tpe - (tpe - tsa) * effectiveness;
        if (std::fabs(tpa - told) < calc::kTolerance || passes >= maxPasses)
            break;
    }

    calc::ActualValues out;
    out.passes = passes;
    out.converged = passes < maxPasses;
    out.filmUA = UA;
    const double Wp = Q / (tpe - tpa);
    const double tpm = (tpe + tpa) / 2.0;
    out.tpa = tpa;
    out.AOp = tpe - tpa;
    out.AOs = tse - tsa;
    out.m = LogMeanTempDiff(tpe, tpa, tse, tsa);
    out.UA = Q / out.m;
    const double Vp = 1000.0 * Wp / (Density(cp, tpm) * SpecificHeat(cp, tpm));
    const double Vs = 1000.0 * Ws / (Density(cs, tsm) * SpecificHeat(cs, tsm));
    const double ratioP = 3600.0 * Vp / nom.Kv_p_nom;
    const double ratioS = 3600.0 * Vs / nom.Kv_s_nom;
    out.Pp = ratioP * ratioP;
    out.Ps = ratioS * ratioS;
    out.Vp = Vp * 3600.0;
    out.Vs = Vs * 3600.0;
    return out;
}

}  // namespace plain
