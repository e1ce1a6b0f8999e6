// Case files ("sag", extension .tvl by convention).
//
// A case file is the whole content of the main window as plain 8-bit text in
// Windows-1252: thirty lines, each the text of one field followed by CR LF,
// the last line included. There is no header, no version and no key names; a
// line means what it means by its position alone (the window model hands us
// the texts in that order). Texts are stored exactly as the fields hold them,
// so numbers keep the decimal separator they were typed or formatted with.
//
// Reading is forgiving, as it always was: a line runs up to the next CR or the
// end of the data; after the CR one LF is skipped; a LF anywhere else is an
// ordinary character; a Ctrl-Z byte (26) ends the data wherever it stands;
// missing lines read as empty texts and lines after the thirtieth are ignored.
// Nothing is validated - a bad number only shows up at the next calculation.
//
// Every failure is a FileError whose what() is the error box text without its
// full stop.

#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace casefile {

constexpr int kLineCount = 30;

// UTF-8 texts in the line order of the file.
using CaseLines = std::array<std::string, kLineCount>;

// Receives the text of line index (0-based) as UTF-8.
using FieldSetter = std::function<void(int index, const std::string& text)>;

// Real case files are well under 1 KiB; anything bigger is refused unread.
constexpr std::size_t kMaxCaseFileBytes = 1024 * 1024;

class FileError : public std::runtime_error {
public:
    FileError(int code, std::string message, int systemError = 0, int cause = 0);
    int code() const noexcept { return code_; }
    // The errno (POSIX) or GetLastError code (Windows) behind it; 0 if none.
    int systemError() const noexcept { return systemError_; }
    // The errno constant that names the same cause on every platform (ENOSPC,
    // EACCES, EFBIG, ...), for messages that say more than the box; 0 if none.
    int cause() const noexcept { return cause_; }

private:
    int code_;
    int systemError_;
    int cause_;
};

// Where an operating-system error number becomes the message the user
// sees: 2 "File not found", 3 "Invalid filename", 4 "Too many open
// files", 5 "File access denied", 101 "Disk full", else "I/O error N".
FileError FileErrorFromErrno(int osError);
// The same texts from a Windows system error code (GetLastError): a bad name
// or a missing folder is "Invalid filename", a full disk "Disk full", and any
// other code, a sharing violation included, "I/O error N". Its cause() is the
// errno of the same meaning.
FileError FileErrorFromWindows(unsigned long windowsError);

// A character without a Windows-1252 byte, and every byte of malformed UTF-8,
// becomes '?'. No byte-order mark.
std::string EncodeWindows1252(std::string_view utf8);
// Every byte maps; the five bytes Windows-1252 leaves undefined become the
// C1 controls of the same number, as Windows itself does.
std::string DecodeWindows1252(std::string_view bytes);

// The exact bytes of a case file holding these texts.
std::string ComposeCase(const CaseLines& lines);
// Splits file bytes by the reading rules and calls setField for 0..29 in order.
void ParseCase(std::string_view bytes, const FieldSetter& setField);

// Names are UTF-8 on every platform (Windows takes them as UTF-16).
//
// Writes the case through ReplaceFile (casefile/replace_file.h): a failure
// leaves an existing case as it was.
void SaveCase(const std::string& path, const CaseLines& lines);

// Calls setField for 0..29 in order. When the file cannot be opened, is not a
// regular file or is larger than kMaxCaseFileBytes, no field is set; the last
// is "I/O error 27" (EFBIG) on every platform.
void LoadCase(const std::string& path, const FieldSetter& setField);

}  // namespace casefile
