#include "core/session/session.h"
#include "core/smtp/smtp_file.h"
#include "core/text/smtp_language_table.h"
#include "gui/dialogs/presenter.h"
#include "gui/smtp/quill_smtp_dlg.h"
#include "gui/smtp/sedge_smtp_dlg.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace rosmossel;
using namespace rosmossel::smtp_id;

namespace {

Session session;

std::unique_ptr<SmtpDialog> open(Family family) {
    std::unique_ptr<SmtpDialog> dialog;
    if (family == Family::Quill) {
        dialog = std::make_unique<CQuillSmtpDlg>(session);
    } else {
        dialog = std::make_unique<CSedgeSmtpDlg>(session);
    }
    dialog->show();
    return dialog;
}

QLineEdit* box(const QWidget* dialog, int id) {
    return FindControlAs<QLineEdit>(dialog, id);
}
QComboBox* list(const QWidget* dialog, int id) {
    return FindControlAs<QComboBox>(dialog, id);
}
QString text(const QWidget* dialog, int id) {
    return ControlText(FindControl(dialog, id));
}
QStringList entries(const QWidget* dialog, int id) {
    QStringList items;
    for (int i = 0; i < list(dialog, id)->count(); ++i) {
        items << list(dialog, id)->itemText(i);
    }
    return items;
}

void choose(const QWidget* dialog, int id, int index) {
    QComboBox* combo = list(dialog, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The user replaces a box's text, one key at a time.
void type(const QWidget* dialog, int id, const QString& typed) {
    QLineEdit* edit = box(dialog, id);
    edit->setFocus();
    edit->selectAll();
    if (typed.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, typed);
    }
}

void press(const QWidget* dialog, int id) {
    FindControlAs<QPushButton>(dialog, id)->click();
}

// Everything Generate asks for, each at its shortest accepted form.
void fillSender(const QWidget* dialog) {
    type(dialog, Server, QStringLiteral("sm"));
    type(dialog, Port, QStringLiteral("25"));
    type(dialog, SenderAddress, QStringLiteral("cam1@example.org"));
    type(dialog, SenderPassword, QStringLiteral("pw"));
    type(dialog, Recipient, QStringLiteral("me@b.c"));
}

QStringList messageTexts() {
    QStringList texts;
    for (const RecordedMessage& m : test_seam::TakeMessages()) {
        texts << m.text;
    }
    return texts;
}

const QString kSedgeDone = QStringLiteral("Ros Sedge SMTP configuration file has been generated");
const QString kQuillDone = QStringLiteral("Ros Quill SMTP configuration file has been generated");

} // namespace

class SmtpDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir card_;

