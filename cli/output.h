// The command line's output formats, one writer each, shared by every command
// that prints results (rate, study, season).
//
// A command describes its output once as a Document (the columns, and for
// JSON the members that stand before the records), makes the writer for the
// chosen format with MakeWriter, and hands it one Record per case or point:
//
//   cli::Document doc;
//   doc.columns = {{"file"}, {"status"}, {"Q", cli::ColumnKind::Number, "kW", "results"}};
//   doc.recordsKey = "points";
//   doc.layout = cli::TableLayout::Grid;
//   doc.tableHeader = {"Fil", "Status", "Effekt [kW]"};
//   auto writer = cli::MakeWriter(format, out);
//   writer->Begin(doc);
//   for (...) {
//       cli::Record r;
//       r.cells = {cli::Cell::Text(name), cli::Cell::Text("ok"), cli::Cell::Number("55.5")};
//       r.table = {{name, "ok", "55,5"}};  // as the window shows it
//       writer->Add(r);
//   }
//   writer->End();
//
// CSV (RFC 4180, CRLF): a header row of the column names, one row per record;
// a list cell is joined by " | "; a text cell that a spreadsheet would run as
// a formula gets a leading apostrophe; numbers are written as given.
// JSON: one object: the document's header members, "units" (column name to
// unit, for the columns that have one), then the records as an array under
// recordsKey; a number cell is a JSON number, an empty cell null, a column
// with a group goes into the record's object of that name.
// Table: the records' `table` rows as the window shows them, aligned; cells
// cut and control characters escaped so that a terminal shows them plainly.
// Text in CSV and JSON is always valid UTF-8 (a byte that is not becomes
// U+FFFD). Every writer only streams to `out`; the caller checks the stream.
#pragma once

#include "cli/options.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cli {

enum class ColumnKind { Text, Number, List };

struct Column {
    std::string name;  // CSV header, JSON key
    ColumnKind kind = ColumnKind::Text;
    std::string unit;              // JSON "units"; empty: the column has none
    std::string group;             // JSON: the object inside the record it goes into; empty: the record itself
    bool csv = true, json = true;  // in which formats it appears
};

struct Cell {
    enum class Kind { Empty, Number, Text, List };
    Kind kind = Kind::Empty;
    std::string text;  // Number: "." decimal separator, no grouping
    std::vector<std::string> items;
    // JSON: a count or a whole degree, written without a fraction.
    bool whole = false;

    static Cell Empty() { return {}; }
    static Cell Number(std::string text) { return {Kind::Number, std::move(text), {}, false}; }
    static Cell Whole(std::string text) { return {Kind::Number, std::move(text), {}, true}; }
    static Cell Text(std::string text) { return {Kind::Text, std::move(text), {}, false}; }
    static Cell List(std::vector<std::string> items) { return {Kind::List, {}, std::move(items), false}; }
};

struct Record {
    std::vector<Cell> cells;  // one per column
    // Table format only.
    std::string title;                            // Blocks: the line above the record's block
    std::vector<std::vector<std::string>> table;  // rows as the window shows them
    std::vector<std::string> notes;               // "  ! " lines below
};

enum class TableLayout {
    Blocks,  // each record its own aligned block under its title (rate)
    Grid,    // all records' rows aligned under tableHeader (study, season)
};

// Named values beside the records (the heating season's settings and
// summary). JSON: an object under `name`, before "units" or after the
// records; CSV: after the records, a row of `name` and "value", then one row
// of name and value per member; table (Grid): below the grid, `title`, then
// one row of label and shown text per member.
struct Section {
    struct Member {
        std::string name;
        Cell value;
        std::string label, shown;  // table
    };
    std::string name, title;
    bool beforeRecords = false;  // JSON
    std::vector<Member> members;
};

struct Document {
    std::vector<Column> columns;
    // JSON members before "units" and the records (study: file, vary, status).
    std::vector<std::pair<std::string, Cell>> header;
    std::string recordsKey = "records";
    TableLayout layout = TableLayout::Blocks;
    std::string title;                     // Grid: the line above the grid
    std::vector<std::string> tableHeader;  // Grid: the captions row
    std::vector<std::string> notes;        // Grid: "  ! " lines below the grid
    std::vector<Section> sections;
};

class Writer {
public:
    virtual ~Writer() = default;
    virtual void Begin(const Document& document) = 0;
    virtual void Add(const Record& record) = 0;
    virtual void End() = 0;
};

std::unique_ptr<Writer> MakeWriter(Format format, std::ostream& out);

}  // namespace cli
