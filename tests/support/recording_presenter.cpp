#include "support/recording_presenter.h"

namespace rosmossel {
namespace {

RecordingPresenter& seamPresenter() {
    static RecordingPresenter instance;
    return instance;
}

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
