#include "core/mms/operator_presets.h"
#include "core/session/session.h"
#include "core/text/mms_language_table.h"
#include "gui/dialogs/presenter.h"
#include "gui/mms/quill_mms_dlg.h"
#include "gui/mms/sedge_mms_dlg.h"
#include "support/dialog_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;
using namespace rosmossel::mms_id;

namespace {

Session session;

std::unique_ptr<MmsDialog> open(Family family) {
    session.model = family == Family::Quill ? CameraModel::QuillM : CameraModel::SedgeM;
    std::unique_ptr<MmsDialog> dialog;
    if (family == Family::Quill) {
        dialog = std::make_unique<CQuillMmsDlg>(session);
    } else {
        dialog = std::make_unique<CSedgeMmsDlg>(session);
    }
    dialog->show();
    return dialog;
}

QStringList items(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}
const QString kQuillDone =
    "Ros Quill MMS configuration file (URL|APN|Gateway|Port ...) has been generated";
const QString kSedgeDone =
    "Ros Sedge MMS configuration file (URL|APN|Gateway|Port ...) has been generated";

} // namespace

class MmsDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir card_;

    QString setupPath() const { return card_.filePath(QStringLiteral("setup.dat")); }
    void useCard(const QWidget* d) {
        test_seam::PresetNextFolder(card_.path());
        press(d, Select);
    }
    // Generate; the file's bytes, empty when nothing was written.
    QByteArray generate(const QWidget* d) {
        QFile::remove(setupPath());
        press(d, Generate);
        QFile file(setupPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static MmsSettings decoded(const QByteArray& bytes, Family family) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const MmsDecoded d = DecodeSetupFile({data, std::size_t(bytes.size())}, family);
        return d.settings.value_or(MmsSettings{});
    }

  private slots:
    void init() {
        QVERIFY(card_.isValid());
        session = Session{};
        test_seam::RecordMessages(true);
    }

    // Each row: what the user does, then the message Generate shows and
    // whether setup.dat is written.
    void generateChecksTheInputInOrder() {
        using Steps = std::function<void(QWidget*)>;
        const auto manualConnection = [](QWidget* d) {
            choose(d, Mode, 1);
            type(d, Email, "me@example.org");
            type(d, Url, "http://mms.example");
            type(d, Apn, "mms");
            type(d, Port, "8080");
        };
        const struct {
            const char* what;
            Family family;
            Steps steps;
            QString message;
        } cases[] = {
            {"defaults", Family::Quill, [](QWidget*) {}, "Phone & Email Error(0)"},
            {"Quill SMS, all empty", Family::Quill, [](QWidget* d) { choose(d, Status, 2); },
             kQuillDone},
            {"Sedge SMS is index 3", Family::Sedge, [](QWidget* d) { choose(d, Status, 3); },
             kSedgeDone},
            {"Sedge QVGA takes the full table", Family::Sedge,
             [](QWidget* d) { choose(d, Status, 2); }, "Phone & Email Error(0)"},
            {"recipient 2 of three with @", Family::Quill,
             [](QWidget* d) {
                 type(d, PhoneNo, "123456");
                 type(d, Recipient2, "a@b");
             },
             "Phone No. Error(02)"},
            {"recipient 2 of five with @", Family::Quill,
             [](QWidget* d) {
                 type(d, PhoneNo, "123456");
                 type(d, Recipient2, "a@b.c");
             },
             kQuillDone},
            {"e-mail without a dot", Family::Sedge, [](QWidget* d) { type(d, Email, "ab@cd"); },
             "Email Error(.)"},
            {"international 14 characters", Family::Sedge,
             [](QWidget* d) {
                 choose(d, NumberKind, 1);
                 type(d, PhoneNo, "+4912345678901");
             },
             kSedgeDone},
            {"manual gateway without a dot", Family::Quill,
             [&](QWidget* d) {
                 manualConnection(d);
                 type(d, Gateway, "10000");
             },
             "GateWay Error(.)"},
            {"manual gateway with a dot", Family::Quill,
             [&](QWidget* d) {
                 manualConnection(d);
                 type(d, Gateway, "10.0.0.1");
             },
             kQuillDone},
        };
        for (const auto& c : cases) {
            auto dialog = open(c.family);
            useCard(dialog.get());
            c.steps(dialog.get());
            messageTexts();
            const QByteArray bytes = generate(dialog.get());
            const QStringList shown = messageTexts();
            QVERIFY2(shown == QStringList{c.message},
                     qPrintable(c.what + (": " + shown.join('|'))));
            const bool written = c.message == kQuillDone || c.message == kSedgeDone;
            QVERIFY2(bytes.size() == (written ? 720 : 0), c.what);
        }
    }

    void automaticModeWritesTheChosenPresetAndRemembersIt() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        choose(dialog.get(), Status, 2);
        MmsSettings s = decoded(generate(dialog.get()), Family::Quill);
        const OperatorPreset& chinaMobile = *LookUpOperatorPreset(0, 0);
        QCOMPARE(s.url, chinaMobile.url);
        QCOMPARE(s.presetCountry, 0);
        QVERIFY(s.recipient2.empty() && s.phone.empty());

        choose(dialog.get(), Country, 17); // Ireland: the third has no name
        QCOMPARE(items(list(dialog.get(), Operator)).size(), 3);
        choose(dialog.get(), Operator, 2);
        s = decoded(generate(dialog.get()), Family::Quill);
        const OperatorPreset& unnamed = *LookUpOperatorPreset(17, 2);
        QCOMPARE(s.apn, unnamed.apn);
        QCOMPARE(s.gateway, unnamed.gateway);
        QCOMPARE(s.port, std::string("8080"));
        QCOMPARE(s.presetCountry, 17);
        QCOMPARE(s.presetOperator, 2);
        QCOMPARE(s.smsRemoteControl, 25);
        // The fields on screen stay empty and read-only.
        QVERIFY(box(dialog.get(), Url)->text().isEmpty());
        QVERIFY(box(dialog.get(), Apn)->isReadOnly());
        QCOMPARE(session.mmsPreset, (MmsPresetSelection{17, 2}));

        // Manual mode writes 0x80 and 0, and the choice outlives the dialog.
        choose(dialog.get(), Mode, 1);
        QCOMPARE(items(list(dialog.get(), Country)), QStringList{"Other"});
        QCOMPARE(items(list(dialog.get(), ConnectionKind)), (QStringList{"APN", "CSD"}));
        dialog = open(Family::Quill);
        QCOMPARE(session.mmsPreset, (MmsPresetSelection{0x80, 0}));
    }

    void manualModeWritesWhatIsTyped() {
        auto dialog = open(Family::Sedge);
        useCard(dialog.get());
        choose(dialog.get(), Mode, 1);
        choose(dialog.get(), ConnectionKind, 1);
        const std::pair<int, const char*> typed[] = {{Url, "http://mms.example/x"},
                                                     {Apn, "csd.example"},
                                                     {Gateway, "10.0.0.1"},
                                                     {Port, "9201"},
                                                     {Account, "user"},
                                                     {Password, "secret"},
                                                     {PhoneNo, "01701234567"},
                                                     {Email, "a@b.cd"},
                                                     {Recipient2, "02345"},
                                                     {Recipient3, "x@y.z"}};
        for (const auto& [id, text] : typed) {
            type(dialog.get(), id, text);
        }
        const QByteArray bytes = generate(dialog.get());
        const MmsSettings s = decoded(bytes, Family::Sedge);
        QCOMPARE(s.url, std::string("http://mms.example/x"));
        QCOMPARE(s.password, std::string("secret"));
        QCOMPARE(s.recipient3, std::string("x@y.z"));
        QCOMPARE(s.connectionKind, 1);
        // Header bytes 8 and 9 (scrambled) are 0x80 and 0.
        QCOMPARE(bytes.mid(8, 2).toHex(), QByteArray("f7ff"));
    }

    void sedgeDefaultsStoreItsHeader() {
        auto dialog = open(Family::Sedge);
        QVERIFY(FindControl(dialog.get(), RemoteControlHours) == nullptr);
        useCard(dialog.get());
        type(dialog.get(), PhoneNo, "12345");
        const QByteArray bytes = generate(dialog.get());
        // Bytes 0, 1 and 10 are 1, 2 and 0, stored scrambled.
        QCOMPARE(bytes.mid(0, 2).toHex() + bytes.mid(10, 1).toHex(), QByteArray("efdfff"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Ros Mossel Sedge"));
    }

    void phoneLongerThanTheLimitIsEmptied_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("limit");
        QTest::newRow("Quill") << int(Family::Quill) << "1234567890123" << 12;
        QTest::newRow("Sedge") << int(Family::Sedge) << "123456789012" << 11;
    }
    void phoneLongerThanTheLimitIsEmptied() {
        QFETCH(int, family);
        QFETCH(QString, typed);
        QFETCH(int, limit);
        auto dialog = open(Family(family));
        type(dialog.get(), PhoneNo, typed.left(limit));
        type(dialog.get(), Recipient2, "54321");
        QVERIFY(!box(dialog.get(), Recipient3)->isReadOnly());
        QVERIFY(messageTexts().isEmpty());
        QTest::keyClicks(box(dialog.get(), PhoneNo), typed.mid(limit));
        QCOMPARE(
            messageTexts(),
            QStringList{QStringLiteral("The max allowable number of digits phone %1!").arg(limit)});
        QVERIFY(box(dialog.get(), PhoneNo)->text().isEmpty());
        for (int id : {Recipient2, Recipient3}) {
            QVERIFY(box(dialog.get(), id)->text().isEmpty());
            QVERIFY(box(dialog.get(), id)->isReadOnly());
        }
    }

    void fieldStatesFollowModeAndStatus() {
        auto dialog = open(Family::Sedge);
        const auto editable = [&](int id) { return !box(dialog.get(), id)->isReadOnly(); };
        QVERIFY(!editable(Url) && editable(PhoneNo) && editable(Email) && !editable(Recipient2));
        type(dialog.get(), Email, "me@x.org");
        QVERIFY(editable(Recipient2));
        choose(dialog.get(), Status, 3); // SMS
        QVERIFY(!editable(Email) && !editable(Recipient2) && editable(PhoneNo));
        choose(dialog.get(), Status, 2); // QVGA
        QVERIFY(editable(Email) && !editable(Url) && editable(Recipient2));
        choose(dialog.get(), Mode, 0); // the same mode again keeps what was typed
        QCOMPARE(box(dialog.get(), Email)->text(), QStringLiteral("me@x.org"));
        choose(dialog.get(), Mode, 1);
        QVERIFY(editable(Url) && editable(Password) && !editable(Recipient2));
        QVERIFY(box(dialog.get(), Email)->text().isEmpty()); // a mode change empties the texts
        choose(dialog.get(), Status, 3);
        QVERIFY(!editable(Url) && !editable(Password));
    }

    void picturesPerDayIsRepairedOrRefused() {
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        const QString range = "Please enter an integer between 0 and 99!";
        type(dialog.get(), PicturesPerDay, "100");
        QCOMPARE(messageTexts(), QStringList{range});
        QCOMPARE(box(dialog.get(), PicturesPerDay)->text(), QStringLiteral("0"));
        // A sign typed alone is no number (and gets selected); pasted, -5 is out of range.
        QApplication::clipboard()->setText(QStringLiteral("-5"));
        box(dialog.get(), PicturesPerDay)->selectAll();
        QTest::keySequence(box(dialog.get(), PicturesPerDay), QKeySequence::Paste);
        QCOMPARE(messageTexts(), QStringList{range});
        QCOMPARE(box(dialog.get(), PicturesPerDay)->text(), QStringLiteral("0"));
        type(dialog.get(), PicturesPerDay, "42");
        type(dialog.get(), PhoneNo, "12345");
        box(dialog.get(), PicturesPerDay)->clear();
        QCOMPARE(generate(dialog.get()), QByteArray()); // nothing written
        QCOMPARE(messageTexts(), QStringList{"请键入一个整数。"});
        type(dialog.get(), PicturesPerDay, "42");
        QCOMPARE(decoded(generate(dialog.get()), Family::Quill).picturesPerDay, 42);
    }

    void numberKindAndMessagesFollowTheLanguage() {
        session.language = Language::Chinese;
        auto dialog = open(Family::Quill);
        choose(dialog.get(), NumberKind, 1);
        QCOMPARE(messageTexts(), QStringList{"手机号码将不能在相机设置菜单显示"});
        press(dialog.get(), Generate);
        QCOMPARE(messageTexts(), QStringList{"手机号码和Email错误(0)"});
    }

    void countryAndOperatorListsFollowTheLanguage() {
        session.language = Language::Chinese;
        auto dialog = open(Family::Sedge);
        QComboBox* countries = list(dialog.get(), Country);
        QComboBox* operators = list(dialog.get(), Operator);
        QCOMPARE(countries->itemText(0), QStringLiteral("中国"));
        QCOMPARE(items(operators), (QStringList{"中国移动", "中国联通"}));
        choose(dialog.get(), Country, 3);
        QCOMPARE(operators->count(), 9);
        choose(dialog.get(), Country, 0);
        QCOMPARE(items(operators), (QStringList{"中国移动", "中国联通"}));
        choose(dialog.get(), Mode, 1);
        QCOMPARE(items(operators), QStringList{"Other"});
        choose(dialog.get(), Mode, 0);
        QCOMPARE(countries->itemText(0), QStringLiteral("China"));
        QCOMPARE(countries->count(), 39);
        QCOMPARE(items(operators), (QStringList{"中国移动", "中国联通"}));
    }

    void catalogueTexts_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("entry"); // -1: the caption
        QTest::addColumn<QString>("text");
        QTest::newRow("Czech country") << int(Family::Sedge) << 9 << CountryLabel << -1 << " Zeme";
        QTest::newRow("Domestic") << int(Family::Quill) << 2 << NumberKind << 0 << "Domestic ";
        QTest::newRow("Czech Domestic") << int(Family::Sedge) << 9 << NumberKind << 0 << "Domaci ";
        QTest::newRow("German exit") << int(Family::Quill) << 3 << Exit << -1 << "Back";
        QTest::newRow("Hungarian hour Off")
            << int(Family::Quill) << 7 << RemoteControlHours << 25 << "Off";
        QTest::newRow("Hungarian status Off") << int(Family::Quill) << 7 << Status << 0 << "Ki";
        QTest::newRow("Czech select") << int(Family::Quill) << 9 << Select << -1 << "Select";
        QTest::newRow("Chinese status")
            << int(Family::Quill) << 1 << StatusLabel << -1 << "MMS 发送";
        QTest::newRow("Sedge QVGA") << int(Family::Sedge) << 2 << Status << 2 << "QVGA";
        QTest::newRow("hour unit") << int(Family::Quill) << 1 << HoursUnit << -1 << "H";
    }
    void catalogueTexts() {
        QFETCH(int, family);
        QFETCH(int, language);
        QFETCH(int, id);
        QFETCH(int, entry);
        QFETCH(QString, text);
        session.language = Language(language);
        auto dialog = open(Family(family));
        QWidget* control = FindControl(dialog.get(), id);
        QCOMPARE(entry < 0 ? ControlText(control) : list(dialog.get(), id)->itemText(entry), text);
    }

    void controlsAreNamedForScreenReaders() {
        auto dialog = open(Family::Quill);
        const std::pair<int, const char*> names[] = {{Mode, "MMS Mode"},
                                                     {PicturesPerDay, "Picture No./ day"},
                                                     {ConnectionKind, "Connection kind"},
                                                     {Apn, "APN"},
                                                     {NumberKind, "Number kind"},
                                                     {Folder, "Folder"},
                                                     {Recipient2, "Phone or Email 2"},
                                                     {Recipient3, "Phone or Email 3"},
                                                     {RemoteControlHours, "SMS Remote Control"},
                                                     {Frame, "MMS"}};
        for (const auto& [id, name] : names) {
            QCOMPARE(FindControl(dialog.get(), id)->accessibleName(), QString::fromUtf8(name));
        }
    }

    void folderAndWriting() {
        auto dialog = open(Family::Quill);
        QLineEdit* folder = box(dialog.get(), Folder);
        QCOMPARE(folder->text(), DefaultFolder());
        QVERIFY(folder->isReadOnly());
        // A failed write names the file and never claims success.
        const QString missing = card_.filePath(QStringLiteral("no-such-folder"));
        test_seam::PresetNextFolder(missing);
        press(dialog.get(), Select);
        type(dialog.get(), PhoneNo, "12345");
        press(dialog.get(), Generate);
        const QStringList texts = messageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(missing + "/setup.dat"), qPrintable(texts[0]));
        // A deep folder is used whole; a user's mms.dat stays as it was.
        QString deep = card_.path();
        while (deep.size() < 200) {
            deep += QStringLiteral("/a-rather-long-folder-name");
        }
        QVERIFY(QDir().mkpath(deep));
        QFile own(deep + "/mms.dat");
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("mine") == 4);
        own.close();
        test_seam::PresetNextFolder(deep);
        press(dialog.get(), Select);
        QCOMPARE(folder->text(), deep);
        press(dialog.get(), Generate);
        QCOMPARE(messageTexts(), QStringList{kQuillDone});
        QCOMPARE(QFileInfo(deep + "/setup.dat").size(), 720);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("mine"));
    }

    // What the dialog shows is what the command-line inspector reads back,
    // and its profile regenerates the same bytes.
    void inspectorReadsWhatTheDialogShows() {
#ifndef ROSMOSSEL_CLI
        QSKIP("rosmossel-cli is not built");
#else
        auto dialog = open(Family::Quill);
        const QWidget* d = dialog.get();
        useCard(d);
        choose(d, Status, 0);
        choose(d, Country, 3);
        choose(d, Operator, 4);
        choose(d, RemoteControlHours, 6);
        choose(d, NumberKind, 1);
        type(d, PicturesPerDay, "42");
        type(d, PhoneNo, "+447700900123");
        type(d, Email, "cam@example.org");
        type(d, Recipient2, "07700900456");
        type(d, Recipient3, "you@example.org");
        const QByteArray bytes = generate(d);
        QCOMPARE(bytes.size(), 720);

        QProcess cli;
        cli.start(QStringLiteral(ROSMOSSEL_CLI),
                  {"inspect", "--json", "--model", "2", setupPath()});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray profile = cli.readAllStandardOutput();
        const QJsonObject read = QJsonDocument::fromJson(profile).object()["mms"].toObject();
        const std::pair<const char*, int> fields[] = {{"mode", Mode},
                                                      {"mms_status", Status},
                                                      {"country", Country},
                                                      {"operator", Operator},
                                                      {"sms_remote_control", RemoteControlHours},
                                                      {"number_kind", NumberKind},
                                                      {"pictures_per_day", PicturesPerDay},
                                                      {"phone", PhoneNo},
                                                      {"email", Email},
                                                      {"recipient2", Recipient2},
                                                      {"recipient3", Recipient3}};
        for (const auto& [key, id] : fields) {
            const QJsonValue value = read[key];
            QCOMPARE(value.isString() ? value.toString() : QString::number(value.toInt()),
                     shownText(FindControl(d, id)).trimmed());
        }

        QTemporaryDir again;
        QFile saved(again.filePath("profile.json"));
        QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write(profile) == profile.size());
        saved.close();
        cli.start(QStringLiteral(ROSMOSSEL_CLI),
                  {"generate", saved.fileName(), "--out", again.path()});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        QFile regenerated(again.filePath("setup.dat"));
        QVERIFY(regenerated.open(QIODevice::ReadOnly));
        QCOMPARE(regenerated.readAll().toHex(), bytes.toHex());
