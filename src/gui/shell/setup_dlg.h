#pragma once

#include "core/session/session.h"
#include "core/text/main_window_text.h"

#include <QDialog>

#include <memory>
#include <optional>

class QAction;

namespace Ui {
class CSetupDlg;
}

namespace rosmossel {

class CardWatch;
class PreferenceStore;

// The main window: language and model choosers and the three set-up buttons.
// It builds itself from the session, and changes the session and the stored
// preferences at once when the user picks a language or model.
// A set-up button closes it as confirmed and records the job; closing it any
// other way leaves no job, which ends the tool.
class CSetupDlg : public QDialog {
    Q_OBJECT

  public:
    // `cards` (may be none) is what the Cards window shows.
    CSetupDlg(Session& session, PreferenceStore& store, QWidget* parent = nullptr,
              CardWatch* cards = nullptr);
    ~CSetupDlg() override;

    std::optional<SetupJob> chosenJob() const { return chosenJob_; }

    // The "CopyRight" entry: the About box, shown modally.
    void OnCopyRight();
    // F1 and the "Guide" entry: the owners' guide at the main window.
    void OnGuide();
    // The "Cards" entry: the cards inserted and what each holds, modally.
    void OnCards();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
#ifdef _WIN32
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

  private:
    void ApplyCaptions();
    void FillLanguageCombo();
    void OnLanguageChanged(int index);
    void OnModelChanged(int index);
    void OnSetupButton(SetupJob job);

    std::unique_ptr<Ui::CSetupDlg> ui_;
    Session& session_;
    PreferenceStore& store_;
    CardWatch* cards_;
    std::optional<SetupJob> chosenJob_;
#ifdef _WIN32
    bool systemMenuExtended_ = false;
#else
    QAction* copyRightAction_ = nullptr;
    QAction* guideAction_ = nullptr;
    QAction* cardsAction_ = nullptr;
#endif
};

} // namespace rosmossel
