// One case as the window rates it: started, the flag pressed for the
// language, "Hent sag", then "Beregn Aktuel", every box's text kept.
#pragma once

#include "calc/numtext.h"
#include "cli/options.h"
#include "model/casefields.h"
#include "model/form1.h"
#include "model/headless_platform.h"
#include "report/quickrptpage.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct RatedCase {
    std::string file;
    bool loaded = false;
    std::vector<std::string> messages;  // the boxes' texts; empty: computed
    // Why the file could not be read, where the box's text does not say
    // ("larger than 1 MiB"); empty otherwise.
    std::string cause;
    // A medium line that names no medium (computed as the mixture).
    std::vector<std::string> warnings;
    // Case-file order, as the window shows them. The results are empty
    // unless the case computed: a failed case shows no stale result.
    std::array<std::string, app::kFieldCount> fields;
    // The results of a computed case at full precision, case-file order.
    std::array<std::optional<double>, app::kFieldCount> values;
    bool ok() const { return messages.empty(); }
};

class Rater {
public:
    // `locale` is what the window reads and writes its fields with.
    Rater(Lang lang, const calc::NumberFormat& locale);

    // A window started afresh, then "Hent sag" with this file: the fields
    // as loaded, or the error box's text.
    RatedCase Load(const std::string& path);
    // Load, then "Beregn Aktuel".
    RatedCase Rate(const std::string& path);

    // The form of the last case rated, with the report page attached.
    app::TForm1& Form() { return *form_; }
    app::HeadlessPlatform& Platform() { return platform_; }
    report::Tquickrptpage& Page() { return page_; }
    const calc::NumberFormat& Format() const { return format_; }

private:
    Lang lang_;
    calc::NumberFormat format_;
    app::HeadlessPlatform platform_;
    report::Tquickrptpage page_;
    std::optional<app::TForm1> form_;
};

// A window started afresh on `platform`: start-up calculation done, the
// report page attached and the language's flag pressed.
void StartWindow(app::TForm1& form, report::Tquickrptpage& page, Lang lang);

}  // namespace cli