    QString smtpPath() const { return card_.filePath(QStringLiteral("smtp.dat")); }
    QByteArray written() const {
        QFile file(smtpPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void useCard(const QWidget* dialog) {
        test_seam::PresetNextFolder(card_.path());
        press(dialog, Select);
    }
    QByteArray generate(const QWidget* dialog) {
        QFile::remove(smtpPath());
        press(dialog, Generate);
        return written();
    }
    // The file read back by the core's decoder; a file the tool could not
    // have written fails the test.
    static SmtpSettings decoded(const QByteArray& bytes, Family family) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const SmtpDecoded d =
            DecodeSmtpFile({data, static_cast<std::size_t>(bytes.size())}, family);
        [&] { QVERIFY2(d.verdict.valid() && d.settings, "not a file the tool writes"); }();
        return d.settings.value_or(SmtpSettings{});
    }

  private slots:
    void init() {
        QVERIFY(card_.isValid());
        session = Session{};
        session.model = CameraModel::QuillMG;
        test_seam::RecordMessages(true);
    }

    void defaultsWriteTheFirstPresetAndTheFamilyBytes_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QByteArray>("header"); // stored bytes 0..7
        QTest::newRow("Sedge") << int(Family::Sedge) << QByteArray::fromHex("ffffffffffdfefff");
        QTest::newRow("Quill") << int(Family::Quill) << QByteArray::fromHex("ffffffffffdfef6e");
    }
    void defaultsWriteTheFirstPresetAndTheFamilyBytes() {
        QFETCH(int, family);
        QFETCH(QByteArray, header);
        auto dialog = open(Family(family));
        const QWidget* d = dialog.get();
        QCOMPARE(box(d, Folder)->text(), DefaultFolder());
        useCard(d);
        fillSender(d);
        const QByteArray bytes = generate(d);
        QCOMPARE(bytes.size(), 720);
        QCOMPARE(bytes.left(8).toHex(), header.toHex());
        QCOMPARE(messageTexts(),
                 QStringList{family == int(Family::Quill) ? kQuillDone : kSedgeDone});
        const SmtpSettings s = decoded(bytes, Family(family));
        QCOMPARE(s.apn, std::string("cmnet")); // China Mobile's, though its box is empty
        QCOMPARE(s.senderPassword, std::string("pw"));
        for (int id : {Apn, Account, GprsPassword}) {
            QVERIFY(box(d, id)->text().isEmpty());
            QVERIFY(box(d, id)->isReadOnly());
        }
        QCOMPARE(generate(d), bytes); // the preset is not left behind in the values
        QCOMPARE(dialog->windowTitle(), family == int(Family::Quill)
                                            ? QStringLiteral("Ros Mossel Quill")
                                            : QStringLiteral("Ros Mossel Sedge"));
    }

    void checksRefuseInOrderAndWriteNothing_data() {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: written
        QTest::newRow("one-character server") << false << Server << "s"
                                              << "Smtp Server";
        QTest::newRow("one-character port") << false << Port << "2"
                                            << "Port";
        QTest::newRow("two-character port") << false << Port << "25"
                                            << "";
        QTest::newRow("one-character sender") << false << SenderAddress << "m"
                                              << "Please Input Email";
        QTest::newRow("sender without @") << false << SenderAddress << "me.org"
                                          << "Email Error(@)";
        QTest::newRow("sender without dot") << false << SenderAddress << "me@org"
                                            << "Email Error(.)";
        QTest::newRow("dot only before @") << false << SenderAddress << "m.e@org"
                                           << "";
        QTest::newRow("one-character password") << false << SenderPassword << "p"
                                                << "Sender Email Password";
        QTest::newRow("one-character recipient") << false << Recipient << "y"
                                                 << "Please Input Email";
        QTest::newRow("recipient without dot") << false << Recipient << "you@org"
                                               << "Email Error(.)";
        QTest::newRow("automatic: empty APN box is fine") << false << Server << "smtp.x"
                                                          << "";
        QTest::newRow("manual: one-character APN") << true << Apn << "i"
                                                   << "GPRS APN";
    }
    void checksRefuseInOrderAndWriteNothing() {
        QFETCH(bool, manual);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        auto dialog = open(Family::Sedge);
        useCard(dialog.get());
        choose(dialog.get(), Mode, manual ? 1 : 0);
        fillSender(dialog.get());
        if (manual && field != Apn) {
            type(dialog.get(), Apn, QStringLiteral("internet"));
        }
        type(dialog.get(), field, typed);
        const bool written = !generate(dialog.get()).isEmpty();
        QCOMPARE(messageTexts(), QStringList{message.isEmpty() ? kSedgeDone : message});
        QCOMPARE(written, message.isEmpty());
        QCOMPARE(box(dialog.get(), field)->text(), typed); // a refusal keeps what was typed
    }

