#include "gui/dialogs/setup_dialog.h"

#include "core/format/file_reader.h"
#include "core/format/safe_writer.h"
#include "core/text/card_texts.h"
#include "core/text/many_cards_texts.h"
#include "gui/dialogs/card_line.h"
#include "gui/dialogs/card_results.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/folder_picker.h"
#include "gui/dialogs/guide.h"
#include "gui/dialogs/presenter.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace rosmossel {

void MissingControl(int id, const char* kind) {
    qFatal("A set-up dialog has no control %d that is a %s", id, kind);
}

SetupDialog::SetupDialog(const DialogFamily& family, const Job& job, Session& session,
                         CardWatch* cards, QWidget* parent)
    : QDialog(parent), session_(session), cards_(cards), family_(family), job_(job),
      make_(this, controls_), exchange_(this, session.languageNumber()),
      profileActions_(
          this, session, family.family, job.file,
          [this]() -> std::optional<BuildResult> {
              if (!inputAccepted()) {
                  return std::nullopt;
              }
              return buildFile();
          },
          [this](const Bytes& bytes) {
              return cardSettings(DecodeSettingsFile(fileName(), bytes, this->family()));
          }) {
    setObjectName(QString::fromLatin1(family.className));
    setWindowTitle(QString::fromUtf8(FamilyTitle(family.family)));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// A dialog deleted while shown hides in QDialog's destructor; the folder
// field then loses the focus and must not call back into what is gone.
SetupDialog::~SetupDialog() {
    delete folder_;
}

int SetupDialog::selected(int listId) const {
    return control<QComboBox>(listId)->currentIndex();
}

void SetupDialog::select(int listId, int index) {
    control<QComboBox>(listId)->setCurrentIndex(index);
}

SetupDialog::FolderRow SetupDialog::makeFolderRow(int buttonId, int fieldId, FolderTyping typing,
                                                  int typingLimit) {
    folder_ = new FolderPicker(
        make_, buttonId, fieldId, typing == FolderTyping::Typed, typingLimit, cards_,
        [this] { folderPicked(); }, this);
    return {folder_->button(), folder_->field()};
}

std::optional<CardSettings> SetupDialog::cardSettings(const DecodedFile&) {
    return std::nullopt;
}

void SetupDialog::folderPicked() {
    if (!setUp_ || !folder_->markOffered()) {
        return;
    }
    const auto path = FindFileInFolder(QDir::cleanPath(folder()).toStdString(), fileName());
    const auto card = path ? cardSettings(ReadDecodedSettingsFile(*path, family())) : std::nullopt;
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
    return folder_ != nullptr ? folder_->folder() : DefaultFolder(SeenCards(cards_));
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
    profileActions_.addButtons(make_, row);
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
    if (folder_ != nullptr) {
        folder_->markOffered();
    }
    if (cardLine_ != nullptr && cardLine_->refuseWriteProtected()) {
        return false;
    }
    const std::string path = FilePathInFolder(folder().toStdString(), fileName);
    if (auto error = WriteFileSafely(path, bytes)) {
        report(WriteFailedMessage(*error));
        return false;
    }
    if (cardLine_ != nullptr) {
        cardLine_->written();
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
    return writeToFolder(fileName(), file.bytes, FileGeneratedMessage(job_.file, family_.family));
}

void SetupDialog::writeToAllCards() {
    if (cardLine_ == nullptr || !inputAccepted()) {
        return;
    }
    const BuildResult file = buildFile();
    if (!file.ok()) {
        report({file.error, file.error});
        return;
    }
    auto* results = new CardResults(cardLine_->cameraCards(), {{fileName(), file.bytes}}, cards_,
                                    language(), this);
    results->setAttribute(Qt::WA_DeleteOnClose);
    results->show();
}

void SetupDialog::setUp() {
    const LanguageTable& catalogue = job_.catalogue;
    buildLayout();
    addCardLine();
    bindValues();
    FillOptionLists(controls_, catalogue.optionLists, language());
    ApplyCaptions(controls_, catalogue.captions, language());
    ApplyCaptions(controls_, catalogue.familyCaptions, language());
    ApplyCaptions(controls_, kProfileCaptions, language());
    ApplyCaptions(controls_, std::span(&kEjectCaption, 1), language());
    ApplyCaptions(controls_, std::span(&kWriteAllCardsCaption, 1), language());
    if (job_.folderName == FolderName::Folder) {
        ControlFactory::name(folder_->field(), QStringLiteral("Folder"));
    }
    showFirstState();
    setUp_ = true;
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    exchange_.show();
    ApplyDialogColours(this);
    connectHandlers();
    // F1 anywhere in the dialog: the guide at this job's section.
    const char* section = SettingsFile(job_.file).guideSection;
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this, section] { OpenGuide(session_, section, language()); });
}

// The card line goes below everything else, in a line of its own, so the
// dialog's own rows and tab order stay as they are.
void SetupDialog::addCardLine() {
    if (folder_ == nullptr) {
        return;
    }
    cardLine_ = new CardLine(folder_->field(), make_, language(), cards_, this);
    connect(cardLine_, &CardLine::writeAllRequested, this, &SetupDialog::writeToAllCards);
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

} // namespace rosmossel
