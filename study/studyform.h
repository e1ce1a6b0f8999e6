// The part-load study window's model: the varied quantity, the texts of its
// first value, last value and point count, the captions of both languages
// and the last study. The Qt window shows it and feeds edits back.
#pragma once

#include "lang/texts.h"
#include "model/form1.h"
#include "study/study.h"

#include <array>
#include <string>
#include <string_view>

namespace study {

enum class Input { First, Last, Points };

// The window's own texts, from the language catalogue.
using Captions = lang::StudyTexts;
// By the window model's language code, with the catalogue's fallback.
const Captions& CaptionsFor(const std::string& language);

// The table's column captions: the varied quantity's row caption, then the
// nine result rows' captions, as the window shows them now (units included).
std::array<std::string, 10> ColumnCaptions(const app::TForm1& form, Quantity q);

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
    const Study& Last() const { return last_; }

private:
    Quantity quantity_ = Quantity::EQ;
    std::array<std::string, 3> texts_;
    Study last_;
};

}  // namespace study
