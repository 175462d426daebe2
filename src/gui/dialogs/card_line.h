#pragma once

// The line of every set-up dialog that says which SD card its folder is on
// (label, file system, free space, write protection, whether a camera reads
// it, whether it answers) or that it is on none, with the Eject button
// beside it. It shows what the application's card watcher saw last, so
// cards inserted or taken out while the dialog is open show as the system
// tells of them, and a card that hangs never holds the dialog.

#include "core/card/card.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rosmossel {

class CardWatch;
class ControlFactory;

class CardLine : public QWidget {
    Q_OBJECT

  public:
    // Follows what `folder` holds and what `cards` sees (none without a
    // watch); the Eject button is made by `make` (its caption comes with the
    // dialog's others).
    CardLine(QLineEdit* folder, const ControlFactory& make, int language, CardWatch* cards,
             QWidget* parent);

    // Where the folder is on a write-protected card or one not responding:
    // explains the lock switch, the read-only mount or the silence and gives
    // true, so that nothing is tried.
    bool refuseWriteProtected();
    // After a write: the free space shown is looked at again.
    void written();
    // The camera cards inserted now (*Write to all cards* writes to them).
    std::vector<Card> cameraCards() const;

  signals:
    // *Write to all cards*, shown while two or more camera cards are in.
    void writeAllRequested();

  private:
    void take(std::vector<Card> cards);
    void showState();
    void onEject();
    void ejectEnded(const Card& card, const EjectResult& result);
    std::optional<Card> folderCard() const;

    QPointer<QLineEdit> folder_;
    int language_;
    QPointer<CardWatch> watch_;
    QLabel* text_;
    QPushButton* eject_;
    QPushButton* writeAll_;
    QString ejectCaption_;
    std::vector<Card> cards_;
    bool ejecting_ = false;
    bool ejected_ = false; // "can be removed" shown until the folder changes or a card is in
};

} // namespace rosmossel
