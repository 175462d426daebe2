// The SD card in the set-up dialogs: where the folder starts, the line that
// says which card it is on, and the Eject button, over the card watcher of a
// test's cards.
#include "core/session/session.h"
#include "core/text/card_texts.h"
#include "core/text/mms_language_table.h"
#include "core/text/smtp_language_table.h"
#include "gui/dialogs/card_line.h"
#include "gui/dialogs/card_watch.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/watched_cards.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

Session session;

template <typename Dialog> std::function<QDialog*(CardWatch*)> maker() {
    return [](CardWatch* cards) { return new Dialog(session, cards); };
}

const struct {
    const char* what;
    std::function<QDialog*(CardWatch*)> make;
    int folderId;
} kDialogs[] = {{"menu", maker<CSedgeMenuDlg>(), menu_id::Folder},
                {"MMS", maker<CQuillMmsDlg>(), mms_id::Folder},
                {"e-mail", maker<CSedgeSmtpDlg>(), smtp_id::Folder}};

QString cardText(const QWidget* dialog) {
    return dialog->findChild<QLabel*>(QStringLiteral("cardText"))->text();
}

QPushButton* ejectButton(const QWidget* dialog) {
    return FindControlAs<QPushButton>(dialog, kEjectCardId);
}

} // namespace

class CardLineTest : public QObject, public WatchedCards {
    Q_OBJECT

    std::unique_ptr<QDialog> open(int index = 0) {
        session = Session{};
        session.model = CameraModel::SedgeM;
        std::unique_ptr<QDialog> d(kDialogs[index].make(watch_.get()));
        d->show();
        return d;
    }

  private slots:
    void init() {
        test_seam::RecordMessages(true);
        startWatch();
    }
    void cleanup() { stopWatch(); }

    // The folder starts at the one card inserted; with none or several, as
    // before (C:\ or the home folder). Every dialog shows the card line whole.
    void folderStartsAtTheOnlyCard() {
#ifdef Q_OS_WIN
        const QString home = QStringLiteral("C:\\");
#else
        const QString home = QDir::homePath();
#endif
        const Card cam = TestCard(root("CAM").toStdString(), "CAM");
        const Card other = TestCard(root("OTHER").toStdString(), "OTHER");
        Card disk = TestCard(root("DISK").toStdString(), "DISK");
        disk.fileSystem = "ext4";
        Card silent = TestCard(root("SLOW").toStdString(), "SLOW");
        silent.responding = false;
        const struct {
            std::vector<Card> inserted;
            QString folder;
        } cases[] = {{{}, home},
                     {{cam}, root("CAM")},
                     {{cam, other}, home},
                     {{disk}, home},
                     {{disk, cam}, root("CAM")},
                     {{silent}, home},
                     {{silent, cam}, root("CAM")}};
        for (const auto& c : cases) {
            insert(c.inserted);
            for (int i = 0; i < int(std::size(kDialogs)); ++i) {
                auto d = open(i);
                QCOMPARE(box(d.get(), kDialogs[i].folderId)->text(), c.folder);
                QVERIFY2(layoutProblem(d.get()).isEmpty(), qPrintable(layoutProblem(d.get())));
                const auto* line = d->findChild<QLabel*>(QStringLiteral("cardText"));
                QVERIFY2(line->width() >= line->sizeHint().width(), kDialogs[i].what);
            }
        }
    }

