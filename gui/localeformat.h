// The number format of the user's locale settings.
#pragma once

#include "calc/numtext.h"

#include <QLocale>

namespace app::qt {

// "." when the locale names no decimal separator; the thousands separator
// as the locale gives it, possibly none.
calc::NumberFormat LocaleNumberFormat(const QLocale& locale = QLocale::system());

}  // namespace app::qt
