#pragma once

// Creates the controls of a set-up dialog, each with its identifier, its
// objectName and its accessible name, and the few layout pieces the dialogs
// share.

#include "gui/dialogs/control_registry.h"

#include <QColor>

#include <initializer_list>
#include <utility>

class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rosmossel {

// Labels the program never addresses.
inline constexpr int kStaticId = -1;

class ControlFactory {
  public:
    // Controls are created as children of `dialog` and entered into `controls`.
    ControlFactory(QWidget* dialog, ControlMap& controls) : dialog_(dialog), controls_(controls) {}

    QLabel* label(int id, const char* name, const char* text = "") const;
    // A captioned control is named after its caption (plus `suffix`).
    QComboBox* list(int id, const char* name, QWidget* caption, const QString& suffix = {}) const;
    // A short centred box; digits only unless `allowSign`.
    QLineEdit* numberBox(int id, const char* name, QWidget* caption, const QString& suffix = {},
                         bool allowSign = false) const;
    QLineEdit* textBox(int id, const char* name, QWidget* caption,
                       const QString& suffix = {}) const;
    // A text box that masks what is typed.
    QLineEdit* passwordBox(int id, const char* name, QWidget* caption) const;
    QPushButton* button(int id, const char* name) const;
    QGroupBox* frame(int id, const char* name) const;
    // For controls without a caption of their own: a fixed English name.
    static void name(QWidget* control, const QString& accessibleName);

  private:
    void identify(QWidget* control, int id, const char* name) const;

    QWidget* dialog_;
    ControlMap& controls_;
};

QFrame* Separator(QWidget* parent);
// The widgets side by side, with the rest of the row left empty unless
// `stretch` is false.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch = true);

// A switch list, then number boxes with their unit labels ("Hour", "Min")
// above them, separated by ":"; a part without a unit is a caption between
// groups of boxes.
QGridLayout* TimeRow(const ControlFactory& make, QComboBox* switchList,
                     std::initializer_list<std::pair<QWidget*, QLabel*>> parts);
// Lists that share a field column take its width, whatever they hold, so that
// a long entry does not resize the window.
void SpanColumn(QComboBox* list);

// Read-only boxes look grey, as the platform's dialogs show them.
void SetEditable(QLineEdit* box, bool editable);

// The colours of every window of the tool: this background and white text.
inline constexpr QColor kDialogBackground{111, 153, 224};
inline constexpr QColor kDialogText{255, 255, 255};
void ApplyDialogColours(QWidget* dialog);

} // namespace rosmossel
