#include "core/menu/menu_clock.h"
#include "core/menu/menu_decode.h"
#include "core/session/session.h"
#include "gui/dialogs/guide.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/guide_beside_program.h"
#include "support/private_access.h"
#include "support/recording_presenter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace rosmossel;
using namespace rosmossel::testing;
using namespace rosmossel::menu_id;

namespace {

const ClockValue kOpening{2024, 5, 6, 7, 8, 9};
const ClockValue kLater{2025, 11, 12, 13, 14, 15};

QByteArray BuildMenuRecordBytes(const MenuSettings& settings) {
    const FileRecord record = BuildMenuRecord(settings);
    return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
}

QByteArray factoryFile() {
    QByteArray bytes(60, '\0');
    bytes.fill(char(0xFF), 4).resize(4);
    bytes += QByteArray(52, '\0');
    bytes += QByteArray::fromHex("90880d0a");
    return bytes;
}

// The session every dialog of a test receives; each test starts from the defaults.
Session session;

std::unique_ptr<CameraMenuDialog> open(Family family) {
    std::unique_ptr<CameraMenuDialog> dialog;
    if (family == Family::Quill) {
        dialog = std::make_unique<CQuillMenuDlg>(session);
    } else {
        dialog = std::make_unique<CSedgeMenuDlg>(session);
    }
    dialog->show();
    return dialog;
}

} // namespace

class MenuDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir card_;

    QString menuPath() const { return card_.filePath(QStringLiteral("menu.dat")); }
    QByteArray written() const {
        QFile file(menuPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Points the dialog at the card, as the folder chooser would.
    void useCard(const QWidget* dialog) {
        test_seam::PresetNextFolder(card_.path());
        press(dialog, Select);
    }
    QByteArray generate(const QWidget* dialog) {
        QFile::remove(menuPath());
        press(dialog, Generate);
        return written();
    }

  private slots:
    void init() {
        QVERIFY(card_.isValid());
        session = Session{};
        session.model = CameraModel::QuillM;
        SetClockSource([] { return kOpening; });
        test_seam::RecordMessages(true);
    }
    void cleanup() { SetClockSource({}); }

    void openingValuesAreWrittenAsTheRecordSays_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QByteArray>("payload"); // bytes 0..32
        QTest::newRow("Quill") << int(Family::Quill)
                               << QByteArray::fromHex("00000100090001000001010000000e0506070809"
                                                      "00000000000000000002000100");
        QTest::newRow("Sedge") << int(Family::Sedge)
                               << QByteArray::fromHex("00000000090001000001010000000e0506070809"
                                                      "00000000000000000002000000");
    }
    void openingValuesAreWrittenAsTheRecordSays() {
        QFETCH(int, family);
        QFETCH(QByteArray, payload);
        auto dialog = open(Family(family));
        useCard(dialog.get());
        const QByteArray bytes = generate(dialog.get());
        QCOMPARE(bytes.size(), 60);
        QCOMPARE(bytes.left(33).toHex(), payload.toHex());
        QCOMPARE(bytes.mid(33, 23), QByteArray(23, '\0'));
        QCOMPARE(bytes.right(2), QByteArray("\r\n"));
        const QString name = family == int(Family::Quill) ? "Quill" : "Sedge";
        QCOMPARE(messageTexts(), QStringList{"Ros " + name + " Configuration file is generated"});
        QCOMPARE(box(dialog.get(), ClockText)->text(), QStringLiteral("2024/05/06 07:08:09"));
        QCOMPARE(dialog->windowTitle(), "Ros Mossel " + name);
    }

    void numberBoxesReportAndRepairOutOfRangeValues_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        const QString hours = "Please enter an integer between 0 and 23!";
        const QString minutes = "Please enter an integer between 0 and 59!";
        QTest::newRow("video 0") << VideoLength << "0"
                                 << "Please enter an integer between 1 and 60!"
                                 << "10";
        QTest::newRow("video 61") << VideoLength << "61"
                                  << "Please enter an integer between 1 and 60!"
                                  << "10";
        QTest::newRow("interval 75") << Interval << "75"
                                     << "Please enter an integer between 0 and 60!"
                                     << "1";
        QTest::newRow("start hour 24") << TimerStartHour << "24" << hours << "0";
        QTest::newRow("stop hour 25") << TimerStopHour << "25" << hours << "0";
        QTest::newRow("lapse hours 24") << TimeLapseHours << "24" << hours << "0";
        QTest::newRow("start minute 75") << TimerStartMinute << "75" << minutes << "0";
        QTest::newRow("stop minute 60") << TimerStopMinute << "60" << minutes << "0";
        QTest::newRow("lapse minutes 75") << TimeLapseMinutes << "75" << minutes << "0";
        QTest::newRow("lapse seconds 60") << TimeLapseSeconds << "60" << minutes << "0";
        QTest::newRow("in range stays") << TimeLapseSeconds << "59"
                                        << ""
                                        << "59";
        QTest::newRow("video 60 stays") << VideoLength << "60"
                                        << ""
                                        << "60";
    }
    void numberBoxesReportAndRepairOutOfRangeValues() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, after);
        for (Family family : {Family::Quill, Family::Sedge}) {
            auto dialog = open(family);
            choose(dialog.get(), Timer, 1);
            choose(dialog.get(), TimeLapse, 0);
            type(dialog.get(), field, typed);
            QCOMPARE(messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
            QCOMPARE(box(dialog.get(), field)->text(), after);
        }
    }

    void anEarlierBadFieldIsTheOneReported() {
        auto dialog = open(Family::Quill);
        choose(dialog.get(), TimeLapse, 0);
        box(dialog.get(), VideoLength)->setText(QStringLiteral("99")); // not through the rules
        type(dialog.get(), TimeLapseHours, QStringLiteral("5"));
        QCOMPARE(messageTexts(), QStringList{"Please enter an integer between 1 and 60!"});
        QLineEdit* video = box(dialog.get(), VideoLength);
        QCOMPARE(dialog->focusWidget(), video);
        QCOMPARE(video->selectedText(), QStringLiteral("99"));
        // The take stopped before the edited field: it still holds its old value.
        QCOMPARE(testing::PrivateAccess::settings(*dialog).timeLapseHours, 0);
        QCOMPARE(testing::PrivateAccess::settings(*dialog).videoLengthSeconds, 99);
    }

    void emptyNumberBoxShowsTheToolkitPrompt() {
        for (int language : {2, 3, 1}) {
            session.language = Language(language);
            auto dialog = open(Family::Sedge);
            type(dialog.get(), Interval, QString());
            const auto messages = test_seam::TakeMessages();
            QCOMPARE(messages.size(), std::size_t{1});
            QCOMPARE(messages[0].text, QStringLiteral("请键入一个整数。"));
            QVERIFY(messages[0].toolkitPrompt);
        }
    }

    void generateRefusesABoxWithoutANumber() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        type(dialog.get(), VideoLength, QStringLiteral("25"));
        type(dialog.get(), VideoLength, QString()); // the 25 taken before is no longer shown
        messageTexts();
        QVERIFY(generate(dialog.get()).isEmpty());
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("请键入一个整数。")});
        QCOMPARE(dialog->focusWidget(), box(dialog.get(), VideoLength));
        type(dialog.get(), VideoLength, QStringLiteral("7"));
        QCOMPARE(quint8(generate(dialog.get()).at(4)), quint8(6));
    }

    void aCardsSettingsLoadBackExceptTheClock() {
        const QString question = QStringLiteral(
            "This card already holds settings (menu.dat). Load them?\n"
            "The camera clock is not taken from the card; the dialog keeps the current time.");
        for (Family family : {Family::Quill, Family::Sedge}) {
            QByteArray first;
            {
                auto dialog = open(family);
                useCard(dialog.get());
                choose(dialog.get(), CameraMode, 2);
                choose(dialog.get(), IntervalUnit, 0);
                type(dialog.get(), Interval, QStringLiteral("45"));
                choose(dialog.get(), TimeLapse, 0);
                type(dialog.get(), TimeLapseHours, QStringLiteral("5"));
                choose(dialog.get(), SerialNumber, 1);
                choose(dialog.get(), SerialCharacter1 + 2, 7);
                first = generate(dialog.get());
            }
            test_seam::TakeQuestions();
            SetClockSource([] { return kLater; });
            auto dialog = open(family);
            test_seam::AnswerQuestions(true);
            useCard(dialog.get());
            QCOMPARE(test_seam::TakeQuestions(), std::vector<QString>{question});
            QCOMPARE(box(dialog.get(), TimeLapseHours)->text(), QStringLiteral("5"));
            QVERIFY(!box(dialog.get(), TimeLapseHours)->isReadOnly());
            QVERIFY(list(dialog.get(), SerialCharacter1)->isEnabled());
            MenuSettings expected =
                *DecodeMenuFile(
                     std::span(reinterpret_cast<const std::uint8_t*>(first.constData()), 60),
                     family)
                     .settings;
            expected.clock = kLater;
            QCOMPARE(testing::PrivateAccess::settings(*dialog), expected);
            QCOMPARE(generate(dialog.get()).toHex(), BuildMenuRecordBytes(expected).toHex());
            useCard(dialog.get()); // asked once per folder
            QVERIFY(test_seam::TakeQuestions().empty());
            SetClockSource([] { return kOpening; });
        }
    }

    void onlyAValidFileOfTheFamilyIsOffered() {
        const auto writeCard = [this](const QByteArray& bytes) {
            QFile file(card_.filePath(QStringLiteral("MENU.DAT")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        MenuSettings quill = DefaultMenuSettings(Family::Quill);
        quill.beepSound = 1; // a byte only a Quill dialog writes
        QByteArray damaged = BuildMenuRecordBytes(DefaultMenuSettings(Family::Sedge));
        damaged[3] = 9;
        const QByteArray cases[] = {BuildMenuRecordBytes(quill), factoryFile(), damaged,
                                    QByteArray()};
        for (const QByteArray& bytes : cases) {
            QFile::remove(menuPath());
            if (!bytes.isEmpty()) {
                writeCard(bytes);
            }
            auto dialog = open(Family::Sedge);
            useCard(dialog.get());
            QVERIFY(test_seam::TakeQuestions().empty());
            QFile::remove(card_.filePath(QStringLiteral("MENU.DAT")));
        }
        // A typed folder counts once Enter confirms it, which does not generate;
        // No leaves the dialog as it was.
        writeCard(BuildMenuRecordBytes(quill));
        auto dialog = open(Family::Quill);
        const MenuSettings before = testing::PrivateAccess::settings(*dialog);
        messageTexts();
        type(dialog.get(), Folder, QDir::toNativeSeparators(card_.path()));
        QTest::keyClick(box(dialog.get(), Folder), Qt::Key_Return);
        QCOMPARE(test_seam::TakeQuestions().size(), std::size_t{1});
        QVERIFY(messageTexts().isEmpty());
        QCOMPARE(testing::PrivateAccess::settings(*dialog), before);
        QFile::remove(card_.filePath(QStringLiteral("MENU.DAT")));
    }

    // A Generate from the folder field without leaving it (a shortcut, a
    // screen reader's press) writes the card; leaving the field afterwards
    // asks nothing about the file the dialog itself just wrote.
    void generatingFromTheFolderFieldAsksNoLoadQuestion() {
        auto dialog = open(Family::Quill);
        type(dialog.get(), Folder, QDir::toNativeSeparators(card_.path()));
        press(dialog.get(), Generate);
        QCOMPARE(written().size(), 60);
        emit box(dialog.get(), Folder)->editingFinished();
        QVERIFY(test_seam::TakeQuestions().empty());
        messageTexts();
    }

    void intervalUnitRules() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        choose(dialog.get(), IntervalUnit, 0);
        type(dialog.get(), Interval, QStringLiteral("0"));
        QCOMPARE(box(dialog.get(), Interval)->text(), QStringLiteral("0"));
        QCOMPARE(quint8(generate(dialog.get()).at(6)), quint8(128));

        choose(dialog.get(), IntervalUnit, 1);
        QCOMPARE(box(dialog.get(), Interval)->text(), QStringLiteral("1"));
        QCOMPARE(quint8(generate(dialog.get()).at(6)), quint8(1));

        type(dialog.get(), Interval, QStringLiteral("0")); // minutes: 0 becomes 1 at once
        QCOMPARE(box(dialog.get(), Interval)->text(), QStringLiteral("1"));
        choose(dialog.get(), IntervalUnit, 0);
        type(dialog.get(), Interval, QStringLiteral("60"));
        QCOMPARE(quint8(generate(dialog.get()).at(6)), quint8(188));
        QVERIFY(messageTexts().filter(QStringLiteral("between")).isEmpty());
    }

    void switchesLockTheirBoxesButTheValuesAreStillWritten() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        const int timerBoxes[] = {TimerStartHour, TimerStartMinute, TimerStopHour, TimerStopMinute};
        const int lapseBoxes[] = {TimeLapseHours, TimeLapseMinutes, TimeLapseSeconds};
        for (int id : timerBoxes) {
            QVERIFY(box(dialog.get(), id)->isReadOnly());
        }
        for (int id : lapseBoxes) {
            QVERIFY(box(dialog.get(), id)->isReadOnly());
        }
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!list(dialog.get(), SerialCharacter1 + i)->isEnabled());
        }
        type(dialog.get(), TimerStartHour, QStringLiteral("7"));
        QCOMPARE(box(dialog.get(), TimerStartHour)->text(), QStringLiteral("0"));

        choose(dialog.get(), Timer, 1);
        choose(dialog.get(), TimeLapse, 0);
        choose(dialog.get(), SerialNumber, 1);
        QVERIFY(!box(dialog.get(), TimerStopMinute)->isReadOnly());
        QVERIFY(!box(dialog.get(), TimeLapseSeconds)->isReadOnly());
        QVERIFY(list(dialog.get(), SerialCharacter1 + 3)->isEnabled());
        type(dialog.get(), TimerStartHour, QStringLiteral("6"));
        type(dialog.get(), TimerStartMinute, QStringLiteral("30"));
        type(dialog.get(), TimerStopHour, QStringLiteral("23"));
        type(dialog.get(), TimerStopMinute, QStringLiteral("59"));
        type(dialog.get(), TimeLapseHours, QStringLiteral("1"));
        type(dialog.get(), TimeLapseMinutes, QStringLiteral("2"));
        type(dialog.get(), TimeLapseSeconds, QStringLiteral("3"));
        choose(dialog.get(), SerialCharacter1, 0);
        choose(dialog.get(), SerialCharacter1 + 1, 9);
        choose(dialog.get(), SerialCharacter1 + 2, 10);
        choose(dialog.get(), SerialCharacter1 + 3, 35);

        choose(dialog.get(), Timer, 0);
        choose(dialog.get(), TimeLapse, 1);
        choose(dialog.get(), SerialNumber, 0);
        QVERIFY(box(dialog.get(), TimerStopMinute)->isReadOnly());
        QVERIFY(!list(dialog.get(), SerialCharacter1)->isEnabled());
        const QByteArray bytes = generate(dialog.get());
        QCOMPARE(bytes.mid(8, 1).toHex(), QByteArray("00"));        // timer Off
        QCOMPARE(bytes.mid(10, 4).toHex(), QByteArray("01010203")); // lapse Off, 1:2:3
        QCOMPARE(bytes.mid(20, 9).toHex(), QByteArray("061e173b0000090a23"));
    }

    void theCapturedClockIsWrittenNotThePress() {
        auto dialog = open(Family::Sedge);
        useCard(dialog.get());
        SetClockSource([] { return kLater; });
        QCOMPARE(generate(dialog.get()).mid(14, 6).toHex(), QByteArray("0e0506070809"));
        QCOMPARE(box(dialog.get(), ClockText)->text(), QStringLiteral("2024/05/06 07:08:09"));

        press(dialog.get(), GetTime);
        QCOMPARE(box(dialog.get(), ClockText)->text(), QStringLiteral("2025/11/12 13:14:15"));
        QCOMPARE(generate(dialog.get()).mid(14, 6).toHex(), QByteArray("0f0b0c0d0e0f"));

        SetClockSource([] { return ClockValue{2040, 1, 2, 3, 4, 5}; });
        choose(dialog.get(), DateFormat, 1); // a new format also reads the clock again
        QCOMPARE(box(dialog.get(), ClockText)->text(), QStringLiteral("01/02/2031 03:04:05"));
        QCOMPARE(quint8(generate(dialog.get()).at(14)), quint8(21));

        SetClockSource([] { return ClockValue{2005, 6, 7, 8, 9, 10}; });
        choose(dialog.get(), DateFormat, 2);
        QCOMPARE(box(dialog.get(), ClockText)->text(), QStringLiteral("07/06/2011 08:09:10"));
        QCOMPARE(quint8(generate(dialog.get()).at(14)), quint8(1));
    }

    void defaultWritesTheFactoryFileAndResets() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        choose(dialog.get(), CameraMode, 2);
        choose(dialog.get(), VideoSize, 2);
        choose(dialog.get(), SidePir, 0);
        choose(dialog.get(), DateFormat, 2);
        choose(dialog.get(), BeepSound, 0);
        choose(dialog.get(), SdCycle, 1);
        choose(dialog.get(), IntervalUnit, 0);
        choose(dialog.get(), Timer, 1);
        choose(dialog.get(), SerialNumber, 1);
        type(dialog.get(), Interval, QStringLiteral("30"));
        type(dialog.get(), VideoLength, QStringLiteral("45"));
        type(dialog.get(), TimerStopHour, QStringLiteral("5"));
        messageTexts();

        QFile::remove(menuPath());
        press(dialog.get(), Default);
        QCOMPARE(written().toHex(), factoryFile().toHex());
        QCOMPARE(messageTexts(),
                 QStringList{"Ros Quill Camera menu factory settings file has been generated"});
        const MenuSettings s = testing::PrivateAccess::settings(*dialog);
        QCOMPARE(s.cameraMode, 0);
        QCOMPARE(s.videoSize, 0); // not the opening 1
        QCOMPARE(s.sidePir, 1);
        QCOMPARE(s.intervalUnit, 1);
        QCOMPARE(s.timer, 0);
        QCOMPARE(s.serialNumber, 0);
        QCOMPARE(s.videoLengthSeconds, 10);
        QCOMPARE(s.timerStopHour, 0);
        QCOMPARE(s.intervalValue, 30);
        QCOMPARE(list(dialog.get(), DateFormat)->currentIndex(), 2);
        QCOMPARE(s.beepSound, 0);
        QCOMPARE(s.sdCycle, 1);
        QCOMPARE(box(dialog.get(), VideoLength)->text(), QStringLiteral("10"));
        QVERIFY(box(dialog.get(), TimerStopHour)->isReadOnly());
        QVERIFY(!list(dialog.get(), SerialCharacter1)->isEnabled());
    }

    void factoryFileIsTheSameForEveryModelAndLanguage() {
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
                session.language = Language(language);
                auto dialog = open(family);
                useCard(dialog.get());
                QFile::remove(menuPath());
                press(dialog.get(), Default);
                QCOMPARE(written(), factoryFile());
            }
        }
    }

    void sedgeHasNoBeepOrCycleAndWritesZeros() {
        auto dialog = open(Family::Sedge);
        QVERIFY(FindControl(dialog.get(), BeepSound) == nullptr);
        QVERIFY(FindControl(dialog.get(), SdCycle) == nullptr);
        useCard(dialog.get());
        session.tvMode = 0x0107; // only the low byte is written
        for (int language : {1, 2, 8}) {
            session.chineseChosen = language == 1 ? 1 : 0;
            session.language = Language(language == 1 ? 2 : language);
            const QByteArray bytes = generate(dialog.get());
            QCOMPARE(bytes.mid(29, 4).toHex(),
                     QByteArray::number(language).rightJustified(2, '0') + "070000");
        }
    }

    void messagesAreEnglishExceptInChinese_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("generated");
        QTest::addColumn<QString>("range");
        QTest::newRow("German") << 3 << "Ros Sedge Configuration file is generated"
                                << "Please enter an integer between 1 and 60!";
        QTest::newRow("Czech") << 9 << "Ros Sedge Configuration file is generated"
                               << "Please enter an integer between 1 and 60!";
        QTest::newRow("Chinese") << 1 << "Ros Sedge 相机菜单设置文件已经生成"
                                 << "请输入一个介于1和60之间的值!";
    }
    void messagesAreEnglishExceptInChinese() {
        QFETCH(int, language);
        QFETCH(QString, generated);
        QFETCH(QString, range);
        session.language = Language(language);
        auto dialog = open(Family::Sedge);
        useCard(dialog.get());
        type(dialog.get(), VideoLength, QStringLiteral("0"));
        press(dialog.get(), Generate);
        QCOMPARE(messageTexts(), (QStringList{range, generated}));
    }

    // F1 hands the browser the guide's page of the camera menu, found beside
    // the program; where no guide is installed it says where it looked.
    void f1OpensTheGuideAtTheCameraMenu_data() {
        QTest::addColumn<int>("editions"); // 0 none, 1 English, 2 English and Chinese
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("opens"); // the page's prefix, or the message's start
        QTest::newRow("English") << 2 << 2 << "";
        QTest::newRow("Chinese") << 2 << 1 << "zh-";
        QTest::newRow("Chinese, no Chinese edition") << 1 << 1 << "";
        QTest::newRow("missing, German") << 0 << 3 << "The guide (guide.html) is not installed";
        QTest::newRow("missing, Chinese") << 0 << 1 << "未安装使用指南(guide.html)";
    }
    void f1OpensTheGuideAtTheCameraMenu() {
        QFETCH(int, editions);
        QFETCH(int, language);
        QFETCH(QString, opens);
        const QStringList folders = GuideFolders(QCoreApplication::applicationDirPath());
        std::optional<testing::GuideBesideProgram> guide;
        if (editions > 0) {
            QVERIFY(guide.emplace(editions == 2).made());
        } else if (QFile::exists(folders.constLast() + QStringLiteral("/guide.html"))) {
            QSKIP("this system has the guide installed");
        }
        QList<QUrl> opened;
        SetUrlOpener([&](const QUrl& url) { opened << url; });
        session.language = Language(language);
        auto dialog = open(Family::Quill);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTest::keyClick(box(dialog.get(), VideoLength), Qt::Key_F1);
        SetUrlOpener({});
        if (guide) {
            QCOMPARE(opened, QList<QUrl>{guide->page(kGuideCameraMenu, qPrintable(opens))});
            QCOMPARE(messageTexts(), QStringList());
        } else {
            QCOMPARE(opened, QList<QUrl>());
            const QStringList texts = messageTexts();
            QCOMPARE(texts.size(), 1);
            QVERIFY2(texts[0].startsWith(opens), qPrintable(texts[0]));
            QVERIFY2(texts[0].contains(QDir::toNativeSeparators(folders.constFirst())),
                     qPrintable(texts[0]));
        }
        QVERIFY(dialog->isVisible());
    }

    void enterGenerates() {
        auto dialog = open(Family::Quill);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        useCard(dialog.get());
        type(dialog.get(), VideoLength, QStringLiteral("20"));
        QTest::keyClick(box(dialog.get(), VideoLength), Qt::Key_Return);
        QCOMPARE(quint8(written().at(4)), quint8(19));
        QVERIFY(dialog->isVisible());
        QTest::keyClick(list(dialog.get(), Pictures), Qt::Key_Enter);
        QVERIFY(dialog->isVisible());
        QCOMPARE(messageTexts().size(), 2);
    }

    void exitAndEscapeReject() {
        for (bool escape : {false, true}) {
            auto dialog = open(Family::Sedge);
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            if (escape) {
                QTest::keyClick(box(dialog.get(), Interval), Qt::Key_Escape);
            } else {
                press(dialog.get(), Exit);
            }
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(!dialog->isVisible());
        }
    }

    void folderTypedByHandIsUsedAtOnce() {
        auto dialog = open(Family::Quill);
        type(dialog.get(), Folder, QDir::toNativeSeparators(card_.path()));
        QVERIFY(!generate(dialog.get()).isEmpty());
        QFile::remove(menuPath());
        press(dialog.get(), Default);
        QCOMPARE(written(), factoryFile());
    }

    void failedWriteSaysSoAndNeverReportsSuccess() {
        for (int language : {2, 1}) {
            session.language = Language(language);
            auto dialog = open(Family::Sedge);
            const QString missing = card_.filePath(QStringLiteral("no-such-folder"));
            test_seam::PresetNextFolder(missing);
            press(dialog.get(), Select);
            for (int button : {Generate, Default}) {
                press(dialog.get(), button);
                const QStringList texts = messageTexts();
                QCOMPARE(texts.size(), 1);
                QVERIFY2(texts[0].contains(QDir::toNativeSeparators(missing + "/menu.dat")),
                         qPrintable(texts[0]));
                QVERIFY(texts[0].startsWith(language == 1 ? "无法写入文件" : "Could not write"));
            }
            QVERIFY(!QFile::exists(missing));
        }
    }

    void deepFolderFromTheChooserWorksWhole() {
        QString deep = card_.path();
        while (deep.size() < 200) {
            deep += QStringLiteral("/a-rather-long-folder-name");
        }
        QVERIFY(QDir().mkpath(deep));
        auto dialog = open(Family::Quill);
        test_seam::TakeFolderStarts();
        test_seam::PresetNextFolder(deep);
        press(dialog.get(), Select);
        QCOMPARE(box(dialog.get(), Folder)->text(), QDir::toNativeSeparators(deep));
        type(dialog.get(), VideoLength, QStringLiteral("30")); // a take reads the folder back
        press(dialog.get(), Generate);
        QFile file(deep + "/menu.dat");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(quint8(file.readAll().at(4)), quint8(29));

        test_seam::PresetNextFolder(QString()); // cancelled
        press(dialog.get(), Select);
        QCOMPARE(box(dialog.get(), Folder)->text(), DefaultFolder({}));
        QCOMPARE(box(dialog.get(), Folder)->maxLength(), 80);
        // The browser opens at the folder shown, a typed one included.
        box(dialog.get(), Folder)->setText(card_.path());
        press(dialog.get(), Select);
        const std::vector<QString> starts = test_seam::TakeFolderStarts();
        QCOMPARE(starts, (std::vector<QString>{DefaultFolder({}), QDir::toNativeSeparators(deep),
                                               card_.path()}));
    }

    void captionsAndListsFollowTheLanguage_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("thirdCapture");
        QTest::addColumn<QString>("select");
        QTest::newRow("English 2") << int(Family::Quill) << 2 << "Mode"
                                   << "Camera+Video"
                                   << "Select";
        QTest::newRow("English for 0") << int(Family::Sedge) << 0 << "Mode"
                                       << "Camera+Video"
                                       << "Select";
        QTest::newRow("English for 10") << int(Family::Quill) << 10 << "Mode"
                                        << "Camera+Video"
                                        << "Select";
        QTest::newRow("German") << int(Family::Sedge) << 3 << "Modus"
                                << "Foto+Video"
                                << "Auswahl";
        QTest::newRow("Chinese") << int(Family::Quill) << 1 << "模式"
                                 << "Camera+Video"
                                 << "选择目录";
        QTest::newRow("Slovenian Quill") << int(Family::Quill) << 8 << "Nacin"
                                         << "Camera+Video"
                                         << "Select";
        QTest::newRow("Slovenian Sedge") << int(Family::Sedge) << 8 << "Nacin"
                                         << "Slika+Video"
                                         << "Izberi";
    }
    void captionsAndListsFollowTheLanguage() {
        QFETCH(int, family);
        QFETCH(int, language);
        QFETCH(QString, mode);
        QFETCH(QString, thirdCapture);
        QFETCH(QString, select);
        session.language = Language(language);
        auto dialog = open(Family(family));
        QCOMPARE(FindControlAs<QLabel>(dialog.get(), ModeLabel)->text(), mode);
        QCOMPARE(list(dialog.get(), CameraMode)->itemText(2), thirdCapture);
        QCOMPARE(FindControlAs<QPushButton>(dialog.get(), Select)->text(), select);
        QCOMPARE(list(dialog.get(), CameraMode)->accessibleName(), mode);
        // Texts outside the catalogue stay English.
        QStringList fixed;
        for (QLabel* label : dialog->findChildren<QLabel*>(QStringLiteral("unitLabel"))) {
            fixed << label->text();
        }
        fixed.sort();
        QCOMPARE(fixed.join(' '), QStringLiteral("Hour Hour Hour Min Min Min Sec"));
        if (family == int(Family::Quill)) {
            QCOMPARE(FindControlAs<QLabel>(dialog.get(), BeepSoundLabel)->text(),
                     QStringLiteral("Beep Sound"));
            QCOMPARE(FindControlAs<QLabel>(dialog.get(), SdCycleLabel)->text(),
                     QStringLiteral("SD Cycle"));
        }
        // Defaults do not depend on the language.
        QCOMPARE(list(dialog.get(), VideoSize)->currentIndex(),
                 family == int(Family::Quill) ? 1 : 0);
        QCOMPARE(list(dialog.get(), TimeLapse)->currentIndex(), 1);
    }

    // What the dialog shows is what the command-line inspector reads back.
    void inspectorReadsWhatTheDialogShows_data() {
        QTest::addColumn<int>("family");
        QTest::newRow("Quill") << int(Family::Quill);
        QTest::newRow("Sedge") << int(Family::Sedge);
    }
    void inspectorReadsWhatTheDialogShows() {
#ifndef ROSMOSSEL_CLI
        QSKIP("rosmossel-cli is not built");
#else
        QFETCH(int, family);
        const bool quill = family == int(Family::Quill);
        auto dialog = open(Family(family));
        const QWidget* d = dialog.get();
        useCard(d);
        const std::pair<int, int> choices[] = {{CameraMode, 2},
                                               {ImageSize, 2},
                                               {VideoSize, 1},
                                               {Pictures, 2},
                                               {TimeStamp, 1},
                                               {Sensitivity, 2},
                                               {SidePir, 0},
                                               {IntervalUnit, 0},
                                               {Timer, 1},
                                               {TimeLapse, 0},
                                               {SerialNumber, 1},
                                               {SerialCharacter1, 9},
                                               {SerialCharacter1 + 1, 10},
                                               {SerialCharacter1 + 2, 35},
                                               {SerialCharacter1 + 3, 0}};
        for (const auto& [id, index] : choices) {
            choose(d, id, index);
        }
        if (quill) {
            choose(d, BeepSound, 0);
            choose(d, SdCycle, 1);
        }
        const std::pair<int, const char*> typed[] = {
            {VideoLength, "60"},      {Interval, "45"},        {TimerStartHour, "6"},
            {TimerStartMinute, "30"}, {TimerStopHour, "23"},   {TimerStopMinute, "59"},
            {TimeLapseHours, "1"},    {TimeLapseMinutes, "2"}, {TimeLapseSeconds, "3"}};
        for (const auto& [id, text] : typed) {
            type(d, id, QString::fromLatin1(text));
        }
        press(d, Generate);

        const auto profile =
            runCli({"inspect", "--json", "--model", quill ? "2" : "1", menuPath()});
        QVERIFY(profile);
        const QJsonObject read =
            QJsonDocument::fromJson(*profile).object()["camera_menu"].toObject();
        QVERIFY(!read.isEmpty());

        // The keys are the core's row names; each row's control shows what the profile holds.
        const std::pair<MenuField, int> fields[] = {{MenuField::CameraMode, CameraMode},
                                                    {MenuField::ImageSize, ImageSize},
                                                    {MenuField::VideoSize, VideoSize},
                                                    {MenuField::PicturesPerTrigger, Pictures},
                                                    {MenuField::VideoLength, VideoLength},
                                                    {MenuField::TimeStamp, TimeStamp},
                                                    {MenuField::Interval, Interval},
                                                    {MenuField::IntervalUnit, IntervalUnit},
                                                    {MenuField::Sensitivity, Sensitivity},
                                                    {MenuField::SidePir, SidePir},
                                                    {MenuField::Timer, Timer},
                                                    {MenuField::TimerStartHour, TimerStartHour},
                                                    {MenuField::TimerStartMinute, TimerStartMinute},
                                                    {MenuField::TimerStopHour, TimerStopHour},
                                                    {MenuField::TimerStopMinute, TimerStopMinute},
                                                    {MenuField::SerialNumber, SerialNumber},
                                                    {MenuField::TimeLapse, TimeLapse},
                                                    {MenuField::TimeLapseHours, TimeLapseHours},
                                                    {MenuField::TimeLapseMinutes, TimeLapseMinutes},
                                                    {MenuField::TimeLapseSeconds, TimeLapseSeconds},
                                                    {MenuField::BeepSound, BeepSound},
                                                    {MenuField::SdCycle, SdCycle}};
        int compared = 0;
        for (const auto& [field, id] : fields) {
            const char* key = MenuFieldOf(field).name;
            QWidget* control = FindControl(d, id);
            if (control == nullptr) {
                QVERIFY2(!read.contains(key), key);
                continue;
            }
            const QJsonValue value = read[key];
            QCOMPARE(value.isString() ? value.toString() : QString::number(value.toInt()),
                     shownText(control));
            ++compared;
        }
        QCOMPARE(compared, quill ? 22 : 20);
        QString characters;
        for (int i = 0; i < 4; ++i) {
            characters += list(d, SerialCharacter1 + i)->currentText();
        }
        QCOMPARE(read[MenuFieldOf(MenuField::SerialCharacter1).name].toString(), characters);
        QCOMPARE(read[MenuFieldOf(MenuField::ClockYear).name].toString(),
                 box(d, ClockText)->text().replace(QLatin1Char('/'), QLatin1Char('-')));
#endif
    }

    // Pictures of both dialogs for a person to look at:
    // ROSMOSSEL_SCREENSHOT_DIR=/tmp menu_dialog_tests screenshots
    void screenshots() {
        const QString folder = qEnvironmentVariable("ROSMOSSEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ROSMOSSEL_SCREENSHOT_DIR is not set");
        }
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language : {2, 3, 4, 7, 1, 8}) {
                session.language = Language(language);
                auto dialog = open(family);
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                const QString name = QStringLiteral("%1/menu-%2-%3.png")
                                         .arg(folder, QString::fromLatin1(FamilyName(family)))
                                         .arg(language);
                QVERIFY(dialog->grab().save(name));
            }
        }
    }

    // Every caption fits its control and the two halves line up, in every
    // language.
    void layoutFitsEveryLanguage() {
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language = 1; language <= 9; ++language) {
                session.language = Language(language);
                auto dialog = open(family);
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                const QString problem = layoutProblem(dialog.get());
                QVERIFY2(problem.isEmpty(),
                         qPrintable(problem + " in language " + QString::number(language)));
                const auto x = [&](int id) { return FindControl(dialog.get(), id)->x(); };
                for (int id : {VideoSizeLabel, TimeStampLabel, SidePirLabel, IntervalLabel,
                               ClockLabel, TimerLabel, SerialLabel, TimeLapseLabel}) {
                    QCOMPARE(x(id), x(ModeLabel));
                }
                for (int id :
                     {PicturesLabel, SensitivityLabel, VideoLengthLabel, DateFormatLabel}) {
                    QCOMPARE(x(id), x(ImageSizeLabel));
                }
                for (int id : {VideoSize, TimeStamp, SidePir, IntervalUnit}) {
                    QCOMPARE(x(id), x(CameraMode));
                }
                QCOMPARE(x(ImageSize), x(Pictures));
            }
        }
    }
};

QTEST_MAIN(MenuDialogTest)
#include "menu_dialog_test.moc"
