#pragma once

// What tests read from inside the windows they drive: the classes name these
// as friends, so nothing test-only is public.

#include "core/menu/menu_record.h"
#include "core/session/session.h"
#include "gui/menu/menu_dialog.h"
#include "gui/shell/setup_app.h"

namespace rosmossel::testing {

struct PrivateAccess {
    // The record Generate would write now.
    static MenuSettings settings(const CameraMenuDialog& dialog) { return dialog.settings(); }
    // Start-up as the application does it, and the session it settles.
    static Session startUp(CSetupApp& app) {
        app.InitInstance();
        return app.session_;
    }
};

} // namespace rosmossel::testing