#endif
    }

    // Pictures of both dialogs for a person to look at:
    // ROSMOSSEL_SCREENSHOT_DIR=/tmp mms_dialog_tests screenshots
    void screenshots() {
        const QString folder = qEnvironmentVariable("ROSMOSSEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ROSMOSSEL_SCREENSHOT_DIR is not set");
        }
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language : {2, 3, 1, 9, 7}) {
                for (int mode : {0, 1}) {
                    session.language = Language(language);
                    auto dialog = open(family);
                    if (mode == 1) {
                        choose(dialog.get(), Mode, mode);
                    }
                    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                    QVERIFY(dialog->grab().save(QStringLiteral("%1/mms-%2-%3-%4.png")
                                                    .arg(folder, FamilyName(family))
                                                    .arg(language)
                                                    .arg(mode ? "manual" : "auto")));
                }
            }
        }
    }

    // Every control is named, every caption fits and the columns line up, in every
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
                for (int id : {Status, Country, Operator, Url, Apn, Gateway, Email, Recipient3,
                               Folder, PicturesPerDay, PhoneNo}) {
                    QCOMPARE(x(id), x(Mode));
                }
                QCOMPARE(x(ConnectionKind), x(ModeLabel));
                QCOMPARE(x(Select), x(ModeLabel));
            }
        }
    }
};

QTEST_MAIN(MmsDialogTest)
#include "mms_dialog_test.moc"
