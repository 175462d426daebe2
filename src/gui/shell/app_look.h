#pragma once

#include "gui/dialogs/control_factory.h"

class QApplication;
class QIcon;
class QImage;

namespace rosmossel {

// Paints every window and message box of the tool in the dialog colours and
// gives them the application icon.
void ApplyApplicationLook(QApplication& app);

QIcon ApplicationIcon();

// The icon at `size` pixels square; resources/rosmossel.png, the icon of the
// installed desktop entry, is this drawing at 256 pixels.
QImage DrawApplicationIcon(int size);

} // namespace rosmossel
