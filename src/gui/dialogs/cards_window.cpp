#include "gui/dialogs/cards_window.h"

#include "core/format/safe_writer.h"
#include "core/format/settings_files.h"
#include "core/session/session.h"
#include "core/text/card_texts.h"
#include "core/text/code_page.h"
#include "core/text/many_cards_texts.h"
#include "core/text/messages.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/guide.h"
#include "gui/dialogs/presenter.h"
#include "gui/dialogs/profile_actions.h"
#include "profile/profile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iostream>
#include <mutex>
#include <thread>

namespace rosmossel {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The columns before the files': label, file system, free space, protection,
// then the result of the run.
constexpr int kCardColumns = 4;
constexpr int kResultColumn = kCardColumns;
constexpr int kFirstFileColumn = kResultColumn + 1;

// A card's row: the same card is the same root and device, whatever its free
// space says now.
template <typename Row, typename CardOf>
auto findCard(std::vector<Row>& rows, const Card& card, CardOf cardOf) {
    return std::find_if(rows.begin(), rows.end(), [&](const Row& row) {
        const Card& c = cardOf(row);
        return c.root == card.root && c.device == card.device;
    });
}

QString tr9(const LanguageTexts& texts, int language) {
    return fromUtf8(TextIn(texts, language));
}

} // namespace

// The cards the watch saw last, for the writing threads: the window and the
// watch may be gone before a write ends, this is not.
struct CardsWindow::Seen {
    std::mutex mutex;
    std::vector<Card> cards;
};

CardsWindow::CardsWindow(CardWatch* watch, const Session& session, QWidget* parent, Reader read,
                         Writer write)
    : QDialog(parent), watch_(watch), session_(session), language_(session.languageNumber()),
      read_(std::move(read)), write_(std::move(write)), table_(new QTableWidget(this)),
      status_(new QLabel(this)), resultList_(new QListWidget(this)), writeProfile_(nullptr),
      writeEach_(nullptr), ejectAll_(nullptr), seen_(std::make_shared<Seen>()) {
    if (!read_) {
        read_ = [codePage = SystemCodePage()](const std::string& root) {
            return ReadCardContents(root, codePage);
        };
    }
    setObjectName(QStringLiteral("cardsWindow"));
    setWindowTitle(tr9(kCardsTitle, language_));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    table_->setObjectName(QStringLiteral("cardsTable"));
    table_->setAccessibleName(windowTitle());
    QStringList header = {tr9(kCardsLabel, language_), tr9(kCardsFileSystem, language_),
                          tr9(kCardsFree, language_), tr9(kCardsProtected, language_),
                          tr9(kCardsResult, language_)};
    for (const auto& file : kSettingsFiles) {
        header << QString::fromLatin1(file.fileName);
    }
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    // A long reason (a damaged file) wraps within its column.
    table_->setWordWrap(true);

    status_->setObjectName(QStringLiteral("cardsStatus"));
    status_->setWordWrap(true);
    status_->setAccessibleName(windowTitle());
    // Every result of the last run, also of cards taken out since; hidden
    // until a run starts.
    resultList_->setObjectName(QStringLiteral("cardsResultList"));
    resultList_->setAccessibleName(tr9(kCardsResult, language_));
    resultList_->setWordWrap(true);
    resultList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resultList_->setResizeMode(QListView::Adjust);
    resultList_->setVisible(false);

    auto* buttons = new QDialogButtonBox(this);
    const auto button = [this, buttons](const LanguageTexts& text, const char* name,
                                        QDialogButtonBox::ButtonRole role) {
        QPushButton* b = buttons->addButton(tr9(text, language_), role);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(b->text());
        b->setAutoDefault(false);
        return b;
    };
    writeProfile_ = button(kCardsWriteProfile, "writeProfileButton", QDialogButtonBox::ActionRole);
    writeEach_ = button(kCardsWriteEach, "writeEachButton", QDialogButtonBox::ActionRole);
    QPushButton* save = button(kCardsSaveReport, "saveReportButton", QDialogButtonBox::ActionRole);
    ejectAll_ = button(kCardsEjectAll, "ejectAllButton", QDialogButtonBox::ActionRole);
    button(kCardResultsClose, "closeButton", QDialogButtonBox::RejectRole);
    connect(writeProfile_, &QPushButton::clicked, this, &CardsWindow::writeProfile);
    connect(writeEach_, &QPushButton::clicked, this, [this] {
        if (line_) {
            stopLine();
        } else {
            writeEachCard();
        }
    });
    connect(save, &QPushButton::clicked, this, &CardsWindow::chooseReport);
    connect(ejectAll_, &QPushButton::clicked, this, &CardsWindow::ejectAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { OpenGuide(session_, kGuideManyCameras, language_); });

    auto* column = new QVBoxLayout(this);
    column->addWidget(table_);
    column->addWidget(resultList_);
    column->addWidget(status_);
    column->addWidget(buttons);
    ApplyDialogColours(this);

    if (watch_ != nullptr) {
        connect(watch_, &CardWatch::cardsChanged, this, &CardsWindow::follow);
    }
    follow();
}

