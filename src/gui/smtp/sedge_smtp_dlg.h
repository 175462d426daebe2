#pragma once

#include "gui/smtp/smtp_dialog.h"

namespace rosmossel {

// E-mail set-up of the Sedge MG camera ("Ros SedgeMG", and any model that is
// not a Quill MG).
class CSedgeSmtpDlg : public SmtpDialog {
  public:
    explicit CSedgeSmtpDlg(Session& session, QWidget* parent = nullptr)
        : SmtpDialog(kSedgeSmtp, session, parent) {
        setObjectName(QStringLiteral("CSedgeSmtpDlg"));
    }
};

} // namespace rosmossel
