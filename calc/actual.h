// The actual (off-design) state: the primary return temperature at which the
// nominal exchanger, its film coefficients rescaled to the actual flows and
// temperatures, transfers the actual heat.
#pragma once

#include "calc/messages.h"
#include "calc/nominal.h"

#include <array>
#include <optional>
#include <string>

namespace calc {

inline constexpr int kMaxPasses = 10000;
inline constexpr double kTolerance = 0.00001;  // K, on the primary return temperature
inline constexpr double kFilmExponent = 0.65;

struct ActualInput {
    std::string EQ, Etpe, Etsa, Etse;
    int primery1Position = 0;  // -1 for none
    int sekundery1Position = 0;
    std::string Label19, Label20, Label21;  // current captions of the temperature rows
};

struct ActualValues {
    // Primary return (°C), primary cooling and secondary heating (K), pressure
    // losses (bar), flows (m³/h), log mean temperature difference (K), UA (kW/K).
    double tpa = 0, AOp = 0, AOs = 0, Pp = 0, Ps = 0, Vp = 0, Vs = 0, m = 0, UA = 0;
    double filmUA = 0;  // UA of the film model in the last pass, kW/K
    int passes = 0;
    bool converged = false;
};

// The nine result texts in the order Etpa_beregn, EAOp, EAOs, EP_p, EP_s,
// EV_p, EV_s, Em, EUA.
using ActualResultTexts = std::array<std::string, 9>;

struct ActualResult {
    ActualValues values;
    ActualResultTexts texts;
};

// The actual-state calculation after its nominal refresh (which the caller
// runs first): converts and checks the actual inputs, iterates at most
// `maxPasses` times and returns the results of a converged run. Shows the
// limit, order and non-convergence messages; throws conversion and
// arithmetic faults.
std::optional<ActualResult> BeregnAktuel(const ActualInput& in, const NominalState& nominal, const Environment& env);

// The calculation without its messages, for tests and benchmarks: the values
// after at most `maxPasses` passes from already converted inputs.
ActualValues SolveActual(double Q, double tpe, double tsa, double tse, int primaryCode, int secondaryCode,
                         const NominalState& nominal, int maxPasses = kMaxPasses);

}  // namespace calc