    void manualModeAndBackEmptyEveryTextButTheFolder() {
        auto dialog = open(Family::Quill);
        const QWidget* d = dialog.get();
        useCard(d);
        type(d, PictureCount, QStringLiteral("7"));
        choose(d, MmsSendMode, 2);
        choose(d, RemoteControl, 6);
        choose(d, Country, 3);
        choose(d, Operator, 2);
        fillSender(d);

        choose(d, Mode, 1);
        QCOMPARE(entries(d, Country), QStringList{"Other"});
        QCOMPARE(entries(d, Operator), QStringList{"Other"});
        QVERIFY(box(d, Server)->text().isEmpty());
        QVERIFY(!box(d, Apn)->isReadOnly());
        QCOMPARE(box(d, PictureCount)->text(), QStringLiteral("7"));
        fillSender(d);
        type(d, Apn, QStringLiteral("internet"));
        type(d, Account, QStringLiteral("user"));
        type(d, GprsPassword, QStringLiteral("secret"));
        SmtpSettings s = decoded(generate(d), Family::Quill);
        QCOMPARE(s.operatorIndex, 0);
        QCOMPARE(s.countryIndex, 0x80);
        QCOMPARE(s.apn + s.account + s.gprsPassword, std::string("internetusersecret"));
        QCOMPARE(s.picturesPerDay, 7);
        QCOMPARE(s.mmsSendMode, 2);
        QCOMPARE(s.smsRemoteControl, 6);

        choose(d, Mode, 0);
        QCOMPARE(list(d, Country)->currentText(), QStringLiteral("China"));
        QCOMPARE(entries(d, Operator), (QStringList{"China Mobile", "China Unicom"}));
        for (int id :
             {Apn, Account, GprsPassword, Server, Port, SenderAddress, SenderPassword, Recipient}) {
            QVERIFY2(box(d, id)->text().isEmpty(), qPrintable(box(d, id)->objectName()));
        }
        QVERIFY(box(d, GprsPassword)->isReadOnly());
        QCOMPARE(box(d, Folder)->text(), card_.path());
        messageTexts();
        press(d, Generate); // the texts are gone from the values too
        QCOMPARE(messageTexts(), QStringList{"Smtp Server"});
        fillSender(d);
        s = decoded(generate(d), Family::Quill);
        QCOMPARE(s.mmsSendMode, 2); // the Quill lists keep their choice through it all
        QCOMPARE(s.smsRemoteControl, 6);
    }

    void countryAndOperatorChooseThePreset() {
        auto dialog = open(Family::Sedge);
        const QWidget* d = dialog.get();
        useCard(d);
        fillSender(d);
        choose(d, Country, 17); // Ireland: its third slot is empty
        QCOMPARE(entries(d, Operator), (QStringList{"Meteor", "Vodafone", ""}));
        choose(d, Operator, 2);
        SmtpSettings s = decoded(generate(d), Family::Sedge);
        QCOMPARE(s.countryIndex, 17);
        QCOMPARE(s.operatorIndex, 2);
        QCOMPARE(s.apn + s.account + s.gprsPassword, std::string());
        choose(d, Country, 2);
        QCOMPARE(list(d, Operator)->currentText(), QStringLiteral("Vodafone"));
        s = decoded(generate(d), Family::Sedge);
        QCOMPARE(s.countryIndex, 2);
        QCOMPARE(s.operatorIndex, 0);
        QVERIFY(!s.apn.empty());
    }

    void pictureCount() {
        auto dialog = open(Family::Sedge);
        const QWidget* d = dialog.get();
        useCard(d);
        fillSender(d);
        type(d, PictureCount, QStringLiteral("57"));
        QCOMPARE(decoded(generate(d), Family::Sedge).picturesPerDay, 57);
        messageTexts();

        type(d, PictureCount, QStringLiteral("100")); // the third digit is refused, then 0
        QCOMPARE(messageTexts(), QStringList{"“请填入一个在0和99之间的整数。”"});
        QCOMPARE(box(d, PictureCount)->text(), QStringLiteral("0"));

        // An empty count stops every take: the server typed now is not taken.
        type(d, PictureCount, QString());
        type(d, Server, QStringLiteral("smtp.example.org"));
        const auto prompts = test_seam::TakeMessages();
        QCOMPARE(prompts.size(), std::size_t(1 + 16));
        QVERIFY(prompts.back().toolkitPrompt);
        QCOMPARE(prompts.back().text, QStringLiteral("请键入一个整数。"));
        QVERIFY(generate(d).isEmpty()); // nor is a count the box no longer shows written
        QCOMPARE(messageTexts(), QStringList{"请键入一个整数。"});
        type(d, PictureCount, QStringLiteral("3"));
        const SmtpSettings s = decoded(generate(d), Family::Sedge);
        QCOMPARE(s.picturesPerDay, 3);
        QCOMPARE(s.server, std::string("smtp.example.org"));
    }

