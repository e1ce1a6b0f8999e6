// The part-load study window's model: the varied quantity, the texts of its
// first value, last value and point count, the captions of both languages
// and the last study. The Qt window shows it and feeds edits back.
#pragma once

#include "lang/texts.h"
#include "model/form1.h"
#include "study/study.h"

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace study {

enum class Input { First, Last, Points };

// The window's own texts, from the language catalogue.
using Captions = lang::StudyTexts;
// By the window model's language code, with the catalogue's fallback.
const Captions& CaptionsFor(const std::string& language);

// The table's column captions: the varied quantity's row caption, then the
// nine result rows' captions, as the window shows them now (units included).
std::array<std::string, 10> ColumnCaptions(const app::TForm1& form, Quantity q);

// Every text the window shows that follows the main window: its language and
// row captions. The window rewrites its captions only when these change.
struct ShownTexts {
    std::string language;
    std::array<std::string, 4> quantities;  // the list's items
    std::array<std::string, 10> columns;    // of the shown study's quantity
    bool operator==(const ShownTexts&) const = default;
};

// The case's inputs in screen order, as a printed study shows them: row
// caption and text.
struct CaseInputs {
    std::vector<std::pair<std::string, std::string>> nominal, actual;
};
CaseInputs InputsOf(const app::TForm1& form);

// How far a study running on another thread has come, and the window's wish
// to stop it; both sides only touch these atomics.
struct SharedProgress {
    std::atomic<int> done{0}, total{0};
    std::atomic<bool> cancel{false};
};

// A study ready to run away from the window: the range read from its texts
// and a copy of the window's case taken when it was made, so that the window
// may change while it runs on another thread.
class StudyJob {
public:
    Study Run(const Progress& progress = {}) const;
    // Reports into `shared` and stops when its cancel is set.
    Study Run(SharedProgress& shared) const;

private:
    friend class StudyForm;
    struct Case;
    std::shared_ptr<const Case> case_;
    Range range_;
    std::vector<std::string> failure_;  // a range text that is no number
};

class StudyForm {
public:
    // The default study of EQ, from the window's current texts.
    void Open(const app::TForm1& form);
    Quantity quantity() const { return quantity_; }
    // Picks the quantity and fills in its default range.
    void ChooseQuantity(Quantity q, const app::TForm1& form);

    const std::string& Text(Input i) const { return texts_[static_cast<int>(i)]; }
    void SetText(Input i, std::string text) { texts_[static_cast<int>(i)] = std::move(text); }
    // The input fields' key filter, on this field's text.
    void KeyPress(Input i, char32_t& key, const calc::NumberFormat& format) const;

    // "Beregn": reads the range from the texts (with the window's decimal
    // separator) and runs the study on the window's current texts. A text
    // that is not a number ends it with the error box's text, a point count
    // that is no whole number from 2 to 1000 with its own message.
    const Study& Calculate(const app::TForm1& form, const Progress& progress = {});
    // The same in two steps, the run in between free to go to another thread.
    StudyJob Prepare(const app::TForm1& form) const;
    const Study& Finish(Study study);
    const Study& Last() const { return last_; }
    ShownTexts Shown(const app::TForm1& form) const;

private:
    Quantity quantity_ = Quantity::EQ;
    std::array<std::string, 3> texts_;
    Study last_;
};

}  // namespace study
