// The help's keyword index, and that its pages cover the program.
#include "calc/fault.h"
#include "calc/messages.h"
#include "calc/numtext.h"
#include "casefile/casefile.h"
#include "lang/texts.h"
#include "model/helpindex.h"
#include "study/study.h"
#include "study/studyform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using app::HelpKeyword;

std::vector<std::string> Keywords(const std::vector<HelpKeyword>& list)
{
    std::vector<std::string> out;
    for (const HelpKeyword& k : list)
        out.push_back(k.keyword);
    return out;
}

TEST(HelpIndex, SortsCaseBlindWithTheDanishLettersAfterZ)
{
    std::vector<HelpKeyword> list{{"å", "a"}, {"Zone", "z"}, {"æble", "b"}, {"Ø", "c"}, {"abc", "d"}, {"Beta", "e"}};
    app::SortHelpKeywords(list);
    EXPECT_EQ(Keywords(list), (std::vector<std::string>{"abc", "Beta", "Zone", "æble", "Ø", "å"}));
}

TEST(HelpIndex, FilterFindsAnyPartOfAKeywordWhateverItsCase)
{
    const std::vector<HelpKeyword> list{{"Primær tryktab i [bar]", "p"}, {"Tryktab", "t"}, {"Effekt [kW]", "e"}};
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {"Primær tryktab i [bar]", "Tryktab", "Effekt [kW]"}},
        {"TRYKTAB", {"Primær tryktab i [bar]", "Tryktab"}},
        {"PRIMÆR", {"Primær tryktab i [bar]"}},
        {"[kw]", {"Effekt [kW]"}},
        {"varme", {}},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(Keywords(app::FilterHelpKeywords(list, filter)), expected) << filter;
}

// The real files show that comments, blank lines and anchors are read.
TEST(HelpIndex, ParsingTakesWindowsLineEndsAndRefusesALineWithoutTarget)
{
    EXPECT_EQ(app::ParseHelpKeywords("PDF\treport.html#pdf\r\n").at(0).target, "report.html#pdf");
    EXPECT_THROW(app::ParseHelpKeywords("# comment\r\nEffekt [kW] heat.html\r\n"), std::invalid_argument);
}

// Blanks collapsed and the entities the pages use decoded, so a text can be
// looked for as the user reads it.
std::string Plain(std::string html)
{
    html = std::regex_replace(html, std::regex("\\s+"), " ");
    // The word joiners that hold a unit together are invisible.
    for (const auto& [entity, c] :
         {std::pair{"&nbsp;", " "}, {"\u2060", ""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        html = std::regex_replace(html, std::regex(entity), c);
    return html;
}

std::string Page(const std::string& page) { return support::ReadFile(fs::path(TERVOL_HELP_DIR) / page); }

// Statements that were once wrong: what stands there now, and what no longer does.
TEST(HelpContent, CorrectedStatementsInBothLanguages)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"en/ua.html", "transfers 55 kW in both states, yet its actual UA is 9.52 kW/K against 11.00 kW/K nominal",
         "smaller load gives"},
        {"da/ua.html", "overfører 55 kW i begge tilstande, men dets aktuelle UA er 9,52 kW/K mod 11,00 kW/K nominelt",
         "Mindre last giver"},
        {"en/partload.html", "The Part load button (below the two flags)", "below Help"},
        {"da/partload.html", "Knappen Dellast (under de to flag)", "under Hjælp"},
        {"en/heat.html", "about 10–20 kW for a detached-house substation, a few hundred kW for an apartment block",
         "20–200"},
        {"da/heat.html",
         "omkring 10–20 kW for en fjernvarmeunit til et parcelhus, nogle hundrede kW for en etageejendom", "20–200"},
        {"en/keyboard.html",
         "with a Danish locale “1.500” gives “1500”, which is 1500; with an English locale “0,25” gives “025”",
         "is taken as the separator"},
        {"da/keyboard.html",
         "Med danske landeindstillinger giver »1.500« derfor »1500«, altså 1500; med engelske landeindstillinger giver "
         "»0,25« derfor »025«",
         "tages som decimaltegnet"},
        {"da/actual.html", "Grænse for primært fremløb (mediet i den aktuelle primære medieliste)", "primær flow)"},
    };
    for (const auto& [page, present, gone] : cases) {
        const std::string text = Plain(std::regex_replace(Page(page), std::regex("<[^>]*>"), ""));
        EXPECT_NE(text.find(present), std::string::npos) << page << ": " << present;
        EXPECT_EQ(text.find(gone), std::string::npos) << page << ": " << gone;
    }
}

