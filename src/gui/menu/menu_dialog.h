#pragma once

#include "core/menu/menu_fields.h"
#include "core/menu/menu_record.h"
#include "gui/dialogs/setup_dialog.h"

#include <QString>

#include <array>

namespace rosmossel {

// What tells the Quill and Sedge camera-menu dialogs apart.
struct MenuFamilyDescriptor {
    Family family;
    const char* title;      // window title, the same in every language
    const char* cameraName; // the name the success messages start with
    bool beepAndCycle;      // the Beep Sound and SD Cycle row
};

inline constexpr MenuFamilyDescriptor kQuillMenu{Family::Quill, "Ros Mossel Quill", "Ros Quill",
                                                 true};
inline constexpr MenuFamilyDescriptor kSedgeMenu{Family::Sedge, "Ros Mossel Sedge", "Ros Sedge",
                                                 false};

// Catalogue operations of the camera-menu dialogs: the family's option lists
// with their defaults and its folder button, and the twenty shared captions.
void FillMenuOptions(const ControlMap& dialog, Family family, int language);
void ApplyMenuCaptions(const ControlMap& dialog, int language);

// The camera-menu dialog of either family. The user picks the menu settings
// and a folder; Generate writes menu.dat, Default the factory-settings
// menu.dat. The dialog stays open after writing; Exit (Escape, close box)
// rejects it, and the caller shows the main window again.
class CameraMenuDialog : public SetupDialog {
    Q_OBJECT

  public:
    CameraMenuDialog(const MenuFamilyDescriptor& family, Session& session,
                     QWidget* parent = nullptr);

    // The record Generate would write now: lists as selected, numbers as last
    // taken, the captured clock, the session's language and TV mode.
    MenuSettings settings() const;
    const MenuFamilyDescriptor& family() const { return family_; }

  protected:
    std::optional<CardSettings> cardSettings(const Bytes& bytes) override;

  private:
    void buildLayout();
    // Shows `s` as if the user had chosen it; the clock stays the dialog's.
    void showSettings(const MenuSettings& s);
    void bindValues();
    void connectHandlers();

    // The number boxes in exchange order, with the values they hold.
    struct NumberBox {
        int id;
        MenuField field;
        int* value;
    };
    std::array<NumberBox, 9> numberBoxes();

    void onNumberEdited(MenuField field, int* value);
    void onIntervalUnitChosen(int unit);
    void onSwitchChosen();
    void refreshClock();
    void onGenerate();
    void onDefault();

    // Which boxes may be typed into follows the three switch lists.
    void applyEditStates();

    const MenuFamilyDescriptor& family_;

    int videoLength_ = 10;
    int interval_ = 1;
    int timeLapseHours_ = 0;
    int timeLapseMinutes_ = 0;
    int timeLapseSeconds_ = 0;
    int timerStartHour_ = 0;
    int timerStartMinute_ = 0;
    int timerStopHour_ = 0;
    int timerStopMinute_ = 0;
    ClockValue clock_;
    QString clockText_;
};

} // namespace rosmossel
