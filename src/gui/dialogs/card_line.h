#pragma once

// The line of every set-up dialog that says which SD card its folder is on
// (label, file system, free space, write protection) or that it is on none,
// with the Eject button beside it. Cards inserted or taken out while the
// dialog is open show within a second.

#include "core/card/card.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace rosmossel {

class ControlFactory;

// The cards the dialogs see: the system's, unless a test put its own in
// place. Passing nullptr restores the system's.
CardSource& CurrentCardSource();
void SetCardSource(CardSource* source);

// The root of the one card inserted, in native form; none with no card or
// several.
std::optional<QString> OnlyCardRoot();

class CardLine : public QWidget {
    Q_OBJECT

  public:
    // Follows what `folder` holds; the Eject button is made by `make` (its
    // caption comes with the dialog's others).
    CardLine(QLineEdit* folder, const ControlFactory& make, int language, QWidget* parent);

    // Where the folder is on a write-protected card: explains the lock switch
    // and gives true, so that nothing is tried.
    bool refuseWriteProtected();

  private:
    void refresh();
    void showState();
    void onEject();
    std::optional<Card> folderCard() const;

    QPointer<QLineEdit> folder_;
    int language_;
    QLabel* text_;
    QPushButton* eject_;
    QTimer* poll_;
    std::vector<Card> cards_;
    bool ejected_ = false; // "can be removed" shown until the folder changes or a card is in
};

} // namespace rosmossel