// One word for one thing in the Danish help and the Danish usage text.
TEST(HelpContent, OneDanishTermPerThing)
{
    std::string all(lang::kDanishTexts.cli.usage);
    for (const auto& entry : fs::directory_iterator(fs::path(TERVOL_HELP_DIR) / "da"))
        all += Plain(support::ReadFile(entry.path()));
    for (char& c : all)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const char* used : {"tusindtalsseparator", "landeindstilling", "slutstatus", "inddatastørrelse"})
        EXPECT_NE(all.find(used), std::string::npos) << used;
    for (const char* avoided : {"tusindtalsskilletegn", "landestandard", "returkode", "indtastning varieret",
                                "aktuel primær flow", "aktuel sekundær flow"})
        EXPECT_EQ(all.find(avoided), std::string::npos) << avoided;
}

// The English pages call the heat a heat load; "heat" stands alone only in
// the row caption "Transferred heat (kW)" and in "specific heat".
TEST(HelpContent, TheHeatIsAHeatLoadInEnglish)
{
    const std::regex bare("\\b[Hh]eat\\b(?![- ](load|capacity|transfer|exchanger|demand|loss|giving|receiving))");
    for (const auto& entry : fs::directory_iterator(fs::path(TERVOL_HELP_DIR) / "en")) {
        if (entry.path().extension() != ".html")
            continue;
        std::string text = support::ReadFile(entry.path());
        text = text.substr(text.find("<body>"));
        text = Plain(std::regex_replace(text, std::regex("<[^>]*>"), ""));
        text = std::regex_replace(text, std::regex("Transferred heat \\(kW\\)|specific heat"), "");
        std::smatch m;
        EXPECT_FALSE(std::regex_search(text, m, bare))
            << entry.path().filename() << ": …"
            << m.prefix().str().substr(m.prefix().length() > 40 ? m.prefix().length() - 40 : 0) << m.str();
    }
}

// A unit with a slash never breaks at it: a word joiner on both sides. Only
// the English caption of UA, quoted as the window shows it, keeps its plain slash.
TEST(HelpContent, UnitsHoldTogetherAtTheirSlash)
{
    const std::regex unit("(J/\\(kg·K\\)|W/\\(m·K\\)|m³/h|m³/s|kW/K|kg/m³|m²/s|\\bW/K)");
    int joined = 0;
    for (const char* language : {"da", "en"})
        for (const auto& entry : fs::directory_iterator(fs::path(TERVOL_HELP_DIR) / language)) {
            if (entry.path().extension() != ".html")
                continue;
            std::string body = support::ReadFile(entry.path());
            body = std::regex_replace(body.substr(body.find("<body>")), std::regex("coefficient \\(kW/K\\)"), "");
            std::smatch m;
            EXPECT_FALSE(std::regex_search(body, m, unit)) << entry.path() << ": " << m.str();
            for (size_t at = body.find("m³\u2060/\u2060h"); at != std::string::npos;
                 at = body.find("m³\u2060/\u2060h", at + 1))
                ++joined;
        }
    EXPECT_EQ(joined, 40);
}

class HelpPages : public ::testing::TestWithParam<const lang::Texts*> {
protected:
    const lang::WindowTexts& table = GetParam()->window;
    const fs::path folder = fs::path(TERVOL_HELP_DIR) / GetParam()->help.folder;

