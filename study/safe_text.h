// Texts from case files and file names made safe for what reads them next:
// a spreadsheet opening a CSV file, a JSON parser, a terminal.
#pragma once

#include <string>
#include <string_view>

namespace study {

// The text with every byte sequence that is not UTF-8 replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// One RFC 4180 field of a text cell, valid UTF-8: a text a spreadsheet would
// run as a formula (starting with = + - @, tab or carriage return) gets a
// leading apostrophe; quoted when it holds a comma, a quote or a line break.
std::string CsvTextField(std::string_view text);

// For a terminal: valid UTF-8, control characters (C0, DEL, C1) shown as
// \xNN or \uNNNN.
std::string Visible(std::string_view text);

}  // namespace study
