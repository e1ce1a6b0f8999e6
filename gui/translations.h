// Qt's own texts — file and print dialogs, the print preview, standard
// buttons, edit menus — in the interface language.
#pragma once

#include <string>

namespace app::qt {

// "DK" installs Qt's Danish catalogue, any other language removes it, so Qt
// speaks its built-in English. Repeating the current language costs nothing.
void FollowLanguage(const std::string& language);

}  // namespace app::qt
