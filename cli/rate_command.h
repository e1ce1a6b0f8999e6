// `tervol rate`: each case rated as the window rates it.
#pragma once

#include "cli/cli.h"
#include "cli/options.h"

#include <iosfwd>

namespace cli {

int RunRate(const Options& options, const Host& host, std::ostream& out, std::ostream& err);

// "tervol: " and the text, control characters escaped, on standard error.
void Diagnose(std::ostream& err, const std::string& file, const std::string& text);

}  // namespace cli
