#pragma once

#include "core/card/card.h"

#include <QDBusConnection>

namespace rosmossel {

// Ejects through UDisks2 on `bus`: the card's file system unmounted, then its
// drive powered off (or, where it cannot be, its medium ejected). Tests give
// a private bus with a stand-in service.
EjectResult EjectThroughUDisks(const QDBusConnection& bus, const Card& card);

} // namespace rosmossel
