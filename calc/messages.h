// How a calculation asks for a message box. The window implements it; tests
// record what was asked.
#pragma once

#include "calc/numtext.h"

#include <array>
#include <string>
#include <string_view>

namespace calc {

// A message the calculations show in the interface language.
struct MessageText {
    std::string_view danish, english;
};

// The presence checks of the two calculation commands.
inline constexpr MessageText kNominalInputsMissing{
    "Alle tallene i nominelle tilstand kræves for en videreberegning",
    "All inputs in nominal conditions are necessary for further calculation"};
inline constexpr MessageText kActualInputsMissing{
    "Alle tallene i aktuelle tilstand kræves for en videreberegning",
    "All inputs in actual conditions are necessary for further calculation"};
// The primary supply temperature limit: the mixture, then water.
inline constexpr MessageText kGlycolSupplyLimit{"Primær temperaturer skal være mindre end 100°C!",
                                                "Primary inlet temperature°C must be less than 100°C!"};
inline constexpr MessageText kWaterSupplyLimit{"Primær temperaturer skal være mindre end 180°C!",
                                               "Primary inlet temperature°C must be less than 180°C!"};
// The order check: the first row's caption, this, then the second row's.
inline constexpr MessageText kMustBeGreater{" skal være større end ", " must be greater than "};
// The iteration's message is Danish in both languages.
inline constexpr const char* kNotConverged = "Iterration konvergerer ikke !";

// Every message above, for whoever must know them all (the help's check).
inline constexpr std::array<MessageText, 5> kMessageTexts{kNominalInputsMissing, kActualInputsMissing,
                                                          kGlycolSupplyLimit, kWaterSupplyLimit, kMustBeGreater};

enum class MessageKind {
    Information,  // "Information", information icon, "OK"
    Error,        // "Error", stop icon, "&Yes"
    Plain,        // "Tervol", no icon, "OK"
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the text modally and returns when the box is closed.
    virtual void ShowMessageBox(const std::string& text, MessageKind kind) = 0;
};

// What every calculation reads besides its field texts.
struct Environment {
    std::string language;  // "DK" or "UK"
    NumberFormat format;
    MessageSink& sink;
};

// Shows the Danish text when the language is "DK", the English one when it is
// "UK", and nothing otherwise.
void ShowInLanguage(const Environment& env, MessageKind kind, const std::string& danish, const std::string& english);
void ShowInLanguage(const Environment& env, MessageKind kind, const MessageText& text);

}  // namespace calc
