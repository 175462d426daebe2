#include "gui/dialogs/card_line.h"

#include "core/text/card_texts.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/presenter.h"
#include "platform/cards.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace rosmossel {
namespace {

CardSource*& cardSource() {
    static CardSource* source = nullptr;
    return source;
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CardSource& CurrentCardSource() {
    static SystemCardSource system;
    return cardSource() != nullptr ? *cardSource() : system;
}

void SetCardSource(CardSource* source) {
    cardSource() = source;
}

std::optional<QString> OnlyCardRoot() {
    const std::vector<Card> cards = CurrentCardSource().cards();
    if (cards.size() != 1) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(fromUtf8(cards.front().root));
}

CardLine::CardLine(QLineEdit* folder, const ControlFactory& make, int language, QWidget* parent)
    : QWidget(parent), folder_(folder), language_(language), text_(new QLabel(this)),
      eject_(make.button(kEjectCardId, "ejectButton")), poll_(new QTimer(this)) {
    setObjectName(QStringLiteral("cardLine"));
    text_->setObjectName(QStringLiteral("cardText"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    row->addWidget(eject_);
    connect(eject_, &QPushButton::clicked, this, &CardLine::onEject);
    connect(folder_, &QLineEdit::textChanged, this, [this] {
        ejected_ = false;
        showState();
    });
    // Reading the mount table or the drive letters once a second costs
    // next to nothing, and needs no notice from the system.
    poll_->setInterval(1000);
    connect(poll_, &QTimer::timeout, this, &CardLine::refresh);
    poll_->start();
    refresh();
}

std::optional<Card> CardLine::folderCard() const {
    return folder_ ? CardHoldingFolder(cards_, folder_->text().toStdString()) : std::nullopt;
}

void CardLine::refresh() {
    std::vector<Card> cards = CurrentCardSource().cards();
    if (cards != cards_) {
        cards_ = std::move(cards);
        if (folderCard()) {
            ejected_ = false; // a card is in again
        }
    }
    showState();
}

void CardLine::showState() {
    const std::optional<Card> card = folderCard();
    const QString text = !ejected_
                             ? fromUtf8(CardLineText(card, language_))
                             : fromUtf8(EjectResultText({EjectOutcome::Ejected, {}}, language_));
    if (text_->text() != text) {
        text_->setText(text);
    }
    eject_->setEnabled(card.has_value() && !ejected_);
}

bool CardLine::refuseWriteProtected() {
    refresh();
    const std::optional<Card> card = folderCard();
    if (!card || !card->writeProtected()) {
        return false;
    }
    ShowMessage(fromUtf8(WriteProtectedText(*card, language_)));
    return true;
}

void CardLine::onEject() {
    refresh();
    const std::optional<Card> card = folderCard();
    if (!card) {
        return;
    }
    const EjectResult result = CurrentCardSource().eject(*card);
    if (result.outcome == EjectOutcome::Ejected) {
        cards_ = CurrentCardSource().cards();
        ejected_ = true;
    }
    showState();
    ShowMessage(fromUtf8(EjectResultText(result, language_)));
}

} // namespace rosmossel
