#include "support/recording_presenter.h"

#include "gui/dialogs/card_line.h"
#include "support/fake_cards.h"

namespace rosmossel {
namespace {

RecordingPresenter& seamPresenter() {
    static RecordingPresenter instance;
    return instance;
}

// The GUI tests never see the machine's own cards: one inserted while they
// run would become every dialog's folder, and Generate would write to it.
[[maybe_unused]] const bool kNoCards = [] {
    static testing::FakeCardSource none;
    SetCardSource(&none);
    return true;
}();

} // namespace

namespace test_seam {
void RecordMessages(bool record) {
    seamPresenter().messages.clear();
    seamPresenter().questions.clear();
    seamPresenter().folderStarts.clear();
    seamPresenter().answerYes = false;
    SetPresenter(record ? &seamPresenter() : nullptr);
}
std::vector<RecordedMessage> TakeMessages() {
    return std::exchange(seamPresenter().messages, {});
}
std::vector<QString> TakeQuestions() {
    return std::exchange(seamPresenter().questions, {});
}
void PresetNextFolder(const QString& folder) {
    seamPresenter().nextFolder = folder;
}
std::vector<QString> TakeFolderStarts() {
    return std::exchange(seamPresenter().folderStarts, {});
}
void AnswerQuestions(bool yes) {
    seamPresenter().answerYes = yes;
}
void PresetNextProfile(const QString& path) {
    seamPresenter().nextProfile = path;
}
std::vector<RecordingPresenter::ProfileChooser> TakeProfileChoosers() {
    return std::exchange(seamPresenter().profileChoosers, {});
}
} // namespace test_seam

} // namespace rosmossel
