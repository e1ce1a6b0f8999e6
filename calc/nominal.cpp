#include "calc/nominal.h"

#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"

namespace calc {

bool PrimaryLimitExceeded(double supply, int primaryPosition, const Environment& env)
{
    // Only the supply temperature and only the primary medium count; no
    // limit without a selected medium.
    if (supply > 100 && primaryPosition == 1) {
        ShowInLanguage(env, MessageKind::Information, &lang::MessageTexts::glycolSupplyLimit);
        return true;
    }
    if (supply > 180 && primaryPosition == 0) {
        ShowInLanguage(env, MessageKind::Information, &lang::MessageTexts::waterSupplyLimit);
        return true;
    }
    return false;
}

std::optional<NominalResult> BeregnNominel(const NominalInput& in, NominalState& s, const Environment& env)
{
    const std::string& sep = env.format.decimal;
    s.Q_nom = StrToFloat(in.EQ_nom, sep);
    s.tpe_nom = StrToFloat(in.Etpe_nom, sep);
    s.tpa_nom = StrToFloat(in.Etpa_nom, sep);
    s.tsa_nom = StrToFloat(in.Etsa_nom, sep);
    s.tse_nom = StrToFloat(in.Etse_nom, sep);
    s.Pp_nom = StrToFloat(in.EPp_nom, sep);
    s.Ps_nom = StrToFloat(in.EPs_nom, sep);

    if (PrimaryLimitExceeded(s.tpe_nom, in.primeryPosition, env))
        return std::nullopt;

    // All three checks run, each with its own message, before the verdict.
    const bool primaryOrder = funktion::CheckGreater(in.Etpe_nom, in.Label4, in.Etpa_nom, in.Label5, env);
    const bool secondaryOrder = funktion::CheckGreater(in.Etse_nom, in.Label7, in.Etsa_nom, in.Label6, env);
    const bool hotEnd = funktion::CheckGreater(in.Etpe_nom, in.Label4, in.Etse_nom, in.Label7, env);
    if (!(primaryOrder && secondaryOrder && hotEnd))
        return std::nullopt;

    // Each derived value is stored as soon as it is formed: a fault further
    // on leaves those before it in place.
    const Real Q = s.Q_nom, tpe = s.tpe_nom, tpa = s.tpa_nom, tsa = s.tsa_nom, tse = s.tse_nom;
    s.AOp_nom = (tpe - tpa).value();
    s.AOs_nom = (tse - tsa).value();
    s.m_nom = funktion::LogMeanTempDiff(s.tpe_nom, s.tpa_nom, s.tse_nom, s.tsa_nom);
    s.UA_nom = (Q / s.m_nom).value();
    s.Wp_nom = (Q / s.AOp_nom).value();
    s.Ws_nom = (Q / s.AOs_nom).value();
    s.tpm_nom = ((tpe + tpa) / 2.0).value();
    s.tsm_nom = ((tse + tsa) / 2.0).value();

    const int primary = in.primeryPosition + 1;
    const int secondary = in.sekunderyPosition + 1;
    // kW·1000 / (ρ·cp·ΔT) gives m³/s.
    const Real flowP =
        Q * 1000.0 /
        (Real(funktion::Density(primary, s.tpm_nom)) * funktion::SpecificHeat(primary, s.tpm_nom) * s.AOp_nom);
    const Real flowS =
        Q * 1000.0 /
        (Real(funktion::Density(secondary, s.tsm_nom)) * funktion::SpecificHeat(secondary, s.tsm_nom) * s.AOs_nom);

    s.Kv_p_nom = (flowP * 3600.0 / Sqrt(s.Pp_nom)).value();
    s.Kv_s_nom = (flowS * 3600.0 / Sqrt(s.Ps_nom)).value();
    s.V_p_nom = (flowP * 3600.0).value();
    s.V_s_nom = (flowS * 3600.0).value();

    return NominalResult{
        FormatResult(s.AOp_nom, 1, env.format), FormatResult(s.AOs_nom, 1, env.format),
        FormatResult(s.V_p_nom, 3, env.format), FormatResult(s.V_s_nom, 3, env.format),
        FormatResult(s.m_nom, 2, env.format),   FormatResult(s.UA_nom, 2, env.format),
    };
}

}  // namespace calc
