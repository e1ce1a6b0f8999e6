#include "casefile/casefile.h"
#include "casefile/replace_file.h"

namespace casefile {

void SaveCase(const std::string& path, const CaseLines& lines) { ReplaceFile(path, ComposeCase(lines)); }

}  // namespace casefile
