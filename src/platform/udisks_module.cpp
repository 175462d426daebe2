// librosmossel-udisks.so: the UDisks2 eject for rosmossel-cli, which loads it
// only to eject, so that its other commands start without Qt.
#include "platform/card_eject_udisks.h"

#include <QCoreApplication>

#include <cstring>
#include <memory>

extern "C" __attribute__((visibility("default"))) int
rosmossel_eject_card(const char* device, char* detail, std::size_t detailSize) {
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "rosmossel-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    rosmossel::Card card;
    card.device = device;
    const rosmossel::EjectResult result =
        rosmossel::EjectThroughUDisks(QDBusConnection::systemBus(), card);
    std::strncpy(detail, result.detail.c_str(), detailSize - 1);
    detail[detailSize - 1] = '\0';
    return static_cast<int>(result.outcome);
}
