#include "gui/dialogs/card_line.h"

#include "core/text/card_texts.h"
#include "core/text/many_cards_texts.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/presenter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace rosmossel {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CardLine::CardLine(QLineEdit* folder, const ControlFactory& make, int language, CardWatch* cards,
                   QWidget* parent)
    : QWidget(parent), folder_(folder), language_(language), watch_(cards), text_(new QLabel(this)),
      eject_(make.button(kEjectCardId, "ejectButton")),
      writeAll_(make.button(kWriteAllCardsId, "writeAllCardsButton")) {
    setObjectName(QStringLiteral("cardLine"));
    text_->setObjectName(QStringLiteral("cardText"));
    // A card the camera cannot read says what to do: a long line, which
    // wraps rather than widening the dialog.
    text_->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    row->addWidget(writeAll_);
    row->addWidget(eject_);
    connect(eject_, &QPushButton::clicked, this, &CardLine::onEject);
    connect(writeAll_, &QPushButton::clicked, this, &CardLine::writeAllRequested);
    connect(folder_, &QLineEdit::textChanged, this, [this] {
        ejected_ = false;
        showState();
    });
    if (watch_) {
        connect(watch_, &CardWatch::cardsChanged, this, [this] { take(watch_->cards()); });
        cards_ = watch_->cards(); // what the watcher saw last; no waiting for a card
    }
    showState();
}

std::optional<Card> CardLine::folderCard() const {
    return folder_ ? CardHoldingFolder(cards_, folder_->text().toStdString()) : std::nullopt;
}

void CardLine::take(std::vector<Card> cards) {
    if (cards != cards_) {
        const bool wasOnCard = folderCard().has_value();
        cards_ = std::move(cards);
        if (folderCard() && !wasOnCard) {
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
    eject_->setEnabled(card.has_value() && !ejected_ && !ejecting_);
    writeAll_->setVisible(cameraCards().size() >= 2);
}

std::vector<Card> CardLine::cameraCards() const {
    std::vector<Card> cameras;
    std::copy_if(cards_.begin(), cards_.end(), std::back_inserter(cameras), CameraCard);
    return cameras;
}

bool CardLine::refuseWriteProtected() {
    const std::optional<Card> card = folderCard();
    if (card && !card->responding) {
        // Writing there would hold the dialog until the card answers.
        ShowMessage(fromUtf8(CardLineText(card, language_)));
        return true;
    }
    if (!card || !card->writeProtected()) {
        return false;
    }
    ShowMessage(fromUtf8(WriteProtectedText(*card, language_)));
    return true;
}

void CardLine::written() {
    if (watch_) {
        watch_->refresh();
    }
}

void CardLine::onEject() {
    const std::optional<Card> card = folderCard();
    if (!card || !watch_ || ejecting_) {
        return;
    }
    // UDisks2 may ask for authorisation: the dialog stays with the owner,
    // the button says the eject is under way.
    if (!watch_->eject(*card, this, [this, ejected = *card](EjectResult result) {
            ejectEnded(ejected, result);
        })) {
        return;
    }
    ejecting_ = true;
    ejectCaption_ = eject_->text();
    eject_->setText(ejectCaption_ + QStringLiteral(" …"));
    showState();
}

void CardLine::ejectEnded(const Card& card, const EjectResult& result) {
    ejecting_ = false;
    eject_->setText(ejectCaption_);
    if (result.outcome == EjectOutcome::Ejected && watch_) {
        cards_ = watch_->cards();
        // The line tells the card can go while the folder still names it.
        ejected_ =
            folder_ &&
            CardHoldingFolder(std::vector<Card>{card}, folder_->text().toStdString()).has_value();
    }
    showState();
    ShowMessage(fromUtf8(EjectResultText(result, language_)));
}

} // namespace rosmossel
