#include "reportpreview.h"

#include "report/report_print.h"

namespace app::qt {

void ShowPreview(const report::Tquickrptpage& page, QWidget* parent) { report::ShowReportPreview(page, parent); }

}  // namespace app::qt
