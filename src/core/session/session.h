#pragma once

#include <cstdint>

namespace rosmossel {

// Caption of the main window and of every message box.
inline constexpr const char* ProductTitle = "Ros Mossel";

// Process-wide state of one run, touched only on the user-interface thread.
// 1 Chinese, 2 English, 3 German, 4 Finnish, 5 Italian, 6 French, 7 Hungarian,
// 8 Slovenian, 9 Czech. Chinese is shown only on a Chinese system.
extern int CurrentLanguage;
// 1 "Ros SedgeM", 2 "Ros QuillM", 3 "Ros SedgeMG", 4 "Ros QuillMG".
extern int CurrentModel;
// The system's default language is Chinese (PRC).
extern int ChineseSystem;
// The user chose Chinese, but English is shown because the system is not Chinese.
extern int ChineseChosen;
// Copied into menu.dat and setup.dat; never changed by the user interface.
extern std::uint32_t TvMode;
// MMS dialogs: 1 when the first phone number is international.
extern int InternationalNumbers;
// MMS dialogs: the preset row and slot last used; 0x80 and 0 in manual mode.
extern int PresetCountry;
extern int PresetOperator;

// The language byte every file stores: the user's choice, also when Chinese
// was chosen on a system that shows English.
int FileLanguageCode();

} // namespace rosmossel
