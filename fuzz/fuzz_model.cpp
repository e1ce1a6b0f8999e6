// The bytes drive a session at the window: typing, list choices, both
// calculations, loading and saving cases, the flags, the locale's separators.
// Beyond crashes and sanitizer reports, each calculation must write a result
// group whole or not at all, and loading and saving must move the texts
// faithfully or, when the file is refused, not at all.
#include "calc/fault.h"
#include "calc/numtext.h"
#include "calc/utf8.h"
#include "casefile/casefile.h"
#include "fuzz/text.h"
#include "model/form1.h"
#include "report/quickrptpage.h"
#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

using app::Field;

namespace {

constexpr int kMaxOperations = 64;

// FUZZ_MODEL_TRACE=1 prints each operation, to turn a finding into steps.
const bool kTrace = std::getenv("FUZZ_MODEL_TRACE") != nullptr;

void Trace(const std::string& step)
{
    if (kTrace)
        std::fprintf(stderr, "  %s\n", step.c_str());
}

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        char buf[8];
        if (c < 0x20 || c == '"' || c == '\\' || c >= 0x7f)
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
        else
            std::snprintf(buf, sizeof buf, "%c", c);
        out += buf;
    }
    return out + "\"";
}

std::string Name(Field f) { return std::string(app::Info(f).name); }

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz_model: %s\n", what.c_str());
    std::abort();
}

constexpr std::array<Field, 6> kNominalResults = {Field::EAOp_nom, Field::EAOs_nom, Field::EV_p_nom,
                                                  Field::EV_s_nom, Field::Em_nom,   Field::EUA_nom};
constexpr std::array<Field, 9> kActualResults = {Field::Etpa_beregn, Field::EAOp, Field::EAOs, Field::EP_p, Field::EP_s,
                                                 Field::EV_p,        Field::EV_s, Field::Em,   Field::EUA};
constexpr std::array<Field, 11> kInputs = {Field::EQ_nom,   Field::Etpe_nom, Field::Etpa_nom, Field::Etsa_nom,
                                           Field::Etse_nom, Field::EPp_nom,  Field::EPs_nom,  Field::EQ,
                                           Field::Etpe,     Field::Etsa,     Field::Etse};
constexpr std::array<Field, 4> kLists = {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1};

// Texts a user is likely to leave in a field, near the edges of every check.
const char* const kTexts[] = {
    "",        " ",     ".",      ",",    "0",       "-0",     "1",     "-1",          "0.5",     "0,5",
    "55",      "70",    "40",     "35",   "65",      "73",     "30",    "63",          "100",     "100.5",
    "180",     "180.5", "150",    "1e3",  "1e308",   "1e-308", "-5",    "12,5",        "12.5",    " 12.5 ",
    "1e",      "70.1",  "69.9",   "63.1", "63.0001", "1e-5",   "1e400", "99999999999", "Vand",    "Glykol",
    "Glykol ", "Water", "Glycol", "VAND", "vand  ",  "x",      "æøå",   "\xff",        "1.000,5",
};

std::string SomeText(FuzzedDataProvider& in)
{
    if (in.ConsumeBool())
        return kTexts[in.ConsumeIntegralInRange<size_t>(0, std::size(kTexts) - 1)];
    return in.ConsumeRandomLengthString(40);
}

std::string SentinelFor(Field f) { return "#sentinel-" + std::to_string(app::Index(f)); }

template <size_t N>
void PlantSentinels(app::TForm1& form, const std::array<Field, N>& group)
{
    for (Field f : group)
        form.SetText(f, SentinelFor(f));
}

// All sentinels still there, or none; and what was written reads as a number
// in the window's own format.
template <size_t N>
void CheckGroup(const app::TForm1& form, const std::array<Field, N>& group, const char* name)
{
    size_t untouched = 0;
    for (Field f : group)
        untouched += form.Text(f) == SentinelFor(f);
    if (untouched == N)
        return;
    if (untouched != 0)
        Fail(std::string(name) + " results written in part: " + std::to_string(N - untouched) + " of " +
             std::to_string(N));
    const calc::NumberFormat& format = form.Format();
    for (Field f : group) {
        const std::string& text = form.Text(f);
        try {
            calc::StrToFloat(fuzz::Without(text, format.thousands), format.decimal);
        } catch (const calc::FloatingPointFault&) {
            if (text.find('E') == std::string::npos)
                Fail("result '" + text + "' overflows");
        } catch (const calc::ConversionError&) {
            Fail("result '" + text + "' is not a number in the window's format");
        }
    }
}

std::array<std::string, app::kFieldCount> Texts(const app::TForm1& form) { return form.CaseTexts(); }

casefile::CaseLines Parse(const std::string& bytes)
{
    casefile::CaseLines lines;
    casefile::ParseCase(bytes, [&](int index, const std::string& text) { lines.at(index) = text; });
    return lines;
}

std::string ReadFile(const std::string& path)
{
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            bytes.append(chunk, got);
        std::fclose(f);
    }
    return bytes;
}

