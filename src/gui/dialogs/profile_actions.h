#pragma once

// Save profile and Open profile of a set-up dialog: the two buttons, the
// profile chooser and its folder, and the reading and writing of the section of the dialog's
// file. The only part of the windows that sees the profile format; the dialog
// feeds it through two callbacks.

#include "core/format/multi_record.h"
#include "core/format/settings_files.h"
#include "core/session/session.h"
#include "core/text/messages.h"
#include "gui/dialogs/presenter.h"

#include <QObject>

#include <functional>
#include <optional>

class QHBoxLayout;
class QString;

namespace rosmossel {

class ControlFactory;

// The profile chooser's answer in native form, or empty when cancelled. It
// opens where the last profile of this run was, in whichever window, else in
// the documents folder, else at home.
QString ChooseProfile(Presenter::FileUse use, const QString& title);

// Settings a dialog can take over, from a card or a profile.
struct CardSettings {
    LoadNote note;              // what is not taken over, and why
    std::function<void()> load; // fills the controls
};

class ProfileActions : public QObject {
  public:
    // The dialog's file of what its fields hold, or nothing when its input is
    // refused (the dialog has shown why).
    using FileToSave = std::function<std::optional<BuildResult>()>;
    // What the dialog would take over from its file's `bytes`; nothing for a
    // file it could not have written.
    using SettingsFrom = std::function<std::optional<CardSettings>(const Bytes& bytes)>;

    // `kind` is the dialog's file. The session gives the model a saved
    // profile is for, and the messages' language (read once, here).
    ProfileActions(QWidget* dialog, const Session& session, Family family, FileKind kind,
                   FileToSave fileToSave, SettingsFrom settingsFrom);

    // The Save profile and Open profile buttons, added to `row` in that order.
    void addButtons(const ControlFactory& make, QHBoxLayout* row);

  private:
    void save();
    void open();
    void report(const Message& message) const;
    // A profile's text; nothing when it cannot be read (the reason is shown).
    std::optional<std::string> read(const QString& path) const;
    const char* fileName() const { return SettingsFile(kind_).fileName; }

    const Session& session_;
    Family family_;
    FileKind kind_;
    int language_;
    FileToSave fileToSave_;
    SettingsFrom settingsFrom_;
};

} // namespace rosmossel
