#pragma once

#include "gui/smtp/smtp_dialog.h"

namespace rosmossel {

// E-mail set-up of the Quill MG camera ("Ros QuillMG").
class CQuillSmtpDlg : public SmtpDialog {
  public:
    explicit CQuillSmtpDlg(Session& session, QWidget* parent = nullptr)
        : SmtpDialog(kQuillSmtp, session, parent) {
        setObjectName(QStringLiteral("CQuillSmtpDlg"));
    }
};

} // namespace rosmossel