    // The line follows the folder typed and the cards the watcher sees;
    // Generate on a write-protected card explains the lock switch or the
    // read-only mount, on a card not responding says so, and writes nothing.
    void cardLineFollowsFolderAndCards() {
        const QString card = root("CAM");
        insert({TestCard(card.toStdString(), "CAM")});
        auto d = open();
        QCOMPARE(cardText(d.get()), QString("SD card CAM (FAT32), 7.4 GB free of 7.9 GB"));
        type(d.get(), menu_id::Folder, root("elsewhere"));
        QCOMPARE(cardText(d.get()), QString("The folder is on no SD card"));
        type(d.get(), menu_id::Folder, card);
        const struct {
            ReadOnly readOnly;
            bool responding;
            const char* line;
            const char* message;
        } cases[] = {
            {ReadOnly::LockSwitch, true,
             "SD card CAM (FAT32), 7.4 GB free of 7.9 GB, write-protected",
             "The SD card CAM is write-protected: the lock switch"},
            {ReadOnly::Mount, true, "SD card CAM (FAT32), 7.4 GB free of 7.9 GB, mounted read-only",
             "The SD card CAM is mounted read-only: the system mounts a card so"},
            {ReadOnly::No, false, "SD card CAM is not responding", "SD card CAM is not responding"},
        };
        for (const auto& c : cases) {
            Card changed = TestCard(card.toStdString(), "CAM");
            changed.readOnly = c.readOnly;
            changed.responding = c.responding;
            insert({changed});
            QTRY_COMPARE_WITH_TIMEOUT(cardText(d.get()), QString(c.line), 2000);
            messageTexts();
            press(d.get(), menu_id::Generate);
            const QStringList shown = messageTexts();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].startsWith(c.message), qPrintable(shown[0]));
            QVERIFY(QDir(card).isEmpty());
        }
    }

    // A card source that stops answering holds neither the dialog's opening
    // nor its keyboard: Tab moves the focus at once, the line keeps what the
    // watcher saw last.
    void dialogStaysResponsiveWhileTheCardsDoNotAnswer() {
        const QString card = root("CAM");
        insert({TestCard(card.toStdString(), "CAM")});
        cards_.hold(true);
        watch_->refresh();
        QElapsedTimer took;
        took.start();
        auto d = open();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        QWidget* before = d->focusWidget();
        QVERIFY(before != nullptr);
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(d->focusWidget() != before);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(cardText(d.get()), QString("SD card CAM (FAT32), 7.4 GB free of 7.9 GB"));
        cards_.hold(false);
    }

    // Eject is there while the folder is on a card; it runs beside the
    // dialog, the button saying so; its result is shown, after an eject the
    // line says the card can be removed, and the card put in again clears it.
    void ejectButtonStateAndResult() {
        const QString card = root("CAM");
        const Card cam = TestCard(card.toStdString(), "CAM");
        insert({cam});
        auto d = open();
        QVERIFY(ejectButton(d.get())->isEnabled());
        type(d.get(), menu_id::Folder, root("elsewhere"));
        QVERIFY(!ejectButton(d.get())->isEnabled());
        type(d.get(), menu_id::Folder, card);
        messageTexts();

        const QString caption = ejectButton(d.get())->text();
        cards_.playEject({EjectOutcome::Busy, {}});
        cards_.hold(true); // an authorisation prompt, a slow reader
        press(d.get(), kEjectCardId);
        QVERIFY(!ejectButton(d.get())->isEnabled());
        QCOMPARE(ejectButton(d.get())->text(), caption + QStringLiteral(" …"));
        QVERIFY(messageTexts().isEmpty());
        cards_.hold(false);
        QStringList shown;
        QTRY_VERIFY_WITH_TIMEOUT(!(shown += messageTexts()).isEmpty(), 2000);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].contains("a program is using it"));
        QVERIFY(ejectButton(d.get())->isEnabled());
        QCOMPARE(ejectButton(d.get())->text(), caption);

        cards_.playEject({EjectOutcome::Ejected, {}});
        cards_.hold(true);
        cards_.put({}); // the card is gone once ejected
        press(d.get(), kEjectCardId);
        cards_.hold(false);
        QTRY_COMPARE_WITH_TIMEOUT(cardText(d.get()), QString("The card can be removed."), 2000);
        QCOMPARE(messageTexts(), QStringList{"The card can be removed."});
        QCOMPARE(cards_.ejected(),
                 (std::vector<std::string>{card.toStdString(), card.toStdString()}));
        QVERIFY(!ejectButton(d.get())->isEnabled());

        insert({cam}); // put in again
        QTRY_COMPARE_WITH_TIMEOUT(cardText(d.get()),
                                  QString("SD card CAM (FAT32), 7.4 GB free of 7.9 GB"), 2000);
        QVERIFY(ejectButton(d.get())->isEnabled());
    }
};

QTEST_MAIN(CardLineTest)
#include "card_line_test.moc"
