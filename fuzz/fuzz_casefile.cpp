// The bytes as a case file: split into its thirty lines in memory and from a
// file on disk, compared with a plain reading of the line rules, and the code
// page conversion both ways.
#include "casefile/casefile.h"
#include "fuzz/text.h"
#include "tests/support/scratch_dir.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what, int line = -1)
{
    std::fprintf(stderr, "fuzz_casefile: %s (line %d)\n", what, line + 1);
    std::abort();
}

// The reading rules as stated: a line ends at CR, one LF after it belongs to
// the line end, Ctrl-Z ends the data, missing lines are empty.
casefile::CaseLines ExpectedRawLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    casefile::CaseLines lines;
    size_t pos = 0;
    for (std::string& line : lines) {
        if (pos >= bytes.size())
            break;
        const size_t cr = bytes.find('\r', pos);
        line = std::string(bytes.substr(pos, cr == std::string_view::npos ? std::string_view::npos : cr - pos));
        if (cr == std::string_view::npos) {
            pos = bytes.size();
            break;
        }
        pos = cr + 1;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

// Collects the texts, insisting on one call per line in file order.
struct Collector {
    casefile::CaseLines lines;
    int next = 0;
    casefile::FieldSetter Setter()
    {
        return [this](int index, const std::string& text) {
            if (index != next || index >= casefile::kLineCount)
                Fail("field set out of order", index);
            lines[index] = text;
            ++next;
        };
    }
    void RequireComplete() const
    {
        if (next != casefile::kLineCount)
            Fail("not every field was set", next);
    }
};

const support::ScratchDir& Scratch()
{
    static const support::ScratchDir dir;
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The code page: every byte has a character, and back again.
    const std::string decoded = casefile::DecodeWindows1252(bytes);
    if (!fuzz::ValidUtf8(decoded))
        Fail("decoding gave malformed UTF-8");
    if (casefile::EncodeWindows1252(decoded) != bytes)
        Fail("decode then encode changed the bytes");
    // Any text, even malformed UTF-8, encodes to one byte per character at
    // most, and what came out once survives another round unchanged.
    const std::string encoded = casefile::EncodeWindows1252(bytes);
    if (encoded.size() > bytes.size())
        Fail("encoding grew the text");
    if (casefile::EncodeWindows1252(casefile::DecodeWindows1252(encoded)) != encoded)
        Fail("encoding is not stable");

    Collector parsed;
    casefile::ParseCase(bytes, parsed.Setter());
    parsed.RequireComplete();
    const casefile::CaseLines raw = ExpectedRawLines(bytes);
    for (int i = 0; i < casefile::kLineCount; ++i)
        if (casefile::EncodeWindows1252(parsed.lines[i]) != raw[i])
            Fail("line differs from the reading rules", i);

    // Saving what was read writes a file that reads back the same.
    const std::string composed = casefile::ComposeCase(parsed.lines);
    size_t expectedSize = 0;
    for (const std::string& line : raw)
        expectedSize += line.size() + 2;
    if (composed.size() != expectedSize)
        Fail("composed file has the wrong size");
    Collector reparsed;
    casefile::ParseCase(composed, reparsed.Setter());
    reparsed.RequireComplete();
    if (reparsed.lines != parsed.lines)
        Fail("a composed case does not read back");

    // The same bytes through the file system.
    const std::string path = Scratch().Write("case.tvl", bytes);
    Collector loaded;
    try {
        casefile::LoadCase(path, loaded.Setter());
    } catch (const casefile::FileError& e) {
        if (size <= casefile::kMaxCaseFileBytes || loaded.next != 0)
            Fail(e.what());
        return 0;
    }
    loaded.RequireComplete();
    if (loaded.lines != parsed.lines)
        Fail("loading the file differs from parsing its bytes");
    return 0;
}