bool CardsWindow::allRead() const {
    return std::all_of(readDone_.begin(), readDone_.end(), [](bool done) { return done; });
}

// The cards as the watch sees them now: a card still in keeps what was read
// of it, a new one (or one changed, e.g. written since) is read afresh.
void CardsWindow::follow() {
    const std::vector<Card> cards = SeenCards(watch_);
    {
        const std::lock_guard lock(seen_->mutex);
        seen_->cards = cards;
    }
    // A card taken out loses its row's result: put back, it is another card.
    std::erase_if(outcomes_,
                  [&cards](const auto& outcome) { return !SameCard(cards, outcome.first); });
    std::vector<CardReportRow> rows;
    std::vector<bool> done;
    std::vector<Card> toRead;
    for (const Card& card : cards) {
        const auto known = std::find_if(rows_.begin(), rows_.end(),
                                        [&card](const CardReportRow& r) { return r.card == card; });
        if (known != rows_.end() && readDone_[static_cast<std::size_t>(known - rows_.begin())]) {
            rows.push_back(*known);
            done.push_back(true);
            continue;
        }
        CardReportRow row{card, {}};
        if (card.responding) {
            row.files.assign(kSettingsFiles.size(), std::string(TextIn(kCardsReading, language_)));
            toRead.push_back(card);
            done.push_back(false);
        } else {
            row.files.assign(kSettingsFiles.size(), CardSilentText(language_));
            done.push_back(true);
        }
        rows.push_back(std::move(row));
    }
    rows_ = std::move(rows);
    readDone_ = std::move(done);
    enableButtons();
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        showRow(row);
    }
    fitTable();

    const QPointer<CardsWindow> self(this);
    const unsigned look = ++looks_;
    for (const Card& card : toRead) {
        // One thread a card: a card that hangs keeps only its own row waiting.
        std::thread([self, card, look, read = read_] {
            CardContents contents = read(card.root);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, card, look, contents = std::move(contents)] {
                    // Every row still unread is read again at each look.
                    if (self && self->looks_ == look) {
                        self->take(card, contents);
                    }
                },
                Qt::QueuedConnection);
        }).detach();
    }
    if (toRead.empty()) {
        emit cardsRead();
    }
    lineLook();
}

void CardsWindow::take(const Card& card, const CardContents& contents) {
    // The card may have gone, or changed, while it was read.
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [&card](const CardReportRow& r) { return r.card == card; });
    if (it == rows_.end()) {
        return;
    }
    const auto row = static_cast<std::size_t>(it - rows_.begin());
    it->files.clear();
    for (const HeldFile& held : contents) {
        it->files.push_back(HeldFileText(held, language_));
    }
    readDone_[row] = true;
    showRow(static_cast<int>(row));
    fitTable();
    if (allRead()) {
        emit cardsRead();
    }
}

