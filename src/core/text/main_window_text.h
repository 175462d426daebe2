#pragma once

#include "core/session/camera_model.h"
#include "core/text/languages.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rosmossel {

// Captions of the main window's controls in one language.
struct MainCaptions {
    const char* cameraSetup;    // 1000
    const char* mmsSetup;       // 1001
    const char* smtpSetup;      // 1002
    const char* selectLanguage; // 1078
    const char* cameraModel;    // 1079
    const char* update;         // 1076
};

// Languages without texts of their own, and numbers outside 1..9, use English.
const MainCaptions& MainWindowCaptions(int language);
const char* VersionLine(int language);

// The version the build gives ("1.2.5"), and as the windows show it: the
// last part in three digits ("1.2.005").
const char* ProjectVersion();
std::string ShownVersion(std::string_view version);

// The language combo lists the languages by their native names, but entry 0
// (Chinese) by its native name only while Chinese is shown (which needs a
// Chinese system).
const char* FirstLanguageEntry(int currentLanguage);

// Index the language combo selects for the state; -1 (no selection) for a
// stored language outside 1..9.
int LanguageComboIndex(int currentLanguage, int chineseChosen);

// State after the user picks entry `index` of the language combo.
struct LanguageChange {
    int currentLanguage;
    int chineseChosen;
    // What the preference store keeps: the user's choice, index + 1.
    int stored;

    bool operator==(const LanguageChange&) const = default;
};
LanguageChange ChangeLanguage(int index, int chineseSystem);

// Index the model combo selects; -1 for a stored model outside 1..4.
int ModelComboIndex(int currentModel);

// The three set-up jobs the main window dispatches.
enum class SetupJob { CameraMenu, Mms, Smtp };

// True when `job` opens the Quill dialog for `model`: the Quill models for
// the camera menu and MMS; for e-mail only a Quill that has it; Sedge otherwise.
constexpr bool OpensQuillDialog(SetupJob job, CameraModel model) {
    const bool quill = model.family() == Family::Quill;
    return job == SetupJob::Smtp ? quill && model.hasEmail() : quill;
}

} // namespace rosmossel
