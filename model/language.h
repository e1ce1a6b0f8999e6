// The two caption tables of the flag buttons and the switch that writes one.
#pragma once

#include "model/casefields.h"

#include <array>
#include <string_view>
#include <utility>

namespace app {

class TForm1;

struct LanguageTable {
    std::string_view language;                              // "DK" or "UK"
    std::array<std::string_view, kFieldCount> rowCaptions;  // by field, screen order
    std::array<std::string_view, 2> items;                  // medium list items
    std::array<std::string_view, kGroupCount> groups;       // GroupBox1..GroupBox4
    // Buttons in the order the switch writes them.
    std::array<std::pair<Button, std::string_view>, kButtonCount> buttons;
    // Report captions by label name, in the order the switch writes them.
    std::array<std::pair<std::string_view, std::string_view>, 18> report;
};

extern const LanguageTable kDanish;
extern const LanguageTable kEnglish;

// What a screen reader calls the flags, in either language: each language by
// its own name, so a listener lost in the other one still finds the way back.
inline constexpr std::string_view kDanishFlagName = "Dansk";
inline constexpr std::string_view kUnionFlagName = "English";

// Language, row captions, list items, the recorded list positions, group and
// button captions, then the report's captions; always all of them, in this
// order.
void SwitchLanguage(TForm1& form, const LanguageTable& table);

}  // namespace app
