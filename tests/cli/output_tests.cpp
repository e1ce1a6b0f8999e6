// The output writers and the text safety they rest on, byte for byte.
#include "cli/cells.h"
#include "cli/cli.h"
#include "cli/fd_output.h"
#include "cli/output.h"
#include "study/safe_text.h"

#include <gtest/gtest.h>

#include <sstream>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#endif
#include <string>
#include <tuple>
#include <vector>

namespace {

using cli::Cell;

TEST(SafeText, CsvCellsAreNeitherFormulasNorBrokenUtf8)
{
    const std::pair<std::string, std::string> rows[] = {
        {"Vand", "Vand"},
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+1", "'+1"},
        {"-1+2", "'-1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"a=b", "a=b"},
        {"lat\xe6\xff.tvl", "lat\xEF\xBF\xBD\xEF\xBF\xBD.tvl"},
        {"\xc3\xa6\xe2\x82\xac", "æ€"},
        {"\xed\xa0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate is no UTF-8
    };
    for (const auto& [text, field] : rows)
        EXPECT_EQ(study::CsvTextField(text), field) << text;
}

TEST(SafeText, TerminalSeesControlCharactersEscaped)
{
    EXPECT_EQ(study::Visible("\x1b[31mrød\x08\n\x7f"), "\\x1b[31mrød\\x08\\x0a\\x7f");
    EXPECT_EQ(study::Visible(std::string("5.\0"
                                         "5",
                                         4)),
              "5.\\x005");
    EXPECT_EQ(study::Visible("lat\xe6\xff.tvl \xc2\x85"), "lat\\xe6\\xff.tvl \\u0085");
}

std::string Written(cli::Format format, const cli::Document& doc, const std::vector<cli::Record>& records)
{
    std::ostringstream out;
    const auto writer = cli::MakeWriter(format, out);
    writer->Begin(doc);
    for (const cli::Record& r : records)
        writer->Add(r);
    writer->End();
    return out.str();
}

cli::Document TwoColumns()
{
    cli::Document doc;
    doc.columns = {{"name"}, {"Q", cli::ColumnKind::Number, "kW", "fields"}, {"notes", cli::ColumnKind::List}};
    doc.header = {{"file", Cell::Text("a\xff")}};
    doc.recordsKey = "cases";
    return doc;
}

TEST(Writers, CsvAndJsonOfTheSameRecords)
{
    const std::vector<cli::Record> records{
        {{Cell::Text("-x"), Cell::Number("-5.5"), Cell::List({"a", "b"})}},
        {{Cell::Text("y"), Cell::Empty(), Cell::List({})}},
    };
    EXPECT_EQ(Written(cli::Format::Csv, TwoColumns(), records), "name,Q,notes\r\n'-x,-5.5,a | b\r\ny,,\r\n");
    EXPECT_EQ(Written(cli::Format::Json, TwoColumns(), records),
              "{\"file\": \"a\xEF\xBF\xBD\", \"units\": {\"Q\":\"kW\"}, \"cases\": [\n"
              "  {\"name\":\"-x\",\"fields\":{\"Q\":-5.5},\"notes\":[\"a\",\"b\"]},\n"
              "  {\"name\":\"y\",\"fields\":{\"Q\":null},\"notes\":[]}\n]}\n");
    EXPECT_EQ(Written(cli::Format::Json, TwoColumns(), {}),
              "{\"file\": \"a\xEF\xBF\xBD\", \"units\": {\"Q\":\"kW\"}, \"cases\": []}\n");
}

TEST(Writers, TableCutsLongCellsAndEscapesControls)
{
    cli::Document doc;
    cli::Record r;
    r.title = "c\x1b.tvl";
    r.table = {{"Primær flow", std::string(45, 'x') + "\x01", "Vand"}, {"Effekt", "55", "55"}};
    r.notes = {std::string("'5.") + '\0' + "5' is not a valid floating point value."};
    EXPECT_EQ(Written(cli::Format::Table, doc, {r}),
              "c\\x1b.tvl\n"
              "  Primær flow  " +
                  std::string(39, 'x') +
                  "…  Vand\n"
                  "  Effekt       55                                        55\n"
                  "  ! '5.\\x005' is not a valid floating point value.\n");
}

TEST(Cells, NumbersInPointFormFromEitherLocale)
{
    const calc::NumberFormat danish{",", "."}, c{".", ","};
    EXPECT_EQ(cli::InputCell("30,0", danish, cli::Precision::Shown).text, "30.0");
    EXPECT_EQ(cli::InputCell("30,0", danish, cli::Precision::Full).text, "30");
    EXPECT_EQ(cli::InputCell("1,5E", danish, cli::Precision::Shown).text, "1.5");
    EXPECT_EQ(cli::InputCell("30,0", c, cli::Precision::Shown).kind, Cell::Kind::Text);
    EXPECT_EQ(cli::InputCell("", c, cli::Precision::Shown).kind, Cell::Kind::Empty);
    EXPECT_EQ(cli::ResultCell("16.017,961", 16017.96123456789, danish, cli::Precision::Shown).text, "16017.961");
    EXPECT_EQ(cli::ResultCell("16.017,961", 16017.96123456789, danish, cli::Precision::Full).text, "16017.96123456789");
    EXPECT_EQ(cli::ResultCell("0.1", 0.1 + 0.2, c, cli::Precision::Full).text, "0.30000000000000004");
    EXPECT_EQ(cli::ResultCell("", 1.0, c, cli::Precision::Full).kind, Cell::Kind::Empty);
}

#ifndef _WIN32
// Standard output that fails: a full device and a closed descriptor are
// reported in the chosen language; a reader gone from the pipe ends quietly.
TEST(StandardOutput, FailedWritesEndTheCommandWithStatusOne)
{
    std::signal(SIGPIPE, SIG_IGN);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    const int closed = 900;  // no descriptor this test program opens
    const std::tuple<int, std::vector<std::string>, int, std::string> rows[] = {
        {open("/dev/full", O_WRONLY), {"--version"}, ENOSPC, "tervol: kan ikke skrive til standard output\n"},
        {open("/dev/full", O_WRONLY),
         {"rate", "--lang", "en", "--format", "csv", "x.tvl"},
         ENOSPC,
         "tervol: x.tvl: File not found.\ntervol: cannot write to standard output\n"},
        {closed, {"--help"}, EBADF, "tervol: kan ikke skrive til standard output\n"},
        {pipeEnds[1], {"--help"}, EPIPE, ""},
    };
    for (const auto& [fd, args, error, message] : rows) {
        cli::FdOutput buffer(fd);
        std::ostream out(&buffer);
        std::ostringstream err;
        EXPECT_EQ(cli::Run(args, {}, out, err), 1) << args.front();
        EXPECT_EQ(buffer.error(), error) << args.front();
        EXPECT_EQ(err.str(), message);
    }
}
#endif

}  // namespace
