#pragma once

#include "core/menu/menu_fields.h"
#include "core/menu/menu_record.h"
#include "gui/dialogs/setup_dialog.h"

#include <QString>

namespace rosmossel {

inline constexpr DialogFamily kQuillMenu{Family::Quill, "CQuillMenuDlg", true};
inline constexpr DialogFamily kSedgeMenu{Family::Sedge, "CSedgeMenuDlg", false};

// The camera-menu dialog of either family. The user picks the menu settings
// and a folder; Generate writes menu.dat, Default the factory-settings
// menu.dat. The dialog stays open after writing; Exit (Escape, close box)
// rejects it, and the caller shows the main window again.
class CameraMenuDialog : public SetupDialog {
    Q_OBJECT

  public:
    CameraMenuDialog(const DialogFamily& descriptor, Session& session, QWidget* parent = nullptr);

    // The record Generate would write now: lists as selected, numbers as last
    // taken, the captured clock, the session's language and TV mode.
    MenuSettings settings() const;

  protected:
    std::optional<CardSettings> cardSettings(const Bytes& bytes) override;
    void onGenerate() override;

  private:
    void buildLayout();
    // Shows `s` as if the user had chosen it; the clock stays the dialog's.
    void showSettings(const MenuSettings& s);
    void bindValues();
    void connectHandlers();

    void onNumberEdited(MenuField field, int MenuSettings::*member);
    void refreshClock();
    void onDefault();

    // Which boxes may be typed into follows the three switch lists.
    void applyEditStates();

    // The number boxes' values, bound member by member; the lists are read
    // when the settings are asked for.
    MenuSettings numbers_;
    ClockValue clock_;
    QString clockText_;
};

// Camera menu of the Quill cameras ("Ros QuillM", "Ros QuillMG").
using CQuillMenuDlg = NamedDialog<CameraMenuDialog, kQuillMenu>;
// Camera menu of the Sedge cameras ("Ros SedgeM", "Ros SedgeMG").
using CSedgeMenuDlg = NamedDialog<CameraMenuDialog, kSedgeMenu>;

} // namespace rosmossel
