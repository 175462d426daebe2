#include "gui/dialogs/cards_window.h"

#include "core/format/safe_writer.h"
#include "core/format/settings_files.h"
#include "core/session/session.h"
#include "core/text/card_texts.h"
#include "core/text/code_page.h"
#include "core/text/many_cards_texts.h"
#include "core/text/messages.h"
#include "gui/dialogs/card_results.h"
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
#include <thread>

namespace rosmossel {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The columns before the files': label, file system, free space, protection.
constexpr int kCardColumns = 4;

QString tr9(const LanguageTexts& texts, int language) {
    return fromUtf8(TextIn(texts, language));
}

} // namespace

CardsWindow::CardsWindow(CardWatch* watch, const Session& session, QWidget* parent, Reader read)
    : QDialog(parent), watch_(watch), session_(session), language_(session.languageNumber()),
      read_(std::move(read)), table_(new QTableWidget(this)), status_(new QLabel(this)),
      writeProfile_(nullptr), ejectAll_(nullptr) {
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
                          tr9(kCardsFree, language_), tr9(kCardsProtected, language_)};
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
    QPushButton* save = button(kCardsSaveReport, "saveReportButton", QDialogButtonBox::ActionRole);
    ejectAll_ = button(kCardsEjectAll, "ejectAllButton", QDialogButtonBox::ActionRole);
    button(kCardResultsClose, "closeButton", QDialogButtonBox::RejectRole);
    connect(writeProfile_, &QPushButton::clicked, this, &CardsWindow::writeProfile);
    connect(save, &QPushButton::clicked, this, &CardsWindow::chooseReport);
    connect(ejectAll_, &QPushButton::clicked, this, &CardsWindow::ejectAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { OpenGuide(session_, kGuideManyCameras, language_); });

    auto* column = new QVBoxLayout(this);
    column->addWidget(table_);
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
    ejectAll_->setEnabled(!rows_.empty());
    writeProfile_->setEnabled(!cameraCards().empty());
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
        const std::string& text = column < kCardColumns
                                      ? cells[at]
                                      : shown.files[at - static_cast<std::size_t>(kCardColumns)];
        auto* item = new QTableWidgetItem(fromUtf8(text));
        item->setToolTip(item->text());
        table_->setItem(row, column, item);
    }
}

// Every cell whole where the screen allows; beyond it the table scrolls.
void CardsWindow::fitTable() {
    table_->resizeColumnsToContents();
    const int fileColumn = fontMetrics().averageCharWidth() * 40;
    for (int column = kCardColumns; column < table_->columnCount(); ++column) {
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

void CardsWindow::writeProfile() {
    const QString path =
        ChooseProfile(Presenter::FileUse::Open, tr9(kCardsWriteProfile, language_));
    if (path.isEmpty()) {
        return;
    }
    // Every file is built before the first card is touched.
    profile::ProfileFiles built = profile::BuildProfileFiles(path.toStdString(), std::cin);
    if (!built.ok()) {
        ShowMessage(QString::fromStdString(
            ProfileRefusedMessage(path.toStdString(), built.reason).in(language_)));
        return;
    }
    const std::vector<Card> cards = cameraCards();
    if (cards.empty()) {
        return;
    }
    auto* results = new CardResults(cards, std::move(built.files), watch_, language_, this);
    results->setAttribute(Qt::WA_DeleteOnClose);
    // What the cards hold now, read afresh.
    connect(results, &CardResults::allWritten, this, [this] {
        readDone_.assign(readDone_.size(), false);
        follow();
    });
    results->show();
}

void CardsWindow::ejectAll() {
    std::vector<Card> cards;
    for (const CardReportRow& row : rows_) {
        cards.push_back(row.card);
    }
    ejectAll_->setEnabled(false);
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
        ejectAll_->setEnabled(!rows_.empty());
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
