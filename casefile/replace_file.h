// The one way the program puts a file on disk: case files, report PDFs,
// part-load CSV and spreadsheet files, season exports - every file it writes.
//
// ReplaceFile(path, bytes) makes the file at `path` (a UTF-8 name on every
// platform) hold exactly `bytes`, or leaves it as it was:
//   - a regular file (new or existing) is written to a temporary file beside
//     it, flushed, synced to disk and renamed over the old name in one step
//     (on Windows MoveFileExW with write-through after FlushFileBuffers); the
//     old file keeps its owner and permission bits, a symbolic link keeps
//     pointing at the file it named;
//   - a device or a pipe (/dev/stdout, /dev/full, a FIFO) cannot be renamed
//     over and is written through as it is; a failed write there is reported
//     like any other;
//   - when no temporary file can be made beside an existing file (the folder
//     refuses new files) or its owner cannot be kept, the save is refused
//     with "File access denied" and the old file stays byte for byte as it was:
//     it is never overwritten in place, where a failure would leave it cut
//     short.
// It returns only once the data is on disk. Every failure throws a
// casefile::FileError whose what() is the error box text ("Disk full",
// "File access denied", "File not found" - for a missing folder too - ...),
// whose systemError() is the errno or Windows code behind it and whose
// cause() is the errno of the same meaning on either platform, for messages
// that name the cause more closely. No temporary file is left behind.
#pragma once

#include <string>
#include <string_view>

// <windows.h>, included before this, maps ReplaceFile to ReplaceFileA/W.
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace casefile {

void ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace casefile
