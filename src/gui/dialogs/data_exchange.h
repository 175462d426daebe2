#pragma once

// Moves values between a dialog's fields and its members, in the dialog's
// exchange order: take reads and checks, show writes back.

#include "core/text/messages.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace rosmossel {

// A failed field check: the message and whether the toolkit's box shows it.
struct FieldFailure {
    Message message;
    bool toolkitPrompt = false;
};
using IntegerCheck = std::function<std::optional<FieldFailure>(int)>;
using TextCheck = std::function<std::optional<FieldFailure>(const QString&)>;

// The program's range check, in English or Chinese by the dialog's language.
IntegerCheck RangeCheck(int min, int max);
// The toolkit's own range check (the e-mail dialogs' picture count): its
// Chinese prompt, in the toolkit's box, in every language.
IntegerCheck ToolkitRangeCheck(int min, int max);
// A program message check on a text (e.g. the phone number length).
FieldFailure ProgramFailure(const Message& message);

class DataExchange {
  public:
    // `language` chooses the messages' language (Chinese for 1, else English).
    explicit DataExchange(QWidget* dialog, int language) : dialog_(dialog), language_(language) {}

    void bindInteger(QLineEdit* field, int* value, IntegerCheck check = {});
    // maxLength 0: no typing limit. The text stays as typed (a folder, the clock).
    void bindText(QLineEdit* field, QString* value, int maxLength = 0, TextCheck check = {});
    // A text the file stores: as bytes of the system's code page, at most
    // maxBytes of them. A character the code page cannot hold is refused with
    // a message naming the field (its accessible name); nothing is replaced
    // or cut. `check` runs on the text as typed, after the conversion.
    // A `check` that holds only while typing is left out when Generate takes.
    enum class CheckWhile { Always, Typing };
    void bindFileText(QLineEdit* field, std::string* bytes, int maxBytes, TextCheck check = {},
                      CheckWhile when = CheckWhile::Always);
    // A drop-down list's selected position.
    void bindList(QComboBox* list, int* index);

    // Reads the fields in order. The first failure shows its message, puts the
    // focus in its field with the text selected and stops the take there; the
    // values before it (and the failing one, when it was read) are updated.
    enum class Purpose { Typing, Generate };
    bool take(Purpose purpose = Purpose::Typing);
    // Writes every value into its field and installs the typing limits. The
    // field of the last take's failure keeps its whole text selected.
    void show();

  private:
    enum class Kind { Integer, Text, FileText, List };
    struct Binding {
        Kind kind;
        QPointer<QWidget> field;
        std::variant<int*, QString*, std::string*> value;
        int maxLength;
        IntegerCheck integerCheck;
        TextCheck textCheck;
        bool checkWhileTyping = false;
    };
    bool takeOne(const Binding& b);
    bool fail(QLineEdit* field, const FieldFailure& failure);

    QWidget* dialog_;
    int language_;
    std::vector<Binding> bindings_;
    Purpose purpose_ = Purpose::Typing;
    QPointer<QLineEdit> failed_;
};

} // namespace rosmossel