void CardsWindow::showRow(int row) {
    const CardReportRow& shown = rows_[static_cast<std::size_t>(row)];
    const Card& card = shown.card;
    const std::string protection = std::string(card.writeProtected() ? TextIn(kCardsYes, language_)
                                                                     : TextIn(kCardsNo, language_));
    const std::vector<std::string> cells = {
        CardLabelOf(card, language_), card.fileSystem,
        SizeText(card.freeSpace) + " / " + SizeText(card.capacity), protection};
    for (int column = 0; column < table_->columnCount(); ++column) {
        const auto at = static_cast<std::size_t>(column);
        std::string text;
        if (column < kCardColumns) {
            text = cells[at];
        } else if (column == kResultColumn) {
            const auto it =
                findCard(outcomes_, card, [](const auto& outcome) { return outcome.first; });
            text = it != outcomes_.end() ? it->second : std::string();
        } else {
            text = shown.files[at - static_cast<std::size_t>(kFirstFileColumn)];
        }
        auto* item = new QTableWidgetItem(fromUtf8(text));
        item->setToolTip(item->text());
        table_->setItem(row, column, item);
    }
}

// Every cell whole where the screen allows; beyond it the table scrolls.
void CardsWindow::fitTable() {
    table_->resizeColumnsToContents();
    const int fileColumn = fontMetrics().averageCharWidth() * 40;
    for (int column = kResultColumn; column < table_->columnCount(); ++column) {
        table_->setColumnWidth(column, std::min(table_->columnWidth(column), fileColumn));
    }
    // Rows as tall as their wrapped text, measured at the width the cell
    // paints in (the view's own estimate leaves a long reason cut short).
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    for (int row = 0; row < table_->rowCount(); ++row) {
        int rowHeight = table_->verticalHeader()->defaultSectionSize();
        for (int column = 0; column < table_->columnCount(); ++column) {
            const QRect bounds = table_->fontMetrics().boundingRect(
                QRect(0, 0, table_->columnWidth(column) - margin, 0), Qt::TextWordWrap,
                table_->item(row, column)->text());
            rowHeight = std::max(rowHeight, bounds.height() + margin + 2);
        }
        table_->setRowHeight(row, rowHeight);
    }
    const QSize screen = this->screen() != nullptr
                             ? this->screen()->availableSize() - QSize(80, 160)
                             : QSize(1600, 1000);
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table_->columnCount(); ++column) {
        width += table_->columnWidth(column);
    }
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                 table_->horizontalScrollBar()->sizeHint().height();
    for (int row = 0; row < std::max(table_->rowCount(), 3); ++row) {
        height += row < table_->rowCount() ? table_->rowHeight(row)
                                           : table_->verticalHeader()->defaultSectionSize();
    }
    table_->setMinimumSize(std::min(width, screen.width()), std::min(height, screen.height()));
    adjustSize();
}

std::optional<std::string> CardsWindow::saveReport(const QString& path, const QString& date) const {
    const bool html = path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
                      path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
    const std::string day = date.toStdString();
    const std::string text =
        html ? CardReportHtml(rows_, day, language_) : CardReportCsv(rows_, day, language_);
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    if (const auto error = WriteFileSafely(path.toStdString(), {begin, text.size()})) {
        return error->reason;
    }
    return std::nullopt;
}

void CardsWindow::chooseReport() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr9(kCardsSaveReport, language_), QString(),
                                     QStringLiteral("CSV (*.csv);;HTML (*.html *.htm)"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto reason = saveReport(path, QDate::currentDate().toString(Qt::ISODate))) {
        status_->setText(fromUtf8(
            FillCardText(TextIn(kCardsReportNotSaved, language_), {path.toStdString(), *reason})));
    } else {
        status_->clear();
    }
}

std::vector<Card> CardsWindow::cameraCards() const {
    std::vector<Card> cards;
    for (const CardReportRow& row : rows_) {
        if (CameraCard(row.card)) {
            cards.push_back(row.card);
        }
    }
    return cards;
}

void CardsWindow::enableButtons() {
    const bool running = writing() || line_;
    writeProfile_->setEnabled(!running && !ejecting_ && !cameraCards().empty());
    // While the line runs its button stops it.
    writeEach_->setEnabled(line_ || (!running && !ejecting_ && watch_ != nullptr));
    ejectAll_->setEnabled(!running && !ejecting_ && !rows_.empty());
}

