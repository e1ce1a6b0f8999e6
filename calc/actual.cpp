#include "calc/actual.h"

#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"

namespace calc {

namespace {

// Reciprocal film conductance, up to the factor k: 1 / (fluid factor · (W in W/K)^0.65).
Real FilmTerm(int medium, Real meanTemperature, Real capacityRate)
{
    const Real fluid = funktion::HeatTransferFactor(medium, meanTemperature.value(), kFilmExponent);
    const Real flow = funktion::Power((capacityRate * 1000.0).value(), kFilmExponent);
    return Real(1.0) / (fluid * flow);
}

}  // namespace

ActualValues SolveActual(double Qd, double tped, double tsad, double tsed, int cp, int cs, const NominalState& nom,
                         int maxPasses)
{
    const Real Q = Qd, tpe = tped, tsa = tsad, tse = tsed;

    // k makes the film model give exactly UA_nom at the nominal rates.
    const Real RpNom = FilmTerm(cp, nom.tpm_nom, nom.Wp_nom);
    const Real RsNom = FilmTerm(cs, nom.tsm_nom, nom.Ws_nom);
    const Real k = Real(1.0) / (Real(1000.0) * nom.UA_nom * (RpNom + RsNom));

    const Real Ws = Q / (tse - tsa);
    const Real tsm = (tse + tsa) / 2.0;
    Real tpa = tsa;

    ActualValues out;
    // Rs does not change between passes, but is formed in the first pass
    // after the capacity ratio, so that a heat load of 0 meets its 0/0 there
    // first.
    std::optional<Real> Rs;
    Real UA;
    int passes = 0;
    while (true) {
        ++passes;
        const Real told = tpa;
        const Real Wp = Q / (tpe - told);
        const Real R = Wp / Ws;
        const Real tpm = (tpe + told) / 2.0;
        const Real Rp = FilmTerm(cp, tpm, Wp);
        if (!Rs)
            Rs = FilmTerm(cs, tsm, Ws);
        UA = Real(1.0) / ((Rp + *Rs) * k) / 1000.0;
        const Real NTU = UA / Wp;
        Real effectiveness;
        if (R == 1.0) {
            effectiveness = NTU / (Real(1.0) + NTU);
        } else {
            const Real e = Exp(-NTU * (Real(1.0) - R));
            effectiveness = (Real(1.0) - e) / (Real(1.0) - R * e);
        }
        tpa = tpe - (tpe - tsa) * effectiveness;
        if (Abs(tpa - told) < kTolerance || passes >= maxPasses)
            break;
    }
    out.passes = passes;
    out.converged = passes < maxPasses;
    out.filmUA = UA.value();

    // The final quantities are formed whether or not the iteration converged.
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
