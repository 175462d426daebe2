#pragma once

// The Cards window: every card inserted, with what it is (label, file
// system, free space, write protection) and what its settings files hold,
// following cards as they come and go. Files are read off the GUI thread, a
// card at a time, so a card that stops answering holds only its own row.
// From here the owner writes a profile to every card or to each card as it
// is put in (the production line), saves a report of the cards and ejects
// them all. Cards are written off the GUI thread, one after another; each
// card's progress and result stand in its row, and every result of the last
// run in the list under the table (a card taken out leaves the table, not
// the list).

#include "core/card/card_batch.h"
#include "core/card/card_contents.h"
#include "core/card/card_report.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rosmossel {

class CardWatch;
struct Session;

class CardsWindow : public QDialog {
    Q_OBJECT

  public:
    // How a card's files are read: the core's ReadCardContents, or a test's.
    using Reader = std::function<CardContents(const std::string& root)>;

    // How one card is written: the core's WriteCard, or the pictures tool's
    // stand-in, which shows results without touching a disk.
    using Writer = std::function<CardResult(const Card&, std::span<const CardFile>,
                                            const std::function<std::vector<Card>()>&)>;

    // `watch` may be none: the window then shows no card.
    CardsWindow(CardWatch* watch, const Session& session, QWidget* parent = nullptr,
                Reader read = {}, Writer write = WriteCard);

    // The rows shown, each card's files as read so far.
    const std::vector<CardReportRow>& rows() const { return rows_; }
    // True once every card shown has had its files read.
    bool allRead() const;
    // Writes the report of the cards shown to `path`: HTML where the name
    // ends in .htm or .html, CSV otherwise. The reason when it was not saved.
    std::optional<std::string> saveReport(const QString& path, const QString& date) const;
    // Asks for a profile and writes its files to every camera card shown,
    // one after another, each card's result in its row; the table is read
    // again once every card has its result. A profile that does not build
    // is refused with the reason, nothing written.
    void writeProfile();
    // The production line: asks for a profile, then writes each card
    // inserted (those in already first) once, reads it back and ejects it,
    // numbering the cards, until stopped. A card still in is not written
    // again. While it runs its button stops it.
    void writeEachCard();
    // Ends the production line; a card under way is finished first.
    void stopLine();
    bool lineRunning() const { return line_; }
    // Ejects every card shown, one after another; the outcome of each lands
    // in the status line.
    void ejectAll();

    // The results of the last run (Write profile to all or the production
    // line), in the order the cards were handled.
    const std::vector<CardResult>& results() const { return results_; }
    // True while cards are written (or, on the production line, ejected).
    bool writing() const { return !queue_.empty() || busy_; }

    void done(int result) override;

  signals:
    void cardsRead();
    void ejectsDone();
    // Write profile to all has every card's result.
    void allWritten();
    // The production line has handled a card (written or not, ejected).
    void lineCardDone();
    // The production line has ended.
    void lineStopped();

  private:
    // One card's write, off the GUI thread; `done` on the GUI thread.
    void writeCard(const Card& card, std::function<void(CardResult)> done);
    void writeNext();
    void lineLook();
    void lineWritten(CardResult result);
    void lineCardEnded(const CardResult& result, const std::string& note);
    void finishLine();
    void startRun(std::vector<CardFile> files);
    void readAgain(const Card& card);
    void setOutcome(const Card& card, const std::string& text);
    void addResult(const std::string& line);
    void fitResults();
    void enableButtons();
    std::vector<CardFile> chooseProfileFiles(const QString& title);

    void follow();
    void take(const Card& card, const CardContents& contents);
    void showRow(int row);
    void fitTable();
    void chooseReport();
    std::vector<Card> cameraCards() const;
    void ejectNext(std::vector<Card> left, std::vector<std::string> said);

    CardWatch* watch_;
    const Session& session_;
    int language_;
    Reader read_;
    Writer write_;
    QTableWidget* table_;
    QLabel* status_;
    QListWidget* resultList_;
    QPushButton* writeProfile_;
    QPushButton* writeEach_;
    QPushButton* ejectAll_;
    std::vector<CardReportRow> rows_;
    std::vector<bool> readDone_;
    // What each card's row says of the run (progress or result), by card.
    std::vector<std::pair<Card, std::string>> outcomes_;
    // The cards as the watch saw them last, for the writing threads.
    struct Seen;
    std::shared_ptr<Seen> seen_;

    // The run under way: the profile's files, built once.
    std::vector<CardFile> files_;
    std::vector<CardResult> results_;
    std::vector<Card> queue_; // Write profile to all: the cards still to write
    bool line_ = false;       // the production line runs
    bool busy_ = false;       // the line writes or ejects a card
    bool ejecting_ = false;   // Eject all runs
    HandledCards handled_;
    // Which look at the cards a read belongs to: one from an earlier look
    // (e.g. before the cards were written) is not shown.
    unsigned looks_ = 0;
};

} // namespace rosmossel
