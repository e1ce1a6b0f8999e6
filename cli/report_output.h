// What `report` says when its PDF cannot be written, and the check that the
// PDF would not replace one of the cases it reads.
#pragma once

#include "casefile/casefile.h"
#include "cli/options.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace cli {

// The cause in words a user can act on; the box text where no closer word
// fits ("I/O error 5").
inline std::string WriteFailureText(const casefile::FileError& e, Lang lang)
{
    const lang::CliTexts& t = lang::TextsOf(lang).cli;
    lang::Text cause;
    switch (e.cause()) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        cause = t.diskFull;
        break;
    case EFBIG: cause = t.fileTooLarge; break;
    case EACCES:
    case EPERM: cause = t.permissionDenied; break;
    case EROFS: cause = t.readOnlyFileSystem; break;
    case ENOENT:
    case ENOTDIR: cause = t.noSuchFolder; break;
    case EISDIR: cause = t.isAFolder; break;
    default: cause = e.what(); break;
    }
    return lang::Fill(t.cannotBeWrittenFor, {cause});
}

// The input that `output` names by device and inode (any other name for the
// same file, links included); nothing when it names none or does not exist.
inline std::optional<std::string> InputNamedBy(const std::string& output, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs) {
        std::error_code error;
        if (std::filesystem::equivalent(output, input, error) && !error)
            return input;
    }
    return std::nullopt;
}

}  // namespace cli
