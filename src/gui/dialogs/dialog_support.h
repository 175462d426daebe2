#pragma once

// What every set-up dialog shares: controls known by identifier, the catalogue
// applied by identifier, the data exchange between fields and values, the
// message box and the folder chooser. Message box and folder chooser have a
// test seam so that tests never wait for a user.

#include "core/text/language_table.h"
#include "core/text/messages.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace rosmossel {

// Every control carries its numeric identifier under this property name.
inline constexpr char kControlIdProperty[] = "controlId";

// The controls of one window by identifier, found in one walk over its
// children (static texts, identifier -1, are left out).
using ControlMap = QHash<int, QWidget*>;
ControlMap ControlsById(const QWidget* root);

void SetControlId(QWidget* control, int id, const QString& objectName);
QWidget* FindControl(const QWidget* root, int id);
template <typename T> T* FindControlAs(const QWidget* root, int id) {
    return qobject_cast<T*>(FindControl(root, id));
}

// The accessible name of `control` follows the text of `label` (a label or a
// button beside it; plus `suffix`, for controls that share one label). Labels
// and buttons are named by their own text.
void LabelControl(QWidget* control, QWidget* label, const QString& suffix = {});
QString ControlText(const QWidget* control);

// Sets the text of a label, button or group frame, and the accessible names
// that follow it.
void SetControlText(QWidget* control, const QString& text);

// The one routine that puts catalogue text into a window. Controls the window
// does not have are skipped: the catalogues serve both camera families.
void ApplyCaptions(const ControlMap& controls, std::span<const CaptionEntry> captions,
                   int language);
// Appends each list's entries in index order and selects its default entry.
void FillOptionLists(const ControlMap& controls, std::span<const OptionListEntry> lists,
                     int language);

// Background RGB(111, 153, 224) and white text, as every window of the tool.
void ApplyDialogColours(QWidget* dialog);

// The program's message box: caption "Ros Mossel", the application icon, one
// OK button, no owner window. Returns when the box is closed.
void ShowMessage(const QString& text);
// The toolkit's own prompts (not a number, out of the toolkit's range): owned
// by the dialog, warning icon, captioned with the program file's name.
void ShowToolkitPrompt(QWidget* owner, const QString& text);

// "C:\" on Windows, the user's home folder elsewhere.
QString DefaultFolder();
// The platform's folder browser. Cancelled, or an item with no file-system
// path, gives DefaultFolder(). Any length of path is returned whole.
QString ChooseFolder();

// Tests: record messages instead of showing them, and answer the next folder
// browser without showing it.
struct RecordedMessage {
    QString text;
    bool toolkitPrompt = false;
};
namespace test_seam {
void RecordMessages(bool record);
std::vector<RecordedMessage> TakeMessages();
// An empty text stands for a cancelled browser.
void PresetNextFolder(const QString& folder);
} // namespace test_seam

// A failed field check: the text to show and in which box.
struct FieldFailure {
    QString text;
    bool toolkitPrompt = false;
};
using IntegerCheck = std::function<std::optional<FieldFailure>(int)>;
using TextCheck = std::function<std::optional<FieldFailure>(const QString&)>;

// The program's range check, in English or Chinese by CurrentLanguage.
IntegerCheck RangeCheck(int min, int max);
// The toolkit's own range check (the e-mail dialogs' picture count): its
// Chinese prompt, in the toolkit's box, in every language.
IntegerCheck ToolkitRangeCheck(int min, int max);
// A program message check on a text (e.g. the phone number length).
FieldFailure ProgramFailure(const Message& message);

// Moves values between a dialog's fields and its members, in the dialog's
// exchange order.
class DataExchange {
  public:
    explicit DataExchange(QWidget* dialog) : dialog_(dialog) {}

    void bindInteger(QLineEdit* field, int* value, IntegerCheck check = {});
    // maxLength 0: no typing limit.
    void bindText(QLineEdit* field, QString* value, int maxLength = 0, TextCheck check = {});

    // Reads the fields in order. The first failure shows its message, puts the
    // focus in its field with the text selected and stops the take there; the
    // values before it (and the failing one, when it was read) are updated.
    bool take();
    // Writes every value into its field and installs the typing limits.
    void show();

  private:
    struct Binding {
        QLineEdit* field;
        int* integer;
        QString* text;
        int maxLength;
        IntegerCheck integerCheck;
        TextCheck textCheck;
    };
    bool fail(QLineEdit* field, const FieldFailure& failure);

    QWidget* dialog_;
    std::vector<Binding> bindings_;
};

} // namespace rosmossel
