#include "gui/dialogs/setup_dialog.h"

#include "core/format/file_reader.h"
#include "core/format/safe_writer.h"
#include "core/menu/menu_clock.h"
#include "core/text/card_texts.h"
#include "gui/dialogs/card_line.h"
#include "gui/dialogs/guide.h"
#include "gui/dialogs/presenter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace rosmossel {

void MissingControl(int id, const char* kind) {
    qFatal("A set-up dialog has no control %d that is a %s", id, kind);
}

SetupDialog::SetupDialog(const DialogFamily& family, Session& session, QWidget* parent)
    : QDialog(parent), session_(session), family_(family), make_(this, controls_),
      exchange_(this, session.languageNumber()) {
    setObjectName(QString::fromLatin1(family.className));
    setWindowTitle(QString::fromUtf8(FamilyTitle(family.family)));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// A dialog deleted while shown hides in QDialog's destructor; the folder
// field then loses the focus and must not call back into what is gone.
SetupDialog::~SetupDialog() {
    if (folderField_) {
        folderField_->disconnect(this);
    }
}

int SetupDialog::selected(int listId) const {
    return control<QComboBox>(listId)->currentIndex();
}

void SetupDialog::select(int listId, int index) {
    control<QComboBox>(listId)->setCurrentIndex(index);
}

SetupDialog::FolderRow SetupDialog::makeFolderRow(int buttonId, int fieldId, FolderTyping typing,
                                                  int typingLimit) {
    QPushButton* button = make_.button(buttonId, "selectButton");
    QLineEdit* field = make_.textBox(fieldId, "folder", button);
    folderField_ = field;
    folderTypingLimit_ = typingLimit;
    showFolder(DefaultFolder());
    connect(button, &QPushButton::clicked, this, &SetupDialog::onSelectFolder);
    if (typing == FolderTyping::ReadOnly) {
        SetEditable(field, false);
    } else {
        connect(field, &QLineEdit::editingFinished, this, &SetupDialog::folderPicked);
        field->installEventFilter(this);
    }
    return {button, field};
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the folder field confirms the folder; it does not generate.
    if (watched == folderField_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            folderPicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::showFolder(const QString& folder) {
    if (folderTypingLimit_ > 0) {
        // The limit holds for typing; a longer chosen path is shown whole, so
        // writing cannot cut it short.
        folderField_->setMaxLength(std::max(folderTypingLimit_, static_cast<int>(folder.size())));
    }
    folderField_->setText(folder);
}

void SetupDialog::onSelectFolder() {
    showFolder(ChooseFolder(folder()));
    folderPicked();
}

std::optional<SetupDialog::CardSettings> SetupDialog::cardSettings(const Bytes&) {
    return std::nullopt;
}

void SetupDialog::folderPicked() {
    if (!profileKind_) {
        return;
    }
    const QString picked = QDir::cleanPath(folder());
    if (offeredFolders_.contains(picked)) {
        return;
    }
    offeredFolders_.insert(picked);
    const auto path = FindFileInFolder(picked.toStdString(), fileName());
    std::string error;
    const auto bytes = path ? ReadSettingsFile(*path, error) : std::nullopt;
    const auto card = bytes ? cardSettings(*bytes) : std::nullopt;
    if (!card) {
        return; // nothing to offer; the folder is still the one written to
    }
    Message question = LoadCardSettingsQuestion(fileName());
    if (const Message note = LoadNoteMessage(card->note, LoadedFrom::Card); !note.english.empty()) {
        question.english += "\n" + note.english;
        question.chinese += "\n" + note.chinese;
    }
    if (CurrentPresenter().question(QString::fromStdString(question.in(language())))) {
        card->load();
    }
}

QString SetupDialog::folder() const {
    return folderField_ ? folderField_->text() : DefaultFolder();
}

QHBoxLayout* SetupDialog::makeButtonRow(int generateId, int exitId, ButtonSpread spread,
                                        std::initializer_list<std::pair<int, const char*>> middle) {
    auto* row = new QHBoxLayout;
    const bool centred = spread == ButtonSpread::Centred;
    if (centred) {
        row->addStretch(1);
    }
    QPushButton* generateButton = make_.button(generateId, "generateButton");
    generateButton->setDefault(true);
    connect(generateButton, &QPushButton::clicked, this, [this] { generate(); });
    row->addWidget(generateButton);
    QPushButton* saveProfile = make_.button(kSaveProfileId, "saveProfileButton");
    connect(saveProfile, &QPushButton::clicked, this, &SetupDialog::onSaveProfile);
    row->addWidget(saveProfile);
    QPushButton* openProfile = make_.button(kOpenProfileId, "openProfileButton");
    connect(openProfile, &QPushButton::clicked, this, &SetupDialog::onOpenProfile);
    row->addWidget(openProfile);
    for (const auto& [id, name] : middle) {
        row->addWidget(make_.button(id, name));
    }
    QPushButton* exit = make_.button(exitId, "exitButton");
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    if (!centred) {
        row->addStretch(1);
    }
    row->addWidget(exit);
    if (centred) {
        row->addStretch(1);
    }
    return row;
}

void SetupDialog::report(const Message& message) const {
    ShowMessage(QString::fromStdString(message.in(language())));
}

bool SetupDialog::writeToFolder(std::string_view fileName, std::span<const std::uint8_t> bytes,
                                const Message& success) {
    // Writing into a folder counts as offering it: leaving the folder field
    // after a Generate (the message box takes the focus) asks nothing about
    // the file the dialog itself just wrote.
    offeredFolders_.insert(QDir::cleanPath(folder()));
    if (cardLine_ != nullptr && cardLine_->refuseWriteProtected()) {
        return false;
    }
    const std::string path = FilePathInFolder(folder().toStdString(), fileName);
    if (auto error = WriteFileSafely(path, bytes)) {
        report(WriteFailedMessage(*error));
        return false;
    }
    report(success);
    return true;
}

bool SetupDialog::inputAccepted() {
    if (!exchange_.take(DataExchange::Purpose::Generate)) {
        return false;
    }
    if (auto problem = checkInput()) {
        report(problem->message);
        if (problem->field != nullptr) {
            problem->field->setFocus();
            problem->field->selectAll();
        }
        return false;
    }
    return true;
}

bool SetupDialog::generate() {
    if (!inputAccepted()) {
        return false;
    }
    const BuildResult file = buildFile();
    if (!file.ok()) { // the fields' byte limits keep every text within its record
        report({file.error, file.error});
        return false;
    }
    return writeToFolder(fileName(), file.bytes, FileGeneratedMessage(fileName(), family_.family));
}

void SetupDialog::setUp(const LanguageTable& catalogue, FolderName folderName,
                        profile::SectionKind profileKind) {
    buildLayout();
    addCardLine();
    bindValues();
    FillOptionLists(controls_, catalogue.optionLists, language());
    ApplyCaptions(controls_, catalogue.captions, language());
    ApplyCaptions(controls_, catalogue.familyCaptions, language());
    ApplyCaptions(controls_, kProfileCaptions, language());
    ApplyCaptions(controls_, std::span(&kEjectCaption, 1), language());
    if (folderName == FolderName::Folder) {
        ControlFactory::name(folderField_, QStringLiteral("Folder"));
    }
    showFirstState();
    profileKind_ = profileKind;
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    exchange_.show();
    ApplyDialogColours(this);
    connectHandlers();
    // F1 anywhere in the dialog: the guide at this job's section.
    const char* section = profileKind == profile::SectionKind::Menu  ? kGuideCameraMenu
                          : profileKind == profile::SectionKind::Mms ? kGuideMms
                                                                     : kGuideEmail;
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this, section] { OpenGuide(section, language()); });
}

// The card line goes below everything else, in a line of its own, so the
// dialog's own rows and tab order stay as they are.
void SetupDialog::addCardLine() {
    if (folderField_ == nullptr) {
        return;
    }
    cardLine_ = new CardLine(folderField_, make_, language(), this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(cardLine_, grid->rowCount(), 0, 1, grid->columnCount());
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
        box->addWidget(cardLine_);
    }
}

void SetupDialog::retake(const std::function<void()>& react) {
    exchange_.take();
    react();
    exchange_.show();
}

void SetupDialog::repairAfterEdit(int& value, const std::function<int(int)>& repair) {
    exchange_.take();
    const int repaired = repair(value);
    if (repaired != value) {
        value = repaired;
        exchange_.show();
    }
}

namespace {

// A profile's text; nothing when it cannot be read (the reason is shown).
std::optional<std::string> readProfile(const QString& path, int language) {
    QFile file(path);
    constexpr qint64 kLargest = 1024 * 1024; // as rosmossel-cli takes
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) {
        const QString why = file.size() > kLargest
                                ? QStringLiteral("too large for a profile (over 1 MiB)")
                                : file.errorString();
        ShowMessage(QString::fromStdString(
            ProfileRefusedMessage(path.toStdString(), why.toStdString()).in(language)));
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

} // namespace

void SetupDialog::onSaveProfile() {
    // A profile holds only what Generate would write.
    if (!inputAccepted()) {
        return;
    }
    const QString path =
        ChooseProfile(Presenter::FileUse::Save,
                      QString::fromStdString(SaveProfileTitle(fileName()).in(language())));
    if (path.isEmpty()) {
        return;
    }
    // Save merges the section into an existing profile; the question says so.
    const bool exists = QFileInfo::exists(path);
    if (exists && !CurrentPresenter().question(QString::fromStdString(
                      SaveIntoProfileQuestion(path.toStdString(), fileName()).in(language())))) {
        return;
    }
    std::optional<std::string> existing = std::string();
    if (exists && !(existing = readProfile(path, language()))) {
        return;
    }
    const BuildResult file = buildFile();
    std::string text;
    try {
        if (!file.ok()) {
            throw profile::ProfileError(file.error);
        }
        text = profile::ProfileWithSection(*existing, session_.model, *profileKind_, file.bytes);
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

void SetupDialog::onOpenProfile() {
    const QString path = ChooseProfile(Presenter::FileUse::Open,
                                       QString::fromStdString(kOpenProfileTitle.in(language())));
    const std::optional<std::string> text =
        path.isEmpty() ? std::nullopt : readProfile(path, language());
    if (!text) {
        return;
    }
    std::optional<CardSettings> card;
    try {
        const profile::Profile opened =
            profile::ProfileForDialog(*text, family(), *profileKind_, CaptureClock());
        const BuildResult file = profile::BuildSectionFile(opened, *profileKind_);
        if (!file.ok()) {
            throw profile::ProfileError(file.error);
        }
        card = cardSettings(file.bytes);
    } catch (const profile::ProfileError& e) {
        report(ProfileRefusedMessage(path.toStdString(), e.what()));
        return;
    }
    if (card) { // the file of a profile this family reads is one the dialog could write
        card->load();
        if (card->note != LoadNote::None) {
            report(LoadNoteMessage(card->note, LoadedFrom::Profile));
        }
    }
}

} // namespace rosmossel
