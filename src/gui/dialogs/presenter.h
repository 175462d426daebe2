#pragma once

// The message box and the folder chooser of every set-up dialog, behind one
// presenter that tests replace (tests/support/recording_presenter.h), so that
// no test ever waits for a user.

#include "core/card/card.h"

#include <QString>

#include <vector>

class QWidget;

namespace rosmossel {

class Presenter {
  public:
    virtual ~Presenter() = default;
    // The program's message box: caption "Ros Mossel", the application icon,
    // one OK button, no owner window. Returns when the box is closed.
    virtual void message(const QString& text) = 0;
    // The toolkit's own prompts (not a number, out of the toolkit's range):
    // owned by the dialog, warning icon, captioned with the program file's name.
    virtual void toolkitPrompt(QWidget* owner, const QString& text) = 0;
    // A Yes/No question in the program's message box; true for Yes.
    virtual bool question(const QString& text) = 0;
    // The platform's folder browser, opening at `start`; empty when cancelled
    // or when the item chosen has no file-system path.
    virtual QString chooseFolder(const QString& start) = 0;
    // The platform's file chooser for a profile (*.json), opening in
    // `folder`; empty when cancelled. Saving asks nothing about a file that
    // exists: the dialog asks what saving into it does.
    enum class FileUse { Save, Open };
    virtual QString chooseProfile(FileUse use, const QString& title, const QString& folder) = 0;
};

// The presenter the dialogs use: the platform's boxes, unless a test put
// another in place. Passing nullptr restores the platform's.
Presenter& CurrentPresenter();
void SetPresenter(Presenter* presenter);

// Shorthands over the current presenter.
void ShowMessage(const QString& text);
void ShowToolkitPrompt(QWidget* owner, const QString& text);

// The root of the one camera card among `cards`; with none or several,
// "C:\" on Windows and the user's home folder elsewhere.
QString DefaultFolder(const std::vector<Card>& cards);
// The folder browser's answer in native form, the browser opening at `start`
// (the folder the dialog shows); a cancelled browser gives the default
// folder among `cards`. Any length of path is returned whole.
QString ChooseFolder(const QString& start, const std::vector<Card>& cards);

} // namespace rosmossel
