#include "gui/dialogs/profile_actions.h"

#include "core/format/safe_writer.h"
#include "core/menu/menu_clock.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/presenter.h"
#include "profile/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardPaths>

#include <utility>

namespace rosmossel {

QString ChooseProfile(Presenter::FileUse use, const QString& title) {
    static QString folder; // the folder of the last profile chosen in this run
    // A folder that is not there would be offered as the file's name.
    for (const QString& candidate :
         {folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
          QDir::homePath()}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) {
            folder = candidate;
            break;
        }
    }
    const QString chosen = CurrentPresenter().chooseProfile(use, title, folder);
    if (chosen.isEmpty()) {
        return {};
    }
    folder = QFileInfo(chosen).absolutePath();
    return QDir::toNativeSeparators(chosen);
}

ProfileActions::ProfileActions(QWidget* dialog, const Session& session, Family family,
                               FileKind kind, FileToSave fileToSave, SettingsFrom settingsFrom)
    : QObject(dialog), session_(session), family_(family), kind_(kind),
      language_(session.languageNumber()), fileToSave_(std::move(fileToSave)),
      settingsFrom_(std::move(settingsFrom)) {}

void ProfileActions::addButtons(const ControlFactory& make, QHBoxLayout* row) {
    QPushButton* saveButton = make.button(kSaveProfileId, "saveProfileButton");
    connect(saveButton, &QPushButton::clicked, this, &ProfileActions::save);
    row->addWidget(saveButton);
    QPushButton* openButton = make.button(kOpenProfileId, "openProfileButton");
    connect(openButton, &QPushButton::clicked, this, &ProfileActions::open);
    row->addWidget(openButton);
}

void ProfileActions::report(const Message& message) const {
    ShowMessage(QString::fromStdString(message.in(language_)));
}

std::optional<std::string> ProfileActions::read(const QString& path) const {
    QFile file(path);
    constexpr auto kLargest = static_cast<qint64>(profile::kLargestProfile);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) {
        const std::string why = file.size() > kLargest ? std::string(profile::kProfileTooLarge)
                                                       : file.errorString().toStdString();
        report(ProfileRefusedMessage(path.toStdString(), why));
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

void ProfileActions::save() {
    // A profile holds only what Generate would write.
    const std::optional<BuildResult> file = fileToSave_();
    if (!file) {
        return;
    }
    const QString path = ChooseProfile(
        Presenter::FileUse::Save, QString::fromStdString(SaveProfileTitle(kind_).in(language_)));
    if (path.isEmpty()) {
        return;
    }
    // Save merges the section into an existing profile; the question says so.
    const bool exists = QFileInfo::exists(path);
    if (exists && !CurrentPresenter().question(QString::fromStdString(
                      SaveIntoProfileQuestion(path.toStdString(), fileName()).in(language_)))) {
        return;
    }
    std::optional<std::string> existing = std::string();
    if (exists && !(existing = read(path))) {
        return;
    }
    std::string text;
    try {
        if (!file->ok()) {
            throw profile::ProfileError(file->error);
        }
        text = profile::ProfileWithSection(*existing, session_.model, kind_, file->bytes);
    } catch (const profile::ProfileError& e) {
        report(ProfileRefusedMessage(path.toStdString(), e.what()));
        return;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (auto error =
            WriteFileSafely(path.toStdString(), {bytes, text.size()}, FileAccess::OwnerOnly)) {
        report(WriteFailedMessage(*error));
        return;
    }
    report(ProfileSavedMessage(path.toStdString()));
}

void ProfileActions::open() {
    const QString path = ChooseProfile(Presenter::FileUse::Open,
                                       QString::fromStdString(kOpenProfileTitle.in(language_)));
    const std::optional<std::string> text = path.isEmpty() ? std::nullopt : read(path);
    if (!text) {
        return;
    }
    std::optional<CardSettings> settings;
    try {
        const profile::Profile opened =
            profile::ProfileForDialog(*text, family_, kind_, CaptureClock());
        const BuildResult file = profile::BuildSectionFile(opened, kind_);
        if (!file.ok()) {
            throw profile::ProfileError(file.error);
        }
        settings = settingsFrom_(file.bytes);
    } catch (const profile::ProfileError& e) {
        report(ProfileRefusedMessage(path.toStdString(), e.what()));
        return;
    }
    if (settings) { // the file of a profile this family reads is one the dialog could write
        settings->load();
        if (settings->note != LoadNote::None) {
            report(LoadNoteMessage(settings->note, LoadedFrom::Profile));
        }
    }
}

} // namespace rosmossel
