#pragma once

// A set-up dialog's file written to many cards at once: one row per card,
// "writing…" until its result arrives, then written or why not. The writes
// run off the GUI thread, one card after another; the window stays with the
// owner, and closing it leaves the writes to end on their own.

#include "core/card/card_batch.h"

#include <QDialog>

#include <functional>
#include <span>
#include <vector>

class QLabel;
class QListWidget;

namespace rosmossel {

class CardWatch;

class CardResults : public QDialog {
    Q_OBJECT

  public:
    // How one card is written: the core's WriteCard, or the pictures tool's
    // stand-in, which shows results without touching a disk.
    using Writer = std::function<CardResult(const Card&, std::span<const CardFile>,
                                            const std::function<std::vector<Card>()>&)>;

    // Starts writing `files` to each of `cards` at once; `watch` (may be
    // none) tells which cards are still in when a write fails.
    CardResults(std::vector<Card> cards, std::vector<CardFile> files, CardWatch* watch,
                int language, QWidget* parent, Writer write = WriteCard);

    const std::vector<CardResult>& results() const { return results_; }
    bool finished() const { return done_ == results_.size(); }

  signals:
    void allWritten();

  private:
    void take(std::size_t row, const CardResult& result);
    void fitList();

    int language_;
    CardWatch* watch_;
    QListWidget* list_;
    QLabel* summary_;
    std::vector<CardResult> results_;
    std::size_t done_ = 0;
};

} // namespace rosmossel