// The profile chosen, built once before the first card is touched; none when
// the chooser was cancelled or the profile refused (with its reason).
std::vector<CardFile> CardsWindow::chooseProfileFiles(const QString& title) {
    const QString path = ChooseProfile(Presenter::FileUse::Open, title);
    if (path.isEmpty()) {
        return {};
    }
    profile::ProfileFiles built = profile::BuildProfileFiles(path.toStdString(), std::cin);
    if (!built.ok()) {
        ShowMessage(QString::fromStdString(
            ProfileRefusedMessage(path.toStdString(), built.reason).in(language_)));
        return {};
    }
    return std::move(built.files);
}

void CardsWindow::startRun(std::vector<CardFile> files) {
    files_ = std::move(files);
    results_.clear();
    outcomes_.clear();
    resultList_->clear();
    resultList_->setVisible(true);
    fitResults();
    status_->clear();
}

void CardsWindow::writeProfile() {
    std::vector<CardFile> files = chooseProfileFiles(tr9(kCardsWriteProfile, language_));
    const std::vector<Card> cards = cameraCards();
    if (files.empty() || cards.empty() || writing() || line_) {
        return;
    }
    startRun(std::move(files));
    queue_ = cards;
    for (const Card& card : cards) {
        setOutcome(card, WritingText(language_));
    }
    enableButtons();
    writeNext();
}

void CardsWindow::writeCard(const Card& card, std::function<void(CardResult)> done) {
    const QPointer<CardsWindow> self(this);
    std::thread([self, card, files = files_, seen = seen_, write = write_, done = std::move(done)] {
        CardResult result = write(card, files, [&seen] {
            const std::lock_guard lock(seen->mutex);
            return seen->cards;
        });
        // The result goes to the GUI thread; the window may be closed by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, done, result = std::move(result)] {
                if (self) {
                    done(result);
                }
            },
            Qt::QueuedConnection);
    }).detach();
}

// One card after another: the next starts when one has its result.
void CardsWindow::writeNext() {
    if (queue_.empty()) {
        status_->setText(fromUtf8(BatchSummaryText(results_, language_)));
        if (watch_ != nullptr) {
            watch_->refresh(); // the free space shown
        }
        enableButtons();
        emit allWritten();
        return;
    }
    writeCard(queue_.front(), [this](const CardResult& result) {
        results_.push_back(result);
        setOutcome(result.card, CardOutcomeText(result, language_));
        addResult(CardResultLine(result, language_));
        // What the card holds now; the next card waits for nothing of it.
        readAgain(result.card);
        queue_.erase(queue_.begin());
        writeNext();
    });
}

void CardsWindow::writeEachCard() {
    std::vector<CardFile> files = chooseProfileFiles(tr9(kCardsWriteEach, language_));
    if (files.empty() || writing() || line_) {
        return;
    }
    startRun(std::move(files));
    handled_ = HandledCards();
    line_ = true;
    writeEach_->setText(tr9(kCardsStop, language_));
    writeEach_->setAccessibleName(writeEach_->text());
    status_->setText(tr9(kCardsWaiting, language_));
    enableButtons();
    // The cards in already come first.
    lineLook();
}

// The next card not handled yet, if the line is free for it.
void CardsWindow::lineLook() {
    if (!line_ || busy_) {
        return;
    }
    const std::vector<Card> fresh = handled_.newCards(SeenCards(watch_));
    if (fresh.empty()) {
        return;
    }
    const Card card = fresh.front();
    handled_.add(card);
    busy_ = true;
    setOutcome(card, WritingText(language_));
    writeCard(card, [this](CardResult result) { lineWritten(std::move(result)); });
}

void CardsWindow::lineWritten(CardResult result) {
    results_.push_back(result);
    if (result.outcome != CardOutcome::Written || watch_ == nullptr) {
        lineCardEnded(result, LineNoteText(result, std::nullopt, language_));
        return;
    }
    const Card card = result.card;
    const auto ejected = [this, result](EjectResult eject) {
        lineCardEnded(result, LineNoteText(result, eject, language_));
    };
    if (!watch_->eject(card, this, ejected)) {
        // Another eject is under way: the owner takes this card out.
        ejected(EjectResult{EjectOutcome::Busy, {}});
    }
}

