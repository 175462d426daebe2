#pragma once

#include "core/menu/menu_fields.h"
#include "core/menu/menu_record.h"
#include "gui/dialogs/setup_dialog.h"

#include <QString>

namespace rosmossel {

// The camera-menu dialog of either family. The user picks the menu settings
// and a folder; Generate writes menu.dat, Default the factory-settings
// menu.dat. The dialog stays open after writing; Exit (Escape, close box)
// rejects it, and the caller shows the main window again.
class CameraMenuDialog : public SetupDialog {
    Q_OBJECT

  public:
    // The record Generate would write now: lists as selected, numbers as last
    // taken, the captured clock, the session's language and TV mode.
    MenuSettings settings() const;

  protected:
    CameraMenuDialog(const DialogFamily& descriptor, Session& session, CardWatch* cards,
                     QWidget* parent);

  private:
    void buildLayout() override;
    void bindValues() override;
    void showFirstState() override;
    BuildResult buildFile() const override;
    void connectHandlers() override;
    // Which boxes may be typed into follows the three switch lists.
    void applyEditStates();

    void onNumberEdited(MenuField field, int MenuSettings::*member);
    void refreshClock();
    std::optional<GenerateProblem> checkInput() override;
    void onDefault();

    std::optional<CardSettings> cardSettings(const DecodedFile& file) override;
    // Shows `s` as if the user had chosen it; the clock stays the dialog's.
    void showSettings(const MenuSettings& s);

    // The number boxes' values, bound member by member; the lists are read
    // when the settings are asked for.
    MenuSettings numbers_;
    ClockValue clock_;
    QString clockText_;
};

} // namespace rosmossel
