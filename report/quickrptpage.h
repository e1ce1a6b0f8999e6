// The printed report page: every item with its place, font and caption.
// Plain data and name look-up only; painting and printing live in the Qt
// layer (report/qt), so this part builds and tests without a toolkit.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// All lengths are millimetres measured from the paper's top-left corner.
struct RectMm {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const RectMm&, const RectMm&) = default;
};

struct TextFont {
    std::string family;
    double pointSize = 12;  // points of 1/72 inch on paper
    bool bold = false;
    bool italic = false;
    friend bool operator==(const TextFont&, const TextFont&) = default;
};

enum class Justify { Left, Center, Right };
enum class Orientation { Portrait, Landscape };
enum class PaperBin { Auto };

// What a label is for; the painter uses it to put the values on top.
enum class LabelRole { Title, Heading, RowCaption, Unit, Value };

struct Label {
    std::string name;
    LabelRole role = LabelRole::RowCaption;
    double left = 0;
    double top = 0;
    double height = 0;
    TextFont font;
    bool transparent = false;  // false: opaque white background
    Justify justify = Justify::Left;
    bool wordWrap = true;
    bool autoSize = true;      // the width follows the caption
    bool autoStretch = false;  // the height grows with the caption's lines
    std::string caption;       // UTF-8
};

// The system-data item; it shows the date handed to the painter.
struct DateItem {
    std::string name;
    double left = 0;
    double top = 0;
    double height = 0;
    TextFont font;
    bool transparent = false;
    Justify justify = Justify::Left;
};

struct Band {
    std::string name;
    RectMm area;
    bool transparent = false;
};

// A filled black rectangle; on this page the rule under the headings.
struct Shape {
    std::string name;
    RectMm area;
};

struct PageSettings {
    double paperWidth = 210;
    double paperHeight = 297;
    Orientation orientation = Orientation::Portrait;
    double marginLeft = 12.7;
    double marginTop = 12.7;
    double marginRight = 12.7;
    double marginBottom = 12.7;
    int columns = 1;
    double columnSpace = 0;
    bool frame = true;  // black, thinnest line, along the margins
    TextFont defaultFont{"Arial", 12};
    bool printIfEmpty = true;
    int copies = 1;
    bool duplex = true;
    int firstPage = 0;  // 0 and 0: all pages
    int lastPage = 0;
    PaperBin paperBin = PaperBin::Auto;

    RectMm FrameRect() const
    {
        return {marginLeft, marginTop, paperWidth - marginLeft - marginRight, paperHeight - marginTop - marginBottom};
    }
};

inline constexpr int kValueCount = 30;
using CaseTexts = std::array<std::string, kValueCount>;

// Value labels in the order of the case-file lines; FillReport relies on it.
inline constexpr std::array<std::string_view, kValueCount> kValueLabelNames = {
    "Primery",    "Sekundery", "EQ_nom",   "Etpe_nom", "Etpa_nom", "Etse_nom",    "Etsa_nom", "EPp_nom",
    "EPs_nom",    "EAOp_nom",  "EAOs_nom", "EV_p_nom", "EV_s_nom", "Em_nom",      "EUA_nom",  "Primery1",
    "Sekundery1", "EQ",        "Etpe",     "Etse",     "Etsa",     "Etpa_beregn", "EAOp",     "EAOs",
    "EP_p",       "EP_s",      "EV_p",     "EV_s",     "Em",       "EUA"};

inline constexpr std::string_view kValueStartCaption = "Primery";

class Tquickrptpage {
public:
    // Builds the page as it is created at start-up, Danish start captions.
    Tquickrptpage();

    const PageSettings& Page() const { return page_; }
    const Band& TitleBand1() const { return titleBand_; }
    const DateItem& QRSysData1() const { return sysData_; }
    const Shape& QRShape1() const { return rule_; }

    // The 75 labels in creation order: title, headings, then row by row.
    std::span<const Label> Labels() const { return labels_; }

    // Throw std::out_of_range for a name the page does not carry.
    const Label& FindLabel(std::string_view labelName) const;
    void SetCaption(std::string_view labelName, std::string text);
    const std::string& Caption(std::string_view labelName) const;

private:
    Label& FindMutable(std::string_view labelName);

    PageSettings page_;
    Band titleBand_;
    DateItem sysData_;
    Shape rule_;
    std::vector<Label> labels_;
};

// Copies the thirty field texts, given in case-file order, onto the value
// labels of the same names, unchanged.
void FillReport(Tquickrptpage& page, const CaseTexts& textsInCaseFileOrder);

}  // namespace report
