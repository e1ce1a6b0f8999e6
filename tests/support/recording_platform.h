#pragma once

#include "model/form1.h"
#include "model/headless_platform.h"
#include "report/quickrptpage.h"

#include <utility>

// The screen in tests, fuzz targets and benchmarks is the program's own
// headless platform.
using RecordingPlatform = app::HeadlessPlatform;

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
