#include "gui/localeformat.h"

namespace app::qt {

calc::NumberFormat LocaleNumberFormat(const QLocale& locale)
{
    // The model puts "." in place of a missing decimal separator.
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace app::qt
