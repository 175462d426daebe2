#pragma once

// The six set-up dialogs by name: one implementation per job, Quill and Sedge
// told apart by their family descriptor.

#include "core/text/main_window_text.h"
#include "gui/menu/menu_dialog.h"
#include "gui/mms/mms_dialog.h"
#include "gui/smtp/smtp_dialog.h"

#include <QDialog>

#include <memory>

namespace rosmossel {

inline constexpr DialogFamily kQuillMenu{Family::Quill, "CQuillMenuDlg", true};
inline constexpr DialogFamily kSedgeMenu{Family::Sedge, "CSedgeMenuDlg", false};
inline constexpr DialogFamily kQuillMms{Family::Quill, "CQuillMmsDlg", true};
inline constexpr DialogFamily kSedgeMms{Family::Sedge, "CSedgeMmsDlg", false};
inline constexpr DialogFamily kQuillSmtp{Family::Quill, "CQuillSmtpDlg", true};
inline constexpr DialogFamily kSedgeSmtp{Family::Sedge, "CSedgeSmtpDlg", false};

// Camera menu of the Quill cameras ("Ros QuillM", "Ros QuillMG") and of the
// Sedge cameras ("Ros SedgeM", "Ros SedgeMG").
using CQuillMenuDlg = NamedDialog<CameraMenuDialog, kQuillMenu>;
using CSedgeMenuDlg = NamedDialog<CameraMenuDialog, kSedgeMenu>;
// MMS set-up of the Quill and of the Sedge cameras.
using CQuillMmsDlg = NamedDialog<MmsDialog, kQuillMms>;
using CSedgeMmsDlg = NamedDialog<MmsDialog, kSedgeMms>;
// E-mail set-up of the Quill MG camera ("Ros QuillMG"), and of the Sedge MG
// camera ("Ros SedgeMG", and any model with e-mail that is not a Quill).
using CQuillSmtpDlg = NamedDialog<SmtpDialog, kQuillSmtp>;
using CSedgeSmtpDlg = NamedDialog<SmtpDialog, kSedgeSmtp>;

// The set-up dialog of `job` for the session's model, built but not shown,
// with no parent. It keeps a reference to the session, which outlives it.
// The main window shows it modally. Its cancel action (Exit or Cancel,
// Escape, the close box) must reject() it: a new main window follows. An
// accept() would end the tool; no set-up dialog accepts (Enter generates). The
// dialog's objectName is its class name, e.g. "CQuillMenuDlg".
// `cards` is the application's card watch (none: no card is seen).
std::unique_ptr<QDialog> CreateSetupDialog(SetupJob job, Session& session,
                                           CardWatch* cards = nullptr);

} // namespace rosmossel