struct Session {
    explicit Session(const support::ScratchDir& dir) : scratch(dir)
    {
        platform.onBox = [](const RecordingPlatform::Box& box) { Trace("    " + box.kind + ": " + box.text); };
    }

    const support::ScratchDir& scratch;
    RecordingPlatform platform;
    app::TForm1 form{platform, calc::NumberFormat{".", ","}};
    report::Tquickrptpage page;
    std::string caseBytes;  // what the last written case file holds
    bool caseWritten = false;

    int ErrorBoxes() const
    {
        return int(std::count_if(platform.boxes.begin(), platform.boxes.end(),
                                 [](const RecordingPlatform::Box& box) { return box.kind == "errorbox"; }));
    }

    void Calculate(void (app::TForm1::*click)())
    {
        Trace(click == &app::TForm1::BitBtn1Click ? "BitBtn1Click" : "BitBtn2Click");
        PlantSentinels(form, kNominalResults);
        PlantSentinels(form, kActualResults);
        form.Dispatch([&] { (form.*click)(); });
        CheckGroup(form, kNominalResults, "nominal");
        CheckGroup(form, kActualResults, "actual");
    }

    void Load(FuzzedDataProvider& in)
    {
        enum { kCancel, kCase, kMissing, kFolder, kFifo, kDevice, kChoices };
        const int choice = in.ConsumeIntegralInRange<int>(0, kChoices - 1);
        const std::string casePath = scratch.File("case.tvl");
        std::optional<std::string> answer;
        switch (choice) {
        case kCancel: break;
        case kCase: answer = caseWritten ? casePath : scratch.File("missing.tvl"); break;
        case kMissing: answer = scratch.File("missing.tvl"); break;
        case kFolder: answer = scratch.File(""); break;
        case kFifo: answer = scratch.File("fifo"); break;
        case kDevice: answer = "/dev/zero"; break;
        }
        platform.dialogAnswers = {answer};
        Trace("BitBtnHentSagClick, open dialog gives " + (answer ? Quoted(*answer) : std::string("nothing")));
        const auto before = Texts(form);
        const int errorsBefore = ErrorBoxes();
        form.Dispatch([&] { form.BitBtnHentSagClick(); });
        const bool failed = ErrorBoxes() != errorsBefore;
        const bool loaded = choice == kCase && caseWritten;
        if (!loaded) {
            if (Texts(form) != before)
                Fail("a refused or cancelled load changed fields");
            if (failed != (choice != kCancel))
                Fail("a refused load showed no error box, or a cancelled one did");
            return;
        }
        if (failed)
            Fail("loading a small regular case file failed");
        const casefile::CaseLines expected = Parse(caseBytes);
        const auto now = Texts(form);
        for (int i = 0; i < casefile::kLineCount; ++i)
            if (now[i] != expected[i])
                Fail("line " + std::to_string(i + 1) + " did not reach its field");
    }

    void Save(FuzzedDataProvider& in)
    {
        const bool cancel = in.ConsumeBool();
        const std::string path = scratch.File("saved.tvl");
        ::unlink(path.c_str());
        platform.dialogAnswers = {cancel ? std::nullopt : std::optional<std::string>(path)};
        Trace(cancel ? "BitBtnGemSomClick, cancelled" : "BitBtnGemSomClick");
        const int errorsBefore = ErrorBoxes();
        form.Dispatch([&] { form.BitBtnGemSomClick(); });
        if (cancel)
            return;
        if (ErrorBoxes() != errorsBefore)
            Fail("saving into a private folder failed");
        // A text holding CR or Ctrl-Z breaks the line structure by design.
        const auto texts = Texts(form);
        for (const std::string& t : texts)
            if (t.find_first_of("\r\x1a") != std::string::npos)
                return;
        const casefile::CaseLines back = Parse(ReadFile(path));
        for (int i = 0; i < casefile::kLineCount; ++i)
            if (back[i] != casefile::DecodeWindows1252(casefile::EncodeWindows1252(texts[i])))
                Fail("saved line " + std::to_string(i + 1) + " does not read back");
    }

    void Type(FuzzedDataProvider& in)
    {
        const Field field = kInputs[in.ConsumeIntegralInRange<size_t>(0, kInputs.size() - 1)];
        static const char32_t kKeys[] = {U'0', U'5', U'9', U'.', U',', 8, U'-', U'e', U'E', U' ', U'a', U'\u066b', 0};
        char32_t key = in.ConsumeBool() ? kKeys[in.ConsumeIntegralInRange<size_t>(0, std::size(kKeys) - 1)]
                                        : in.ConsumeIntegral<char32_t>();
        Trace("KeyPress " + Name(field) + " key U+" + std::to_string(static_cast<uint32_t>(key)));
        form.KeyPress(field, key);
        if (key == 0)
            return;
        // What the edit box then does with a key that got through.
        std::string text = form.Text(field);
        if (key == 8) {
            while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
                text.pop_back();
            if (!text.empty())
                text.pop_back();
        } else {
            text += calc::EncodeUtf8(key);
        }
        form.SetText(field, text);
    }

