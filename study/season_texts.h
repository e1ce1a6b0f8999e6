// The heating season's messages, from the language catalogue, by the name
// each has where it is used.
#pragma once

#include "lang/texts.h"

#include <string>

namespace study::season_texts {

// One text of the season's section of every table.
struct Pair {
    lang::Text lang::SeasonTexts::*text;
    std::string In(bool english) const
    {
        return std::string(lang::TextsOf(english ? lang::Language::English : lang::Language::Danish).season.*text);
    }
};

using S = lang::SeasonTexts;
// The weather file; a line's message is kLine, its number, ": " and the rest.
inline constexpr Pair kLine{&S::line};
inline constexpr Pair kEpwFields{&S::epwFields};
inline constexpr Pair kTemperature{&S::temperature};
inline constexpr Pair kBinFields{&S::binFields};
inline constexpr Pair kHours{&S::hours};
inline constexpr Pair kTooManyHours{&S::tooManyHours};
inline constexpr Pair kEpwHeader{&S::epwHeader};
inline constexpr Pair kNoTemperatures{&S::noTemperatures};
inline constexpr Pair kCannotRead{&S::cannotRead};
inline constexpr Pair kTooBig{&S::tooBig};

// The season's settings.
inline constexpr Pair kIndoorNotAboveDesign{&S::indoorNotAboveDesign};
inline constexpr Pair kLimitOutside{&S::limitOutside};
inline constexpr Pair kExponentNotPositive{&S::exponentNotPositive};
inline constexpr Pair kSameOutdoor{&S::sameOutdoor};
inline constexpr Pair kTableFields{&S::tableFields};

}  // namespace study::season_texts
