// The three output formats of the command line.
#pragma once

#include "cli/rate.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Fields joined by commas (each an RFC 4180 field), ended by CR LF.
void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& fields);
// A JSON string literal; UTF-8 passes unchanged.
std::string JsonString(std::string_view text);

// The status column: "ok", or the texts of the boxes joined by " | ".
std::string Status(const std::vector<std::string>& messages);

void WriteRateCsvHeader(std::ostream& out);
void WriteRateCsvRow(std::ostream& out, const RatedCase& rated);
// One element of the array; `first` decides the separating comma.
void WriteRateJson(std::ostream& out, const RatedCase& rated, bool first);
// Caption, nominal, actual and unit from the report page as filled for this
// case, in aligned columns; the messages below.
void WriteRateTable(std::ostream& out, const RatedCase& rated, const report::Tquickrptpage& page);

// Columns padded to the widest entry (in characters, not bytes), separated by
// two blanks, trailing blanks dropped. The last cell of a row shorter than
// the longest runs on over the columns it lacks.
void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows, std::string_view indent);

}  // namespace cli
