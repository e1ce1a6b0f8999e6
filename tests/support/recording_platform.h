#pragma once

#include "model/form1.h"
#include "model/platform.h"
#include "report/quickrptpage.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Stands in for the screen in tests, fuzz targets and benchmarks: keeps every
// box (and tells onBox, when set, as it comes), answers the dialogs from a
// queue, and keeps what each preview showed.
struct RecordingPlatform : app::Platform {
    struct Box {
        std::string kind;  // "information", "error", "plain" or "errorbox"
        std::string text;
        bool operator==(const Box&) const = default;
        friend void PrintTo(const Box& box, std::ostream* os) { *os << box.kind << " \"" << box.text << '"'; }
    };
    std::vector<Box> boxes;
    std::deque<std::optional<std::string>> dialogAnswers;
    std::vector<std::string> dialogOffers;    // the name each dialog offered
    std::vector<report::CaseTexts> previews;  // the value captions each preview showed
    std::function<void(const Box&)> onBox;

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

// A window after start-up, with its report page attached as the program does.
struct StartedForm {
    RecordingPlatform platform;
    app::TForm1 form;
    report::Tquickrptpage page;

    explicit StartedForm(calc::NumberFormat format = {".", ","}) : form(platform, std::move(format))
    {
        form.FormCreate();
        form.AttachReportPage(&page);
    }
    // Runs a handler the way a click does.
    void Click(void (app::TForm1::*handler)())
    {
        form.Dispatch([&] { (form.*handler)(); });
    }
};
