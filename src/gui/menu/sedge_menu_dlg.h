#pragma once

#include "gui/menu/menu_dialog.h"

namespace rosmossel {

// Camera menu of the Sedge cameras ("Ros SedgeM", "Ros SedgeMG").
class CSedgeMenuDlg : public CameraMenuDialog {
  public:
    explicit CSedgeMenuDlg(Session& session, QWidget* parent = nullptr)
        : CameraMenuDialog(kSedgeMenu, session, parent) {
        setObjectName(QStringLiteral("CSedgeMenuDlg"));
    }
};

} // namespace rosmossel
