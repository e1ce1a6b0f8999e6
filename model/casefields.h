// The thirty named fields of the main window, their row labels and start
// texts, and the two orders in which they are walked.
#pragma once

#include <array>
#include <string_view>

namespace app {

// In screen order, top to bottom: nominal group, its results, actual group,
// its results. "_nom" marks the nominal (design) state.
// clang-format off
enum class Field : int {
    Primery, Sekundery,      // medium lists, primary and secondary side
    EQ_nom,                  // heat, kW
    Etpe_nom, Etpa_nom,      // primary supply and return, °C
    Etsa_nom, Etse_nom,      // secondary inlet (cold) and outlet (warm), °C
    EPp_nom, EPs_nom,        // pressure loss, primary and secondary, bar
    EAOp_nom, EAOs_nom,      // primary cooling and secondary heating, K
    EV_p_nom, EV_s_nom,      // flows, m³/h
    Em_nom,                  // logarithmic mean temperature difference, K
    EUA_nom,                 // heat-transfer capability UA, kW/K
    primery1, Sekundery1,    // the actual state's medium lists
    EQ, Etpe, Etsa, Etse,    // actual heat and temperatures, as above
    Etpa_beregn,             // the computed primary return ("beregn": compute), °C
    EAOp, EAOs, EP_p, EP_s, EV_p, EV_s, Em, EUA,  // actual results, as above
};
// clang-format on
inline constexpr int kFieldCount = 30;

enum class FieldKind { MediumList, Input, Result };

// The captioned frames; rows live in these: nominal inputs, actual inputs,
// nominal results, actual results.
enum class Group : int { GroupBox1, GroupBox2, GroupBox3, GroupBox4 };
inline constexpr int kGroupCount = 4;

// The command buttons with a caption, in the order of the window's column:
// "Beregn Nominel", "Beregn Aktuel", "Hent sag" (open), "Gem som" (save as),
// "Udskriv" (print), "Hjælp" (help), "Luk" (close), "Dellast" (part load).
enum class Button : int {
    BitBtn1,
    BitBtn2,
    BitBtnHentSag,
    BitBtnGemSom,
    BitBtn3,
    BitBtnHelp,
    BitBtn4,
    BitBtnDellast,
    BitBtnSeason
};
inline constexpr int kButtonCount = 9;

struct FieldInfo {
    Field field;
    std::string_view name;  // the control's name, e.g. "EQ_nom"
    FieldKind kind;
    Group group;
    int row;                        // row within its group, from 0
    std::string_view label;         // its row label, e.g. "Label3"
    std::string_view startCaption;  // the row label's caption as the window is created
    std::string_view startText;     // empty for result fields (the start-up calculation fills them)
};

const std::array<FieldInfo, kFieldCount>& CaseFields();
const FieldInfo& Info(Field f);
inline constexpr int Index(Field f) { return static_cast<int>(f); }

// Line order of a case file and value order of the report.
extern const std::array<Field, kFieldCount> kCaseFileOrder;

struct GroupInfo {
    Group group;
    std::string_view name;
    std::string_view startCaption;
};
const std::array<GroupInfo, kGroupCount>& Groups();

struct ButtonInfo {
    Button button;
    std::string_view name;
    std::string_view startCaption;
};
const std::array<ButtonInfo, kButtonCount>& Buttons();

inline constexpr int Index(Group g) { return static_cast<int>(g); }
inline constexpr int Index(Button b) { return static_cast<int>(b); }

inline constexpr std::string_view kWindowCaption = "Tervol Program ver. 1.2";
inline constexpr std::string_view kApplicationTitle = "Tervol";

}  // namespace app