void CardsWindow::lineCardEnded(const CardResult& result, const std::string& note) {
    const std::string number = std::to_string(results_.size());
    setOutcome(result.card,
               LineWithNote(number + ". " + CardOutcomeText(result, language_), note, language_));
    addResult(LineWithNote(number + "  " + CardResultLine(result, language_), note, language_));
    busy_ = false;
    emit lineCardDone();
    // Its row shows what it holds now (where it is still in); a running line
    // takes the next card inserted meanwhile.
    readAgain(result.card);
    if (!line_) {
        finishLine();
    }
}

void CardsWindow::stopLine() {
    if (!line_) {
        return;
    }
    line_ = false;
    if (!busy_) {
        finishLine();
    }
}

void CardsWindow::finishLine() {
    writeEach_->setText(tr9(kCardsWriteEach, language_));
    writeEach_->setAccessibleName(writeEach_->text());
    status_->setText(results_.empty() ? QString()
                                      : fromUtf8(BatchSummaryText(results_, language_)));
    enableButtons();
    emit lineStopped();
}

void CardsWindow::done(int result) {
    // Closed, the window writes no more cards.
    stopLine();
    QDialog::done(result);
}

// A card written is read again; the other rows keep what was read.
void CardsWindow::readAgain(const Card& card) {
    const auto row = findCard(rows_, card, [](const CardReportRow& r) { return r.card; });
    if (row != rows_.end()) {
        readDone_[static_cast<std::size_t>(row - rows_.begin())] = false;
    }
    follow();
}

void CardsWindow::setOutcome(const Card& card, const std::string& text) {
    const auto known = findCard(outcomes_, card, [](const auto& outcome) { return outcome.first; });
    if (known != outcomes_.end()) {
        known->second = text;
    } else {
        outcomes_.emplace_back(card, text);
    }
    const auto row = findCard(rows_, card, [](const CardReportRow& r) { return r.card; });
    if (row != rows_.end()) {
        showRow(static_cast<int>(row - rows_.begin()));
        fitTable();
    }
}

void CardsWindow::addResult(const std::string& line) {
    resultList_->addItem(fromUtf8(line));
    resultList_->scrollToBottom();
    fitResults();
}

// The list as tall as its lines, three to eight; beyond, it scrolls and the
// table keeps the room.
void CardsWindow::fitResults() {
    const int lines = std::clamp(resultList_->count(), 3, 8);
    const int line = resultList_->count() > 0 ? resultList_->sizeHintForRow(0)
                                              : resultList_->fontMetrics().lineSpacing();
    resultList_->setFixedHeight(lines * line + 2 * resultList_->frameWidth());
}

void CardsWindow::ejectAll() {
    std::vector<Card> cards;
    for (const CardReportRow& row : rows_) {
        cards.push_back(row.card);
    }
    ejecting_ = true;
    enableButtons();
    ejectNext(std::move(cards), {});
}

// The watch ejects one card at a time: the next starts when one ends.
void CardsWindow::ejectNext(std::vector<Card> left, std::vector<std::string> said) {
    if (left.empty() || watch_ == nullptr) {
        std::string text;
        for (const std::string& line : said) {
            text += (text.empty() ? "" : "\n") + line;
        }
        status_->setText(fromUtf8(text));
        ejecting_ = false;
        enableButtons();
        emit ejectsDone();
        return;
    }
    const Card card = left.front();
    left.erase(left.begin());
    auto done = [this, card, left, said](EjectResult result) mutable {
        said.push_back(CardLabelOf(card, language_) + ": " + EjectResultText(result, language_));
        ejectNext(std::move(left), std::move(said));
    };
    if (!watch_->eject(card, this, done)) {
        // Another window's eject is under way: this card is left in.
        done(EjectResult{EjectOutcome::Busy, {}});
    }
}

} // namespace rosmossel
