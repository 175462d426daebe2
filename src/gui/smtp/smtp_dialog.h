#pragma once

#include "core/smtp/smtp_dialog_rules.h"
#include "gui/dialogs/setup_dialog.h"

namespace rosmossel {

// The e-mail (SMTP) dialog of either family. The user picks the GPRS
// connection by country and operator (or types it in manual mode), the
// sender's account and the recipient; Generate checks them and writes
// smtp.dat into the folder. The dialog stays open after writing; Enter runs
// Generate, Exit (Escape, close box) rejects it and the caller shows the main
// window again.
class SmtpDialog : public SetupDialog {
    Q_OBJECT

  protected:
    SmtpDialog(const DialogFamily& descriptor, Session& session, CardWatch* cards, QWidget* parent);

  private:
    void buildLayout() override;
    void bindValues() override;
    void showFirstState() override;
    BuildResult buildFile() const override;
    // Labels of the three frames share one width, so their boxes line up.
    void alignFrames();
    void connectHandlers() override;

    ApnMode mode() const;
    void showMode(ApnMode mode);
    void onModeChosen(int mode);
    void onCountryChosen(int country);
    // Find operator...: the GPRS connection chosen from the carrier database.
    void onFindOperator();

    // The file Generate would write now, before its checks: texts and count
    // as last taken, the lists as selected.
    SmtpSettings settings() const;
    std::optional<GenerateProblem> checkInput() override;
    std::optional<CardSettings> cardSettings(const DecodedFile& file) override;

    int picturesPerDay_ = 0;
    SmtpSettings typed_; // the texts as last taken; the header comes from the lists
};

} // namespace rosmossel
