// One case as the window rates it: started, the flag pressed for the
// language, "Hent sag", then "Beregn Aktuel", every box's text kept.
#pragma once

#include "calc/numtext.h"
#include "cli/options.h"
#include "model/casefields.h"
#include "model/form1.h"
#include "model/platform.h"
#include "report/quickrptpage.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// The window's platform without a screen: boxes are kept, the open dialog
// answers with the case to read, the preview goes to `preview`.
class HeadlessPlatform : public app::Platform {
public:
    std::vector<std::string> boxes;  // texts in the order shown
    std::string caseToOpen;
    std::function<void(const report::Tquickrptpage&)> preview;

    void ShowMessageBox(const std::string& text, calc::MessageKind) override { boxes.push_back(text); }
    void ShowErrorBox(const std::string& text) override { boxes.push_back(text); }
    std::optional<std::string> RunOpenDialog(const std::string&) override { return caseToOpen; }
    std::optional<std::string> RunSaveDialog(const std::string&) override { return std::nullopt; }
    void ShowReportPreview(const report::Tquickrptpage& page) override
    {
        if (preview)
            preview(page);
    }
    void OpenHelpFile(const std::string&) override {}
    void ShowPartLoadStudy() override {}
    void CloseWindow() override {}
};

struct RatedCase {
    std::string file;
    bool loaded = false;
    std::vector<std::string> messages;  // empty: computed
    // Case-file order; all empty when the file could not be read.
    std::array<std::string, app::kFieldCount> fields;
    bool ok() const { return messages.empty(); }
};

// How the results the calculation writes are shown.
enum class Numbers {
    Locale,  // as the window shows them
    Plain,   // "." decimal separator, no thousands separator
};

class Rater {
public:
    // `locale` is what the window reads its fields with, also for Plain.
    Rater(Lang lang, const calc::NumberFormat& locale, Numbers numbers);

    // A window started afresh, then "Hent sag" with this file: the fields
    // as loaded, or the error box's text.
    RatedCase Load(const std::string& path);
    // Load, then "Beregn Aktuel".
    RatedCase Rate(const std::string& path);

    // The form of the last case rated, with the report page attached.
    app::TForm1& Form() { return *form_; }
    HeadlessPlatform& Platform() { return platform_; }
    report::Tquickrptpage& Page() { return page_; }

private:
    Lang lang_;
    calc::NumberFormat format_;
    Numbers numbers_;
    HeadlessPlatform platform_;
    report::Tquickrptpage page_;
    std::optional<app::TForm1> form_;
};

// A window started afresh on `platform`: start-up calculation done, the
// report page attached and the language's flag pressed.
void StartWindow(app::TForm1& form, report::Tquickrptpage& page, Lang lang);

}  // namespace cli
