#include "core/mms/operator_presets.h"
#include "core/session/session.h"
#include "core/text/mms_language_table.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"
#include "support/recording_presenter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

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

// A user's action: type `text` into `id`, or choose entry `index` of list `id`.
struct Step {
    int id;
    const char* text;
    int index = 0;
};
void perform(const QWidget* d, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        s.text ? type(d, s.id, QString::fromUtf8(s.text)) : choose(d, s.id, s.index);
    }
}

const QString kDone = " MMS configuration file (URL|APN|Gateway|Port ...) has been generated";

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
        return DecodeSetupFile({data, std::size_t(bytes.size())}, family)
            .settings.value_or(MmsSettings{});
    }

  private slots:
    void init() {
        QVERIFY(card_.isValid());
        session = Session{};
        test_seam::RecordMessages(true);
    }

    // What the user does, then the one message Generate shows; only the
    // success message comes with a setup.dat.
    void generateChecksTheInputInOrder() {
        const Family Q = Family::Quill, S = Family::Sedge;
        // clang-format off
        const std::initializer_list<Step> manual = {{Mode, nullptr, 1}, {Email, "me@example.org"},
            {Url, "http://mms.example"}, {Apn, "mms"}, {Port, "8080"}, {Gateway, "10000"}};
        const struct {
            const char* what; Family family; std::initializer_list<Step> steps; QString message;
        } cases[] = {
            {"defaults", Q, {}, "Phone & Email Error(0)"},
            {"Quill SMS, all empty", Q, {{Status, nullptr, 2}}, "Ros Quill" + kDone},
            {"Sedge SMS is index 3", S, {{Status, nullptr, 3}}, "Ros Sedge" + kDone},
            {"Sedge QVGA: the full table", S, {{Status, nullptr, 2}}, "Phone & Email Error(0)"},
            {"recipient 2 of three, @", Q, {{PhoneNo, "123456"}, {Recipient2, "a@b"}},
             "Phone No. Error(02)"},
            {"recipient 2 of five, @", Q, {{PhoneNo, "123456"}, {Recipient2, "a@b.c"}},
             "Ros Quill" + kDone},
            {"e-mail without a dot", S, {{Email, "ab@cd"}}, "Email Error(.)"},
            {"international, 14", S, {{NumberKind, nullptr, 1}, {PhoneNo, "+4912345678901"}},
             "Ros Sedge" + kDone},
            {"manual gateway without a dot", Q, manual, "GateWay Error(.)"},
        };
        // clang-format on
        for (const auto& c : cases) {
            auto dialog = open(c.family);
            useCard(dialog.get());
            perform(dialog.get(), c.steps);
            messageTexts();
            const QByteArray bytes = generate(dialog.get());
            const QStringList shown = messageTexts();
            QVERIFY2(shown == QStringList{c.message},
                     qPrintable(c.what + (": " + shown.join('|'))));
            QVERIFY2(bytes.size() == (c.message.endsWith(kDone) ? 720 : 0), c.what);
        }
    }

    void theBytesThatLand() {
        // Automatic: the chosen operator's preset, the fields left empty.
        auto dialog = open(Family::Quill);
        useCard(dialog.get());
        perform(dialog.get(),
                {{Status, nullptr, 2}, {Country, nullptr, 17}, {Operator, nullptr, 2}});
        QCOMPARE(list(dialog.get(), Operator)->itemText(2), QString()); // Ireland's unnamed third
        MmsSettings s = decoded(generate(dialog.get()), Family::Quill);
        const OperatorPreset& p = *LookUpOperatorPreset(17, 2);
        QCOMPARE((std::array{s.url, s.apn, s.gateway, s.port, s.account, s.password}),
                 (std::array{p.url, p.apn, p.gateway, p.port, p.account, p.password}));
        QCOMPARE((std::array{s.presetCountry, s.presetOperator, s.smsRemoteControl}),
                 (std::array{17, 2, 25}));
        QVERIFY(box(dialog.get(), Url)->text().isEmpty() && box(dialog.get(), Apn)->isReadOnly());
        // Manual mode: what was typed, header bytes 8 and 9 (scrambled) 0x80 and 0.
        choose(dialog.get(), Mode, 1);
        QCOMPARE(items(list(dialog.get(), Country)), QStringList{"Other"});
        dialog = open(Family::Sedge);
        useCard(dialog.get());
        // clang-format off
        perform(dialog.get(), {{Mode, nullptr, 1}, {ConnectionKind, nullptr, 1}, {Url, "http://m"},
            {Apn, "csd"}, {Gateway, "10.0.0.1"}, {Port, "9201"}, {Password, "secret"},
            {PhoneNo, "01701234567"}});
        // clang-format on
        QByteArray bytes = generate(dialog.get());
        s = decoded(bytes, Family::Sedge);
        QCOMPARE((std::array{s.url, s.password}),
                 (std::array<std::string, 2>{"http://m", "secret"}));
        QCOMPARE(s.connectionKind, 1);
        QCOMPARE(bytes.mid(8, 2).toHex(), QByteArray("f7ff"));
        // Sedge defaults: header bytes 0, 1 and 10 are 1, 2 and 0 (scrambled).
        dialog = open(Family::Sedge);
        QVERIFY(FindControl(dialog.get(), RemoteControlHours) == nullptr);
        useCard(dialog.get());
        type(dialog.get(), PhoneNo, "12345");
        bytes = generate(dialog.get());
        QCOMPARE(bytes.mid(0, 2).toHex() + bytes.mid(10, 1).toHex(), QByteArray("efdfff"));
    }

    void phoneLongerThanTheLimitIsEmptied() {
        for (const auto& [family, limit] : {std::pair{Family::Quill, 12}, {Family::Sedge, 11}}) {
            auto dialog = open(family);
            const QString digits = QStringLiteral("1234567890123").left(limit);
            perform(dialog.get(), {{PhoneNo, qPrintable(digits)}, {Recipient2, "54321"}});
            QVERIFY(!box(dialog.get(), Recipient3)->isReadOnly());
            QVERIFY(messageTexts().isEmpty());
            QTest::keyClick(box(dialog.get(), PhoneNo), Qt::Key_9);
            QCOMPARE(
                messageTexts(),
                QStringList{
                    QStringLiteral("The max allowable number of digits phone %1!").arg(limit)});
            for (int id : {PhoneNo, Recipient2, Recipient3}) {
                QVERIFY(box(dialog.get(), id)->text().isEmpty());
            }
            QVERIFY(box(dialog.get(), Recipient2)->isReadOnly() &&
                    box(dialog.get(), Recipient3)->isReadOnly());
        }
    }

    void fieldStatesFollowModeAndStatus() {
        auto dialog = open(Family::Sedge);
        const auto editable = [&](int id) { return !box(dialog.get(), id)->isReadOnly(); };
        QVERIFY(!editable(Url) && editable(PhoneNo) && editable(Email) && !editable(Recipient2));
        type(dialog.get(), Email, "me@x.org");
        QVERIFY(editable(Recipient2));
        type(dialog.get(), Recipient2, "0170123456");
        choose(dialog.get(), Status, 3); // SMS locks the recipients and keeps their texts
        QVERIFY(!editable(Email) && !editable(Recipient2) && editable(PhoneNo));
        choose(dialog.get(), Status, 2); // QVGA: locked until the next edit
        QVERIFY(editable(Email) && !editable(Url) && !editable(Recipient2));
        QCOMPARE(box(dialog.get(), Recipient2)->text(), QStringLiteral("0170123456"));
        box(dialog.get(), Email)->setFocus();
        QTest::keyClick(box(dialog.get(), Email), Qt::Key_End);
        QTest::keyClicks(box(dialog.get(), Email), ".uk"); // an address still: 2 opens again
        QVERIFY(editable(Recipient2) && !editable(Recipient3));
        QCOMPARE(box(dialog.get(), Recipient2)->text(), QStringLiteral("0170123456"));
        choose(dialog.get(), Mode, 0); // the same mode again keeps what was typed
        QCOMPARE(box(dialog.get(), Email)->text(), QStringLiteral("me@x.org.uk"));
        choose(dialog.get(), Mode, 1);
        QVERIFY(editable(Url) && editable(Password) && !editable(Recipient2));
        QVERIFY(box(dialog.get(), Email)->text().isEmpty()); // a mode change empties the texts
        QCOMPARE(items(list(dialog.get(), ConnectionKind)), (QStringList{"APN", "CSD"}));
        choose(dialog.get(), Status, 3);
        QVERIFY(!editable(Url) && !editable(Password));
    }

    void picturesPerDayIsRepairedOrRefused() {
        auto dialog = open(Family::Quill);
        QLineEdit* pictures = box(dialog.get(), PicturesPerDay);
        useCard(dialog.get());
        const QStringList range{"Please enter an integer between 0 and 99!"};
        type(dialog.get(), PicturesPerDay, "100");
        QCOMPARE(messageTexts(), range);
        QCOMPARE(pictures->text(), QStringLiteral("0"));
        QApplication::clipboard()->setText(QStringLiteral("-5")); // typed, "-" alone is no number
        pictures->selectAll();
        QTest::keySequence(pictures, QKeySequence::Paste);
        QCOMPARE(messageTexts(), range);
        QCOMPARE(pictures->text(), QStringLiteral("0"));
        perform(dialog.get(), {{PicturesPerDay, "42"}, {PhoneNo, "12345"}});
        pictures->clear();
        QCOMPARE(generate(dialog.get()), QByteArray());
        QCOMPARE(messageTexts(), QStringList{"请键入一个整数。"});
        type(dialog.get(), PicturesPerDay, "42");
        QCOMPARE(decoded(generate(dialog.get()), Family::Quill).picturesPerDay, 42);
    }

    void listsAndMessagesFollowTheLanguage() {
        session.language = Language::Chinese;
        auto dialog = open(Family::Sedge);
        QComboBox* countries = list(dialog.get(), Country);
        QComboBox* operators = list(dialog.get(), Operator);
        const QStringList china{"中国移动", "中国联通"};
        QCOMPARE(countries->itemText(0), QStringLiteral("中国"));
        QCOMPARE(items(operators), china);
        perform(dialog.get(), {{Country, nullptr, 3}, {Country, nullptr, 0}});
        QCOMPARE(items(operators), china);
        perform(dialog.get(), {{Mode, nullptr, 1}, {Mode, nullptr, 0}});
        QCOMPARE(countries->itemText(0), QStringLiteral("China"));
        QCOMPARE(items(operators), china);
        choose(dialog.get(), NumberKind, 1);
        press(dialog.get(), Generate);
        QCOMPARE(messageTexts(),
                 (QStringList{"手机号码将不能在相机设置菜单显示", "手机号码和Email错误(0)"}));
    }

    void catalogueAndNames() {
        const Family Q = Family::Quill, S = Family::Sedge;
        // clang-format off
        const struct { Family family; int language; int id; int entry; const char* text; } texts[] = {
            {S, 9, CountryLabel, -1, " Zeme"},     {Q, 2, NumberKind, 0, "Domestic "},
            {S, 9, NumberKind, 0, "Domaci "},      {Q, 3, Exit, -1, "Back"},
            {Q, 7, RemoteControlHours, 25, "Off"}, {Q, 7, Status, 0, "Ki"},
            {Q, 9, Select, -1, "Select"},          {Q, 1, StatusLabel, -1, "MMS 发送"},
            {Q, 1, HoursUnit, -1, "H"},            {S, 2, Status, 2, "QVGA"},
        };
        // clang-format on
        for (const auto& t : texts) {
            session.language = Language(t.language);
            auto dialog = open(t.family);
            const QString shown = t.entry < 0 ? ControlText(FindControl(dialog.get(), t.id))
                                              : list(dialog.get(), t.id)->itemText(t.entry);
            QCOMPARE(shown, QString::fromUtf8(t.text));
        }
        session.language = Language::German;
        auto dialog = open(Family::Quill);
        // clang-format off
        const std::pair<int, const char*> names[] = {
            {Mode, "MMS Modus"}, {ConnectionKind, "Connection kind"}, {Apn, "APN"},
            {NumberKind, "Number kind"}, {Folder, "Folder"}, {Recipient2, "Tel. oder Email 2"},
            {Recipient3, "Tel. oder Email 3"}, {RemoteControlHours, "SMS Remote Control"}};
        // clang-format on
        for (const auto& [id, name] : names) {
            QCOMPARE(FindControl(dialog.get(), id)->accessibleName(), QString::fromUtf8(name));
        }
    }

    void folderAndWriting() {
        auto dialog = open(Family::Quill);
        QLineEdit* folder = box(dialog.get(), Folder);
        QCOMPARE(folder->text(), DefaultFolder({}));
        QVERIFY(folder->isReadOnly());
        // A failed write names the file and never claims success.
        const QString missing = card_.filePath(QStringLiteral("no-such-folder"));
        test_seam::PresetNextFolder(missing);
        press(dialog.get(), Select);
        type(dialog.get(), PhoneNo, "12345");
        press(dialog.get(), Generate);
        const QStringList texts = messageTexts();
        QVERIFY2(texts.size() == 1 &&
                     texts[0].contains(QDir::toNativeSeparators(missing + "/setup.dat")),
                 qPrintable(texts.join('|')));
        // A deep folder is used whole; a user's own mms.dat stays as it was.
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
        QCOMPARE(folder->text(), QDir::toNativeSeparators(deep));
        press(dialog.get(), Generate);
        QCOMPARE(messageTexts(), QStringList{"Ros Quill" + kDone});
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
        perform(d, {{Status, nullptr, 0},
                    {Country, nullptr, 3},
                    {Operator, nullptr, 4},
                    {RemoteControlHours, nullptr, 6},
                    {NumberKind, nullptr, 1},
                    {PicturesPerDay, "42"},
                    {PhoneNo, "+447700900123"},
                    {Email, "cam@example.org"},
                    {Recipient2, "07700900456"},
                    {Recipient3, "you@example.org"}});
        const QByteArray bytes = generate(d);
        QCOMPARE(bytes.size(), 720);

        const auto profile = runCli({"inspect", "--json", "--model", "2", setupPath()});
        QVERIFY(profile);
        const QJsonObject read = QJsonDocument::fromJson(*profile).object()["mms"].toObject();
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
        QVERIFY(generateWithCli(*profile, again.path()));
        QCOMPARE(fileBytes(again.path(), "setup.dat").toHex(), bytes.toHex());
#endif
    }

    void aCardsSettingsLoadBack() {
        const int shown[] = {Mode,       Status,         Country,  Operator, ConnectionKind,
                             NumberKind, PicturesPerDay, Url,      Apn,      Gateway,
                             Port,       Account,        Password, PhoneNo,  Email,
                             Recipient2, Recipient3};
        // clang-format off
        const struct { const char* what; Family family; std::initializer_list<Step> steps; } cases[] = {
            {"Quill automatic", Family::Quill, {{Status, nullptr, 0}, {Country, nullptr, 3},
                {Operator, nullptr, 4}, {RemoteControlHours, nullptr, 6}, {NumberKind, nullptr, 1},
                {PicturesPerDay, "42"}, {PhoneNo, "+447700900123"}, {Recipient2, "a@b.c"}}},
            {"Sedge manual", Family::Sedge, {{Mode, nullptr, 1}, {ConnectionKind, nullptr, 1},
                {Status, nullptr, 2}, {Url, "http://mms.example"}, {Apn, "mms"},
                {Gateway, "10.0.0.1"}, {Port, "8080"}, {PhoneNo, "0123456789"}}},
        };
        // clang-format on
        for (const auto& c : cases) {
            test_seam::AnswerQuestions(false);
            QByteArray first;
            QStringList before;
            {
                auto dialog = open(c.family);
                useCard(dialog.get());
                perform(dialog.get(), c.steps);
                first = generate(dialog.get());
                QVERIFY2(first.size() == 720, c.what);
                for (int id : shown) {
                    before << shownText(FindControl(dialog.get(), id));
                }
            }
            test_seam::TakeQuestions();
            session = Session{}; // a new run: no preset selection kept
            auto dialog = open(c.family);
            test_seam::AnswerQuestions(true);
            useCard(dialog.get());
            const QString question = "This card already holds settings (setup.dat). Load them?";
            const QString preset = "\nIts country and operator are selected; Generate writes "
                                   "their built-in connection settings.";
            QCOMPARE(
                test_seam::TakeQuestions(),
                std::vector<QString>{question + (c.family == Family::Quill ? preset : QString())});
            QStringList after;
            for (int id : shown) {
                after << shownText(FindControl(dialog.get(), id));
            }
            QCOMPARE(after, before);
            QCOMPARE(generate(dialog.get()).toHex(), first.toHex());
        }
    }

    void aCardOffItsPresetLoadsInManualMode() {
#ifndef ROSMOSSEL_CLI
        QSKIP("rosmossel-cli is not built");
#else
        QFile::remove(setupPath());
        QVERIFY(generateWithCli(R"({"model": "Ros QuillM", "mms": {"country": "United Kingdom",
            "operator": 0, "apn": "own.apn", "phone": "0123456789"}})",
                                card_.path()));
        const MmsSettings card = decoded(fileBytes(card_.path(), "setup.dat"), Family::Quill);

        auto dialog = open(Family::Quill);
        test_seam::AnswerQuestions(true);
        useCard(dialog.get());
        const auto questions = test_seam::TakeQuestions();
        QCOMPARE(questions.size(), std::size_t{1});
        QVERIFY(questions[0].contains(QStringLiteral("loaded in manual mode")));
        QCOMPARE(list(dialog.get(), Mode)->currentIndex(), 1);
        QCOMPARE(box(dialog.get(), Apn)->text(), QStringLiteral("own.apn"));
        // The card's connection is written again, now as a manual one.
        MmsSettings expected = card;
        expected.presetCountry = 0x80;
        expected.presetOperator = 0;
        QCOMPARE(decoded(generate(dialog.get()), Family::Quill), expected);
#endif
    }

    // Pictures of both dialogs, automatic and manual, for a person to look at:
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

    // Every control is named, every caption fits and the columns line up, in
    // every language.
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
