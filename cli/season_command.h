// `tervol season`: the heating season of one case over a weather file.
#pragma once

#include "cli/cli.h"
#include "cli/options.h"
#include "model/form1.h"
#include "study/season.h"

#include <iosfwd>

namespace cli {

int RunSeason(const Options& options, const Host& host, std::ostream& out, std::ostream& err);

struct SeasonOutput {
    Format format = Format::Csv;
    Precision precision = Precision::Shown;
    Lang lang = Lang::Danish;
    calc::NumberFormat locale;  // of the table and of the shown rounding
};

// The season as `tervol season` writes it; the window saves the same CSV.
// `given` names the files and curve as the user gave them.
void WriteSeason(std::ostream& out, const SeasonOutput& how, const std::string& file, const SeasonOptions& given,
                 const app::TForm1& form, const study::Season& season);

}  // namespace cli