    // "page.html#anchor" relative to `from`'s folder: the page exists and
    // names the anchor. A PNG picture is rendered at build time from the SVG
    // drawing of the same name.
    void ExpectResolves(const fs::path& from, const std::string& target)
    {
        const size_t hash = target.find('#');
        fs::path page = from.parent_path() / target.substr(0, hash);
        if (page.extension() == ".png")
            page.replace_extension(".svg");
        ASSERT_TRUE(fs::is_regular_file(page)) << from << " -> " << target;
        if (hash != std::string::npos) {
            EXPECT_NE(support::ReadFile(page).find("name=\"" + target.substr(hash + 1) + "\""), std::string::npos)
                << from << " -> " << target;
        }
    }
};

TEST_P(HelpPages, EveryLinkAndPictureResolves)
{
    const std::regex reference("(href|src)=\"([^\"]+)\"");
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".html")
            continue;
        ++pages;
        const std::string html = support::ReadFile(entry.path());
        for (auto m = std::sregex_iterator(html.begin(), html.end(), reference); m != std::sregex_iterator(); ++m) {
            const std::string target = (*m)[2];
            if (target.rfind("http", 0) == 0)
                continue;
            ExpectResolves(entry.path(), target[0] == '#' ? entry.path().filename().string() + target : target);
        }
    }
    EXPECT_GE(pages, 20);
}

// The start captions differ from the Danish ones in blanks only.
TEST_P(HelpPages, EveryKeywordLeadsToATopicAndEveryCaptionIsAKeyword)
{
    const auto list = app::ParseHelpKeywords(support::ReadFile(folder / "keywords.txt"));
    EXPECT_GT(list.size(), 50u);
    std::set<std::string> keywords;
    for (const HelpKeyword& k : list) {
        ExpectResolves(folder / "keywords.txt", k.target);
        keywords.insert(k.keyword);
    }
    std::vector<std::string_view> captions(table.rows.begin(), table.rows.end());
    captions.insert(captions.end(), table.groups.begin(), table.groups.end());
    captions.insert(captions.end(), table.buttons.begin(), table.buttons.end());
    for (std::string_view caption : captions) {
        std::string simple = std::regex_replace(std::string(caption), std::regex(" +"), " ");
        simple = std::regex_replace(simple, std::regex(" $"), "");
        EXPECT_TRUE(keywords.count(simple)) << simple;
    }
}

// The texts come from the program's own tables, so a new message without
// help fails here.
TEST_P(HelpPages, EveryMessageIsExplained)
{
    std::vector<std::string> texts{calc::kNotConverged,
                                   calc::kDivisionByZero,
                                   calc::kInvalidOperation,
                                   calc::kOverflow,
                                   calc::ConversionError("…").what(),
                                   "Unknown failure"};  // as the error box shows it
    for (const lang::Texts* t : {&lang::kDanishTexts, &lang::kEnglishTexts}) {
        const lang::MessageTexts& m = t->messages;
        for (const std::string_view text :
             {m.nominalInputsMissing, m.actualInputsMissing, m.glycolSupplyLimit, m.waterSupplyLimit, m.mustBeGreater,
              m.pointsOutOfRange, t->study.writeFailed, t->preview.notStarted})
            texts.emplace_back(text);
    }
    for (int error = 1; error < 200; ++error) {
        const std::string text = casefile::FileErrorFromErrno(error).what();
        texts.push_back(text.rfind("I/O error ", 0) == 0 ? "I/O error" : text);
    }

    const std::string page = Plain(support::ReadFile(folder / "messages.html"));
    for (const std::string& text : texts)
        EXPECT_NE(page.find(Plain(text)), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpPages, ::testing::Values(&lang::kDanishTexts, &lang::kEnglishTexts),
                         [](const auto& info) { return std::string(info.param->code); });

}  // namespace
