#pragma once

// The card watcher as the dialogs see it: the cards the application's one
// watcher saw last, and a signal on the GUI thread when they change. The
// application owns it and hands it to the dialogs; it starts once the first
// window is shown. Nothing here waits for a card.

#include "core/card/card.h"
#include "platform/card_watcher.h"

#include <QObject>

#include <functional>
#include <vector>

namespace rosmossel {

class CardWatch : public QObject {
    Q_OBJECT

  public:
    explicit CardWatch(const CardSource& source, QObject* parent = nullptr,
                       std::chrono::milliseconds fallbackPoll = kCardFallbackPoll);

    void start() { watcher_.start(); }
    std::vector<Card> cards() const { return watcher_.cards(); }
    void refresh() { watcher_.refresh(); }
    bool waitForFirstLook(std::chrono::milliseconds limit) const {
        return watcher_.waitForFirstLook(limit);
    }
    // Ejects off the GUI thread; `done` runs on the GUI thread, unless
    // `receiver` is gone by then. False while another eject is under way.
    bool eject(const Card& card, QObject* receiver, std::function<void(EjectResult)> done);

  signals:
    void cardsChanged();

  private:
    CardWatcher watcher_;
};

// What `watch` saw last; none without a watch.
inline std::vector<Card> SeenCards(const CardWatch* watch) {
    return watch != nullptr ? watch->cards() : std::vector<Card>{};
}

} // namespace rosmossel
