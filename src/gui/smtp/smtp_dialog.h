#pragma once

#include "core/smtp/smtp_dialog_rules.h"
#include "gui/dialogs/setup_dialog.h"

namespace rosmossel {

inline constexpr DialogFamily kQuillSmtp{Family::Quill, "CQuillSmtpDlg", true};
inline constexpr DialogFamily kSedgeSmtp{Family::Sedge, "CSedgeSmtpDlg", false};

// The e-mail (SMTP) dialog of either family. The user picks the GPRS
// connection by country and operator (or types it in manual mode), the
// sender's account and the recipient; Generate checks them and writes
// smtp.dat into the folder. The dialog stays open after writing; Enter runs
// Generate, Exit (Escape, close box) rejects it and the caller shows the main
// window again.
class SmtpDialog : public SetupDialog {
    Q_OBJECT

  public:
    SmtpDialog(const DialogFamily& descriptor, Session& session, QWidget* parent = nullptr);

    // The file Generate would write now, before its checks: texts and count
    // as last taken, the lists as selected.
    SmtpSettings settings() const;

  protected:
    std::optional<CardSettings> cardSettings(const Bytes& bytes) override;
    void onGenerate() override;

  private:
    void buildLayout();
    void bindValues();
    void alignFrames();
    void connectHandlers();

    void onModeChosen(int mode);
    void onCountryChosen(int country);

    void showMode(ApnMode mode);
    ApnMode mode() const;

    int picturesPerDay_ = 0;
    SmtpSettings typed_; // the texts as last taken; the header comes from the lists
};

// E-mail set-up of the Quill MG camera ("Ros QuillMG").
using CQuillSmtpDlg = NamedDialog<SmtpDialog, kQuillSmtp>;
// E-mail set-up of the Sedge MG camera ("Ros SedgeMG", and any model with
// e-mail that is not a Quill).
using CSedgeSmtpDlg = NamedDialog<SmtpDialog, kSedgeSmtp>;

} // namespace rosmossel
