#include "study/xlsx.h"

#include "calc/numtext.h"
#include "study/shown.h"

#include <xlsxwriter.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <system_error>

namespace study {

namespace {

namespace fs = std::filesystem;

// libxlsxwriter 1.1 writes only to a named file: the workbook is assembled
// in a private folder and read back, so that the caller writes the bytes
// through the program's one checked path.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = fs::temp_directory_path() / ("tervol-xlsx-" + std::to_string(random()));
            if (fs::create_directory(candidate)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("File access denied");
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

void Check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(lxw_strerror(error));
}

// The number a result text shows and how many decimals it shows it with;
// nothing for a text in exponent form or no number at all.
struct Shown {
    double value;
    int decimals;
};
std::optional<Shown> ShownNumber(const std::string& text, const calc::NumberFormat& format)
{
    const std::string plain = PlainNumber(text, format);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    const size_t point = plain.find('.');
    const int decimals = point == std::string::npos ? 0 : int(plain.size() - point - 1);
    if (plain.find_first_of("eE") != std::string::npos)
        return Shown{value, -1};
    return Shown{value, decimals};
}

std::optional<double> InputNumber(const std::string& text, const calc::NumberFormat& format)
{
    try {
        return calc::StrToFloat(text, format.decimal);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

class Sheet {
public:
    Sheet(lxw_workbook* book, const std::string& name)
        : book_(book), sheet_(workbook_add_worksheet(book, name.c_str())), bold_(workbook_add_format(book))
    {
        if (!sheet_ || !bold_)
            throw std::runtime_error("Out of memory");
        format_set_bold(bold_);
        header_ = workbook_add_format(book);
        if (!header_)
            throw std::runtime_error("Out of memory");
        format_set_bold(header_);
        format_set_text_wrap(header_);
        format_set_align(header_, LXW_ALIGN_CENTER);
        format_set_align(header_, LXW_ALIGN_VERTICAL_TOP);
    }

    lxw_worksheet* Raw() const { return sheet_; }

    void Text(int row, int column, const std::string& text, bool bold = false)
    {
        if (!text.empty())
            Check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), text.c_str(),
                                         bold ? bold_ : nullptr));
    }
    void Header(int row, int column, const std::string& text)
    {
        Check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), text.c_str(), header_));
    }
    // Shown with `decimals` decimals and the reader's separators; -1: as the
    // spreadsheet shows any number.
    void Number(int row, int column, double value, int decimals)
    {
        Check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(column), value, Decimals(decimals)));
    }

private:
    lxw_format* Decimals(int decimals)
    {
        if (decimals < 0)
            return nullptr;
        auto& format = numbers_[size_t(std::min(decimals, 9))];
        if (!format) {
            format = workbook_add_format(book_);
            if (!format)
                throw std::runtime_error("Out of memory");
            const std::string code = decimals == 0 ? "#,##0" : "#,##0." + std::string(size_t(decimals), '0');
            format_set_num_format(format, code.c_str());
        }
        return format;
    }

    lxw_workbook* book_;
    lxw_worksheet* sheet_;
    lxw_format* bold_;
    lxw_format* header_ = nullptr;
    std::array<lxw_format*, 10> numbers_{};
};

// A result text as the number it shows, else as text.
void WriteResults(Sheet& out, int row, int column, const calc::ActualResultTexts& texts,
                  const calc::NumberFormat& format)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        if (const auto shown = ShownNumber(texts[i], format))
            out.Number(row, column + int(i), shown->value, shown->decimals);
        else
            out.Text(row, column + int(i), texts[i]);
    }
}

