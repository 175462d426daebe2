#pragma once

#include "core/session/camera_model.h"
#include "core/session/mms_preset_selection.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rosmossel {

// Caption of the main window and of every message box.
inline constexpr const char* ProductTitle = "Ros Mossel";

// The numbers are what the preferences and the files store. A stored
// preference may hold any number; texts fall back to English for those.
enum class Language : int {
    Chinese = 1,
    English,
    German,
    Finnish,
    Italian,
    French,
    Hungarian,
    Slovenian,
    Czech
};

constexpr int Number(Language language) {
    return static_cast<int>(language);
}

// What one run of the tool knows besides the dialogs' own values. The
// application settles it at start-up, the main window changes language and
// model, and every set-up dialog receives it.
struct Session {
    Language language = Language::English;
    CameraModel model = CameraModel::SedgeM;
    // The system's default language is Chinese (PRC): only then is Chinese shown.
    bool chineseSystem = false;
    // The user chose Chinese, but English is shown because the system is not Chinese.
    bool chineseChosen = false;
    // Copied into menu.dat and setup.dat; never changed by the user interface.
    std::uint32_t tvMode = 0;
    // Where the guide and the download page are opened: the desktop's browser
    // when empty, which is how the application starts.
    std::function<void(const std::string& url)> openInBrowser;

    int languageNumber() const { return Number(language); }
    int modelNumber() const { return model.number(); }
    Family family() const { return model.family(); }
    // The language byte every file stores: the user's choice, also when
    // Chinese was chosen on a system that shows English.
    int fileLanguageCode() const { return chineseChosen ? 1 : (languageNumber() & 0xFF); }
    // The low byte of the TV mode, as menu.dat and setup.dat store it.
    int tvModeByte() const { return static_cast<int>(tvMode & 0xFFu); }
};

} // namespace rosmossel
