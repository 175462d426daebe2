// The SD card in the set-up dialogs: where the folder starts, the line that
// says which card it is on, and the Eject button.
#include "core/session/session.h"
#include "core/text/card_texts.h"
#include "core/text/mms_language_table.h"
#include "core/text/smtp_language_table.h"
#include "gui/dialogs/card_line.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/fake_cards.h"

#include <functional>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

Session session;

template <typename Dialog> std::function<QDialog*()> maker() {
    return [] { return new Dialog(session); };
}

const struct {
    const char* what;
    std::function<QDialog*()> make;
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

class CardLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeCardSource cards_;

    QString root(const QString& name) const {
        QDir().mkpath(dir_.filePath(name));
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    std::unique_ptr<QDialog> open(int index = 0) {
        session = Session{};
        session.model = CameraModel::SedgeM;
        std::unique_ptr<QDialog> d(kDialogs[index].make());
        d->show();
        return d;
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        test_seam::RecordMessages(true);
        cards_ = FakeCardSource{};
        SetCardSource(&cards_);
    }

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
        const struct {
            std::vector<Card> inserted;
            QString folder;
        } cases[] = {{{}, home}, {{cam}, root("CAM")}, {{cam, other}, home}};
        for (const auto& c : cases) {
            cards_.inserted = c.inserted;
            for (int i = 0; i < int(std::size(kDialogs)); ++i) {
                auto d = open(i);
                QCOMPARE(box(d.get(), kDialogs[i].folderId)->text(), c.folder);
                QVERIFY2(layoutProblem(d.get()).isEmpty(), qPrintable(layoutProblem(d.get())));
                const auto* line = d->findChild<QLabel*>(QStringLiteral("cardText"));
                QVERIFY2(line->width() >= line->sizeHint().width(), kDialogs[i].what);
            }
        }
    }

    // The line follows the folder typed and the cards put in within two
    // seconds; Generate on a write-protected card explains the lock switch
    // and writes nothing.
    void cardLineFollowsFolderAndCards() {
        const QString card = root("CAM");
        cards_.inserted = {TestCard(card.toStdString(), "CAM")};
        auto d = open();
        QCOMPARE(cardText(d.get()), QString("SD card CAM (FAT32), 7.4 GB free of 7.9 GB"));
        type(d.get(), menu_id::Folder, root("elsewhere"));
        QCOMPARE(cardText(d.get()), QString("The folder is on no SD card"));
        type(d.get(), menu_id::Folder, card);
        cards_.inserted[0].readOnly = ReadOnly::LockSwitch;
        QTRY_COMPARE_WITH_TIMEOUT(cardText(d.get()),
                                  QString("SD card CAM (FAT32), 7.4 GB free of 7.9 GB, "
                                          "write-protected"),
                                  2000);
        messageTexts();
        press(d.get(), menu_id::Generate);
        const QStringList shown = messageTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("The SD card CAM is write-protected: the lock switch"),
                 qPrintable(shown[0]));
        QVERIFY(QDir(card).isEmpty());
    }

    // Eject is there while the folder is on a card; its result is shown, and
    // after an eject the line says the card can be removed.
    void ejectButtonStateAndResult() {
        const QString card = root("CAM");
        cards_.inserted = {TestCard(card.toStdString(), "CAM")};
        auto d = open();
        QVERIFY(ejectButton(d.get())->isEnabled());
        type(d.get(), menu_id::Folder, root("elsewhere"));
        QVERIFY(!ejectButton(d.get())->isEnabled());
        type(d.get(), menu_id::Folder, card);
        messageTexts();

        cards_.ejectResult = {EjectOutcome::Busy, {}};
        press(d.get(), kEjectCardId);
        QVERIFY(messageTexts().at(0).contains("a program is using it"));
        QVERIFY(ejectButton(d.get())->isEnabled());

        cards_.ejectResult = {EjectOutcome::Ejected, {}};
        press(d.get(), kEjectCardId);
        QCOMPARE(messageTexts(), QStringList{"The card can be removed."});
        QCOMPARE(cards_.ejected,
                 (std::vector<std::string>{card.toStdString(), card.toStdString()}));
        QCOMPARE(cardText(d.get()), QString("The card can be removed."));
        QVERIFY(!ejectButton(d.get())->isEnabled());
    }

    // Pictures of the three dialogs with a write-protected card, in English,
    // Chinese and German, for a person to look at:
    // ROSMOSSEL_SCREENSHOT_DIR=/tmp card_line_tests screenshots
    void screenshots() {
        const QString folder = qEnvironmentVariable("ROSMOSSEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ROSMOSSEL_SCREENSHOT_DIR is not set");
        }
        cards_.inserted = {TestCard(root("CAM").toStdString(), "CAM", true)};
        for (int language : {2, 1, 3}) {
            for (int i = 0; i < int(std::size(kDialogs)); ++i) {
                session = Session{};
                session.model = CameraModel::SedgeM;
                session.language = Language(language);
                std::unique_ptr<QDialog> d(kDialogs[i].make());
                d->show();
                QVERIFY(QTest::qWaitForWindowExposed(d.get()));
                QVERIFY(d->grab().save(
                    QStringLiteral("%1/card-%2-%3.png").arg(folder).arg(i).arg(language)));
            }
        }
    }
};

QTEST_MAIN(CardLineTest)
#include "card_line_test.moc"