    void SetSeparators(FuzzedDataProvider& in)
    {
        // The two usual ones, a locale that gives no decimal separator, and
        // separators of more than one byte.
        static const calc::NumberFormat kFormats[] = {
            {".", ","}, {",", "."}, {"", ","}, {"\u066b", "\u066c"}, {",", "\u00a0"}};
        const calc::NumberFormat& f = kFormats[in.ConsumeIntegralInRange<size_t>(0, std::size(kFormats) - 1)];
        Trace("SetNumberFormat decimal " + Quoted(f.decimal) + " thousands " + Quoted(f.thousands));
        form.SetNumberFormat(f);
    }

    // "Udskriv", "Hjælp" and "Luk": the platform answers each without a screen.
    void OtherCommand(FuzzedDataProvider& in)
    {
        static constexpr std::pair<const char*, void (app::TForm1::*)()> kCommands[] = {
            {"BitBtn3Click", &app::TForm1::BitBtn3Click},
            {"BitBtnHelpClick", &app::TForm1::BitBtnHelpClick},
            {"BitBtn4Click", &app::TForm1::BitBtn4Click},
        };
        const auto& chosen = kCommands[in.ConsumeIntegralInRange<size_t>(0, std::size(kCommands) - 1)];
        Trace(chosen.first);
        form.Dispatch([&] { (form.*chosen.second)(); });
    }

    void Run(FuzzedDataProvider& in)
    {
        form.FormCreate();
        form.AttachReportPage(&page);
        for (int op = 0; op < kMaxOperations && in.remaining_bytes() > 0; ++op) {
            switch (in.ConsumeIntegralInRange<int>(0, 12)) {
            case 0: {
                const Field f = app::CaseFields()[in.ConsumeIntegralInRange<size_t>(0, app::kFieldCount - 1)].field;
                const std::string text = SomeText(in);
                Trace("SetText " + Name(f) + " " + Quoted(text));
                form.SetText(f, text);
                break;
            }
            case 1: {
                const Field list = kLists[in.ConsumeIntegralInRange<size_t>(0, kLists.size() - 1)];
                const int position = in.ConsumeIntegralInRange<int>(-1, 1);
                Trace("SetItemIndex " + Name(list) + " " + std::to_string(position));
                form.SetItemIndex(list, position);
                break;
            }
            case 2: Calculate(&app::TForm1::BitBtn1Click); break;
            case 3: Calculate(&app::TForm1::BitBtn2Click); break;
            case 4:
                caseBytes = in.ConsumeRandomLengthString(600);
                Trace("case file holds " + Quoted(caseBytes));
                scratch.Write("case.tvl", caseBytes);
                caseWritten = true;
                break;
            case 5: Load(in); break;
            case 6: Save(in); break;
            case 7:
                Trace("BitBtnDKClick");
                form.Dispatch([&] { form.BitBtnDKClick(); });
                break;
            case 8:
                Trace("BitBtnUKClick");
                form.Dispatch([&] { form.BitBtnUKClick(); });
                break;
            case 9: Type(in); break;
            case 10: SetSeparators(in); break;
            case 11: OtherCommand(in); break;
            case 12: {
                // A pick from the open drop-down, which holds two items.
                const Field list = kLists[in.ConsumeIntegralInRange<size_t>(0, kLists.size() - 1)];
                const int item = in.ConsumeIntegralInRange<int>(0, 1);
                Trace("ChooseItem " + Name(list) + " " + std::to_string(item));
                form.Dispatch([&] { form.ChooseItem(list, item); });
                if (form.ItemIndex(list) != item || form.Text(list) != form.Item(list, item))
                    Fail("choosing an item did not select and show it");
                break;
            }
            }
        }
    }
};

const support::ScratchDir& Scratch()
{
    static const support::ScratchDir dir;
    static const bool fifo = ::mkfifo(dir.File("fifo").c_str(), 0600) == 0;
    if (!fifo)
        Fail("cannot make a FIFO");
    return dir;
}

// The harness is only as good as its start: the window must come up with
// the known start-up results before any operation is tried.
void CheckStartUp(const support::ScratchDir& scratch)
{
    Session s{scratch};
    s.form.FormCreate();
    static const char* const kExpected[] = {"30.0", "30.0",  "1.602", "1.599", "5.00",  "11.00", "33.0", "40.0",
                                            "33.0", "0.560", "0.824", "1.199", "1.451", "5.78",  "9.52"};
    size_t k = 0;
    for (Field f : kNominalResults)
        if (s.form.Text(f) != kExpected[k++])
            Fail("start-up result of field " + std::to_string(app::Index(f)) + " is " + s.form.Text(f));
    for (Field f : kActualResults)
        if (s.form.Text(f) != kExpected[k++])
            Fail("start-up result of field " + std::to_string(app::Index(f)) + " is " + s.form.Text(f));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool started = (CheckStartUp(Scratch()), true);
    (void)started;
    FuzzedDataProvider in(data, size);
    Session session{Scratch()};
    session.Run(in);
    return 0;
}
