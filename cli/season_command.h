// `tervol season`: the heating season of one case over a weather file.
#pragma once

#include "cli/cli.h"
#include "cli/options.h"

#include <iosfwd>

namespace cli {

int RunSeason(const Options& options, const Host& host, std::ostream& out, std::ostream& err);

}  // namespace cli
