// `tervol study`: the window's part-load study of one case.
#pragma once

#include "cli/cli.h"
#include "cli/options.h"

#include <iosfwd>

namespace cli {

int RunStudy(const Options& options, const Host& host, std::ostream& out, std::ostream& err);

}  // namespace cli
