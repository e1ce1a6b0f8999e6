// The nominal (design) state: temperature differences, flows, mean
// temperature difference and UA from the design inputs.
#pragma once

#include "calc/messages.h"

#include <array>
#include <optional>
#include <string>

namespace calc {

// The nominal values the actual-state calculation builds on. All 0 at start.
struct NominalState {
    // The inputs: heat (kW), primary supply/return and secondary inlet/outlet
    // temperatures (°C), primary and secondary pressure losses (bar).
    double Q_nom = 0, tpe_nom = 0, tpa_nom = 0, tsa_nom = 0, tse_nom = 0, Pp_nom = 0, Ps_nom = 0;
    // Primary cooling and secondary heating (K), log mean temperature
    // difference (K), UA and the heat capacity rates of both sides (kW/K).
    double AOp_nom = 0, AOs_nom = 0, m_nom = 0, UA_nom = 0, Wp_nom = 0, Ws_nom = 0;
    // Mean temperature of each side (°C), flows (m³/h) and flow coefficients
    // (m³/h at a loss of 1 bar).
    double tpm_nom = 0, tsm_nom = 0, V_p_nom = 0, V_s_nom = 0, Kv_p_nom = 0, Kv_s_nom = 0;
};

struct NominalInput {
    std::string EQ_nom, Etpe_nom, Etpa_nom, Etsa_nom, Etse_nom, EPp_nom, EPs_nom;
    int primeryPosition = 0;  // selected item of the primary medium list, -1 for none
    int sekunderyPosition = 0;
    // Current captions of the temperature rows, the names in the order messages.
    std::string Label4, Label5, Label6, Label7;
};

// The six result texts, in the order EAOp_nom, EAOs_nom, EV_p_nom, EV_s_nom,
// Em_nom, EUA_nom.
using NominalResult = std::array<std::string, 6>;

// Converts the inputs, checks the primary temperature limit and the order of
// the temperatures (showing their messages), computes and refreshes `state`.
// Returns the formatted results of a completed run, nothing when a check
// stopped it. Conversion and arithmetic faults are thrown; the inputs stored
// in `state` before a stop or a fault stay stored.
std::optional<NominalResult> BeregnNominel(const NominalInput& in, NominalState& state, const Environment& env);

// The highest primary supply temperature for a medium list position, shown
// as an information message when exceeded. Shared by both calculations.
bool PrimaryLimitExceeded(double supply, int primaryPosition, const Environment& env);

}  // namespace calc
