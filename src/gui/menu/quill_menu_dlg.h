#pragma once

#include "gui/menu/menu_dialog.h"

namespace rosmossel {

// Camera menu of the Quill cameras ("Ros QuillM", "Ros QuillMG").
class CQuillMenuDlg : public CameraMenuDialog {
  public:
    explicit CQuillMenuDlg(Session& session, QWidget* parent = nullptr)
        : CameraMenuDialog(kQuillMenu, session, parent) {
        setObjectName(QStringLiteral("CQuillMenuDlg"));
    }
};

} // namespace rosmossel
