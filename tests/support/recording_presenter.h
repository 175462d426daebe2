#pragma once

// The presenter the GUI tests put in place of the platform's boxes.

#include "gui/dialogs/presenter.h"

#include <QString>

#include <utility>
#include <vector>

namespace rosmossel {

// A presenter for tests: records every box and answers the folder browser
// and the questions from what the test preset.
struct RecordedMessage {
    QString text;
    bool toolkitPrompt = false;
};
class RecordingPresenter final : public Presenter {
  public:
    void message(const QString& text) override { messages.push_back({text, false}); }
    void toolkitPrompt(QWidget*, const QString& text) override { messages.push_back({text, true}); }
    bool question(const QString& text) override {
        questions.push_back(text);
        return answerYes;
    }
    QString chooseFolder(const QString& start) override {
        folderStarts.push_back(start);
        return std::exchange(nextFolder, QString());
    }
    QString chooseProfile(FileUse use, const QString& title, const QString& folder) override {
        profileChoosers.push_back({use, title, folder});
        return std::exchange(nextProfile, QString());
    }

    std::vector<RecordedMessage> messages;
    std::vector<QString> questions;
    QString nextFolder;                // empty: the browser is cancelled
    std::vector<QString> folderStarts; // where each browser opened
    struct ProfileChooser {
        FileUse use;
        QString title;
        QString folder;
    };
    std::vector<ProfileChooser> profileChoosers;
    QString nextProfile; // empty: the chooser is cancelled
    bool answerYes = false;
};

// The seams the first dialog tests were written against, over one shared
// RecordingPresenter.
namespace test_seam {
void RecordMessages(bool record);
std::vector<RecordedMessage> TakeMessages();
std::vector<QString> TakeQuestions();
// An empty text stands for a cancelled browser.
void PresetNextFolder(const QString& folder);
// Where the folder browsers opened so far.
std::vector<QString> TakeFolderStarts();
// The answer of the next questions (No unless set).
void AnswerQuestions(bool yes);
// The profile chooser's next answer (empty: cancelled), and its openings so far.
void PresetNextProfile(const QString& path);
std::vector<RecordingPresenter::ProfileChooser> TakeProfileChoosers();
} // namespace test_seam

} // namespace rosmossel
