#include "core/smtp/smtp_file.h"
#include "core/text/smtp_language_table.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/recording_presenter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::smtp_id;
using namespace rosmossel::testing;

namespace {

Session session;

std::unique_ptr<SmtpDialog> open(Family family) {
    std::unique_ptr<SmtpDialog> d(family == Family::Quill
                                      ? static_cast<SmtpDialog*>(new CQuillSmtpDlg(session))
                                      : new CSedgeSmtpDlg(session));
    d->show();
    return d;
}
// Everything Generate asks for, each at its shortest accepted form.
void fillSender(const QWidget* d) {
    const QStringList texts{"sm", "25", "cam1@example.org", "pw", "me@b.c"};
    const int ids[] = {Server, Port, SenderAddress, SenderPassword, Recipient};
    for (int i = 0; i < texts.size(); ++i) {
        type(d, ids[i], texts[i]);
    }
}
QString messages() {
    return messageTexts().join('|');
}
SmtpSettings read(const QByteArray& bytes, Family family) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const SmtpDecoded d = DecodeSmtpFile({data, std::size_t(bytes.size())}, family);
    return d.verdict.valid() ? d.settings.value_or(SmtpSettings{}) : SmtpSettings{};
}

} // namespace

class SmtpDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir card_;

    QString smtpPath() const { return card_.filePath(QStringLiteral("smtp.dat")); }
    // Generate (or Enter in `enterIn`); the bytes written, empty when none were.
    QByteArray generate(const QWidget* d, QWidget* enterIn = nullptr) {
        QFile::remove(smtpPath());
        if (enterIn != nullptr) {
            QTest::keyClick(enterIn, Qt::Key_Return);
        } else {
            FindControlAs<QPushButton>(d, Generate)->click();
        }
        QFile file(smtpPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<SmtpDialog> openOnCard(Family family) {
        auto d = open(family);
        test_seam::PresetNextFolder(card_.path());
        FindControlAs<QPushButton>(d.get(), Select)->click();
        return d;
    }

  private slots:
    void init() {
        QVERIFY(card_.isValid());
        session = Session{};
        test_seam::RecordMessages(true);
    }

    void defaultsWriteTheFirstPresetAndTheFamilyBytes() {
        for (const auto& [family, header] :
             {std::pair{Family::Sedge, "ffffffffffdfefff"}, {Family::Quill, "ffffffffffdfef6e"}}) {
            auto d = open(family);
            QCOMPARE(box(d.get(), Folder)->text(), DefaultFolder({}));
            QVERIFY(QTest::qWaitForWindowExposed(d.get()));
            type(d.get(), Folder, QDir::toNativeSeparators(card_.path())); // used at once
            fillSender(d.get());
            const QByteArray bytes = generate(d.get());
            QCOMPARE(bytes.left(8).toHex(), QByteArray(header));
            QCOMPARE(read(bytes, family).apn, std::string("cmnet")); // though its box is empty
            QVERIFY(box(d.get(), Apn)->text().isEmpty() && box(d.get(), Apn)->isReadOnly());
            // Enter generates the same file again; Escape goes back to the main window.
            QCOMPARE(generate(d.get(), box(d.get(), Recipient)), bytes);
            QCOMPARE(messages(), QStringList(2, "Ros " + QString(FamilyName(family)) +
                                                    " SMTP configuration file has been generated")
                                     .join('|'));
            QTest::keyClick(box(d.get(), Server), Qt::Key_Escape);
            QCOMPARE(d->result(), int(QDialog::Rejected));
        }
    }

    // A refusal writes nothing, speaks English but in Chinese and puts the
    // focus in its field; the checks themselves are the core's.
    void checksRefuseAndWriteNothing() {
        const struct {
            int language;
            bool manual;
            int field;
            const char *typed, *message;
        } cases[] = {
            {2, false, Server, "s", "Smtp Server"},
            {3, false, SenderPassword, "p", "Sender Email Password"}, // English in German
            {1, false, SenderAddress, "me.org", "Email 错误(@)"},
            {2, true, Apn, "i", "GPRS APN"},
        };
        for (const auto& c : cases) {
            session.language = Language(c.language);
            auto d = openOnCard(Family::Sedge);
            choose(d.get(), Mode, c.manual ? 1 : 0);
            fillSender(d.get());
            type(d.get(), c.field, QString::fromUtf8(c.typed));
            FindControlAs<QPushButton>(d.get(), Generate)->setFocus(); // as a mouse click does
            QVERIFY(generate(d.get()).isEmpty());
            QCOMPARE(messages(), QString::fromUtf8(c.message));
            // The focus goes to the field the message is about, its text selected.
            QCOMPARE(d->focusWidget(), box(d.get(), c.field));
            QCOMPARE(box(d.get(), c.field)->selectedText(), QString::fromUtf8(c.typed));
        }
    }

    void manualModeAndBack() {
        auto d = openOnCard(Family::Quill);
        choose(d.get(), MmsSendMode, 2);
        choose(d.get(), RemoteControl, 6);
        choose(d.get(), Country, 3);
        choose(d.get(), Operator, 2);
        choose(d.get(), Mode, 1);
        QCOMPARE(list(d.get(), Country)->currentText() + list(d.get(), Operator)->currentText(),
                 QStringLiteral("OtherOther"));
        fillSender(d.get());
        type(d.get(), Apn, QStringLiteral("internet"));
        SmtpSettings s = read(generate(d.get()), Family::Quill);
        QCOMPARE(s.operatorIndex * 1000 + s.countryIndex, 0x80);
        QCOMPARE(s.apn, std::string("internet"));

        choose(d.get(), Mode, 0);
        QCOMPARE(list(d.get(), Operator)->currentText(), QStringLiteral("China Mobile"));
        for (int id : {Apn, Server, Port, SenderAddress, SenderPassword, Recipient}) {
            QVERIFY(box(d.get(), id)->text().isEmpty());
        }
        messages();
        QVERIFY(generate(d.get()).isEmpty()); // the values are gone too
        QCOMPARE(messages(), QStringLiteral("Smtp Server"));
        fillSender(d.get());
        s = read(generate(d.get()), Family::Quill);
        QCOMPARE(s.mmsSendMode * 100 + s.smsRemoteControl, 206); // the Quill lists keep theirs

        const QString missing = card_.filePath(QStringLiteral("no-such-folder"));
        type(d.get(), Folder, missing);
        messages();
        QVERIFY(generate(d.get()).isEmpty());
        const QString failure = messages();
        const QString named = "Could not write " + missing + QDir::separator() + "smtp.dat: ";
#ifdef Q_OS_WIN
        QVERIFY2(failure.startsWith(named), qPrintable(failure)); // the reason in Windows' words
#else
        QCOMPARE(failure, named + std::strerror(ENOENT));
#endif
    }

    void pictureCount() {
        auto d = openOnCard(Family::Sedge);
        fillSender(d.get());
        type(d.get(), PictureCount, QStringLiteral("100")); // the third digit is refused, then 0
        QCOMPARE(messages(), QStringLiteral("“请填入一个在0和99之间的整数。”"));
        QCOMPARE(box(d.get(), PictureCount)->text(), QStringLiteral("0"));
        // An empty count stops every take: a server typed now is neither taken nor written.
        type(d.get(), PictureCount, QString());
        type(d.get(), Server, QStringLiteral("mail.example"));
        QCOMPARE(messages(), QStringList(1 + 12, "请键入一个整数。").join('|'));
        QVERIFY(generate(d.get()).isEmpty());
        QCOMPARE(messages(), QStringLiteral("请键入一个整数。"));
        type(d.get(), PictureCount, QStringLiteral("57"));
        const SmtpSettings s = read(generate(d.get()), Family::Sedge);
        QCOMPARE(s.server + std::to_string(s.picturesPerDay), std::string("mail.example57"));
    }

    // Texts that differ from the rest of their language or list (-1: the
    // control's caption), and the accessible names.
    void textsAsShown() {
        const struct {
            Family family;
            int language, id, index;
            const char* expected;
        } cases[] = {
            {Family::Sedge, 6, Mode, 1, "Manuale"},
            {Family::Quill, 4, Mode, 0, "Autom"},
            {Family::Sedge, 4, Mode, 1, "Manuaali"},
            {Family::Quill, 7, MmsSendMode, 0, "Off"},
            {Family::Quill, 7, RemoteControl, 25, "Off"},
            {Family::Sedge, 9, SenderPasswordLabel, -1, "Heslo"},
            {Family::Sedge, 3, SenderPasswordLabel, -1, "Password"},
            {Family::Quill, 1, SenderPasswordLabel, -1, "发送人密码"},
            {Family::Sedge, 9, CountryLabel, -1, " Zeme"},
            {Family::Quill, 1, Country, 2, "Deutschland"},
            {Family::Sedge, 1, Operator, 0, "China Mobile"},
            {Family::Quill, 9, MmsModeLabel, -1, "MMS Mode"},
        };
        for (const auto& c : cases) {
            session.language = Language(c.language);
            auto d = open(c.family);
            QCOMPARE(c.index < 0 ? ControlText(FindControl(d.get(), c.id))
                                 : list(d.get(), c.id)->itemText(c.index),
                     QString::fromUtf8(c.expected));
        }
        session.language = Language::English;
        auto d = open(Family::Quill);
        QStringList names;
        for (int id :
             {Mode, PictureCount, Country, Operator, Apn, Account, GprsPassword, Server, Port,
              SenderAddress, SenderPassword, Recipient, RemoteControl, MmsSendMode, Folder}) {
            names << FindControl(d.get(), id)->accessibleName();
        }
        QCOMPARE(names.join('|'), QStringLiteral("Smtp Mode|Picture No./ day|Country|Operator|APN|"
                                                 "Account|Password|Smtp Server|Port|Sender Email|"
                                                 "Password|Email 01|SMS Remote Control|MMS Mode|"
                                                 "Folder"));
        QCOMPARE(box(d.get(), SenderPassword)->echoMode(), QLineEdit::Password);
        QCOMPARE(box(d.get(), GprsPassword)->echoMode(), QLineEdit::Normal);
    }

    // The command-line inspector reads back what the dialog shows, and the
    // profile it prints regenerates the same file.
    void inspectorReadsWhatTheDialogShows() {
        auto d = openOnCard(Family::Quill);
        const std::pair<int, int> choices[] = {
            {Country, 3}, {Operator, 4}, {MmsSendMode, 0}, {RemoteControl, 12}};
        for (const auto& [id, index] : choices) {
            choose(d.get(), id, index);
        }
        type(d.get(), PictureCount, QStringLiteral("42"));
        fillSender(d.get());
        const QByteArray bytes = generate(d.get());
        const QByteArray profile =
            runCli({"inspect", "--json", "--model", "4", smtpPath()}).value_or(QByteArray());
        const QJsonObject json = QJsonDocument::fromJson(profile).object()["smtp"].toObject();
        QStringList shown, inspected;
        const QStringList keys =
            QStringLiteral("mode pictures_per_day country operator "
                           "mms_send_mode sms_remote_control smtp_server "
                           "smtp_port sender_address sender_password recipient")
                .split(' ');
        const int ids[] = {Mode,          PictureCount,   Country,  Operator,
                           MmsSendMode,   RemoteControl,  Server,   Port,
                           SenderAddress, SenderPassword, Recipient};
        for (int i = 0; i < keys.size(); ++i) {
            QComboBox* shownList = list(d.get(), ids[i]);
            shown << (shownList ? shownList->currentText() : box(d.get(), ids[i])->text());
            inspected << json[keys[i]].toVariant().toString();
        }
        QCOMPARE(inspected, shown);

        QTemporaryDir again;
        QVERIFY(generateWithCli(profile, again.path()));
        QCOMPARE(fileBytes(again.path(), "smtp.dat").toHex(), bytes.toHex());
    }

    void aCardsSettingsLoadBack() {
        const int shown[] = {Mode, PictureCount,  Country,        Operator,
                             Apn,  Account,       GprsPassword,   Server,
                             Port, SenderAddress, SenderPassword, Recipient};
        for (const auto& [family, manual] :
             {std::pair{Family::Quill, false}, {Family::Sedge, true}}) {
            test_seam::AnswerQuestions(false);
            QByteArray first;
            QStringList before;
            {
                auto d = openOnCard(family);
                if (manual) {
                    choose(d.get(), Mode, 1);
                    type(d.get(), Apn, QStringLiteral("own.apn"));
                    type(d.get(), GprsPassword, QStringLiteral("secret"));
                } else {
                    choose(d.get(), Country, 17);
                    choose(d.get(), Operator, 1);
                    choose(d.get(), MmsSendMode, 2);
                    choose(d.get(), RemoteControl, 6);
                }
                type(d.get(), PictureCount, QStringLiteral("12"));
                fillSender(d.get());
                first = generate(d.get());
                QCOMPARE(first.size(), 720);
                for (int id : shown) {
                    before << shownText(FindControl(d.get(), id));
                }
            }
            test_seam::TakeQuestions();
            test_seam::AnswerQuestions(true);
            auto d = openOnCard(family);
            const QString question = "This card already holds settings (smtp.dat). Load them?";
            const QString preset = "\nIts country and operator are selected; Generate writes "
                                   "their built-in connection settings.";
            QCOMPARE(test_seam::TakeQuestions(),
                     std::vector<QString>{question + (!manual ? preset : QString())});
            QStringList after;
            for (int id : shown) {
                after << shownText(FindControl(d.get(), id));
            }
            QCOMPARE(after, before);
            QCOMPARE(box(d.get(), Apn)->isReadOnly(), !manual);
            QCOMPARE(generate(d.get()).toHex(), first.toHex());
        }
    }

    // Deleted while shown, the focus in a typed folder that holds a file it
    // could load: the focus leaving the field on the way out asks nothing.
    void deletedWhileTypingAFolderAsksNothing() {
        {
            auto d = openOnCard(Family::Sedge);
            fillSender(d.get());
            QCOMPARE(generate(d.get()).size(), 720);
        }
        messageTexts();
        test_seam::TakeQuestions();
        test_seam::AnswerQuestions(true);
        auto d = open(Family::Sedge);
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        type(d.get(), Folder, QDir::toNativeSeparators(card_.path()));
        QVERIFY(box(d.get(), Folder)->hasFocus());
        d.reset();
        QVERIFY(test_seam::TakeQuestions().empty());
    }

    void aCardOffItsPresetLoadsInManualMode() {
#ifndef ROSMOSSEL_CLI
        QSKIP("rosmossel-cli is not built");
#else
        QFile::remove(smtpPath());
        QVERIFY(generateWithCli(R"({"model": "Ros QuillMG", "smtp": {"country": "United Kingdom",
            "operator": 0, "gprs_apn": "own.apn", "smtp_server": "smtp.example.org",
            "smtp_port": "25", "sender_address": "cam1@example.org", "sender_password": "pw",
            "recipient": "me@b.c"}})",
                                card_.path()));
        const SmtpSettings card = read(fileBytes(card_.path(), "smtp.dat"), Family::Quill);

        test_seam::AnswerQuestions(true);
        auto d = openOnCard(Family::Quill);
        const auto questions = test_seam::TakeQuestions();
        QCOMPARE(questions.size(), std::size_t{1});
        QVERIFY(questions[0].contains(QStringLiteral("loaded in manual mode")));
        QCOMPARE(list(d.get(), Mode)->currentIndex(), 1);
        QCOMPARE(box(d.get(), Apn)->text(), QStringLiteral("own.apn"));
        // The card's connection is written again, now as a manual one.
        SmtpSettings expected = card;
        expected.countryIndex = 0x80;
        expected.operatorIndex = 0;
        QCOMPARE(read(generate(d.get()), Family::Quill), expected);
#endif
    }

    // Nothing clipped and the frames' boxes in one column, in every language.
    void layoutFitsEveryLanguage() {
        for (Family family : {Family::Quill, Family::Sedge}) {
            for (int language = 1; language <= 9; ++language) {
                session.language = Language(language);
                auto d = open(family);
                QVERIFY(QTest::qWaitForWindowExposed(d.get()));
                for (QWidget* w : d->findChildren<QWidget*>()) {
                    const bool hasText = qobject_cast<QLabel*>(w) ||
                                         qobject_cast<QPushButton*>(w) ||
                                         qobject_cast<QComboBox*>(w);
                    // A control hidden for now (shown only with several cards) is met there.
                    QVERIFY2(!hasText || !w->isVisibleTo(d.get()) ||
                                 w->width() >= w->sizeHint().width(),
                             qPrintable(w->objectName()));
                }
                for (int id : {GprsPassword, Server, SenderPassword, Recipient}) {
                    QCOMPARE(box(d.get(), id)->mapTo(d.get(), QPoint()).x(),
                             box(d.get(), Apn)->mapTo(d.get(), QPoint()).x());
                }
            }
        }
    }
};

QTEST_MAIN(SmtpDialogTest)
#include "smtp_dialog_test.moc"