void WriteSheet(Sheet& out, const Study& study, const std::array<std::string, 10>& captions, const SheetCase& sheet)
{
    const calc::NumberFormat& format = study.format;
    const int valueDecimals = ShownDecimals(study.range.quantity);
    int row = 0;
    out.Text(row, 0, sheet.title, true);
    out.Text(row + 1, 0, sheet.date);
    row += 3;

    const auto inputs = [&](const std::string& heading, const std::vector<SheetInput>& rows, int varied) {
        out.Text(row++, 0, heading, true);
        for (int i = 0; i < int(rows.size()); ++i, ++row) {
            out.Text(row, 0, rows[size_t(i)].caption);
            if (i == varied && !study.points.empty()) {
                out.Number(row, 1, study.points.front().value, valueDecimals);
                out.Number(row, 2, study.points.back().value, valueDecimals);
            } else if (const auto number = InputNumber(rows[size_t(i)].text, format)) {
                out.Number(row, 1, *number, -1);
            } else {
                out.Text(row, 1, rows[size_t(i)].text);
            }
        }
        ++row;
    };
    inputs(sheet.nominalHeading, sheet.nominal, -1);
    inputs(sheet.actualHeading, sheet.actual, sheet.variedRow);

    for (size_t c = 0; c < captions.size(); ++c)
        out.Header(row, int(c), captions[c]);
    ++row;
    for (const Point& p : study.points) {
        out.Number(row, 0, p.value, valueDecimals);
        if (p.ok()) {
            WriteResults(out, row, 1, p.result->texts, format);
        } else {
            out.Text(row, 1, Joined(p.messages, " | "));
        }
        ++row;
    }
    // Room for the captions in the first column, numbers in the others.
    Check(worksheet_set_column(out.Raw(), 0, 0, 36, nullptr));
    Check(worksheet_set_column(out.Raw(), 1, 9, 14, nullptr));
}

// A heading and the season's rows: numbers with their decimals, texts as given.
void WriteRows(Sheet& out, int& row, const std::string& heading, const std::vector<SeasonRow>& rows)
{
    out.Text(row++, 0, heading, true);
    for (const SeasonRow& r : rows) {
        out.Text(row, 0, std::string(r.caption));
        if (r.value)
            out.Number(row, 1, *r.value, r.decimals);
        else if (r.text)
            out.Text(row, 1, *r.text);
        ++row;
    }
    ++row;
}

void WriteSeasonSheet(Sheet& out, const Season& season, const SeasonSheet& sheet)
{
    int row = 0;
    out.Text(row, 0, sheet.title, true);
    out.Text(row + 1, 0, sheet.date);
    row += 3;
    WriteRows(out, row, sheet.settingsHeading, sheet.settings);
    WriteRows(out, row, sheet.summaryHeading, sheet.summary);
    for (size_t c = 0; c < sheet.columns.size(); ++c)
        out.Header(row, int(c), sheet.columns[c]);
    ++row;
    constexpr Quantity kInputs[] = {Quantity::EQ, Quantity::Etpe, Quantity::Etsa, Quantity::Etse};
    for (const SeasonBin& bin : season.bins) {
        out.Number(row, 0, bin.outdoor, 0);
        out.Number(row, 1, bin.hours, HourDecimals(bin.hours));
        const double inputs[] = {bin.inputs.EQ, bin.inputs.Etpe, bin.inputs.Etsa, bin.inputs.Etse};
        for (int i = 0; i < 4; ++i)
            out.Number(row, 2 + i, inputs[i], ShownDecimals(kInputs[i]));
        if (bin.ok())
            WriteResults(out, row, 6, bin.result->texts, season.format);
        else
            out.Text(row, 6, Joined(bin.messages, " | "));
        ++row;
    }
    Check(worksheet_set_column(out.Raw(), 0, 0, 36, nullptr));
    Check(worksheet_set_column(out.Raw(), 1, 14, 12, nullptr));
}

// The workbook of one sheet, written by `write`, as bytes.
std::string WorkbookBytes(const std::string& title, const std::string& sheetName,
                          const std::function<void(Sheet&)>& write)
{
    ScratchFolder folder;
    const std::string file = (folder.Path() / "study.xlsx").string();
    const std::string tmpdir = folder.Path().string();
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(tmpdir.c_str());
    lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
    if (!book)
        throw std::runtime_error("Out of memory");
    // workbook_close frees the workbook whether or not it could write it.
    std::unique_ptr<lxw_workbook, void (*)(lxw_workbook*)> open(book, [](lxw_workbook* b) { workbook_close(b); });
    Sheet out(book, sheetName.empty() ? std::string("Sheet1") : sheetName);
    write(out);
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    Check(workbook_set_properties(book, &properties));
    Check(workbook_close(open.release()));

    std::ifstream in(file, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (!in.good() && !in.eof())
        throw std::runtime_error("Read error");
    return bytes;
}

}  // namespace

std::string XlsxBytes(const Study& study, const std::array<std::string, 10>& captions, const SheetCase& sheet)
{
    return WorkbookBytes(sheet.title, sheet.sheetName, [&](Sheet& out) { WriteSheet(out, study, captions, sheet); });
}

std::string XlsxSeasonBytes(const Season& season, const SeasonSheet& sheet)
{
    return WorkbookBytes(sheet.title, sheet.sheetName, [&](Sheet& out) { WriteSeasonSheet(out, season, sheet); });
}

}  // namespace study
