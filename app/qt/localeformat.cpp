#include "localeformat.h"

namespace app::qt {

calc::NumberFormat LocaleNumberFormat(const QLocale& locale)
{
    calc::NumberFormat format;
    const QString decimal = locale.decimalPoint();
    format.decimal = decimal.isEmpty() ? std::string(".") : decimal.toStdString();
    format.thousands = locale.groupSeparator().toStdString();
    return format;
}

}  // namespace app::qt
