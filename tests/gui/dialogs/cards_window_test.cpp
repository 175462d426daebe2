// The Cards window over a test's cards: the table follows cards as they come
// and go with what each card's files hold, the report lands as CSV or HTML,
// Eject all asks for every card, a profile goes to every card, and the main
// window opens it.
#include "core/card/card_report.h"
#include "core/menu/menu_record.h"
#include "core/session/memory_store.h"
#include "core/session/session.h"
#include "core/text/many_cards_texts.h"
#include "gui/dialogs/card_results.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/cards_window.h"
#include "gui/shell/modal_driver.h"
#include "gui/shell/setup_app.h"
#include "gui/shell/setup_dlg.h"
#include "profile/profile.h"
#include "support/fake_cards.h"
#include "support/recording_presenter.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
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

// The table's columns: label, file system, free space, protection, files.
constexpr int kLabel = 0;
constexpr int kProtected = 3;
constexpr int kMenu = 4;
constexpr int kSetup = 5;

} // namespace

class CardsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeCardSource cards_;
    std::unique_ptr<CardWatch> watch_;
    Session session_;

    Card card(const QString& name, bool writeProtected = false) const {
        QDir().mkpath(dir_.filePath(name));
        Card c = TestCard(QDir::toNativeSeparators(dir_.filePath(name)).toStdString(),
                          name.toStdString(), writeProtected);
        c.device = "/dev/" + name.toStdString();
        return c;
    }
    void insert(std::vector<Card> cards) {
        const std::vector<Card> expected = cards;
        cards_.put(std::move(cards));
        watch_->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(watch_->cards() == expected, 2000);
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        cards_.put({});
        watch_ = std::make_unique<CardWatch>(cards_, nullptr, std::chrono::milliseconds(20));
        watch_->start();
        QVERIFY(watch_->waitForFirstLook(std::chrono::seconds(5)));
        session_ = Session{};
        session_.language = Language(2);
    }
    void cleanup() {
        test_seam::RecordMessages(false);
        watch_.reset();
        for (const QString& name :
             QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            QDir(dir_.filePath(name)).removeRecursively();
            QFile::remove(dir_.filePath(name));
        }
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
            {{card("CAMA"), card("CAMB", true), card("CAMC"), silent},
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

    // A profile goes to every camera card, one result each, a locked card
    // reported with nothing on it, and the table is read again; a profile
    // that does not build is refused with its reason and nothing written; a
    // cancelled chooser does nothing.
    void writeProfileToEveryCard() {
        const QString good = dir_.filePath(QStringLiteral("good.json"));
        // A fixed clock: "now" would differ between this build and the window's.
        put(good, R"({"model": "Ros SedgeMG",
                      "camera_menu": {"interval": 30, "clock": "2026-12-09 10:00:00"},
                      "mms": {"phone": "0170123456"}})");
        const QString broken = dir_.filePath(QStringLiteral("broken.json"));
        put(broken, R"({"model": "Ros SedgeMG", "camera_menu": {"side_pir": "Maybe"}})");
        const profile::ProfileFiles expected =
            profile::BuildProfileFiles(good.toStdString(), std::cin);
        QVERIFY2(expected.ok(), expected.reason.c_str());
        QCOMPARE(expected.files.size(), std::size_t{2});

        const struct {
            const char* what;
            QString chosen; // empty: the chooser is cancelled
            QString message;
            std::vector<CardOutcome> outcomes; // none: nothing written
        } cases[] = {
            {"cancelled", {}, {}, {}},
            {"broken",
             broken,
             "Could not use the profile " + QDir::toNativeSeparators(broken) +
                 ": camera_menu.side_pir: \"Maybe\" is not one of \"Off\", \"On\"",
             {}},
            {"missing",
             dir_.filePath(QStringLiteral("gone.json")),
             "Could not use the profile " +
                 QDir::toNativeSeparators(dir_.filePath(QStringLiteral("gone.json"))) + ": ",
             {}},
            {"good",
             good,
             {},
             {CardOutcome::Written, CardOutcome::Written, CardOutcome::LockSwitch}},
        };
        insert({card("CAMA"), card("CAMB"), card("LOCK", true)});
        CardsWindow window(watch_.get(), session_);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.allRead(), 2000);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("writeProfileButton"));
        QVERIFY(button != nullptr && button->isEnabled());
        test_seam::RecordMessages(true);
        for (const auto& c : cases) {
            test_seam::PresetNextProfile(c.chosen);
            QSignalSpy read(&window, &CardsWindow::cardsRead);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(test_seam::TakeProfileChoosers().size(), std::size_t{1});
            const std::vector<RecordedMessage> messages = test_seam::TakeMessages();
            QCOMPARE(messages.size(), c.message.isEmpty() ? std::size_t{0} : std::size_t{1});
            if (!c.message.isEmpty()) {
                QVERIFY2(messages[0].text.startsWith(c.message), qPrintable(messages[0].text));
            }
            auto* results = window.findChild<CardResults*>();
            QCOMPARE(results != nullptr, !c.outcomes.empty());
            for (const char* name : {"CAMA", "CAMB", "LOCK"}) {
                if (c.outcomes.empty()) {
                    QVERIFY2(QDir(dir_.filePath(QString::fromLatin1(name))).isEmpty(), c.what);
                }
            }
            if (results == nullptr) {
                continue;
            }
            QTRY_VERIFY_WITH_TIMEOUT(results->finished(), 5000);
            QCOMPARE(results->results().size(), c.outcomes.size());
            for (std::size_t at = 0; at < c.outcomes.size(); ++at) {
                QCOMPARE(results->results()[at].outcome, c.outcomes[at]);
            }
            // Byte-exact on each card written, nothing on the locked one.
            for (const char* name : {"CAMA", "CAMB"}) {
                for (const CardFile& file : expected.files) {
                    const QByteArray bytes = contentsOf(dir_.filePath(
                        QString::fromLatin1(name) + '/' + QString::fromStdString(file.name)));
                    QCOMPARE(bytes, QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                                               static_cast<qsizetype>(file.bytes.size())));
                }
            }
            QVERIFY(QDir(dir_.filePath(QStringLiteral("LOCK"))).isEmpty());
            // The table shows what the cards hold now.
            QTRY_VERIFY_WITH_TIMEOUT(read.count() > 0 && window.allRead(), 5000);
            const QStringList menus = column(window, kMenu);
            const QStringList setups = column(window, kSetup);
            for (int row = 0; row < 3; ++row) {
                const bool written = row < 2;
                QVERIFY2(menus[row].startsWith(QStringLiteral("family:")) == written,
                         qPrintable(menus[row]));
                QVERIFY2(setups[row].startsWith(QStringLiteral("empty")) != written,
                         qPrintable(setups[row]));
            }
            results->close();
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
                    qobject_cast<const QLabel*>(w)) {
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
