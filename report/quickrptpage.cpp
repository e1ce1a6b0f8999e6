#include "report/quickrptpage.h"

#include <stdexcept>
#include <utility>

namespace report {
namespace {

constexpr double kRowHeight = 6.35;
constexpr double kHeadHeight = 6.61;

constexpr double kCaptionLeft = 19.84;
constexpr double kNominalLeft = 89.96;
constexpr double kNominalUnitLeft = 106.10;
constexpr double kActualLeft = 140.23;
constexpr double kActualUnitLeft = 155.84;

const TextFont kLabelFont{"Microsoft Sans Serif", 12};

// One table row. A row without units (the two medium rows) leaves the unit
// names empty; nominalTop differs from top only in the row "Effekt".
struct RowLayout {
    double top;
    double nominalTop;
    const char* captionName;
    const char* caption;
    const char* nominalValue;
    const char* nominalUnit;
    const char* nominalUnitCaption;
    const char* actualValue;
    const char* actualUnit;
    const char* actualUnitCaption;
};

// Captions as the page carries them when created, trailing blanks included.
constexpr RowLayout kRows[] = {
    {92.60, 92.60, "QRLbl1", "Primær flow", "Primery", "", "", "Primery1", "", ""},
    {100.01, 100.01, "QRLabel2", "Sekundær flow", "Sekundery", "", "", "Sekundery1", "", ""},
    {107.42, 106.36, "QRLabel3", "Effekt", "EQ_nom", "QRLabel19", "kW ", "EQ", "QRLabel18", "kW "},
    {114.83, 114.83, "QRLabel4", "Primær temp. frem ", "Etpe_nom", "QRLabel20", "°C ", "Etpe", "QRLabel32", "°C "},
    {122.24, 122.24, "QRLabel5", "Primær temp. retur ", "Etpa_nom", "QRLabel21", "°C ", "Etpa_beregn", "QRLabel33",
     "°C "},
    {129.65, 129.65, "QRLabel6", "Varm sekundær ud", "Etse_nom", "QRLabel22", "°C  ", "Etse", "QRLabel34", "°C "},
    {137.05, 137.05, "QRLabel7", "Kold sekundær ind ", "Etsa_nom", "QRLabel23", "°C ", "Etsa", "QRLabel35", "°C "},
    {144.46, 144.46, "QRLabel8", "Primær tryktab", "EPp_nom", "QRLabel30", "bar ", "EP_p", "QRLabel42", "bar "},
    {151.87, 151.87, "QRLabel9", "Sekundær tryktab", "EPs_nom", "QRLabel31", "bar ", "EP_s", "QRLabel43", "bar "},
    {159.28, 159.28, "QRLabel10", "Temp. differens primær", "EAOp_nom", "QRLabel24", "°C ", "EAOp", "QRLabel36", "°C "},
    {166.69, 166.69, "QRLabel11", "Temp. differens sekundær", "EAOs_nom", "QRLabel25", "°C ", "EAOs", "QRLabel37",
     "°C "},
    {174.10, 174.10, "QRLabel12", "Primær vandflow", "EV_p_nom", "QRLabel29", "m3/h ", "EV_p", "QRLabel41", "m3/h "},
    {181.50, 181.50, "QRLabel13", "Sekundær vandflow", "EV_s_nom", "QRLabel28", "m3/h ", "EV_s", "QRLabel40", "m3/h "},
    {188.91, 188.91, "QRLabel14", "Logaritmisk middeltemp.", "Em_nom", "QRLabel26", "°C ", "Em", "QRLabel38", "°C "},
    {196.32, 196.32, "QRLabel15", "Varmeoverføringsevne", "EUA_nom", "QRLabel27", "kW/°C ", "EUA", "QRLabel39",
     "kW/°C "},
};

Label MakeLabel(std::string name, LabelRole role, double left, double top, double height, std::string caption)
{
    Label label;
    label.name = std::move(name);
    label.role = role;
    label.left = left;
    label.top = top;
    label.height = height;
    label.font = kLabelFont;
    label.caption = std::move(caption);
    return label;
}

}  // namespace

Tquickrptpage::Tquickrptpage()
{
    titleBand_ = {"TitleBand1", {12.7, 12.7, 184.68, 8.73}, false};
    sysData_ = {"QRSysData1", 167.22, 23.28, kHeadHeight, {"Times New Roman", 12}, false, Justify::Left};
    rule_ = {"QRShape1", {19.05, 89.96, 161.13, 0.26}};

    labels_.reserve(75);
    Label title =
        MakeLabel("QRLabel17", LabelRole::Title, 19.84, 24.08, kHeadHeight, "Tervol Program version 1.2 for windows");
    title.font = {"Times New Roman", 16};
    title.transparent = true;
    title.autoStretch = true;
    labels_.push_back(std::move(title));

    labels_.push_back(MakeLabel("QRLabel1", LabelRole::Heading, kCaptionLeft, 82.02, kHeadHeight, "Forklaring"));
    labels_.push_back(MakeLabel("QRLabel45", LabelRole::Heading, kNominalLeft, 82.02, kHeadHeight, "Nominelle"));
    labels_.push_back(MakeLabel("QRLabel46", LabelRole::Heading, kActualLeft, 82.02, kHeadHeight, "Aktuelle"));

    const std::string valueStart{kValueStartCaption};
    for (const RowLayout& row : kRows) {
        labels_.push_back(
            MakeLabel(row.captionName, LabelRole::RowCaption, kCaptionLeft, row.top, kRowHeight, row.caption));
        labels_.push_back(
            MakeLabel(row.nominalValue, LabelRole::Value, kNominalLeft, row.nominalTop, kRowHeight, valueStart));
        if (*row.nominalUnit != '\0') {
            labels_.push_back(MakeLabel(row.nominalUnit, LabelRole::Unit, kNominalUnitLeft, row.nominalTop, kRowHeight,
                                        row.nominalUnitCaption));
        }
        labels_.push_back(MakeLabel(row.actualValue, LabelRole::Value, kActualLeft, row.top, kRowHeight, valueStart));
        if (*row.actualUnit != '\0') {
            labels_.push_back(MakeLabel(row.actualUnit, LabelRole::Unit, kActualUnitLeft, row.top, kRowHeight,
                                        row.actualUnitCaption));
        }
    }
}

const Label& Tquickrptpage::FindLabel(std::string_view labelName) const
{
    for (const Label& label : labels_) {
        if (label.name == labelName)
            return label;
    }
    throw std::out_of_range("report page has no label named \"" + std::string(labelName) + "\"");
}

Label& Tquickrptpage::FindMutable(std::string_view labelName)
{
    return const_cast<Label&>(std::as_const(*this).FindLabel(labelName));
}

void Tquickrptpage::SetCaption(std::string_view labelName, std::string text)
{
    FindMutable(labelName).caption = std::move(text);
}

const std::string& Tquickrptpage::Caption(std::string_view labelName) const { return FindLabel(labelName).caption; }

void FillReport(Tquickrptpage& page, const CaseTexts& textsInCaseFileOrder)
{
    for (int i = 0; i < kValueCount; ++i) {
        page.SetCaption(kValueLabelNames[i], textsInCaseFileOrder[i]);
    }
}

}  // namespace report
