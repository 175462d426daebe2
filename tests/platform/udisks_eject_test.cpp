// The eject's D-Bus calls against a stand-in UDisks2 on a private bus.
#include "platform/card_eject_udisks.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

using namespace rosmossel;

namespace {

const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kBlock = kRoot + QStringLiteral("/block_devices/sdb1");
const QString kDrive = kRoot + QStringLiteral("/drives/Card_Reader");

// What the stand-in does, and the calls it was given ("path interface.Member").
struct Script {
    bool knowsDevice = true;
    bool busy = false;
    bool hasDrive = true;
    bool canPowerOff = true;
};

class StandInUDisks final : public QDBusVirtualObject {
  public:
    QMutex mutex;
    Script script;
    QStringList calls;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QMutexLocker lock(&mutex);
        const QString member = message.interface().section('.', -1) + "." + message.member();
        calls << message.path().section('/', -1) + " " + member;
        QDBusMessage reply = message.createReply();
        if (member == "Manager.ResolveDevice") {
            QList<QDBusObjectPath> found;
            if (script.knowsDevice) {
                found << QDBusObjectPath(kBlock);
            }
            reply << QVariant::fromValue(found);
        } else if (member == "Filesystem.Unmount" && script.busy) {
            reply = message.createErrorReply("org.freedesktop.UDisks2.Error.DeviceBusy",
                                             "Error unmounting /dev/sdb1: target is busy");
        } else if (member == "Properties.Get") {
            reply << QVariant::fromValue(
                QDBusVariant(QVariant::fromValue(QDBusObjectPath(script.hasDrive ? kDrive : "/"))));
        } else if (member == "Drive.PowerOff" && !script.canPowerOff) {
            reply = message.createErrorReply("org.freedesktop.UDisks2.Error.NotSupported",
                                             "No usb device");
        }
        connection.send(reply);
        return true;
    }
};

} // namespace

class UDisksEjectTest : public QObject {
    Q_OBJECT

    QProcess bus_;
    QString address_;
    QThread serviceThread_;
    StandInUDisks service_;

  private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty()) {
            QSKIP("dbus-daemon is not installed");
        }
        bus_.start(daemon, {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus_.waitForReadyRead(5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        // The stand-in answers on a connection and thread of its own, so the
        // eject's blocking calls from this thread get their replies.
        QDBusConnection standIn = QDBusConnection::connectToBus(address_, "stand-in");
        QVERIFY(standIn.registerVirtualObject(kRoot, &service_, QDBusConnection::SubPath));
        service_.moveToThread(&serviceThread_);
        serviceThread_.start();
        QVERIFY(standIn.registerService("org.freedesktop.UDisks2"));
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus("stand-in");
        serviceThread_.quit();
        serviceThread_.wait();
        bus_.terminate();
        bus_.waitForFinished();
    }

    void callsAndOutcomes() {
        Card card;
        card.device = "/dev/sdb1";
        const QString resolve = "Manager Manager.ResolveDevice";
        const QString unmount = "sdb1 Filesystem.Unmount";
        const QString drive = "sdb1 Properties.Get";
        const struct {
            const char* what;
            Script script;
            EjectOutcome outcome;
            QStringList calls;
        } cases[] = {
            {"a card reader",
             {},
             EjectOutcome::Ejected,
             {resolve, unmount, drive, "Card_Reader Drive.PowerOff"}},
            {"a reader that cannot power off",
             {true, false, true, false},
             EjectOutcome::Ejected,
             {resolve, unmount, drive, "Card_Reader Drive.PowerOff", "Card_Reader Drive.Eject"}},
            {"a slot without a drive",
             {true, false, false, true},
             EjectOutcome::Ejected,
             {resolve, unmount, drive}},
            {"a busy card", {true, true, true, true}, EjectOutcome::Busy, {resolve, unmount}},
            {"a device UDisks2 does not know",
             {false, false, true, true},
             EjectOutcome::Failed,
             {resolve}},
        };
        const QDBusConnection client = QDBusConnection::connectToBus(address_, "client");
        for (const auto& c : cases) {
            {
                QMutexLocker lock(&service_.mutex);
                service_.script = c.script;
                service_.calls.clear();
            }
            const EjectResult result = EjectThroughUDisks(client, card);
            QMutexLocker lock(&service_.mutex);
            QVERIFY2(result.outcome == c.outcome, c.what);
            QCOMPARE(service_.calls, c.calls);
        }
        QDBusConnection::disconnectFromBus("client");
    }

    void withoutUDisks() {
        Card card;
        card.device = "/dev/sdb1";
        const QDBusConnection other = QDBusConnection::connectToBus(address_, "other");
        QDBusConnection::connectToBus(address_, "stand-in")
            .unregisterService("org.freedesktop.UDisks2");
        QCOMPARE(int(EjectThroughUDisks(other, card).outcome), int(EjectOutcome::NoService));
        QDBusConnection::connectToBus(address_, "stand-in")
            .registerService("org.freedesktop.UDisks2");
        const QDBusConnection none =
            QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "none");
        QCOMPARE(int(EjectThroughUDisks(none, card).outcome), int(EjectOutcome::NoService));
    }
};

QTEST_GUILESS_MAIN(UDisksEjectTest)
#include "udisks_eject_test.moc"
