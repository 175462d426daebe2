#include "gui/dialogs/card_watch.h"

#include <QMetaObject>
#include <QPointer>

namespace rosmossel {

CardWatch::CardWatch(const CardSource& source, QObject* parent,
                     std::chrono::milliseconds fallbackPoll)
    : QObject(parent),
      watcher_(
          source,
          [this] {
              // Queued to this object: dropped once it is gone.
              QMetaObject::invokeMethod(this, &CardWatch::cardsChanged, Qt::QueuedConnection);
          },
          fallbackPoll) {}

bool CardWatch::eject(const Card& card, QObject* receiver, std::function<void(EjectResult)> done) {
    return watcher_.eject(
        card, [receiver = QPointer(receiver), done = std::move(done)](EjectResult result) {
            if (receiver) {
                QMetaObject::invokeMethod(
                    receiver.data(), [done, result] { done(result); }, Qt::QueuedConnection);
            }
        });
}

} // namespace rosmossel
