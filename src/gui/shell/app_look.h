#pragma once

#include "gui/dialogs/control_factory.h"

class QApplication;
class QIcon;
class QImage;

namespace rosmossel {

// Paints every window and message box of the tool in the dialog colours,
// marks the keyboard focus so that it shows on them, and gives them the
// interface font and the application icon.
void ApplyApplicationLook(QApplication& app);

// The frame inside a focused list, text box or button.
inline constexpr QColor kFocusMark{0, 0, 0};
inline constexpr int kFocusMarkWidth = 2;

QIcon ApplicationIcon();

// The icon at `size` pixels square; resources/rosmossel.png, the icon of the
// installed desktop entry, is this drawing at 256 pixels.
QImage DrawApplicationIcon(int size);

} // namespace rosmossel
