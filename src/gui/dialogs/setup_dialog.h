#pragma once

// What every set-up dialog repeats: the session, its controls by identifier,
// the data exchange, the folder row, the Generate sequence and the loading of
// what a card holds, the button row with the profile actions, and Exit
// (Escape, the close box) back to the main window.

#include "core/format/decoded_file.h"
#include "core/format/file_record.h"
#include "core/format/multi_record.h"
#include "core/format/settings_files.h"
#include "core/session/session.h"
#include "core/text/messages.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/data_exchange.h"
#include "gui/dialogs/profile_actions.h"

#include <QDialog>
#include <QLineEdit>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace rosmossel {

class CardLine;
class CardWatch;
class FolderPicker;

// Stops the tool where a dialog asks for a control it does not have, or one
// of another kind: a mistake in the dialog's code, shown where it is made.
[[noreturn]] void MissingControl(int id, const char* kind);

// What tells the Quill and Sedge dialogs of one job apart: the family (its
// lists, limits and messages), the class name, and whether the job's
// Quill-only controls are there (the camera menu's Beep Sound and SD Cycle,
// the MMS remote control, the e-mail MMS send mode and remote control).
struct DialogFamily {
    Family family;
    const char* className;
    bool quillControls;
};

class SetupDialog : public QDialog {
    Q_OBJECT

  public:
    ~SetupDialog() override;

  protected:
    // What the dialog's job fixes: its `catalogue`, the folder field named
    // "Folder" where `folderName` says so (else its button's caption names
    // it), and `file`, the file Generate writes, the profile buttons keep and
    // a folder is offered for loading by (see cardSettings).
    enum class FolderName { ButtonCaption, Folder };
    struct Job {
        const LanguageTable& catalogue;
        FolderName folderName;
        FileKind file;
    };

    // The dialog reads the session's language once, here. The window title
    // is the family's, the same in every language; the class name names the
    // dialog's object ("CQuillMenuDlg").
    // `cards`: the application's card watch, or none (no card is seen).
    SetupDialog(const DialogFamily& family, const Job& job, Session& session, CardWatch* cards,
                QWidget* parent);

    Session& session() const { return session_; }
    Family family() const { return family_.family; }
    bool quillControls() const { return family_.quillControls; }
    int language() const { return session_.languageNumber(); }
    const ControlFactory& make() const { return make_; }
    const ControlMap& controls() const { return controls_; }
    template <typename T = QWidget> T* control(int id) const {
        T* found = qobject_cast<T*>(controls_.value(id));
        if (found == nullptr) {
            MissingControl(id, T::staticMetaObject.className());
        }
        return found;
    }
    int selected(int listId) const;
    void select(int listId, int index);
    DataExchange& exchange() { return exchange_; }

    // The folder button and the field beside it; the button asks the folder
    // browser. A typed folder counts from the next write (`typingLimit` 0:
    // no limit); a read-only field only shows what the browser chose.
    enum class FolderTyping { Typed, ReadOnly };
    struct FolderRow {
        QPushButton* button;
        QLineEdit* field;
    };
    FolderRow makeFolderRow(int buttonId, int fieldId, FolderTyping typing, int typingLimit = 0);
    // The folder the next file goes to, a typed one included.
    QString folder() const;

    // The row of Generate (the default button: Enter anywhere in the dialog
    // runs generate()), the profile buttons, the `middle` buttons (identifier
    // and name) and Exit (back to the main window, as Escape and the close
    // box), made in that order, which is the tab order, and centred or spread
    // to the row's ends.
    enum class ButtonSpread { Centred, Ends };
    QHBoxLayout* makeButtonRow(int generateId, int exitId, ButtonSpread spread,
                               std::initializer_list<std::pair<int, const char*>> middle = {});

    // Shows a message the tool composes, in Chinese or English by the language.
    void report(const Message& message) const;
    // Writes `bytes` to `fileName` in the folder. Success shows `success`; a
    // failure names the file and the system's reason. True when written.
    bool writeToFolder(std::string_view fileName, std::span<const std::uint8_t> bytes,
                       const Message& success);
    // Generate: what the fields show is what gets written. The input is
    // checked (checkInput) and buildFile() makes the bytes, written into the
    // folder as the dialog's file with the family's success message. True
    // when written.
    bool generate();
    struct GenerateProblem {
        Message message;
        QLineEdit* field = nullptr;
    };
    // The core's checks of what Generate would write, in their order; the
    // first problem, or none.
    virtual std::optional<GenerateProblem> checkInput() { return std::nullopt; }
    // A core check's problem that names no field; none when `problem` is empty.
    static std::optional<GenerateProblem> fieldlessProblem(const std::string& problem) {
        if (problem.empty()) {
            return std::nullopt;
        }
        return GenerateProblem{{problem, problem}};
    }
    // A core check's problem with the box bound to the text it names.
    template <typename Text>
    std::optional<GenerateProblem>
    inTextBox(const std::optional<TextProblem<Text>>& problem) const {
        if (!problem) {
            return std::nullopt;
        }
        return GenerateProblem{*problem, textBoxes_.at(static_cast<std::size_t>(problem->text))};
    }

