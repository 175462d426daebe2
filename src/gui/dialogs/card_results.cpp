#include "gui/dialogs/card_results.h"

#include "core/text/many_cards_texts.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/control_factory.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

namespace rosmossel {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The cards the watch saw last, for the writing thread: the window and the
// watch may be gone before a write ends, this is not.
struct SeenNow {
    std::mutex mutex;
    std::vector<Card> cards;
};

} // namespace

CardResults::CardResults(std::vector<Card> cards, std::vector<CardFile> files, CardWatch* watch,
                         int language, QWidget* parent, Writer write)
    : QDialog(parent), language_(language), watch_(watch), list_(new QListWidget(this)),
      summary_(new QLabel(this)) {
    setObjectName(QStringLiteral("cardResults"));
    setWindowTitle(fromUtf8(std::string(TextIn(kCardResultsTitle, language))));
    list_->setObjectName(QStringLiteral("cardResultList"));
    list_->setAccessibleName(windowTitle());
    // A line wider than the screen allows wraps rather than scrolls sideways.
    list_->setWordWrap(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    summary_->setObjectName(QStringLiteral("cardResultSummary"));
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(
        fromUtf8(std::string(TextIn(kCardResultsClose, language))), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAccessibleName(close->text());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addWidget(summary_);
    column->addWidget(buttons);

    for (const Card& card : cards) {
        results_.push_back({card, CardOutcome::Written, {}, {}});
        list_->addItem(fromUtf8(CardWritingText(card, language)));
    }
    fitList();
    ApplyDialogColours(this);

    auto seen = std::make_shared<SeenNow>();
    seen->cards = SeenCards(watch);
    if (watch != nullptr) {
        connect(watch, &CardWatch::cardsChanged, this, [seen, watch] {
            std::vector<Card> now = watch->cards();
            const std::lock_guard lock(seen->mutex);
            seen->cards = std::move(now);
        });
    }
    const QPointer<CardResults> self(this);
    std::thread([self, seen, write = std::move(write), cards = std::move(cards),
                 files = std::move(files)] {
        const auto look = [&seen] {
            const std::lock_guard lock(seen->mutex);
            return seen->cards;
        };
        for (std::size_t row = 0; row < cards.size(); ++row) {
            CardResult result = write(cards[row], files, look);
            // The result goes to the GUI thread; the window may be closed by then.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, row, result = std::move(result)] {
                    if (self) {
                        self->take(row, result);
                    }
                },
                Qt::QueuedConnection);
        }
    }).detach();
}

// Every line whole: the list as wide as its longest line and as tall as its
// lines, within the screen (beyond it lines wrap and the list scrolls down).
void CardResults::fitList() {
    const QSize screen = this->screen() != nullptr
                             ? this->screen()->availableSize() - QSize(80, 160)
                             : QSize(1600, 1000);
    const int frame = 2 * list_->frameWidth();
    list_->setMinimumSize(
        std::min(list_->sizeHintForColumn(0) + frame +
                     list_->verticalScrollBar()->sizeHint().width(),
                 screen.width()),
        std::min(list_->sizeHintForRow(0) * std::max(list_->count(), 3) + frame, screen.height()));
    adjustSize();
}

void CardResults::take(std::size_t row, const CardResult& result) {
    results_[row] = result;
    ++done_;
    list_->item(static_cast<int>(row))->setText(fromUtf8(CardResultLine(result, language_)));
    fitList();
    if (finished()) {
        summary_->setText(fromUtf8(BatchSummaryText(results_, language_)));
        if (watch_ != nullptr) {
            watch_->refresh(); // the free space shown
        }
        emit allWritten();
    }
}

} // namespace rosmossel
