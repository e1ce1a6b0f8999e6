// The report engine's modal preview of the page.
#pragma once

class QWidget;

namespace report {
class Tquickrptpage;
}

namespace app::qt {

void ShowPreview(const report::Tquickrptpage& page, QWidget* parent);

}  // namespace app::qt
