#pragma once

#include "core/session/session.h"
#include "core/text/main_window_text.h"

#include <QDialog>

#include <memory>

namespace rosmossel {

// The set-up dialog of `job` for the session's model, built but not shown,
// with no parent. It keeps a reference to the session, which outlives it.
// The main window shows it modally. Its cancel action (Exit or Cancel,
// Escape, the close box) must reject() it: a new main window follows. An
// accept() would end the tool; no set-up dialog accepts (Enter generates). The
// dialog's objectName is its class name, e.g. "CQuillMenuDlg".
std::unique_ptr<QDialog> CreateSetupDialog(SetupJob job, Session& session);

} // namespace rosmossel
