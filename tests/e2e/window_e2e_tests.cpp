// The built program in a real X session, used as a user would: the pointer
// goes to where each control is drawn by the window's documented geometry,
// never to where the program says its widgets are, so a control drawn in the
// wrong place, a field not fed back to the model or a key bound to the wrong
// command fails here even when the window model's own tests pass.
#include "process.h"
#include "xsession.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace e2e;

namespace {

// Client-area pixels of the controls the tests use, written out from the
// window's design rather than read from the program.
namespace at {

enum class Group { Nominal, Actual };

Rect InputField(Group group, int row)
{
    const int groupLeft = group == Group::Nominal ? 13 : 317;
    const int fieldLeft = group == Group::Nominal ? 219 : 221;
    return {groupLeft + fieldLeft, 37 + 20 + 26 * row, 60, 21};
}

Rect CommandButton(int top) { return {624, top, 121, 25}; }

const Rect kBeregnAktuel = CommandButton(72);
const Rect kHentSag = CommandButton(104);
const Rect kGemSom = CommandButton(136);
const Rect kLuk = CommandButton(232);
const Rect kDanishFlag{648, 272, 73, 49};
const Rect kUnionFlag{648, 328, 73, 49};
// Right edge of the button column and bottom edge of the groups.
constexpr int kContentRight = 624 + 121;
constexpr int kContentBottom = 37 + 449;

const Rect kEQ_nom = InputField(Group::Nominal, 2);
const Rect kEtpe_nom = InputField(Group::Nominal, 3);
const Rect kEQ = InputField(Group::Actual, 2);

}  // namespace at

constexpr char kMainTitle[] = "^Tervol Program ver\\. 1\\.2$";
// Qt's own file dialog titles; the program keeps the platform's default.
constexpr char kSaveTitle[] = "^Save As$";
constexpr char kOpenTitle[] = "^Open$";
constexpr char kInformationTitle[] = "^Information$";

using Lines = std::vector<std::string>;

// The case as the window shows it right after start, in case-file order.
const Lines kStartCase = {
    "Vand", "Vand", "55",   "70",   "40",  "65",  "35",  "1",     "1",     "30.0",
    "30.0", "1.602", "1.599", "5.00", "11.00", "Vand", "Vand", "55",   "73",   "63",
    "30",   "33.0", "40.0", "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52",
};

// The actual state of the start case redone for a heat load of 100 kW.
const Lines kActualResultsAt100kW = {"34.7", "38.3", "33.0", "2.023", "2.725", "2.278", "2.639", "7.00", "14.29"};

// Case-file line numbers, from 1.
constexpr int kEQ_nomLine = 3, kEtpe_nomLine = 4, kEV_p_nomLine = 12, kEV_s_nomLine = 13, kEUA_nomLine = 15,
              kEQLine = 18, kFirstActualResultLine = 22;
constexpr int kMediumLines[] = {1, 2, 16, 17};

Lines WithDecimal(Lines lines, char decimal)
{
    for (std::string& line : lines)
        std::replace(line.begin(), line.end(), '.', decimal);
    return lines;
}

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string CaseFileBytes(const Lines& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Splits a case file at CR LF; anything else about its framing is a failure.
Lines CaseFileLines(const fs::path& path)
{
    const std::string bytes = FileBytes(path);
    Lines lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << path << " does not end in CR LF";
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << path << " line " << i + 1 << " has a lone CR or LF";
    return lines;
}

void ExpectCaseFile(const fs::path& path, const Lines& expected)
{
    const Lines lines = CaseFileLines(path);
    ASSERT_EQ(lines.size(), 30u) << path << ":\n" << FileBytes(path);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << path << " line " << i + 1;
}

// A private directory for one test's files, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tervol-e2e-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// One run of the program on its own X server. Everything it started is
// killed when it goes, whichever way the test ends.
class Tervol {
public:
    Tervol(const fs::path& dir, const std::string& locale)
        : server_(dir), desktop_(server_, [this] { return DeathNote(); })
    {
        for (const char* sub : {"config", "cache", "runtime"})
            fs::create_directory(dir / sub);
        chmod((dir / "runtime").c_str(), 0700);
        // Whatever scales or restyles Qt in the caller's session would move
        // the controls; only where Qt finds its plugins is kept.
        Environment env = desktop_.ClientEnvironment();
        env.UnsetPrefixed("QT_", {"QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH"})
            .Set("QT_QPA_PLATFORM", "xcb")
            .Set("LC_ALL", locale)
            .Set("LANG", locale)
            .Unset("LANGUAGE")
            .Set("XDG_CONFIG_HOME", (dir / "config").string())
            .Set("XDG_CACHE_HOME", (dir / "cache").string())
            .Set("XDG_RUNTIME_DIR", (dir / "runtime").string());
        program_ = Child::Start({TERVOL_PROGRAM}, env);

        window_ = desktop_.WaitForWindow("start Tervol", kMainTitle);
        if (const size_t count = desktop_.Find(kMainTitle).size(); count != 1)
            throw std::runtime_error(std::to_string(count) + " windows carry the main window's title");
        const Rect client = desktop_.Geometry(window_);
        origin_ = {client.left, client.top};
        if (client.width < at::kContentRight || client.height < at::kContentBottom)
            throw std::runtime_error("the window's client area, " + std::to_string(client.width) + " x " +
                                     std::to_string(client.height) + ", cannot hold its controls");
    }

    void Click(const std::string& what, const Rect& control) const
    {
        const Point centre = control.Centre();
        desktop_.Click("click " + what, {origin_.x + centre.x, origin_.y + centre.y});
    }

    // Clicks into an input field and replaces its text by typing. Ctrl+A
    // cannot select: the field's key filter drops control characters.
    void TypeInto(const std::string& what, const Rect& field, const std::string& text) const
    {
        desktop_.Focus(window_);
        Click(what, field);
        desktop_.Keys("empty " + what, {"End", "shift+Home", "BackSpace"});
        if (!text.empty())
            desktop_.Type("type into " + what, text);
    }

    void PressKeys(const std::string& step, const std::vector<std::string>& keys) const
    {
        desktop_.Focus(window_);
        desktop_.Keys(step, keys);
    }

    // "Gem som" and a file name typed into the save dialog.
    void SaveAs(const fs::path& file) const
    {
        Click("Gem som", at::kGemSom);
        EnterFileName("Gem som", kSaveTitle, file);
        // The dialog is gone before the file is written; wait for all of it.
        const auto deadline = Clock::now() + kStepTimeout;
        while (!HoldsWholeCase(file) && Clock::now() < deadline)
            std::this_thread::sleep_for(milliseconds(20));
        if (!fs::exists(file))
            throw std::runtime_error("Gem som wrote no " + file.string() + DeathNoteSuffix());
    }

    // "Hent sag" and a file name typed into the open dialog.
    void Open(const fs::path& file) const
    {
        Click("Hent sag", at::kHentSag);
        EnterFileName("Hent sag", kOpenTitle, file);
    }

    // A message box with one button: press Enter on it and see it close.
    void AcknowledgeBox(const std::string& step, const std::string& titleRegex) const
    {
        const WindowId box = desktop_.WaitForWindow(step, titleRegex);
        desktop_.Focus(box);
        desktop_.Keys(step + ": Enter on the box", {"Return"});
        desktop_.WaitUntilGone(step + ": box closes on Enter", titleRegex);
    }

    std::optional<ExitStatus> WaitForExit(milliseconds timeout) const { return program_.WaitFor(timeout); }

private:
    // Thirty line ends: the program has written the whole case.
    static bool HoldsWholeCase(const fs::path& file)
    {
        const std::string bytes = FileBytes(file);
        size_t count = 0;
        for (size_t pos = bytes.find("\r\n"); pos != std::string::npos; pos = bytes.find("\r\n", pos + 2))
            ++count;
        return count >= 30;
    }

    void EnterFileName(const std::string& step, const std::string& titleRegex, const fs::path& file) const
    {
        const WindowId dialog = desktop_.WaitForWindow(step + ": its file dialog opens", titleRegex);
        desktop_.Focus(dialog);
        // The name box has the focus when the dialog opens; Ctrl+A there
        // replaces the name the dialog remembers from its last use.
        desktop_.Keys(step + ": select the offered name", {"ctrl+a"});
        desktop_.Type(step + ": type the file name", file.string());
        desktop_.Keys(step + ": Enter in the dialog", {"Return"});
        desktop_.WaitUntilGone(step + ": the dialog closes on Enter", titleRegex);
        ExpectNothingLeftOpen(step);
    }

    // Nothing of the dialog may stay behind it: a leftover popup would
    // swallow the user's next click.
    void ExpectNothingLeftOpen(const std::string& step) const
    {
        const auto deadline = Clock::now() + milliseconds(1000);
        while (true) {
            const std::vector<WindowId> visible = desktop_.VisibleWindows();
            if (std::none_of(visible.begin(), visible.end(), [&](const WindowId& w) { return w != window_; }))
                return;
            if (Clock::now() >= deadline)
                throw std::runtime_error(step + ": a window other than the main one stays open");
            std::this_thread::sleep_for(milliseconds(20));
        }
    }

    std::string DeathNote() const
    {
        if (const auto status = program_.WaitFor(milliseconds(0)))
            return "Tervol ended with " + status->Describe();
        return "";
    }

    std::string DeathNoteSuffix() const
    {
        const std::string note = DeathNote();
        return note.empty() ? "" : "; " + note;
    }

    XServer server_;
    mutable Child program_;  // asking whether it ended reaps it
    Desktop desktop_;
    WindowId window_;
    Point origin_;
};

void ExpectCleanExit(const Tervol& tervol, const std::string& after)
{
    const auto status = tervol.WaitForExit(milliseconds(3000));
    ASSERT_TRUE(status) << "Tervol still runs 3 s after " << after;
    EXPECT_TRUE(status->exited && status->code == 0) << "after " << after << ": " << status->Describe();
}

struct LocaleCase {
    std::string name;
    std::string locale;
    char decimal;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LocaleCase& c, std::ostream* out) { *out << c.locale; }

class TypedActualState : public ::testing::TestWithParam<LocaleCase> {};

// Type a new heat load, recalculate, save: the typed text reached the model,
// "Beregn Aktuel" ran on it and "Gem som" wrote the case in the locale's
// decimal mark. Escape then ends the program.
TEST_P(TypedActualState, IsRecalculatedSavedAndEscapeEndsTheProgram)
{
    const LocaleCase& param = GetParam();
    TempDir dir;
    Tervol tervol(dir.path(), param.locale);

    tervol.TypeInto("EQ", at::kEQ, "100");
    tervol.Click("Beregn Aktuel", at::kBeregnAktuel);
    const fs::path saved = dir.path() / "actual.tvl";
    tervol.SaveAs(saved);

    Lines expected = kStartCase;
    expected[kEQLine - 1] = "100";
    std::copy(kActualResultsAt100kW.begin(), kActualResultsAt100kW.end(), expected.begin() + kFirstActualResultLine - 1);
    ExpectCaseFile(saved, WithDecimal(expected, param.decimal));

    tervol.PressKeys("Escape", {"Escape"});
    ExpectCleanExit(tervol, "Escape");
}

INSTANTIATE_TEST_SUITE_P(Locales, TypedActualState,
                         ::testing::Values(LocaleCase{"C", "C", '.'}, LocaleCase{"Danish", "da_DK.UTF-8", ','}),
                         [](const auto& info) { return info.param.name; });

// Enter in an input field runs "Beregn Nominel" and never "Beregn Aktuel":
// the nominal results follow the typed nominal load while the actual results
// stay as they were although the actual load was typed too. An emptied field
// stops the calculation with an information box, after which the window
// still takes typing and commands, and "Luk" ends the program.
TEST(Keyboard, EnterRunsBeregnNominelAndAnEmptyFieldGivesAnInformationBox)
{
    TempDir dir;
    Tervol tervol(dir.path(), "C");

    tervol.TypeInto("EQ_nom", at::kEQ_nom, "110");
    tervol.TypeInto("EQ", at::kEQ, "100");
    tervol.PressKeys("Enter in EQ", {"Return"});
    const fs::path first = dir.path() / "enter.tvl";
    tervol.SaveAs(first);

    // Twice the heat at the same temperatures: twice the flows and twice UA,
    // the temperature differences unchanged.
    Lines expected = kStartCase;
    expected[kEQ_nomLine - 1] = "110";
    expected[kEQLine - 1] = "100";
    expected[kEUA_nomLine - 1] = "22.00";
    const Lines lines = CaseFileLines(first);
    ASSERT_EQ(lines.size(), 30u) << FileBytes(first);
    for (const int line : {kEV_p_nomLine, kEV_s_nomLine}) {
        const std::string& text = lines[line - 1];
        ASSERT_TRUE(std::regex_match(text, std::regex(R"(\d\.\d{3})"))) << "line " << line << ": " << text;
        EXPECT_NEAR(std::stod(text), 2 * std::stod(kStartCase[line - 1]), 0.0011) << "line " << line;
        expected[line - 1] = text;
    }
    ExpectCaseFile(first, expected);

    tervol.TypeInto("Etpe_nom", at::kEtpe_nom, "");
    tervol.PressKeys("Enter in the emptied Etpe_nom", {"Return"});
    tervol.AcknowledgeBox("the missing input is reported", kInformationTitle);

    tervol.TypeInto("Etpe_nom", at::kEtpe_nom, "75");
    const fs::path second = dir.path() / "after-box.tvl";
    tervol.SaveAs(second);
    expected[kEtpe_nomLine - 1] = "75";
    ExpectCaseFile(second, expected);

    tervol.Click("Luk", at::kLuk);
    ExpectCleanExit(tervol, "Luk");
}

// "Hent sag" puts a stored case in the window exactly as stored (results that
// do not follow from its inputs included, since loading calculates nothing),
// so "Gem som" writes the same bytes back. The flags then rename the media:
// no calculation has recorded a list position, so all four lists show water.
TEST(CaseFiles, HentSagThenGemSomGivesTheSameBytesAndTheFlagsRenameTheMedia)
{
    TempDir dir;
    Tervol tervol(dir.path(), "C");

    const Lines stored = {
        "Glykol", "Vand",  "80",    "75",    "45",    "60",    "30",    "0.5",  "0.8",  "30.0",
        "30.0",   "2.500", "2.300", "14.4",  "5.55",  "Vand",  "Glykol", "60",   "72",   "58",
        "28",     "40.1",  "31.9",  "30.0",  "0.300", "0.700", "1.800", "1.700", "12.0", "5.00",
    };
    const fs::path source = dir.path() / "stored.tvl";
    WriteBytes(source, CaseFileBytes(stored));

    tervol.Open(source);
    const fs::path copy = dir.path() / "copy.tvl";
    tervol.SaveAs(copy);
    EXPECT_EQ(FileBytes(copy), FileBytes(source));

    const auto withMedia = [&](const std::string& water) {
        Lines lines = stored;
        for (const int line : kMediumLines)
            lines[line - 1] = water;
        return lines;
    };
    tervol.Click("the Union flag", at::kUnionFlag);
    const fs::path english = dir.path() / "english.tvl";
    tervol.SaveAs(english);
    ExpectCaseFile(english, withMedia("Water"));

    tervol.Click("the Danish flag", at::kDanishFlag);
    const fs::path danish = dir.path() / "danish.tvl";
    tervol.SaveAs(danish);
    ExpectCaseFile(danish, withMedia("Vand"));

    tervol.PressKeys("Escape", {"Escape"});
    ExpectCleanExit(tervol, "Escape");
}

}  // namespace
