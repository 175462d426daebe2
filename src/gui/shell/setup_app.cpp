#include "gui/shell/setup_app.h"

#include "core/session/preferences.h"
#include "gui/dialogs/card_watch.h"
#include "gui/shell/app_look.h"
#include "gui/shell/setup_dialogs.h"
#include "gui/shell/setup_dlg.h"
#include "gui/shell/toolkit_language.h"
#include "platform/cards.h"

#include <QApplication>
#include <QTimer>

namespace rosmossel {

CSetupApp::CSetupApp(PreferenceStore& store, std::uint16_t systemLanguageId)
    : store_(store), systemLanguageId_(systemLanguageId) {}

Session StartUp(PreferenceStore& store, std::uint16_t systemLanguageId) {
    Session session = SessionFromStartup(SettleStartup(store, systemLanguageId));
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app != nullptr) {
        ApplyApplicationLook(*app);
    }
    UseToolkitLanguage(session.languageNumber());
    // Between a main window and the set-up dialog no window is visible; the
    // application's loop, not the last closed window, decides when the tool
    // ends.
    QApplication::setQuitOnLastWindowClosed(false);
    return session;
}

int CSetupApp::Run() {
    session_ = StartUp(store_, systemLanguageId_);
    // The one card watcher, handed to every set-up dialog.
    const SystemCardSource system;
    CardWatch cards(system);
    for (;;) {
        std::optional<SetupJob> job;
        {
            // A fresh window each time, built from the session.
            CSetupDlg mainWindow(session_, store_, nullptr, &cards);
            // Cards are looked for once the window is up, never before.
            QTimer::singleShot(0, &cards, [&cards] { cards.start(); });
            mainWindow.exec();
            job = mainWindow.chosenJob();
        }
        if (!job) {
            return 0;
        }
        const std::unique_ptr<QDialog> dialog = CreateSetupDialog(*job, session_, &cards);
        // Cancelling brings back a main window; confirming ends the tool.
        if (dialog->exec() == QDialog::Accepted) {
            return 0;
        }
    }
}

} // namespace rosmossel
