// The Cards window over a test's cards: the table follows cards as they come
// and go with what each card's files hold, the report lands as CSV or HTML,
// Eject all asks for every card, a profile goes to every card or to each
// card as it is put in, each card's result in its row, and the main window
// opens it.
#include "core/card/card_report.h"
#include "core/menu/menu_record.h"
#include "core/session/memory_store.h"
#include "core/session/session.h"
#include "core/text/many_cards_texts.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/cards_window.h"
#include "gui/shell/modal_driver.h"
#include "gui/shell/setup_app.h"
#include "gui/shell/setup_dlg.h"
#include "profile/profile.h"
#include "support/recording_presenter.h"
#include "support/watched_cards.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

QStringList column(const CardsWindow& window, int at) {
    const auto* table = window.findChild<QTableWidget*>(QStringLiteral("cardsTable"));
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
        texts << table->item(row, at)->text();
    }
    return texts;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList listed(const CardsWindow& window) {
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("cardsResultList"));
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

QByteArray bytesOf(const CardFile& file) {
    return QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<qsizetype>(file.bytes.size()));
}

// The table's columns: label, file system, free space, protection, the
// run's result, files.
constexpr int kLabel = 0;
constexpr int kProtected = 3;
constexpr int kResult = 4;
constexpr int kMenu = 5;
constexpr int kSetup = 6;

} // namespace

class CardsWindowTest : public QObject, public WatchedCards {
    Q_OBJECT

    Session session_;

