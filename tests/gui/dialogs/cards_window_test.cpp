// The Cards window over a test's cards: the table follows cards as they come
// and go with what each card's files hold, the report lands as CSV or HTML,
// Eject all asks for every card, and the main window opens it.
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
#include "support/fake_cards.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

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
