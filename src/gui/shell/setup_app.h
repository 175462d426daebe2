#pragma once

#include "core/session/session.h"

#include <cstdint>

namespace rosmossel {

class PreferenceStore;

// Start-up: the session settled from the stored preferences for a system of
// `systemLanguageId`, with the application's colours and icon and Qt's texts
// in the session's language. Needs a QApplication.
Session StartUp(PreferenceStore& store, std::uint16_t systemLanguageId);

// The application object: settles language, model and TV mode from the
// stored preferences, then lets the main window and the set-up dialogs take
// turns until the user closes a main window.
class CSetupApp {
  public:
    // `systemLanguageId` is the system's default language as a Windows
    // language identifier (SystemDefaultLanguageId() outside tests).
    CSetupApp(PreferenceStore& store, std::uint16_t systemLanguageId);

    // StartUp, then the windows; returns the process's exit code.
    int Run();

  private:
    PreferenceStore& store_;
    std::uint16_t systemLanguageId_;
    Session session_;
};

} // namespace rosmossel
