// *Write to all cards* beside the card line: shown with two or more camera
// cards, Generate's checks first, then the dialog's file to each card off
// the GUI thread with one result per card, over a test's cards.
#include "core/session/session.h"
#include "core/text/many_cards_texts.h"
#include "core/text/mms_language_table.h"
#include "gui/dialogs/card_results.h"
#include "gui/dialogs/card_watch.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/watched_cards.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>

#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

Session session;

QPushButton* writeAllButton(const QWidget* dialog) {
    return FindControlAs<QPushButton>(dialog, kWriteAllCardsId);
}

QByteArray held(const QString& folder, const QString& name) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList rows(const CardResults* results) {
    QStringList texts;
    const auto* list = results->findChild<QListWidget*>(QStringLiteral("cardResultList"));
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

} // namespace

class WriteAllCardsTest : public QObject, public WatchedCards {
    Q_OBJECT

    template <typename Dialog> std::unique_ptr<QDialog> open(int language = 2) {
        session = Session{};
        session.model = CameraModel::SedgeM;
        session.language = Language(language);
        std::unique_ptr<QDialog> d(new Dialog(session, watch_.get()));
        d->show();
        return d;
    }

  private slots:
    void init() {
        test_seam::RecordMessages(true);
        startWatch();
    }
    void cleanup() { stopWatch(); }

    // The button is there only while two or more camera cards are in.
    void shownWithTwoCameraCards() {
        Card disk = card("DISK");
        disk.fileSystem = "ext4";
        const struct {
            std::vector<Card> cards;
            bool shown;
        } cases[] = {{{}, false},
                     {{card("CAMA")}, false},
                     {{card("CAMA"), disk}, false},
                     {{card("CAMA"), card("CAMB")}, true},
                     {{card("CAMA"), card("CAMB", ReadOnly::LockSwitch)}, true}};
        auto d = open<CSedgeMenuDlg>();
        for (const auto& c : cases) {
            insert(c.cards);
            QTRY_COMPARE_WITH_TIMEOUT(writeAllButton(d.get())->isVisible(), c.shown, 2000);
            QVERIFY2(layoutProblem(d.get()).isEmpty(), qPrintable(layoutProblem(d.get())));
        }
    }

    // Each camera card gets the file Generate writes; a locked card is named
    // with its reason, the others are written all the same; a card that is
    // no camera's is not in the list.
    void eachCardWrittenWithOneResultEach() {
        Card disk = card("DISK");
        disk.fileSystem = "ext4";
        insert({card("CAMA"), card("LOCKED", ReadOnly::LockSwitch), disk, card("CAMB")});
        auto d = open<CSedgeMenuDlg>();
        type(d.get(), menu_id::Folder, root("generated"));
        press(d.get(), menu_id::Generate);
        messageTexts();
        QTRY_VERIFY_WITH_TIMEOUT(writeAllButton(d.get())->isVisible(), 2000);
        writeAllButton(d.get())->click();
        auto* results = d->findChild<CardResults*>();
        QVERIFY(results != nullptr);
        QVERIFY(results->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(results->finished(), 5000);
        const QStringList expected = {root("CAMA") + "): written: menu.dat",
                                      root("LOCKED") +
                                          "): not written: the card's lock switch is on",
                                      root("CAMB") + "): written: menu.dat"};
        const QStringList shown = rows(results);
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY2(shown[i].endsWith(expected[i]), qPrintable(shown[i]));
        }
        // Every line whole.
        QVERIFY(!results->findChild<QListWidget*>()->horizontalScrollBar()->isVisible());
        QCOMPARE(results->findChild<QLabel*>(QStringLiteral("cardResultSummary"))->text(),
                 QStringLiteral("2 of 3 cards written; not written: LOCKED"));
        const QByteArray generated = held(root("generated"), "menu.dat");
        QCOMPARE(generated.size(), 60);
        QCOMPARE(held(root("CAMA"), "menu.dat"), generated);
        QCOMPARE(held(root("CAMB"), "menu.dat"), generated);
        QVERIFY(QDir(root("LOCKED")).isEmpty());
        QVERIFY(QDir(root("DISK")).isEmpty());
        QVERIFY(messageTexts().isEmpty()); // the list says it all
    }

    // Generate's checks run first, with Generate's message and focus; no card
    // is written when they fail.
    void checksFirst() {
        insert({card("CAMA"), card("CAMB")});
        auto d = open<CQuillMmsDlg>();
        type(d.get(), mms_id::PhoneNo, QString());
        type(d.get(), mms_id::Email, QString());
        messageTexts();
        press(d.get(), mms_id::Generate);
        const QStringList generateSays = messageTexts();
        QCOMPARE(generateSays.size(), 1);
        QWidget* generateFocus = QApplication::focusWidget();
        box(d.get(), mms_id::Email)->setFocus();
        writeAllButton(d.get())->click();
        QCOMPARE(messageTexts(), generateSays);
        QCOMPARE(QApplication::focusWidget(), generateFocus);
        QVERIFY(d->findChild<CardResults*>() == nullptr);
        QVERIFY(QDir(root("CAMA")).isEmpty());
        QVERIFY(QDir(root("CAMB")).isEmpty());
    }

    // A card taken out before its turn is named as such.
    void cardTakenOut() {
        insert({card("CAMA"), card("GONE")});
        auto d = open<CSedgeMenuDlg>();
        QTRY_VERIFY_WITH_TIMEOUT(writeAllButton(d.get())->isVisible(), 2000);
        // Out of the system's list and its folder gone, the dialog not told yet.
        cards_.put({card("CAMA")});
        QDir(root("GONE")).removeRecursively();
        writeAllButton(d.get())->click();
        auto* results = d->findChild<CardResults*>();
        QVERIFY(results != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(results->finished(), 5000);
        QCOMPARE(results->results()[1].outcome, CardOutcome::Removed);
        QVERIFY2(
            rows(results)[1].contains("not written: the card was taken out while it was written"),
            qPrintable(rows(results)[1]));
    }
};

QTEST_MAIN(WriteAllCardsTest)
#include "write_all_cards_test.moc"
