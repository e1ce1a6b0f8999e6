#include "calc/actual.h"

#include "calc/correlations.h"
#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"

#include <cmath>

namespace calc {

namespace {

using fluid::Exp;

// Adds up the values a plain pass hands it. The sum is finite only when each
// of them is; an overflow of the sum alone merely costs a checked rerun.
struct Sentinel {
    double sum = 0;
    void operator()(double v) { sum += v; }
};

// Checked arithmetic needs no sentinel.
struct Unwatched {
    void operator()(Real) const {}
};

// Reciprocal film conductance, up to the factor k: 1 / (fluid factor · (W in W/K)^0.65).
template <class Num, class Watch>
[[gnu::always_inline]] inline Num FilmTerm(int medium, Num meanTemperature, Num capacityRate, Watch& watch)
{
    const Num fluidFactor = fluid::HeatTransferFactor(medium, meanTemperature, kFilmExponent);
    const Num flow = fluid::Power(capacityRate * 1000.0, kFilmExponent);
    const Num product = fluidFactor * flow;
    watch(product);
    return Num(1.0) / product;
}

// What stays the same in every pass.
template <class Num>
struct Fixed {
    Num Q, tpe, tsa, Ws, tsm, k;
    int cp, cs;
};

template <class Num>
struct Pass {
    Num tpa, UA, change;
};

// One pass from the previous return temperature. Rs does not change between
// passes, but is formed in the first one (FormRs) after the capacity ratio,
// so that a heat load of 0 meets its 0/0 there first.
template <bool FormRs, class Num, class Watch>
Pass<Num> OnePass(const Fixed<Num>& f, Num told, Num& Rs, Watch& watch)
{
    const Num Wp = f.Q / (f.tpe - told);
    const Num R = Wp / f.Ws;
    const Num tpm = (f.tpe + told) / 2.0;
    const Num Rp = FilmTerm(f.cp, tpm, Wp, watch);
    if constexpr (FormRs)
        Rs = FilmTerm(f.cs, f.tsm, f.Ws, watch);
    const Num resistance = (Rp + Rs) * f.k;
    watch(resistance);
    const Num UA = Num(1.0) / resistance / 1000.0;
    const Num NTU = UA / Wp;
    Num effectiveness;
    if (R == 1.0) {
        effectiveness = NTU / (Num(1.0) + NTU);
    } else {
        const Num exponent = -NTU * (Num(1.0) - R);
        watch(exponent);
        const Num e = Exp(exponent);
        const Num denominator = Num(1.0) - R * e;
        watch(denominator);
        effectiveness = (Num(1.0) - e) / denominator;
    }
    const Num tpa = f.tpe - (f.tpe - f.tsa) * effectiveness;
    const Num change = tpa - told;
    watch(change);
    return {tpa, UA, change};
}

// The passes run on plain doubles. An infinity or NaN that one operation
// produces is carried on by every later one, except as a divisor (x/inf = 0)
// or as an exponent (e^-inf = 0). The pass hands the sentinel each film
// term's product, the resistance, the effectiveness's exponent and
// denominator, and the last difference; every other place where a fault
// could vanish ends in one of them:
// - a power in a film term that comes out 0 makes the product 0, its
//   reciprocal infinite, and so the resistance;
// - a mean temperature that is not finite reaches the product through the
//   conductivity, whatever the mixture's viscosity exponent or Prandtl
//   divisor make of it;
// - a divisor of Wp that is not finite makes Wp 0, and with it the flow's
//   power;
// - a Wp that is not finite, the divisor of NTU, makes R and so the exponent
//   not finite;
// - 1 + NTU divides NTU itself;
// the other divisors are constants. So a finite sentinel means no operation
// of the pass faulted; otherwise the pass runs again checked, from the same
// doubles, and raises the fault of the operation where it arose.
template <bool FormRs>
Pass<double> WatchedPass(const Fixed<double>& plain, const Fixed<Real>& checked, double told, double& Rs)
{
    Sentinel sentinel;
    const Pass<double> pass = OnePass<FormRs>(plain, told, Rs, sentinel);
    if (!std::isfinite(sentinel.sum)) [[unlikely]] {
        Real RsChecked = Rs;
        Unwatched unwatched;
        OnePass<FormRs>(checked, Real(told), RsChecked, unwatched);
    }
    return pass;
}

}  // namespace

ActualValues SolveActual(double Qd, double tped, double tsad, double tsed, int cp, int cs, const NominalState& nom,
                         int maxPasses)
{
    const Real Q = Qd, tpe = tped, tsa = tsad, tse = tsed;
    Unwatched checked;

    // k makes the film model give exactly UA_nom at the nominal rates.
    const Real RpNom = FilmTerm(cp, Real(nom.tpm_nom), Real(nom.Wp_nom), checked);
    const Real RsNom = FilmTerm(cs, Real(nom.tsm_nom), Real(nom.Ws_nom), checked);
    const Real k = Real(1.0) / (Real(1000.0) * nom.UA_nom * (RpNom + RsNom));

    const Real Ws = Q / (tse - tsa);
    const Real tsm = (tse + tsa) / 2.0;

    const Fixed<Real> fixedChecked{Q, tpe, tsa, Ws, tsm, k, cp, cs};
    const Fixed<double> fixedPlain{Qd, tped, tsad, Ws.value(), tsm.value(), k.value(), cp, cs};
    double Rs = 0;
    Pass<double> pass = WatchedPass<true>(fixedPlain, fixedChecked, tsad, Rs);
    int passes = 1;
    while (!(std::fabs(pass.change) < kTolerance || passes >= maxPasses)) {
        ++passes;
        pass = WatchedPass<false>(fixedPlain, fixedChecked, pass.tpa, Rs);
    }
    ActualValues out;
    out.passes = passes;
    out.converged = passes < maxPasses;
    out.filmUA = pass.UA;

    // The final quantities are formed whether or not the iteration converged.
    const Real tpa = pass.tpa;
    const Real Wp = Q / (tpe - tpa);
    const Real tpm = (tpe + tpa) / 2.0;
    out.tpa = tpa.value();
    out.AOp = (tpe - tpa).value();
    out.AOs = (tse - tsa).value();
    out.m = funktion::LogMeanTempDiff(tpe.value(), tpa.value(), tse.value(), tsa.value());
    out.UA = (Q / out.m).value();
    const Real Vp =
        Real(1000.0) * Wp / (Real(funktion::Density(cp, tpm.value())) * funktion::SpecificHeat(cp, tpm.value()));
    const Real Vs =
        Real(1000.0) * Ws / (Real(funktion::Density(cs, tsm.value())) * funktion::SpecificHeat(cs, tsm.value()));
    const Real ratioP = Real(3600.0) * Vp / nom.Kv_p_nom;
    const Real ratioS = Real(3600.0) * Vs / nom.Kv_s_nom;
    out.Pp = (ratioP * ratioP).value();
    out.Ps = (ratioS * ratioS).value();
    out.Vp = (Vp * 3600.0).value();
    out.Vs = (Vs * 3600.0).value();
    return out;
}

std::optional<ActualResult> BeregnAktuel(const ActualInput& in, const NominalState& nominal, const Environment& env)
{
    const std::string& sep = env.format.decimal;
    const double Q = StrToFloat(in.EQ, sep);
    const double tpe = StrToFloat(in.Etpe, sep);
    const double tsa = StrToFloat(in.Etsa, sep);
    const double tse = StrToFloat(in.Etse, sep);

    if (PrimaryLimitExceeded(tpe, in.primery1Position, env))
        return std::nullopt;
    const bool hotEnd = funktion::CheckGreater(in.Etpe, in.Label19, in.Etse, in.Label20, env);
    const bool secondaryOrder = funktion::CheckGreater(in.Etse, in.Label20, in.Etsa, in.Label21, env);
    if (!(hotEnd && secondaryOrder))
        return std::nullopt;

    const ActualValues v = SolveActual(Q, tpe, tsa, tse, in.primery1Position + 1, in.sekundery1Position + 1, nominal);
    if (!v.converged) {
        // Danish in both languages.
        env.sink.ShowMessageBox(kNotConverged, MessageKind::Plain);
        return std::nullopt;
    }
    const NumberFormat& f = env.format;
    return ActualResult{v,
                        {FormatResult(v.tpa, 1, f), FormatResult(v.AOp, 1, f), FormatResult(v.AOs, 1, f),
                         FormatResult(v.Pp, 3, f), FormatResult(v.Ps, 3, f), FormatResult(v.Vp, 3, f),
                         FormatResult(v.Vs, 3, f), FormatResult(v.m, 2, f), FormatResult(v.UA, 2, f)}};
}

}  // namespace calc
