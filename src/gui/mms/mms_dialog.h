#pragma once

#include "core/mms/mms_rules.h"
#include "core/mms/setup_file.h"
#include "gui/dialogs/setup_dialog.h"

#include <string>

namespace rosmossel {

// The MMS dialog of either family. The user picks a country and an operator
// (automatic mode) or types the connection (manual mode), the recipients and
// the pictures per day; Generate checks them and writes setup.dat. The dialog
// stays open after writing; Exit (Escape, close box) rejects it.
class MmsDialog : public SetupDialog {
    Q_OBJECT

  protected:
    MmsDialog(const DialogFamily& descriptor, Session& session, CardWatch* cards, QWidget* parent);

  private:
    std::optional<CardSettings> cardSettings(const DecodedFile& file) override;
    void showCard(const MmsCardLoad& load);

    void buildLayout() override;
    void bindValues() override;
    void showFirstState() override;
    BuildResult buildFile() const override;
    void connectHandlers() override;

    bool manualMode() const;
    bool smsOnly() const;
    void fillPresetLists(bool startUp);
    // The lists a mode offers (country, operator, connection kind).
    void showModeLists(int mode);
    void showOperatorsOf(int country);
    // The user's `event` has happened: the fields take the states it gives.
    void react(MmsEvent event);
    void applyFieldStates();

    void onModeChosen(int mode);
    void onStatusChosen();
    void onCountryChosen(int country);
    void onPhoneEdited();
    void onNumberKindChosen(int kind);
    // Find operator...: the connection chosen from the carrier database.
    void onFindOperator();

    // What Generate would write now, before the checks: the values as last
    // taken, in automatic mode with the chosen operator's preset.
    MmsSettings settings() const;
    std::optional<GenerateProblem> checkInput() override;

    MmsSettings typed_; // the texts and the pictures per day, as last taken
    int shownMode_ = 0; // the mode the fields and lists are set up for
    MmsFieldStates states_ = kMmsOpeningStates;
    int internationalNumbers_ = 0; // Domestic each time the dialog opens
};

} // namespace rosmossel
