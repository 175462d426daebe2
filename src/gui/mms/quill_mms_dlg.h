#pragma once

#include "gui/mms/mms_dialog.h"

namespace rosmossel {

// MMS set-up of the Quill cameras ("Ros QuillM", "Ros QuillMG").
class CQuillMmsDlg : public MmsDialog {
  public:
    explicit CQuillMmsDlg(Session& session, QWidget* parent = nullptr)
        : MmsDialog(kQuillMms, session, parent) {
        setObjectName(QStringLiteral("CQuillMmsDlg"));
    }
};

} // namespace rosmossel
