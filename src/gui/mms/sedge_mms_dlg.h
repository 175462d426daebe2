#pragma once

#include "gui/mms/mms_dialog.h"

namespace rosmossel {

// MMS set-up of the Sedge cameras ("Ros SedgeM", "Ros SedgeMG").
class CSedgeMmsDlg : public MmsDialog {
  public:
    explicit CSedgeMmsDlg(Session& session, QWidget* parent = nullptr)
        : MmsDialog(kSedgeMms, session, parent) {
        setObjectName(QStringLiteral("CSedgeMmsDlg"));
    }
};

} // namespace rosmossel