    // The box bound to the file's text `text` (bindFileTexts).
    template <typename Text> QLineEdit* textBoxOf(Text text) const {
        return textBoxes_.at(static_cast<std::size_t>(text));
    }

    // Binds each text box of `order` (the exchange order) to its text of
    // `values`, named by the file's enum of its `fields` and typed up to the
    // bytes the field allows; the box `checkedId` also runs `check` while the
    // user types. Every text of the file has its box.
    template <typename Settings, typename Text, std::size_t N, std::size_t M>
    void bindFileTexts(Settings& values, const std::pair<int, Text> (&order)[N],
                       const std::array<TextField<Settings>, M>& fields, int checkedId = 0,
                       const TextCheck& check = {}) {
        static_assert(N == M, "a box for every text of the file");
        textBoxes_.assign(M, nullptr);
        for (const auto& [id, text] : order) {
            const TextField<Settings>& field = fields[static_cast<std::size_t>(text)];
            QLineEdit* box = control<QLineEdit>(id);
            textBoxes_[static_cast<std::size_t>(text)] = box;
            exchange_.bindFileText(box, &(values.*field.member), static_cast<int>(field.limit),
                                   id == checkedId ? check : TextCheck{},
                                   DataExchange::CheckWhile::Typing);
        }
    }

    // What the named class runs once the whole dialog exists (see
    // NamedDialog): its layout and its bindings made, the catalogue applied
    // in the dialog's language (captions, and the option lists filled with
    // their defaults selected), the dialog's first state shown, the window's
    // size fixed, the colours, the values shown in their fields, and only then
    // the handlers connected, so that setting the dialog up runs none of its
    // rules.
    void setUp();
    virtual void buildLayout() = 0;
    virtual void bindValues() = 0;
    virtual void showFirstState() {}
    virtual void connectHandlers() {}
    // The file of what the fields hold: what Generate writes and Save profile keeps.
    virtual BuildResult buildFile() const = 0;

    // A user's edit: the fields taken (a failure is shown; the reaction goes
    // on), `react` run, and the values shown again.
    void retake(const std::function<void()>& react);
    // A number edited: the fields taken, and the value put back where `repair`
    // changes it (the range message has been shown).
    void repairAfterEdit(int& value, const std::function<int(int)>& repair);

    // Picking up what a card already holds. When the user picks a folder (the
    // browser, or a typed folder confirmed with Enter or by leaving the field)
    // that holds the card file in any letter case, and cardSettings() accepts
    // its bytes, the dialog asks once per folder whether to load them. The
    // same settings are what Open profile loads. Nothing for a file that is
    // damaged, of the other family or not one the dialog could have written.
    // The file comes decoded as the dialog's family.
    virtual std::optional<CardSettings> cardSettings(const DecodedFile& file);

  private:
    void addCardLine();
    // *Write to all cards*: Generate's checks once, then this dialog's file
    // to every camera card inserted, off the GUI thread, with one result per
    // card in a small list.
    void writeToAllCards();
    void folderPicked();
    // What Generate and Save profile refuse alike: the fields are taken (the
    // first that cannot be read stops it, with the focus in it) and
    // checkInput() runs (its problem is shown and stops it, with the focus in
    // its field where it names one). True when the input may be written.
    bool inputAccepted();
    const char* fileName() const { return SettingsFile(job_.file).fileName; }

    Session& session_;
    CardWatch* cards_;
    const DialogFamily& family_;
    Job job_;
    ControlMap controls_;
    ControlFactory make_;
    DataExchange exchange_;
    ProfileActions profileActions_;
    FolderPicker* folder_ = nullptr;
    CardLine* cardLine_ = nullptr;
    bool setUp_ = false;
    std::vector<QLineEdit*> textBoxes_; // by the file's text enum
};

// The named Quill and Sedge classes (CQuillMenuDlg, ...): one dialog
// implementation over the family descriptor `kFamily`. The dialog is set up
// here, once it is whole, so that its overrides run and no dialog's own
// constructor has to remember to end with it.
template <typename Dialog, const DialogFamily& kFamily> class NamedDialog final : public Dialog {
  public:
    explicit NamedDialog(Session& session, CardWatch* cards = nullptr, QWidget* parent = nullptr)
        : Dialog(kFamily, session, cards, parent) {
        this->setUp();
    }
};

} // namespace rosmossel
