#pragma once

// The folder row of a set-up dialog: the folder button, which asks the folder
// browser, and the field beside it, where a typed folder is confirmed with
// Enter or by leaving the field. Each pick is passed on to the dialog.

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;

namespace rosmossel {

class CardWatch;
class ControlFactory;

class FolderPicker : public QObject {
  public:
    // A typed folder counts from the next write (`typingLimit` 0: no limit);
    // a read-only field only shows what the browser chose. The field starts
    // with the default folder among the cards `cards` saw (none without a
    // watch); `picked` runs after every pick.
    FolderPicker(const ControlFactory& make, int buttonId, int fieldId, bool typed, int typingLimit,
                 CardWatch* cards, std::function<void()> picked, QObject* parent);

    QPushButton* button() const { return button_; }
    QLineEdit* field() const { return field_; }
    QString folder() const;
    // Notes the folder shown as one the dialog has dealt with; false when it
    // had been already. Compared as cleaned paths.
    bool markOffered();

  protected:
    // Enter in the field confirms the folder; it does not generate.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(const QString& folder);
    void browse();

    QPointer<CardWatch> cards_;
    QPushButton* button_;
    QPointer<QLineEdit> field_;
    int typingLimit_;
    std::function<void()> picked_;
    QSet<QString> seen_;
};

} // namespace rosmossel