    void messagesAreEnglishExceptInChinese_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseChosen");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("generated");
        QTest::addColumn<int>("languageByte");
        QTest::newRow("German") << 3 << false << "Email Error(@)" << kQuillDone << 3;
        QTest::newRow("Chinese") << 1 << false << "Email 错误(@)"
                                 << "Ros Quill SMTP配置文件已生成" << 1;
        QTest::newRow("Chinese chosen, English shown")
            << 2 << true << "Email Error(@)" << kQuillDone << 1;
    }
    void messagesAreEnglishExceptInChinese() {
        QFETCH(int, language);
        QFETCH(bool, chineseChosen);
        QFETCH(QString, refused);
        QFETCH(QString, generated);
        QFETCH(int, languageByte);
        session.language = Language(language);
        session.chineseChosen = chineseChosen;
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        fillSender(dialog.get());
        type(dialog.get(), Recipient, QStringLiteral("nobody.example.org"));
        press(dialog.get(), Generate);
        type(dialog.get(), Recipient, QStringLiteral("nobody@example.org"));
        QCOMPARE(decoded(generate(dialog.get()), Family::Quill).languageCode, languageByte);
        QCOMPARE(messageTexts(), (QStringList{refused, generated}));
    }

    void enterGeneratesEscapeAndExitGoBack() {
        auto dialog = open(Family::Quill);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        useCard(dialog.get());
        fillSender(dialog.get());
        QTest::keyClick(box(dialog.get(), Recipient), Qt::Key_Return);
        QCOMPARE(written().size(), 720);
        QVERIFY(dialog->isVisible());
        QCOMPARE(messageTexts(), QStringList{kQuillDone});
        for (bool escape : {false, true}) {
            auto other = open(Family::Sedge);
            QVERIFY(QTest::qWaitForWindowExposed(other.get()));
            if (escape) {
                QTest::keyClick(box(other.get(), Server), Qt::Key_Escape);
            } else {
                press(other.get(), Exit);
            }
            QCOMPARE(other->result(), int(QDialog::Rejected));
            QVERIFY(!other->isVisible());
        }
    }

    void folderTypedIsUsedAndAFailedWriteSaysSo() {
        auto dialog = open(Family::Sedge);
        const QWidget* d = dialog.get();
        fillSender(d);
        type(d, Folder, QDir::toNativeSeparators(card_.path()));
        QCOMPARE(generate(d).size(), 720);
        messageTexts();

        const QString missing = card_.filePath(QStringLiteral("no-such-folder"));
        type(d, Folder, missing);
        press(d, Generate);
        const QStringList texts = messageTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].startsWith("Could not write " + missing + "/smtp.dat"),
                 qPrintable(texts[0]));
        QVERIFY(!QFile::exists(missing));
    }

    void catalogueTextsAsShown_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("index"); // -1: the control's caption
        QTest::addColumn<QString>("expected");
        const int q = int(Family::Quill);
        const int s = int(Family::Sedge);
        QTest::newRow("French manual") << s << 6 << Mode << 1 << "Manuale";
        QTest::newRow("Finnish automatic") << q << 4 << Mode << 0 << "Autom";
        QTest::newRow("Finnish manual") << s << 4 << Mode << 1 << "Manuaali";
        QTest::newRow("Hungarian send mode Off") << q << 7 << MmsSendMode << 0 << "Off";
        QTest::newRow("Hungarian remote Off") << q << 7 << RemoteControl << 25 << "Off";
        QTest::newRow("German remote Off") << q << 3 << RemoteControl << 25 << "Aus";
        QTest::newRow("remote 24") << q << 3 << RemoteControl << 24 << "24";
        QTest::newRow("Czech sender password") << s << 9 << SenderPasswordLabel << -1 << "Heslo";
        QTest::newRow("German sender password")
            << s << 3 << SenderPasswordLabel << -1 << "Password";
        QTest::newRow("Chinese sender password")
            << q << 1 << SenderPasswordLabel << -1 << "发送人密码";
        QTest::newRow("Czech country label") << s << 9 << CountryLabel << -1 << " Zeme";
        QTest::newRow("Chinese country list") << q << 1 << Country << 2 << "Deutschland";
        QTest::newRow("Chinese operator list") << s << 1 << Operator << 0 << "China Mobile";
        QTest::newRow("German exit") << q << 3 << Exit << -1 << "Back";
        QTest::newRow("Chinese remote label")
            << q << 1 << RemoteControlLabel << -1 << "短信远程控制";
        QTest::newRow("English for 0") << s << 0 << Generate << -1 << "Generate";
        QTest::newRow("fixed MMS Mode") << q << 9 << MmsModeLabel << -1 << "MMS Mode";
    }
    void catalogueTextsAsShown() {
        QFETCH(int, family);
        QFETCH(int, language);
        QFETCH(int, id);
        QFETCH(int, index);
        QFETCH(QString, expected);
        session.language = Language(language);
        auto dialog = open(Family(family));
        QCOMPARE(index < 0 ? text(dialog.get(), id) : list(dialog.get(), id)->itemText(index),
                 expected);
        // Defaults do not depend on the language.
        QCOMPARE(list(dialog.get(), Mode)->currentIndex(), 0);
        if (family == int(Family::Quill)) {
            QCOMPARE(list(dialog.get(), MmsSendMode)->currentIndex(), 1);
            QCOMPARE(list(dialog.get(), RemoteControl)->currentIndex(), 25);
        }
    }

    void accessibleNamesAndMasking() {
        auto dialog = open(Family::Quill);
        const std::pair<int, const char*> names[] = {
            {Mode, "Smtp Mode"},
            {PictureCount, "Picture No./ day"},
            {Country, "Country"},
            {Operator, "Operator"},
            {Apn, "APN"},
            {Account, "Account"},
            {GprsPassword, "Password"},
            {Server, "Smtp Server"},
            {Port, "Port"},
            {SenderAddress, "Sender Email"},
            {SenderPassword, "Password"},
            {Recipient, "Email 01"},
            {RemoteControl, "SMS Remote Control"},
            {MmsSendMode, "MMS Mode"},
            {Folder, "Folder"},
        };
        for (const auto& [id, name] : names) {
            QCOMPARE(FindControl(dialog.get(), id)->accessibleName(), QString::fromUtf8(name));
        }
        QCOMPARE(box(dialog.get(), SenderPassword)->echoMode(), QLineEdit::Password);
        QCOMPARE(box(dialog.get(), GprsPassword)->echoMode(), QLineEdit::Normal);
        QVERIFY(FindControl(open(Family::Sedge).get(), MmsSendMode) == nullptr);
    }

    // What the dialog shows is what the command-line inspector reads back, and
    // the profile it prints regenerates the same file.
    void inspectorReadsWhatTheDialogShows() {
#ifndef ROSMOSSEL_CLI
        QSKIP("rosmossel-cli is not built");
#else
        auto dialog = open(Family::Quill);
        const QWidget* d = dialog.get();
        useCard(d);
        choose(d, Country, 3);
        choose(d, Operator, 4);
        choose(d, MmsSendMode, 0);
        choose(d, RemoteControl, 12);
        type(d, PictureCount, QStringLiteral("42"));
        fillSender(d);
        const QByteArray bytes = generate(d);

        QProcess cli;
        cli.start(QStringLiteral(ROSMOSSEL_CLI), {"inspect", "--json", "--model", "4", smtpPath()});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray profile = cli.readAllStandardOutput();
        const QJsonObject read = QJsonDocument::fromJson(profile).object()["smtp"].toObject();
        const std::pair<const char*, int> fields[] = {{"mode", Mode},
                                                      {"pictures_per_day", PictureCount},
                                                      {"country", Country},
                                                      {"operator", Operator},
                                                      {"mms_send_mode", MmsSendMode},
                                                      {"sms_remote_control", RemoteControl},
                                                      {"smtp_server", Server},
                                                      {"smtp_port", Port},
                                                      {"sender_address", SenderAddress},
                                                      {"sender_password", SenderPassword},
                                                      {"recipient", Recipient}};
        for (const auto& [key, id] : fields) {
            const QJsonValue value = read[key];
            QVERIFY2(!value.isUndefined(), key);
            QWidget* control = FindControl(d, id);
            const QString shown = qobject_cast<QComboBox*>(control)
                                      ? qobject_cast<QComboBox*>(control)->currentText()
                                      : qobject_cast<QLineEdit*>(control)->text();
            QCOMPARE(value.isString() ? value.toString() : QString::number(value.toInt()), shown);
        }

        QTemporaryDir again;
        QFile file(again.filePath(QStringLiteral("profile.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profile);
        file.close();
        cli.start(QStringLiteral(ROSMOSSEL_CLI),
                  {"generate", file.fileName(), "--out", again.path()});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        QFile regenerated(again.filePath(QStringLiteral("smtp.dat")));
        QVERIFY(regenerated.open(QIODevice::ReadOnly));
        QCOMPARE(regenerated.readAll().toHex(), bytes.toHex());
#endif
    }

    // Pictures of both dialogs for a person to look at:
    // ROSMOSSEL_SCREENSHOT_DIR=/tmp smtp_dialog_tests screenshots
    void screenshots() {
        const QString folder = qEnvironmentVariable("ROSMOSSEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ROSMOSSEL_SCREENSHOT_DIR is not set");
        }
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language : {2, 3, 1, 4, 9}) {
                session.language = Language(language);
                auto dialog = open(family);
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                const QString name = QStringLiteral("%1/smtp-%2-%3.png")
                                         .arg(folder, QString::fromLatin1(FamilyName(family)))
                                         .arg(language);
                QVERIFY(dialog->grab().save(name));
            }
        }
    }

    // Every caption fits its control and the frames' boxes line up, in every
    // language.
    void layoutFitsEveryLanguage() {
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language = 1; language <= 9; ++language) {
                session.language = Language(language);
                auto dialog = open(family);
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                for (QWidget* w : dialog->findChildren<QWidget*>()) {
                    if (!w->property(kControlIdProperty).isValid()) {
                        continue;
                    }
                    QVERIFY2(!w->objectName().isEmpty(), "a control without a name");
                    const bool hasText = qobject_cast<QLabel*>(w) ||
                                         qobject_cast<QPushButton*>(w) ||
                                         qobject_cast<QComboBox*>(w);
                    QVERIFY2(!hasText || w->width() >= w->sizeHint().width(),
                             qPrintable(QStringLiteral("%1 clipped in language %2")
                                            .arg(w->objectName())
                                            .arg(language)));
                }
                const auto left = [&](int id) {
                    QWidget* w = FindControl(dialog.get(), id);
                    return w->mapTo(dialog.get(), QPoint(0, 0)).x();
                };
                for (int id : {Account, GprsPassword, Server, Port, SenderAddress, SenderPassword,
                               Recipient}) {
                    QCOMPARE(left(id), left(Apn));
                }
            }
        }
    }
};

QTEST_MAIN(SmtpDialogTest)
#include "smtp_dialog_test.moc"
