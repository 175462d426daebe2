#pragma once

#include "gui/menu/menu_dialog.h"

namespace rosmossel {

// Camera menu of the Quill cameras ("Ros QuillM", "Ros QuillMG").
class CQuillMenuDlg : public CameraMenuDialog {
  public:
    explicit CQuillMenuDlg(QWidget* parent = nullptr) : CameraMenuDialog(kQuillMenu, parent) {
        setObjectName(QStringLiteral("CQuillMenuDlg"));
    }
};

} // namespace rosmossel
