#include "cli/formats.h"

#include "study/study.h"

#include <algorithm>
#include <ostream>

namespace cli {
namespace {

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

}  // namespace

void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out << ',';
        out << study::CsvField(fields[i]);
    }
    out << "\r\n";
}

std::string JsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (u < 0x20) {
                json += "\\u00";
                json += kHex[u >> 4];
                json += kHex[u & 15];
            } else {
                json += c;
            }
        }
    }
    return json + '"';
}

std::string Status(const std::vector<std::string>& messages)
{
    if (messages.empty())
        return "ok";
    std::string joined;
    for (const std::string& m : messages)
        joined += (joined.empty() ? "" : " | ") + m;
    return joined;
}

void WriteRateCsvHeader(std::ostream& out)
{
    std::vector<std::string> header{"file", "status"};
    for (app::Field f : app::kCaseFileOrder)
        header.emplace_back(app::Info(f).name);
    WriteCsvRecord(out, header);
}

void WriteRateCsvRow(std::ostream& out, const RatedCase& rated)
{
    std::vector<std::string> row{rated.file, Status(rated.messages)};
    row.insert(row.end(), rated.fields.begin(), rated.fields.end());
    WriteCsvRecord(out, row);
}

void WriteRateJson(std::ostream& out, const RatedCase& rated, bool first)
{
    out << (first ? "  {" : ",\n  {") << "\"file\": " << JsonString(rated.file)
        << ", \"status\": " << (rated.ok() ? "\"ok\"" : "\"failed\"") << ", \"messages\": [";
    for (size_t i = 0; i < rated.messages.size(); ++i)
        out << (i ? ", " : "") << JsonString(rated.messages[i]);
    out << "], \"fields\": {";
    for (int i = 0; i < app::kFieldCount; ++i)
        out << (i ? ", " : "") << JsonString(app::Info(app::kCaseFileOrder[i]).name) << ": "
            << JsonString(rated.fields[i]);
    out << "}}";
}

void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows, std::string_view indent)
{
    size_t columns = 0;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    // The last cell of a shorter row spans the rest (a failed point's
    // message) and widens no column.
    std::vector<size_t> widths(columns);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size() && (c + 1 < row.size() || row.size() == columns); ++c)
            widths[c] = std::max(widths[c], Width(row[c]));
    for (const auto& row : rows) {
        std::string line(indent);
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line.append(widths[c] - Width(row[c]) + 2, ' ');
        }
        out << TrimRight(line) << '\n';
    }
}

void WriteRateTable(std::ostream& out, const RatedCase& rated, const report::Tquickrptpage& page)
{
    out << rated.file << '\n';
    if (rated.loaded) {
        // The page's labels come heading by heading, then row by row: the
        // caption, the nominal value and unit, the actual value and unit.
        // Values stand under the heading of their column.
        const double actualLeft = page.FindLabel("QRLabel46").left;
        std::vector<std::vector<std::string>> rows(1);
        for (const report::Label& label : page.Labels()) {
            const std::string text(TrimRight(label.caption));
            switch (label.role) {
            case report::LabelRole::Title: break;
            case report::LabelRole::Heading: rows.front().push_back(text); break;
            case report::LabelRole::RowCaption: rows.push_back({text, "", "", ""}); break;
            case report::LabelRole::Value: rows.back()[label.left < actualLeft ? 1 : 2] = label.caption; break;
            case report::LabelRole::Unit: rows.back()[3] = text; break;
            }
        }
        rows.front().resize(4);  // the unit column has no heading
        WriteAligned(out, rows, "  ");
    }
    for (const std::string& m : rated.messages)
        out << "  ! " << m << '\n';
}

}  // namespace cli
