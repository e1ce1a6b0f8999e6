#include "cli/output.h"

#include "study/safe_text.h"
#include "study/study.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <ostream>

namespace cli {
namespace {

using Json = nlohmann::ordered_json;

// A case text longer than this would push the table's columns off a terminal.
constexpr size_t kMaxCellWidth = 40;

// Code points, which is what a terminal shows for the Latin texts here.
size_t Width(std::string_view utf8)
{
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string Cut(const std::string& visible)
{
    if (Width(visible) <= kMaxCellWidth)
        return visible;
    size_t at = 0;
    for (size_t points = 0; points < kMaxCellWidth - 1; ++points)
        do
            ++at;
        while (at < visible.size() && (static_cast<unsigned char>(visible[at]) & 0xC0) == 0x80);
    return visible.substr(0, at) + "…";
}

// Columns padded to the widest entry, two blanks apart, trailing blanks
// dropped. The last cell of a row shorter than the longest (a failed point's
// message) runs on over the columns it lacks and widens none.
void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& raw)
{
    size_t columns = 0;
    for (const auto& row : raw)
        columns = std::max(columns, row.size());
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : raw) {
        auto& shown = rows.emplace_back();
        for (size_t c = 0; c < row.size(); ++c) {
            const bool spans = c + 1 == row.size() && row.size() < columns;
            shown.push_back(spans ? study::Visible(row[c]) : Cut(study::Visible(row[c])));
        }
    }
    std::vector<size_t> widths(columns);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size() && (c + 1 < row.size() || row.size() == columns); ++c)
            widths[c] = std::max(widths[c], Width(row[c]));
    for (const auto& row : rows) {
        std::string line = "  ";
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line.append(widths[c] - Width(row[c]) + 2, ' ');
        }
        out << TrimRight(line) << '\n';
    }
}

void WriteNotes(std::ostream& out, const std::vector<std::string>& notes)
{
    for (const std::string& note : notes)
        out << "  ! " << study::Visible(note) << '\n';
}

class TableWriter final : public Writer {
public:
    explicit TableWriter(std::ostream& out) : out_(out) {}
    void Begin(const Document& document) override
    {
        document_ = document;
        if (document_.layout == TableLayout::Grid)
            rows_.push_back(document_.tableHeader);
    }
    void Add(const Record& record) override
    {
        if (document_.layout == TableLayout::Grid) {
            rows_.insert(rows_.end(), record.table.begin(), record.table.end());
            return;
        }
        if (records_++ > 0)
            out_ << '\n';
        out_ << study::Visible(record.title) << '\n';
        if (!record.table.empty())
            WriteAligned(out_, record.table);
        WriteNotes(out_, record.notes);
    }
    void End() override
    {
        if (document_.layout != TableLayout::Grid)
            return;
        out_ << study::Visible(document_.title) << '\n';
        if (rows_.size() > 1)
            WriteAligned(out_, rows_);
        WriteNotes(out_, document_.notes);
        for (const Section& section : document_.sections) {
            out_ << '\n' << study::Visible(section.title) << '\n';
            std::vector<std::vector<std::string>> rows;
            for (const Section::Member& m : section.members)
                rows.push_back({m.label, m.shown});
            WriteAligned(out_, rows);
        }
    }

private:
    std::ostream& out_;
    Document document_;
    std::vector<std::vector<std::string>> rows_;
    int records_ = 0;
};

std::string CsvCell(const Cell& cell)
{
    switch (cell.kind) {
    case Cell::Kind::Empty: return {};
    case Cell::Kind::Number: return cell.text;
    case Cell::Kind::Text: return study::CsvTextField(cell.text);
    case Cell::Kind::List: return study::CsvTextField(study::Joined(cell.items, " | "));
    }
    return {};
}

