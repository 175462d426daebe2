#pragma once

// The Cards window: every card inserted, with what it is (label, file
// system, free space, write protection) and what its settings files hold,
// following cards as they come and go. Files are read off the GUI thread, a
// card at a time, so a card that stops answering holds only its own row.
// From here the owner writes a profile to every card, saves a report of the
// cards and ejects them all.

#include "core/card/card_contents.h"
#include "core/card/card_report.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
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

    // `watch` may be none: the window then shows no card.
    CardsWindow(CardWatch* watch, const Session& session, QWidget* parent = nullptr,
                Reader read = {});

    // The rows shown, each card's files as read so far.
    const std::vector<CardReportRow>& rows() const { return rows_; }
    // True once every card shown has had its files read.
    bool allRead() const;
    // Writes the report of the cards shown to `path`: HTML where the name
    // ends in .htm or .html, CSV otherwise. The reason when it was not saved.
    std::optional<std::string> saveReport(const QString& path, const QString& date) const;
    // Asks for a profile and writes its files to every camera card shown,
    // one result per card in a CardResults window; the table is read again
    // once every card has its result. A profile that does not build is
    // refused with the reason, nothing written.
    void writeProfile();
    // Ejects every card shown, one after another; the outcome of each lands
    // in the status line.
    void ejectAll();

  signals:
    void cardsRead();
    void ejectsDone();

  private:
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
    QTableWidget* table_;
    QLabel* status_;
    QPushButton* writeProfile_;
    QPushButton* ejectAll_;
    std::vector<CardReportRow> rows_;
    std::vector<bool> readDone_;
    // Which look at the cards a read belongs to: one from an earlier look
    // (e.g. before the cards were written) is not shown.
    unsigned looks_ = 0;
};

} // namespace rosmossel
