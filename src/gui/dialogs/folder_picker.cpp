#include "gui/dialogs/folder_picker.h"

#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/presenter.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace rosmossel {

FolderPicker::FolderPicker(const ControlFactory& make, int buttonId, int fieldId, bool typed,
                           int typingLimit, CardWatch* cards, std::function<void()> picked,
                           QObject* parent)
    : QObject(parent), cards_(cards), button_(make.button(buttonId, "selectButton")),
      field_(make.textBox(fieldId, "folder", button_)), typingLimit_(typingLimit),
      picked_(std::move(picked)) {
    show(DefaultFolder(SeenCards(cards_)));
    connect(button_, &QPushButton::clicked, this, &FolderPicker::browse);
    if (!typed) {
        SetEditable(field_, false);
        return;
    }
    connect(field_, &QLineEdit::editingFinished, this, [this] { picked_(); });
    field_->installEventFilter(this);
}

QString FolderPicker::folder() const {
    return field_ ? field_->text() : DefaultFolder(SeenCards(cards_));
}

bool FolderPicker::markOffered() {
    const QString cleaned = QDir::cleanPath(folder());
    if (seen_.contains(cleaned)) {
        return false;
    }
    seen_.insert(cleaned);
    return true;
}

bool FolderPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            picked_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FolderPicker::show(const QString& folder) {
    if (typingLimit_ > 0) {
        // The limit holds for typing; a longer chosen path is shown whole, so
        // writing cannot cut it short.
        field_->setMaxLength(std::max(typingLimit_, static_cast<int>(folder.size())));
    }
    field_->setText(folder);
}

void FolderPicker::browse() {
    show(ChooseFolder(folder(), SeenCards(cards_)));
    picked_();
}

} // namespace rosmossel