class CsvWriter final : public Writer {
public:
    explicit CsvWriter(std::ostream& out) : out_(out) {}
    void Begin(const Document& document) override
    {
        columns_ = document.columns;
        sections_ = document.sections;
        std::vector<std::string> names;
        for (const Column& column : columns_)
            if (column.csv)
                names.push_back(study::CsvTextField(column.name));
        Line(names);
    }
    void Add(const Record& record) override
    {
        std::vector<std::string> fields;
        for (size_t c = 0; c < columns_.size() && c < record.cells.size(); ++c)
            if (columns_[c].csv)
                fields.push_back(CsvCell(record.cells[c]));
        Line(fields);
    }
    void End() override
    {
        for (const Section& section : sections_) {
            Line({study::CsvTextField(section.name), "value"});
            for (const Section::Member& m : section.members)
                Line({study::CsvTextField(m.name), CsvCell(m.value)});
        }
    }

private:
    void Line(const std::vector<std::string>& fields) { out_ << study::Joined(fields, ",") << "\r\n"; }
    std::ostream& out_;
    std::vector<Column> columns_;
    std::vector<Section> sections_;
};

Json JsonCell(const Cell& cell)
{
    switch (cell.kind) {
    case Cell::Kind::Empty: return nullptr;
    case Cell::Kind::Number: {
        const char* end = cell.text.data() + cell.text.size();
        long long whole = 0;
        if (const auto [at, fault] = std::from_chars(cell.text.data(), end, whole);
            cell.whole && fault == std::errc() && at == end)
            return whole;
        double value = 0;
        const auto [ptr, error] = std::from_chars(cell.text.data(), end, value);
        if (error == std::errc() && ptr == end)
            return value;
        return study::ValidUtf8(cell.text);
    }
    case Cell::Kind::Text: return study::ValidUtf8(cell.text);
    case Cell::Kind::List: {
        Json list = Json::array();
        for (const std::string& item : cell.items)
            list.push_back(study::ValidUtf8(item));
        return list;
    }
    }
    return nullptr;
}

std::string Dumped(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

class JsonWriter final : public Writer {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    void Begin(const Document& document) override
    {
        columns_ = document.columns;
        out_ << '{';
        sections_ = document.sections;
        for (const auto& [name, cell] : document.header)
            out_ << Dumped(name) << ": " << Dumped(JsonCell(cell)) << ", ";
        for (const Section& section : sections_)
            if (section.beforeRecords)
                out_ << Dumped(section.name) << ": " << Dumped(Object(section)) << ", ";
        Json units = Json::object();
        for (const Column& column : columns_)
            if (column.json && !column.unit.empty())
                units[column.name] = column.unit;
        out_ << "\"units\": " << Dumped(units) << ", " << Dumped(document.recordsKey) << ": [";
    }
    void Add(const Record& record) override
    {
        Json object = Json::object();
        for (size_t c = 0; c < columns_.size() && c < record.cells.size(); ++c) {
            if (!columns_[c].json)
                continue;
            Json& into = columns_[c].group.empty() ? object : object[columns_[c].group];
            into[columns_[c].name] = JsonCell(record.cells[c]);
        }
        out_ << (records_++ ? ",\n  " : "\n  ") << Dumped(object);
    }
    void End() override
    {
        out_ << (records_ ? "\n]" : "]");
        for (const Section& section : sections_)
            if (!section.beforeRecords)
                out_ << ",\n" << Dumped(section.name) << ": " << Dumped(Object(section));
        out_ << "}\n";
    }

private:
    static Json Object(const Section& section)
    {
        Json object = Json::object();
        for (const Section::Member& m : section.members)
            object[m.name] = JsonCell(m.value);
        return object;
    }
    std::ostream& out_;
    std::vector<Column> columns_;
    std::vector<Section> sections_;
    int records_ = 0;
};

}  // namespace

std::unique_ptr<Writer> MakeWriter(Format format, std::ostream& out)
{
    switch (format) {
    case Format::Csv: return std::make_unique<CsvWriter>(out);
    case Format::Json: return std::make_unique<JsonWriter>(out);
    case Format::Table: break;
    }
    return std::make_unique<TableWriter>(out);
}

}  // namespace cli
