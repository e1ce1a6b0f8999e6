#include "casefile/casefile.h"

namespace casefile {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndOfData = '\x1A';

// Hands out lines by the reading rules, over data already cut at Ctrl-Z.
class LineReader {
public:
    explicit LineReader(std::string_view data) : rest_(data.substr(0, data.find(kEndOfData))) {}

    // Past the end of the data every line is empty.
    std::string_view Next()
    {
        const std::size_t cr = rest_.find(kCr);
        const std::string_view line = rest_.substr(0, cr);
        if (cr == std::string_view::npos) {
            rest_ = {};
            return line;
        }
        rest_.remove_prefix(cr + 1);
        if (!rest_.empty() && rest_.front() == kLf)
            rest_.remove_prefix(1);
        return line;
    }

private:
    std::string_view rest_;
};

}  // namespace

std::string ComposeCase(const CaseLines& lines)
{
    std::string bytes;
    for (const std::string& text : lines) {
        bytes += EncodeWindows1252(text);
        bytes += "\r\n";
    }
    return bytes;
}

void ParseCase(std::string_view bytes, const FieldSetter& setField)
{
    LineReader reader(bytes);
    for (int index = 0; index < kLineCount; ++index) {
        setField(index, DecodeWindows1252(reader.Next()));
    }
}

}  // namespace casefile
