#include "gui/shell/setup_app.h"
#include "gui/shell/system_language.h"
#include "platform/system_preference_store.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rosmossel"));
    // No display name: Qt would append it to every window title.
    QApplication::setDesktopFileName(QStringLiteral("rosmossel"));
    const auto store = rosmossel::MakeSystemPreferenceStore();
    rosmossel::CSetupApp setupApp(*store, rosmossel::SystemDefaultLanguageId());
    return setupApp.Run();
}
