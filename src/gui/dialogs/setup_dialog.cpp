#include "gui/dialogs/setup_dialog.h"

#include "core/format/file_reader.h"
#include "core/format/safe_writer.h"
#include "gui/dialogs/presenter.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace rosmossel {

SetupDialog::SetupDialog(Session& session, const char* title, QWidget* parent)
    : QDialog(parent), session_(session), make_(this, controls_),
      exchange_(this, session.languageNumber()) {
    setWindowTitle(QString::fromUtf8(title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
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
        field->setReadOnly(true);
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
    showFolder(ChooseFolder());
    folderPicked();
}

std::optional<SetupDialog::CardSettings> SetupDialog::cardSettings(const Bytes&) {
    return std::nullopt;
}

void SetupDialog::folderPicked() {
    if (cardFile_.empty()) {
        return;
    }
    const QString picked = QDir::cleanPath(folder());
    if (offeredFolders_.contains(picked)) {
        return;
    }
    offeredFolders_.insert(picked);
    const auto path = FindFileInFolder(picked.toStdString(), cardFile_);
    std::string error;
    const auto bytes = path ? ReadSettingsFile(*path, error) : std::nullopt;
    const auto card = bytes ? cardSettings(*bytes) : std::nullopt;
    if (!card) {
        return; // nothing to offer; the folder is still the one written to
    }
    Message question = LoadCardSettingsQuestion(cardFile_);
    if (!card->note.english.empty()) {
        question.english += "\n" + card->note.english;
        question.chinese += "\n" + card->note.chinese;
    }
    if (CurrentPresenter().question(QString::fromStdString(question.in(language())))) {
        card->load();
    }
}

QString SetupDialog::folder() const {
    return folderField_ ? folderField_->text() : DefaultFolder();
}

QPushButton* SetupDialog::makeExitButton(int id) {
    QPushButton* button = make_.button(id, "exitButton");
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
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
    const std::string path = FilePathInFolder(folder().toStdString(), fileName);
    if (auto error = WriteFileSafely(path, bytes)) {
        report(WriteFailedMessage(*error));
        return false;
    }
    report(success);
    return true;
}

void SetupDialog::finishSetup() {
    exchange_.show();
    ApplyDialogColours(this);
}

} // namespace rosmossel
