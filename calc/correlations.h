// The fluid correlations over a number type: calc::Real, whose every
// operation raises its own fault, or plain double for a caller that checks
// the outcome itself (the actual-state iteration's fast pass). One text of
// each formula for both, so that the two give the same doubles. What the
// iteration calls in every pass is forced inline: a call would make the plain
// pass keep its values in memory across it.
#pragma once

#include "calc/fault.h"
#include "calc/funktion.h"

#include <cmath>

namespace calc::fluid {

inline double Ln(double x) { return std::log(x); }
inline double Exp(double x) { return std::exp(x); }
using calc::Exp;
using calc::Ln;

// c0 + c1·T + c2·T² + c3·T³ + c4·T⁴, powers by repeated multiplication,
// terms added in rising order.
template <class Num>
[[gnu::always_inline]] inline Num Quartic(Num t, double c0, double c1, double c2, double c3, double c4)
{
    const Num t2 = t * t;
    const Num t3 = t2 * t;
    const Num t4 = t3 * t;
    return Num(c0) + Num(c1) * t + Num(c2) * t2 + Num(c3) * t3 + Num(c4) * t4;
}

// A coefficient of the mixture: (k0 + k1·x + k2·x²) / divisor at x = GlycolPercent.
template <class Num>
Num GlycolCoefficient(double k0, double k1, double k2, double divisor)
{
    const Num x = funktion::GlycolPercent;
    return (Num(k0) + Num(k1) * x + Num(k2) * x * x) / Num(divisor);
}

template <class Num>
Num GlycolDensity(Num t)
{
    const Num a = GlycolCoefficient<Num>(998.4, 1.77, -0.00469, 1);
    const Num b = GlycolCoefficient<Num>(-4.6, -1.165, 0.00532, 100);
    const Num c = GlycolCoefficient<Num>(-36.8, 0.557, -0.00243, 10000);
    return a + b * t + c * t * t;
}
template <class Num>
Num GlycolSpecificHeat(Num t)
{
    const Num a = GlycolCoefficient<Num>(4268.1, -22.277, 0.01932, 1);
    const Num b = GlycolCoefficient<Num>(-190.4, 24.682, -0.18122, 100);
    const Num c = GlycolCoefficient<Num>(161.5, -11.069, 0.0965, 10000);
    return a + b * t + c * t * t;
}
template <class Num>
Num GlycolConductivity(Num t)
{
    const Num a = GlycolCoefficient<Num>(0.58, -0.00374, 1.02e-05, 1);
    const Num b = GlycolCoefficient<Num>(10.5, -0.306, 0.00126, 10000);
    return a + b * t;
}
template <class Num>
[[gnu::always_inline]] inline Num GlycolViscosity(Num t)
{
    const Num A = Num(1.475) * Exp(Num(0.03133) * Num(funktion::GlycolPercent));
    const Num B = GlycolCoefficient<Num>(-1.759, -0.01104, -2e-05, 1);
    return A * Exp(B / 100.0 * t) / 1000000.0;
}

template <class Num>
Num Density(int medium, Num t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 999.92109343031, 0.02521445574, -0.00623330127, 2.251467e-05, -4.47e-08);
    return GlycolDensity(t);
}
template <class Num>
Num SpecificHeat(int medium, Num t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 4.21393864418, -0.00210614041, 3.704489e-05, -2.162e-07, 6.1e-10) * 1000.0;
    return GlycolSpecificHeat(t);
}
template <class Num>
[[gnu::always_inline]] inline Num Conductivity(int medium, Num t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 0.56854120362, 0.00200856651, -1.266062e-05, 5.421e-08, -1.6e-10);
    return GlycolConductivity(t);
}
template <class Num>
[[gnu::always_inline]] inline Num Viscosity(int medium, Num t)
{
    if (medium == funktion::MediumWater)
        return Quartic(t, 1.72243328608, -0.04456517034, 0.00056284968, -3.29305e-06, 7.09e-09) / 1000000.0;
    return GlycolViscosity(t);
}
template <class Num>
[[gnu::always_inline]] inline Num Prandtl(int medium, Num t)
{
    // Water has a fit of its own; the mixture's is formed from its properties.
    if (medium == funktion::MediumWater)
        return Quartic(t, 12.72016848477, -0.36063485684, 0.0047207947, -2.807919e-05, 6.104e-08);
    return GlycolViscosity(t) * GlycolDensity(t) * GlycolSpecificHeat(t) / GlycolConductivity(t);
}

// exp(exponent · ln base).
template <class Num>
[[gnu::always_inline]] inline Num Power(Num base, double exponent)
{
    return Exp(Num(exponent) * Ln(base));
}

// λ · ν^(−n) · Pr^0.3, the properties in this order, then the two powers.
template <class Num>
[[gnu::always_inline]] inline Num HeatTransferFactor(int medium, Num t, double n)
{
    const Num lambda = Conductivity(medium, t);
    const Num nu = Viscosity(medium, t);
    const Num pr = Prandtl(medium, t);
    const Num viscous = Power(nu, -n);
    const Num prandtl = Power(pr, 0.3);
    return lambda * viscous * prandtl;
}

}  // namespace calc::fluid
