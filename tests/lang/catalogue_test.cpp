// The catalogue: the codes, the one fallback rule, complete tables and the
// placeholders every translation must keep.
#include "lang/texts.h"

#include <gtest/gtest.h>

#include <bit>
#include <optional>
#include <string>

namespace {

using lang::Language;

// Every text of a table, in declaration order: the tables hold texts only.
using AllTexts = std::array<lang::Text, sizeof(lang::Texts) / sizeof(lang::Text)>;
static_assert(sizeof(AllTexts) == sizeof(lang::Texts));
AllTexts Flattened(const lang::Texts& t) { return std::bit_cast<AllTexts>(t); }

int Count(lang::Text text, lang::Text what)
{
    int n = 0;
    for (size_t at = text.find(what); at != lang::Text::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(Catalogue, CodesMapExactlyAndTablesFallBackToDanish)
{
    struct Case {
        const char* code;
        std::optional<Language> exact;
        Language table;
    };
    const Case cases[] = {
        {"DK", Language::Danish, Language::Danish}, {"UK", Language::English, Language::English},
        {"uk", std::nullopt, Language::Danish},     {"UK ", std::nullopt, Language::Danish},
        {"EN", std::nullopt, Language::Danish},     {"", std::nullopt, Language::Danish},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lang::FromCode(c.code), c.exact) << '"' << c.code << '"';
        EXPECT_EQ(lang::TableLanguage(c.code), c.table) << '"' << c.code << '"';
    }
    EXPECT_EQ(lang::Code(Language::Danish), "DK");
    EXPECT_EQ(lang::Code(Language::English), "UK");
    EXPECT_EQ(lang::TextsFor("UK").study.title, "Tervol – Part load");
    EXPECT_EQ(lang::TextsFor("XX").study.title, "Tervol – Dellast");
    EXPECT_EQ(lang::TextsFor("XX").help.folder, "da");
}

TEST(Catalogue, EveryTableHasEveryTextWithTheSamePlaceholders)
{
    const AllTexts danish = Flattened(lang::kDanishTexts);
    for (Language language : lang::kLanguages) {
        const AllTexts texts = Flattened(lang::TextsOf(language));
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_FALSE(texts[i].empty()) << lang::Code(language) << " text " << i;
            for (lang::Text mark : {"%1", "%2", "%3"})
                EXPECT_EQ(Count(texts[i], mark), Count(danish[i], mark))
                    << lang::Code(language) << " text " << i << ": " << texts[i];
        }
    }
}

TEST(Catalogue, TablesSpeakTheirOwnLanguage)
{
    const lang::Texts& da = lang::TextsOf(Language::Danish);
    const lang::Texts& en = lang::TextsOf(Language::English);
    EXPECT_EQ(da.window.rows[8], "Sekundær tryktab i  [bar]");
    EXPECT_EQ(en.window.rows[19], "Secondary inlet temperature °C");
    EXPECT_EQ(da.window.items[1], "Glykol");
    EXPECT_EQ(en.window.items[1], "antifreeze");
    EXPECT_EQ(da.window.buttons[4], "Hent sag");
    EXPECT_EQ(en.report.captions[3], "Primary flow");
    EXPECT_EQ(da.messages.mustBeGreater, " skal være større end ");
    EXPECT_EQ(da.name, "Dansk");
    EXPECT_EQ(en.name, "English");
    EXPECT_EQ(da.cliName, "da");
    EXPECT_EQ(en.cliName, "en");
}

TEST(Catalogue, FillPutsEachValueInItsPlaceOnce)
{
    struct Case {
        lang::Text pattern;
        std::initializer_list<lang::Text> values;
        std::string expected;
    };
    const Case cases[] = {
        {"ugyldig værdi %1 til %2", {"'x'", "--format"}, "ugyldig værdi 'x' til --format"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %2", {"%2", "b"}, "%2 and b"},  // a value is not read as a pattern
        {"%1 of %3", {"a", "b"}, "a of %3"},     // a place without a value stays
        {"antifreeze 40 %", {"a"}, "antifreeze 40 %"},
        {"%", {}, "%"},
        {"", {"a"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lang::Fill(c.pattern, c.values), c.expected) << c.pattern;
}

}  // namespace
