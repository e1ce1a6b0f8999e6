#include "gui/translations.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace app::qt {

namespace {

// Compiled in from the build machine's Qt, so the dialogs are Danish however
// the program is installed, and the catalogue matches the Qt it was built with.
constexpr const char* kDanishCatalogue = ":/translations/qtbase_da.qm";

}  // namespace

void FollowLanguage(const std::string& language)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    // Owned by the application, so it goes with it; a later application (as in
    // the tests) gets a fresh one.
    static QPointer<QTranslator> danish;
    static bool installed = false;
    if (!danish) {
        danish = new QTranslator(application);
        installed = false;
        // A catalogue that does not load leaves Qt's English: every dialog still works.
        if (!danish->load(QString::fromLatin1(kDanishCatalogue)))
            return;
    }
    if (danish->isEmpty())
        return;
    const bool wanted = language == "DK";
    if (wanted == installed)
        return;
    // Each call sends every widget a LanguageChange, so Qt's open dialogs
    // redraw their texts at once.
    installed = wanted ? QCoreApplication::installTranslator(danish) : !QCoreApplication::removeTranslator(danish);
}

}  // namespace app::qt
