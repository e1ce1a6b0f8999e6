// The heating season's messages in Danish and English, kept together so that
// they move into the language tables as one piece.
#pragma once

#include <string>
#include <string_view>

namespace study::season_texts {

struct Pair {
    std::string_view danish, english;
    std::string In(bool english) const { return std::string(english ? this->english : danish); }
};

// The weather file; a line's message is kLine, its number, ": " and the rest.
inline constexpr Pair kLine{"Linje ", "Line "};
inline constexpr Pair kEpwFields{"forventede mindst 7 kommaseparerede felter, fandt ",
                                 "expected at least 7 comma-separated fields, found "};
inline constexpr Pair kTemperature{"forventede en temperatur i °C mellem -100 og 100, fandt ",
                                   "expected a temperature in °C between -100 and 100, found "};
inline constexpr Pair kBinFields{"forventede to felter temperatur;timer, fandt ",
                                 "expected two fields temperature;hours, found "};
inline constexpr Pair kHours{"forventede et antal timer mellem 0 og 8784, fandt ",
                             "expected a number of hours between 0 and 8784, found "};
inline constexpr Pair kTooManyHours{"mere end 8784 timer; forventede højst et år",
                                    "more than 8784 hours; expected one year at most"};
inline constexpr Pair kEpwHeader{"filen slutter inden for EPW-formatets 8 hovedlinjer",
                                 "the file ends within the 8 header lines of the EPW form"};
inline constexpr Pair kNoTemperatures{"Vejrfilen indeholder ingen temperaturer",
                                      "The weather file holds no temperatures"};
inline constexpr Pair kCannotRead{"Vejrfilen kan ikke læses: ", "The weather file cannot be read: "};
inline constexpr Pair kTooBig{"Vejrfilen er større end 16 MiB: ", "The weather file is larger than 16 MiB: "};

// The season's settings.
inline constexpr Pair kIndoorNotAboveDesign{
    "Indetemperaturen skal være større end den dimensionerende udetemperatur",
    "The indoor temperature must be greater than the design outdoor temperature"};
inline constexpr Pair kLimitOutside{
    "Varmegrænsen skal være større end den dimensionerende udetemperatur og højst indetemperaturen",
    "The heating limit must be greater than the design outdoor temperature and at most the indoor temperature"};
inline constexpr Pair kExponentNotPositive{"Radiatoreksponenten skal være større end 0",
                                           "The radiator exponent must be greater than 0"};
inline constexpr Pair kSameOutdoor{"To punkter i en kurve har samme udetemperatur",
                                   "Two points of a curve have the same outdoor temperature"};

}  // namespace study::season_texts
