// The report page as created: items, places, fonts, start captions, and the
// caption operations used by the fill and the language switch.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "report/quickrptpage.h"

namespace {

using report::LabelRole;
using report::Tquickrptpage;

constexpr double kTol = 0.005;  // the page stores the stated millimetres

struct ExpectedLabel {
  const char* name;
  double left;
  double top;
  double height;
  const char* caption;
  LabelRole role;
};

constexpr LabelRole T = LabelRole::Title, H = LabelRole::Heading, C = LabelRole::RowCaption,
                    U = LabelRole::Unit, V = LabelRole::Value;

// Every label with its stated place and start caption, row by row.
const ExpectedLabel kExpected[] = {
    {"QRLabel17", 19.84, 24.08, 6.61, "Tervol Program version 1.2 for windows", T},
    {"QRLabel1", 19.84, 82.02, 6.61, "Forklaring", H},
    {"QRLabel45", 89.96, 82.02, 6.61, "Nominelle", H},
    {"QRLabel46", 140.23, 82.02, 6.61, "Aktuelle", H},
    {"QRLbl1", 19.84, 92.60, 6.35, "Primær flow", C},
    {"Primery", 89.96, 92.60, 6.35, "Primery", V},
    {"Primery1", 140.23, 92.60, 6.35, "Primery", V},
    {"QRLabel2", 19.84, 100.01, 6.35, "Sekundær flow", C},
    {"Sekundery", 89.96, 100.01, 6.35, "Primery", V},
    {"Sekundery1", 140.23, 100.01, 6.35, "Primery", V},
    {"QRLabel3", 19.84, 107.42, 6.35, "Effekt", C},
    {"EQ_nom", 89.96, 106.36, 6.35, "Primery", V},
    {"QRLabel19", 106.10, 106.36, 6.35, "kW ", U},
    {"EQ", 140.23, 107.42, 6.35, "Primery", V},
    {"QRLabel18", 155.84, 107.42, 6.35, "kW ", U},
    {"QRLabel4", 19.84, 114.83, 6.35, "Primær temp. frem ", C},
    {"Etpe_nom", 89.96, 114.83, 6.35, "Primery", V},
    {"QRLabel20", 106.10, 114.83, 6.35, "°C ", U},
    {"Etpe", 140.23, 114.83, 6.35, "Primery", V},
    {"QRLabel32", 155.84, 114.83, 6.35, "°C ", U},
    {"QRLabel5", 19.84, 122.24, 6.35, "Primær temp. retur ", C},
    {"Etpa_nom", 89.96, 122.24, 6.35, "Primery", V},
    {"QRLabel21", 106.10, 122.24, 6.35, "°C ", U},
    {"Etpa_beregn", 140.23, 122.24, 6.35, "Primery", V},
    {"QRLabel33", 155.84, 122.24, 6.35, "°C ", U},
    {"QRLabel6", 19.84, 129.65, 6.35, "Varm sekundær ud", C},
    {"Etse_nom", 89.96, 129.65, 6.35, "Primery", V},
    {"QRLabel22", 106.10, 129.65, 6.35, "°C  ", U},
    {"Etse", 140.23, 129.65, 6.35, "Primery", V},
    {"QRLabel34", 155.84, 129.65, 6.35, "°C ", U},
    {"QRLabel7", 19.84, 137.05, 6.35, "Kold sekundær ind ", C},
    {"Etsa_nom", 89.96, 137.05, 6.35, "Primery", V},
    {"QRLabel23", 106.10, 137.05, 6.35, "°C ", U},
    {"Etsa", 140.23, 137.05, 6.35, "Primery", V},
    {"QRLabel35", 155.84, 137.05, 6.35, "°C ", U},
    {"QRLabel8", 19.84, 144.46, 6.35, "Primær tryktab", C},
    {"EPp_nom", 89.96, 144.46, 6.35, "Primery", V},
    {"QRLabel30", 106.10, 144.46, 6.35, "bar ", U},
    {"EP_p", 140.23, 144.46, 6.35, "Primery", V},
    {"QRLabel42", 155.84, 144.46, 6.35, "bar ", U},
    {"QRLabel9", 19.84, 151.87, 6.35, "Sekundær tryktab", C},
    {"EPs_nom", 89.96, 151.87, 6.35, "Primery", V},
    {"QRLabel31", 106.10, 151.87, 6.35, "bar ", U},
    {"EP_s", 140.23, 151.87, 6.35, "Primery", V},
    {"QRLabel43", 155.84, 151.87, 6.35, "bar ", U},
    {"QRLabel10", 19.84, 159.28, 6.35, "Temp. differens primær", C},
    {"EAOp_nom", 89.96, 159.28, 6.35, "Primery", V},
    {"QRLabel24", 106.10, 159.28, 6.35, "°C ", U},
    {"EAOp", 140.23, 159.28, 6.35, "Primery", V},
    {"QRLabel36", 155.84, 159.28, 6.35, "°C ", U},
    {"QRLabel11", 19.84, 166.69, 6.35, "Temp. differens sekundær", C},
    {"EAOs_nom", 89.96, 166.69, 6.35, "Primery", V},
    {"QRLabel25", 106.10, 166.69, 6.35, "°C ", U},
    {"EAOs", 140.23, 166.69, 6.35, "Primery", V},
    {"QRLabel37", 155.84, 166.69, 6.35, "°C ", U},
    {"QRLabel12", 19.84, 174.10, 6.35, "Primær vandflow", C},
    {"EV_p_nom", 89.96, 174.10, 6.35, "Primery", V},
    {"QRLabel29", 106.10, 174.10, 6.35, "m3/h ", U},
    {"EV_p", 140.23, 174.10, 6.35, "Primery", V},
    {"QRLabel41", 155.84, 174.10, 6.35, "m3/h ", U},
    {"QRLabel13", 19.84, 181.50, 6.35, "Sekundær vandflow", C},
    {"EV_s_nom", 89.96, 181.50, 6.35, "Primery", V},
    {"QRLabel28", 106.10, 181.50, 6.35, "m3/h ", U},
    {"EV_s", 140.23, 181.50, 6.35, "Primery", V},
    {"QRLabel40", 155.84, 181.50, 6.35, "m3/h ", U},
    {"QRLabel14", 19.84, 188.91, 6.35, "Logaritmisk middeltemp.", C},
    {"Em_nom", 89.96, 188.91, 6.35, "Primery", V},
    {"QRLabel26", 106.10, 188.91, 6.35, "°C ", U},
    {"Em", 140.23, 188.91, 6.35, "Primery", V},
    {"QRLabel38", 155.84, 188.91, 6.35, "°C ", U},
    {"QRLabel15", 19.84, 196.32, 6.35, "Varmeoverføringsevne", C},
    {"EUA_nom", 89.96, 196.32, 6.35, "Primery", V},
    {"QRLabel27", 106.10, 196.32, 6.35, "kW/°C ", U},
    {"EUA", 140.23, 196.32, 6.35, "Primery", V},
    {"QRLabel39", 155.84, 196.32, 6.35, "kW/°C ", U},
};

// The case-file order, written out here rather than taken from the library.
const char* const kCaseFileOrder[report::kValueCount] = {
    "Primery",  "Sekundery",  "EQ_nom",   "Etpe_nom",    "Etpa_nom", "Etse_nom",
    "Etsa_nom", "EPp_nom",    "EPs_nom",  "EAOp_nom",    "EAOs_nom", "EV_p_nom",
    "EV_s_nom", "Em_nom",     "EUA_nom",  "Primery1",    "Sekundery1", "EQ",
    "Etpe",     "Etse",       "Etsa",     "Etpa_beregn", "EAOp",     "EAOs",
    "EP_p",     "EP_s",       "EV_p",     "EV_s",        "Em",       "EUA"};

class LabelTable : public ::testing::TestWithParam<ExpectedLabel> {};

TEST_P(LabelTable, PlaceFontAndStartCaption) {
  const ExpectedLabel& e = GetParam();
  const Tquickrptpage page;
  const report::Label& label = page.FindLabel(e.name);
  EXPECT_NEAR(label.left, e.left, kTol);
  EXPECT_NEAR(label.top, e.top, kTol);
  EXPECT_NEAR(label.height, e.height, kTol);
  EXPECT_EQ(label.caption, e.caption);
  EXPECT_EQ(label.role, e.role);
  EXPECT_EQ(label.justify, report::Justify::Left);
  EXPECT_TRUE(label.wordWrap);
  EXPECT_TRUE(label.autoSize);
  const bool title = e.role == LabelRole::Title;
  const report::TextFont font =
      title ? report::TextFont{"Times New Roman", 16} : report::TextFont{"Microsoft Sans Serif", 12};
  EXPECT_EQ(label.font, font);
  EXPECT_EQ(label.transparent, title);
  EXPECT_EQ(label.autoStretch, title);
}

INSTANTIATE_TEST_SUITE_P(AllLabels, LabelTable, ::testing::ValuesIn(kExpected),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportPage, HoldsExactly75UniquelyNamedLabels) {
  const Tquickrptpage page;
  ASSERT_EQ(page.Labels().size(), 75u);
  std::set<std::string> names;
  int values = 0;
  for (const report::Label& label : page.Labels()) {
    names.insert(label.name);
    values += label.role == LabelRole::Value;
  }
  EXPECT_EQ(names.size(), 75u);
  EXPECT_EQ(values, 30);
  for (const ExpectedLabel& e : kExpected) EXPECT_EQ(names.count(e.name), 1u) << e.name;
}

TEST(ReportPage, UnitsStandAtTheirFixedDistanceFromTheValue) {
  const Tquickrptpage page;
  EXPECT_NEAR(page.FindLabel("QRLabel19").left - page.FindLabel("EQ_nom").left, 16.14, kTol);
  EXPECT_NEAR(page.FindLabel("QRLabel18").left - page.FindLabel("EQ").left, 15.61, kTol);
}

TEST(ReportPage, PageSettings) {
  const Tquickrptpage page;
  const report::PageSettings& s = page.Page();
  EXPECT_DOUBLE_EQ(s.paperWidth, 210);
  EXPECT_DOUBLE_EQ(s.paperHeight, 297);
  EXPECT_EQ(s.orientation, report::Orientation::Portrait);
  for (double m : {s.marginLeft, s.marginTop, s.marginRight, s.marginBottom}) {
    EXPECT_DOUBLE_EQ(m, 12.7);
  }
  EXPECT_TRUE(s.frame);
  const report::RectMm frame = s.FrameRect();
  EXPECT_NEAR(frame.left, 12.7, kTol);
  EXPECT_NEAR(frame.top, 12.7, kTol);
  EXPECT_NEAR(frame.width, 184.6, kTol);
  EXPECT_NEAR(frame.height, 271.6, kTol);
  EXPECT_EQ(s.columns, 1);
  EXPECT_DOUBLE_EQ(s.columnSpace, 0);
  EXPECT_EQ(s.defaultFont, (report::TextFont{"Arial", 12}));
  EXPECT_TRUE(s.printIfEmpty);
  EXPECT_EQ(s.copies, 1);
  EXPECT_TRUE(s.duplex);
  EXPECT_EQ(s.firstPage, 0);
  EXPECT_EQ(s.lastPage, 0);
  EXPECT_EQ(s.paperBin, report::PaperBin::Auto);
}

TEST(ReportPage, BandDateAndRule) {
  const Tquickrptpage page;
  const report::Band& band = page.TitleBand1();
  EXPECT_EQ(band.name, "TitleBand1");
  EXPECT_EQ(band.area, (report::RectMm{12.7, 12.7, 184.68, 8.73}));
  EXPECT_FALSE(band.transparent);

  const report::DateItem& date = page.QRSysData1();
  EXPECT_EQ(date.name, "QRSysData1");
  EXPECT_NEAR(date.left, 167.22, kTol);
  EXPECT_NEAR(date.top, 23.28, kTol);
  EXPECT_NEAR(date.height, 6.61, kTol);
  EXPECT_EQ(date.font, (report::TextFont{"Times New Roman", 12}));

  const report::Shape& rule = page.QRShape1();
  EXPECT_EQ(rule.name, "QRShape1");
  EXPECT_EQ(rule.area, (report::RectMm{19.05, 89.96, 161.13, 0.26}));
}

TEST(ReportPage, SetCaptionChangesOnlyThatLabel) {
  Tquickrptpage page;
  page.SetCaption("QRLabel4", "Primary inlet temperature");
  EXPECT_EQ(page.Caption("QRLabel4"), "Primary inlet temperature");
  EXPECT_EQ(page.Caption("QRLabel5"), "Prim\xC3\xA6r temp. retur ");
  page.SetCaption("QRLabel4", "");
  EXPECT_EQ(page.Caption("QRLabel4"), "");
}

TEST(ReportPage, UnknownNamesThrow) {
  Tquickrptpage page;
  // The window's field is "primery1"; the page's label is "Primery1".
  for (const char* name : {"", "primery1", "QRLabel16", "QRSysData1", "QRShape1", "EQ "}) {
    EXPECT_THROW(page.SetCaption(name, "x"), std::out_of_range) << name;
    EXPECT_THROW((void)page.Caption(name), std::out_of_range) << name;
  }
  EXPECT_EQ(page.Caption("Primery1"), "Primery");
}

TEST(FillReport, TextIGoesToTheIthFieldOfTheCaseFile) {
  Tquickrptpage page;
  report::CaseTexts texts;
  for (int i = 0; i < report::kValueCount; ++i) texts[i] = "text " + std::to_string(i);
  report::FillReport(page, texts);
  for (int i = 0; i < report::kValueCount; ++i) {
    EXPECT_EQ(page.Caption(kCaseFileOrder[i]), texts[i]) << kCaseFileOrder[i];
  }
  for (const ExpectedLabel& e : kExpected) {
    if (e.role != LabelRole::Value) {
      EXPECT_EQ(page.Caption(e.name), e.caption) << e.name;
    }
  }
}

TEST(FillReport, CopiesTextsUnchanged) {
  Tquickrptpage page;
  report::CaseTexts texts;
  texts.fill("Primery");
  texts[0] = "Glykol ";  // a medium list's shown text, trailing blank kept
  texts[15] = "Vand";    // primery1, onto the label Primery1
  texts[2] = " 1.234,50 ";
  texts[29] = "";
  texts[21] = "12345678901234567890123456789";
  report::FillReport(page, texts);
  EXPECT_EQ(page.Caption("Primery"), "Glykol ");
  EXPECT_EQ(page.Caption("Primery1"), "Vand");
  EXPECT_EQ(page.Caption("EQ_nom"), " 1.234,50 ");
  EXPECT_EQ(page.Caption("EUA"), "");
  EXPECT_EQ(page.Caption("Etpa_beregn"), "12345678901234567890123456789");

  texts[2] = "99";
  report::FillReport(page, texts);
  EXPECT_EQ(page.Caption("EQ_nom"), "99");
}

}  // namespace
