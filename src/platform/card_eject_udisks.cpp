#include "platform/card_eject_udisks.h"

#include "platform/cards.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace rosmossel {
namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");

EjectResult failure(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
        return {EjectOutcome::NoService, "UDisks2: " + error.message().toStdString()};
    default:
        break;
    }
    const bool busy = error.name() == QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");
    return {busy ? EjectOutcome::Busy : EjectOutcome::Failed, error.message().toStdString()};
}

QDBusMessage call(const QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return bus.call(message);
}

} // namespace

EjectResult EjectThroughUDisks(const QDBusConnection& bus, const Card& card) {
    if (!bus.isConnected()) { // no system bus at all
        return {EjectOutcome::NoService, "UDisks2: " + bus.lastError().message().toStdString()};
    }
    const QVariantMap noOptions;
    const QVariantMap spec{{QStringLiteral("path"), QString::fromStdString(card.device)}};
    QDBusMessage reply = call(bus, QStringLiteral("/org/freedesktop/UDisks2/Manager"),
                              QStringLiteral("org.freedesktop.UDisks2.Manager"),
                              QStringLiteral("ResolveDevice"), {spec, noOptions});
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return failure(QDBusError(reply));
    }
    QList<QDBusObjectPath> blocks;
    if (!reply.arguments().isEmpty()) {
        reply.arguments().first().value<QDBusArgument>() >> blocks;
    }
    if (blocks.isEmpty()) {
        return {EjectOutcome::Failed, "UDisks2 does not know " + card.device};
    }
    const QString block = blocks.first().path();
    reply = call(bus, block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
                 QStringLiteral("Unmount"), {noOptions});
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return failure(QDBusError(reply));
    }
    // Unmounted, the card is safe to take out; powering the reader off also
    // tells the desktop it is gone. A loop device or a built-in slot has no
    // drive to power off.
    reply =
        call(bus, block, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Drive")});
    const QString drive = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                              ? qvariant_cast<QDBusObjectPath>(
                                    reply.arguments().first().value<QDBusVariant>().variant())
                                    .path()
                              : QString();
    if (!drive.isEmpty() && drive != QStringLiteral("/")) {
        const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");
        reply = call(bus, drive, driveInterface, QStringLiteral("PowerOff"), {noOptions});
        if (reply.type() == QDBusMessage::ErrorMessage) {
            call(bus, drive, driveInterface, QStringLiteral("Eject"), {noOptions});
        }
    }
    return {EjectOutcome::Ejected, {}};
}

EjectResult EjectCard(const Card& card) {
    return EjectThroughUDisks(QDBusConnection::systemBus(), card);
}

} // namespace rosmossel