    // A profile with a fixed clock ("now" would differ between the test's
    // build and the window's), and the files it comes to.
    QString goodProfile(std::vector<CardFile>& files) {
        const QString path = dir_.filePath(QStringLiteral("good.json"));
        put(path, R"({"model": "Ros SedgeMG",
                      "camera_menu": {"interval": 30, "clock": "2026-12-09 10:00:00"},
                      "mms": {"phone": "0170123456"}})");
        profile::ProfileFiles built = profile::BuildProfileFiles(path.toStdString(), std::cin);
        if (!built.ok() || built.files.size() != 2) {
            qWarning("the test's profile did not build: %s", built.reason.c_str());
        }
        files = std::move(built.files);
        return path;
    }
    // Each of `files` byte for byte in the folder of the card `name`, or none.
    void holds(const char* name, const std::vector<CardFile>& files, bool written) {
        const QString folder = dir_.filePath(QString::fromLatin1(name));
        if (!written) {
            QVERIFY2(QDir(folder).isEmpty(), name);
            return;
        }
        for (const CardFile& file : files) {
            QCOMPARE(contentsOf(folder + '/' + QString::fromStdString(file.name)), bytesOf(file));
        }
    }

  private slots:
    void init() {
        startWatch();
        session_ = Session{};
        session_.language = Language(2);
    }
    void cleanup() {
        test_seam::RecordMessages(false);
        stopWatch();
    }

    // Each step puts some cards in (the others out); the rows follow, with
    // what each card's files hold.
    void tableFollowsCardsAndWhatTheyHold() {
        const FileRecord menu = BuildMenuRecord(DefaultMenuSettings(Family::Quill));
        put(card(QStringLiteral("CAMA")).root.c_str() + QStringLiteral("/menu.dat"),
            QByteArray(reinterpret_cast<const char*>(menu.data()),
                       static_cast<qsizetype>(menu.size())));
        card(QStringLiteral("CAMB"));
        put(card(QStringLiteral("CAMC")).root.c_str() + QStringLiteral("/SETUP.DAT"),
            QByteArray("not a settings file"));
        Card silent = card(QStringLiteral("SLOW"));
        silent.responding = false;

        const struct {
            std::vector<Card> cards;
            QStringList labels, protection, menus, setups;
        } steps[] = {
            {{}, {}, {}, {}, {}},
            {{card("CAMA")}, {"CAMA"}, {"no"}, {"family: Quill"}, {"empty"}},
            {{card("CAMA"), card("CAMB", ReadOnly::LockSwitch), card("CAMC"), silent},
             {"CAMA", "CAMB", "CAMC", "SLOW"},
             {"no", "yes", "no", "no"},
             {"family: Quill", "empty", "empty", "the card is not responding"},
             {"empty", "empty", "cannot be read", "the card is not responding"}},
            {{card("CAMC")}, {"CAMC"}, {"no"}, {"empty"}, {"cannot be read"}},
            {{}, {}, {}, {}, {}},
        };
        CardsWindow window(watch_.get(), session_);
        window.show();
        for (const auto& step : steps) {
            insert(step.cards);
            QTRY_COMPARE_WITH_TIMEOUT(column(window, kLabel), step.labels, 2000);
            QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
            QCOMPARE(column(window, kProtected), step.protection);
            const QStringList menus = column(window, kMenu);
            const QStringList setups = column(window, kSetup);
            for (int row = 0; row < menus.size(); ++row) {
                QVERIFY2(menus[row].startsWith(step.menus[row]), qPrintable(menus[row]));
                QVERIFY2(setups[row].startsWith(step.setups[row]), qPrintable(setups[row]));
            }
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("ejectAllButton"))->isEnabled(),
                     !step.cards.empty());
        }
    }

    // The report holds one row per card, as the core formats it, in the
    // format its name asks for; a report that cannot be written says why.
    void reportLandsAsCsvOrHtml() {
        put(card(QStringLiteral("CAMA")).root.c_str() + QStringLiteral("/menu.dat"),
            QByteArray("damaged, \"old\""));
        insert({card("CAMA"), card("A&<B>")});
        CardsWindow window(watch_.get(), session_);
        QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
        QCOMPARE(window.rows().size(), std::size_t{2});

        const struct {
            QString name;
            std::string expected;
        } cases[] = {
            {"cards.csv", CardReportCsv(window.rows(), "2026-12-09", 2)},
            {"cards.HTML", CardReportHtml(window.rows(), "2026-12-09", 2)},
            {"cards.htm", CardReportHtml(window.rows(), "2026-12-09", 2)},
            {"cards.txt", CardReportCsv(window.rows(), "2026-12-09", 2)},
        };
        for (const auto& c : cases) {
            const QString path = dir_.filePath(c.name);
            QVERIFY(!window.saveReport(path, QStringLiteral("2026-12-09")).has_value());
            QCOMPARE(contentsOf(path).toStdString(), c.expected);
        }
        const QByteArray csv = contentsOf(dir_.filePath(QStringLiteral("cards.csv")));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(csv.count("\r\n"), 3);
        QVERIFY(contentsOf(dir_.filePath(QStringLiteral("cards.htm"))).contains("A&amp;&lt;B&gt;"));

        const QString nowhere = dir_.filePath(QStringLiteral("missing/cards.csv"));
        const std::optional<std::string> reason =
            window.saveReport(nowhere, QStringLiteral("2026-12-09"));
        QVERIFY(reason.has_value() && !reason->empty());
        QVERIFY(!QFile::exists(nowhere));
    }

    // Every card is asked to eject, one after another, and each outcome is told.
    void ejectAllAsksForEveryCard() {
        const struct {
            EjectResult played;
            const char* said;
        } cases[] = {
            {{EjectOutcome::Ejected, {}}, "CAMA: "},
            {{EjectOutcome::Busy, {}}, "CAMA: "},
        };
        for (const auto& c : cases) {
            cards_.playEject(c.played);
            insert({card("CAMA"), card("CAMB")});
            CardsWindow window(watch_.get(), session_);
            const std::size_t before = cards_.ejected().size();
            QSignalSpy done(&window, &CardsWindow::ejectsDone);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ejectAllButton")),
                              Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
            const std::vector<std::string> ejected = cards_.ejected();
            QCOMPARE(ejected.size(), before + 2);
            QCOMPARE(ejected[before], card("CAMA").root);
            QCOMPARE(ejected[before + 1], card("CAMB").root);
            const QStringList lines =
                window.findChild<QLabel*>(QStringLiteral("cardsStatus"))->text().split('\n');
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].startsWith(QString::fromLatin1(c.said)));
        }
    }

    // A profile goes to every camera card, each result in its row and in the
    // list (a card taken out mid-way only there), a locked card reported
    // with nothing on it, and the rows read again; a profile that does not
    // build is refused with its reason and nothing written; a cancelled
    // chooser does nothing.
    void writeProfileToEveryCard() {
        std::vector<CardFile> expected;
        const QString good = goodProfile(expected);
        QCOMPARE(expected.size(), std::size_t{2});
        const QString broken = dir_.filePath(QStringLiteral("broken.json"));
        put(broken, R"({"model": "Ros SedgeMG", "camera_menu": {"side_pir": "Maybe"}})");

        const struct {
            const char* what;
            QString chosen; // empty: the chooser is cancelled
            QString message;
            bool written;
        } cases[] = {
            {"cancelled", {}, {}, false},
            {"broken", broken,
             "Could not use the profile " + QDir::toNativeSeparators(broken) +
                 ": camera_menu.side_pir: \"Maybe\" is not one of \"Off\", \"On\"",
             false},
            {"missing", dir_.filePath(QStringLiteral("gone.json")),
             "Could not use the profile " +
                 QDir::toNativeSeparators(dir_.filePath(QStringLiteral("gone.json"))) + ": ",
             false},
            {"good", good, {}, true},
        };
        insert({card("CAMA"), card("CAMB"), card("LOCK", ReadOnly::LockSwitch), card("GONE")});
        CardsWindow window(watch_.get(), session_);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
        // Taken out after the window listed it: its folder is no more.
        QVERIFY(QDir(dir_.filePath(QStringLiteral("GONE"))).removeRecursively());
        auto* button = window.findChild<QPushButton*>(QStringLiteral("writeProfileButton"));
        QVERIFY(button != nullptr && button->isEnabled());
        test_seam::RecordMessages(true);
        for (const auto& c : cases) {
            test_seam::PresetNextProfile(c.chosen);
            QSignalSpy written(&window, &CardsWindow::allWritten);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(test_seam::TakeProfileChoosers().size(), std::size_t{1});
            const std::vector<RecordedMessage> messages = test_seam::TakeMessages();
            QCOMPARE(messages.size(), c.message.isEmpty() ? std::size_t{0} : std::size_t{1});
            if (!c.message.isEmpty()) {
                QVERIFY2(messages[0].text.startsWith(c.message), qPrintable(messages[0].text));
            }
            QCOMPARE(window.writing(), c.written);
            if (!c.written) {
                QVERIFY2(window.results().empty(), c.what);
                for (const char* name : {"CAMA", "CAMB", "LOCK"}) {
                    holds(name, expected, false);
                }
                continue;
            }
            QVERIFY(!button->isEnabled()); // one run at a time
            QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, 5000);
            const std::vector<CardOutcome> outcomes = {CardOutcome::Written, CardOutcome::Written,
                                                       CardOutcome::LockSwitch,
                                                       CardOutcome::Removed};
            QCOMPARE(window.results().size(), outcomes.size());
            for (std::size_t at = 0; at < outcomes.size(); ++at) {
                QCOMPARE(window.results()[at].outcome, outcomes[at]);
            }
            holds("CAMA", expected, true);
            holds("CAMB", expected, true);
            holds("LOCK", expected, false);
            QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("GONE"))));
            const QStringList results = {
                "written: menu.dat, setup.dat", "written: menu.dat, setup.dat",
                "not written: the card's lock switch is on",
                "not written: the card was taken out while it was written"};
            // The table shows each result and what the cards hold now.
            QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 5000);
            // (the system's words follow the reason of the card taken out)
            const QStringList cells = column(window, kResult);
            const QStringList lines = listed(window);
            QCOMPARE(cells.size(), 4);
            QCOMPARE(lines.size(), 4);
            for (int at = 0; at < 4; ++at) {
                QVERIFY2(cells[at].startsWith(results[at]), qPrintable(cells[at]));
                QVERIFY2(lines[at].contains(QStringLiteral("): ") + results[at]),
                         qPrintable(lines[at]));
            }
            const QStringList menus = column(window, kMenu);
            for (int row = 0; row < 3; ++row) {
                QVERIFY2(menus[row].startsWith(QStringLiteral("family:")) == (row < 2),
                         qPrintable(menus[row]));
            }
            QCOMPARE(window.findChild<QLabel*>(QStringLiteral("cardsStatus"))->text(),
                     QStringLiteral("2 of 4 cards written; not written: LOCK, GONE"));
            QVERIFY(button->isEnabled());
        }
    }

    // The production line: the card in already is written first, each card
    // put in while it runs is written once however long it stays, read back
    // and ejected, a locked one reported in its row; Stop ends it, and a card
    // put in afterwards is left alone.
    void productionLineWritesEachCardOnce() {
        std::vector<CardFile> expected;
        const QString good = goodProfile(expected);
        test_seam::RecordMessages(true);
        insert({card("CAMA")});
        const std::size_t ejectedBefore = cards_.ejected().size();
        CardsWindow window(watch_.get(), session_);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("writeEachButton"));
        QSignalSpy handled(&window, &CardsWindow::lineCardDone);
        QSignalSpy stopped(&window, &CardsWindow::lineStopped);
        test_seam::PresetNextProfile(good);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window.lineRunning());
        QCOMPARE(button->text(), QStringLiteral("Stop"));
        QCOMPARE(button->accessibleName(), QStringLiteral("Stop"));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("writeProfileButton"))->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(handled.count(), 1, 5000);

        // The stand-in's eject leaves the cards listed: still in, not new.
        const struct {
            std::vector<Card> inserted;
            int handled;
        } steps[] = {
            {{card("CAMA")}, 1},
            {{card("CAMA"), card("LOCK", ReadOnly::LockSwitch)}, 2},
            {{card("CAMA"), card("LOCK", ReadOnly::LockSwitch), card("CAMB")}, 3},
            {{card("CAMB")}, 3},
        };
        for (const auto& step : steps) {
            insert(step.inserted);
            QTRY_COMPARE_WITH_TIMEOUT(handled.count(), step.handled, 5000);
            // A few more looks at the cards write nothing more.
            for (int look = 0; look < 5; ++look) {
                watch_->refresh();
                QTest::qWait(40);
            }
            QCOMPARE(handled.count(), step.handled);
        }
        QCOMPARE(window.results().size(), std::size_t{3});
        holds("CAMA", expected, true);
        holds("LOCK", expected, false);
        holds("CAMB", expected, true);
        const std::vector<std::string> ejected = cards_.ejected();
        QCOMPARE(std::vector<std::string>(ejected.begin() + static_cast<long>(ejectedBefore),
                                          ejected.end()),
                 (std::vector<std::string>{card("CAMA").root, card("CAMB").root}));
        QTRY_COMPARE_WITH_TIMEOUT(
            column(window, kResult),
            QStringList{"3. written: menu.dat, setup.dat. The card can be removed."}, 2000);
        const QStringList lines = listed(window);
        QCOMPARE(lines.size(), 3);
        const char* const said[] = {
            "1  CAMA (", "written: menu.dat, setup.dat. The card can be removed.",
            "2  LOCK (", "not written: the card's lock switch is on. Remove the card.",
            "3  CAMB (", "written: menu.dat, setup.dat. The card can be removed."};
        for (int at = 0; at < 3; ++at) {
            QVERIFY2(lines[at].startsWith(QString::fromUtf8(said[2 * at])) &&
                         lines[at].endsWith(QString::fromUtf8(said[2 * at + 1])),
                     qPrintable(lines[at]));
        }

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!window.lineRunning());
        QCOMPARE(button->text(), QStringLiteral("Write each card inserted..."));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("cardsStatus"))->text(),
                 QStringLiteral("2 of 3 cards written; not written: LOCK"));
        insert({card("CAMB"), card("CAMC")});
        QTest::qWait(200);
        QCOMPARE(handled.count(), 3);
        holds("CAMC", expected, false);
    }

    // A card under way says so in its row; Stop, or closing the window,
    // while a card is written lets that card end (written, ejected), then
    // the line ends.
    void stopLetsTheCardUnderWayEnd() {
        std::vector<CardFile> expected;
        const QString good = goodProfile(expected);
        const struct {
            const char* name;
            bool close;
        } cases[] = {{"CAMX", false}, {"CAMY", true}};
        test_seam::RecordMessages(true);
        for (const auto& c : cases) {
            insert({card(QString::fromLatin1(c.name))});
            CardsWindow window(watch_.get(), session_);
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
            QSignalSpy handled(&window, &CardsWindow::lineCardDone);
            QSignalSpy stopped(&window, &CardsWindow::lineStopped);
            test_seam::PresetNextProfile(good);
            window.writeEachCard();
            QVERIFY2(window.lineRunning() && window.writing(), c.name);
            QCOMPARE(column(window, kResult), QStringList{QStringLiteral("writing…")});
            if (c.close) {
                window.reject();
            } else {
                window.stopLine();
            }
            QVERIFY2(!window.lineRunning(), c.name);
            QCOMPARE(stopped.count(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
            QCOMPARE(handled.count(), 1);
            holds(c.name, expected, true);
            QCOMPARE(cards_.ejected().back(), card(QString::fromLatin1(c.name)).root);
        }
    }

    // Every control named for a screen reader, in each language.
    void everyControlIsNamedInEveryLanguage() {
        insert({card("CAMA")});
        for (int language = 1; language <= 9; ++language) {
            session_.language = Language(language);
            CardsWindow window(watch_.get(), session_);
            window.show();
            QCOMPARE(window.windowTitle(),
                     QString::fromUtf8(std::string(TextIn(kCardsTitle, language))));
            for (const QWidget* w : window.findChildren<QWidget*>()) {
                if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QTableWidget*>(w) ||
                    qobject_cast<const QListWidget*>(w) || qobject_cast<const QLabel*>(w)) {
                    QVERIFY2(!w->objectName().isEmpty() && !w->accessibleName().isEmpty(),
                             qPrintable(w->objectName()));
                }
                if (const auto* b = qobject_cast<const QPushButton*>(w)) {
                    QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
                }
            }
        }
    }

    // The main window's "Cards" entry opens the window over the app's watch.
    void mainWindowOpensIt() {
#ifdef Q_OS_WIN
        QSKIP("the system menu carries the entry there");
#endif
        insert({card("CAMA")});
        MemoryStore store = MemoryStore::Complete(2, 1);
        session_ = StartUp(store, 1033);
        CSetupDlg dlg(session_, store, nullptr, watch_.get());
        dlg.show();
        QAction* entry = dlg.findChild<QAction*>(QStringLiteral("cardsAction"));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("Cards"));
        QCOMPARE(dlg.actions().indexOf(entry),
                 dlg.actions().indexOf(dlg.findChild<QAction*>(QStringLiteral("guideAction"))) + 1);
        QStringList labels;
        ModalDriver driver({[&](QWidget* w) {
            auto* window = qobject_cast<CardsWindow*>(w);
            QVERIFY(window != nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(window->allRead(), 2000);
            labels = column(*window, kLabel);
            window->reject();
        }});
        entry->trigger();
        QVERIFY(driver.finished());
        QCOMPARE(labels, QStringList{QStringLiteral("CAMA")});
    }
};

QTEST_MAIN(CardsWindowTest)
#include "cards_window_test.moc"
