#pragma once

namespace rosmossel {

// Qt's own texts (the buttons of message boxes, the choosers and their
// questions, the edit menus) in the interface language `language` (1 to 9;
// English for any other): the catalogues built into the program where it
// carries them (Windows), else Qt's installed ones (Debian's
// qt6-translations-l10n). Replaces the catalogue of an earlier call.
void UseToolkitLanguage(int language);

} // namespace rosmossel
