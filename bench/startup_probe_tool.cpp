// The tool's own start-up, as main() does it, ending once the main window shows.
#include "first_window_exit.h"
#include "gui/shell/setup_app.h"
#include "gui/shell/system_language.h"
#include "platform/system_preference_store.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto store = rosmossel::MakeSystemPreferenceStore();
    rosmossel::CSetupApp setupApp(*store, rosmossel::SystemDefaultLanguageId());
    QTimer timer;
    CloseFirstWindowWhenShown(timer);
    return setupApp.Run();
}
