// The window's platform without a screen, for the command line, the part-load
// study, the tests, the fuzz targets and the benchmarks: every box is kept
// (and told to onBox as it comes), the file dialogs answer from a queue, and
// each preview is kept as the value captions it showed and told to onPreview.
#pragma once

#include "model/platform.h"
#include "report/quickrptpage.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace app {

class HeadlessPlatform : public Platform {
public:
    struct Box {
        std::string kind;  // "information", "error", "plain" or "errorbox"
        std::string text;
        bool operator==(const Box&) const = default;
        friend void PrintTo(const Box& box, std::ostream* os) { *os << box.kind << " \"" << box.text << '"'; }
    };
    std::vector<Box> boxes;
    std::deque<std::optional<std::string>> dialogAnswers;  // empty: the dialog is cancelled
    std::vector<std::string> dialogOffers;                 // the name each dialog offered
    std::vector<report::CaseTexts> previews;               // the value captions each preview showed
    std::function<void(const Box&)> onBox;
    std::function<void(const report::Tquickrptpage&)> onPreview;

    // The texts of the boxes shown since the last call, in order.
    std::vector<std::string> TakeTexts()
    {
        std::vector<std::string> texts;
        for (Box& box : boxes)
            texts.push_back(std::move(box.text));
        boxes.clear();
        return texts;
    }

    void ShowMessageBox(const std::string& text, calc::MessageKind kind) override
    {
        static const char* names[] = {"information", "error", "plain"};
        Keep({names[static_cast<int>(kind)], text});
    }
    void ShowErrorBox(const std::string& text) override { Keep({"errorbox", text}); }
    std::optional<std::string> RunOpenDialog(const std::string& lastName) override { return Answer(lastName); }
    std::optional<std::string> RunSaveDialog(const std::string& lastName) override { return Answer(lastName); }
    void ShowReportPreview(const report::Tquickrptpage& page) override
    {
        report::CaseTexts shown;
        for (size_t i = 0; i < shown.size(); ++i)
            shown[i] = page.Caption(report::kValueLabelNames[i]);
        previews.push_back(shown);
        if (onPreview)
            onPreview(page);
    }
    void OpenHelpFile(const std::string&) override {}
    void ShowPartLoadStudy() override {}
    void CloseWindow() override {}

private:
    void Keep(const Box& box)
    {
        if (onBox)
            onBox(box);
        boxes.push_back(box);
    }
    std::optional<std::string> Answer(const std::string& lastName)
    {
        dialogOffers.push_back(lastName);
        if (dialogAnswers.empty())
            return std::nullopt;
        auto answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
};

}  // namespace app
