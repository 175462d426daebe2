// Save profile... and Open profile... in the six set-up dialogs: what lands in
// the profile, what rosmossel-cli makes of it, and what opening one does.
#include "core/menu/menu_clock.h"
#include "core/menu/menu_decode.h"
#include "core/session/session.h"
#include "core/text/mms_language_table.h"
#include "core/text/smtp_language_table.h"
#include "gui/shell/setup_dialogs.h"
#include "support/dialog_driver.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <functional>
#include <memory>

using namespace rosmossel;
using namespace rosmossel::testing;

namespace {

Session session;
const ClockValue kClock{2026, 12, 9, 5, 0, 0};

struct Job {
    const char* what;
    CameraModel model;
    std::function<SetupDialog*()> make;
    int select, generate;
    QString file;
    std::vector<std::pair<int, QString>> typed; // what Generate needs
};

template <typename Dialog> std::function<SetupDialog*()> maker() {
    return [] { return new Dialog(session); };
}

const std::vector<std::pair<int, QString>> kSender{{smtp_id::Server, "sm"},
                                                   {smtp_id::Port, "25"},
                                                   {smtp_id::SenderAddress, "cam@example.org"},
                                                   {smtp_id::SenderPassword, "pw"},
                                                   {smtp_id::Recipient, "me@b.c"}};
const std::vector<Job> kJobs{
    {"Quill menu",
     CameraModel::QuillM,
     maker<CQuillMenuDlg>(),
     menu_id::Select,
     menu_id::Generate,
     "menu.dat",
     {{menu_id::Interval, "7"}}},
    {"Sedge menu",
     CameraModel::SedgeM,
     maker<CSedgeMenuDlg>(),
     menu_id::Select,
     menu_id::Generate,
     "menu.dat",
     {}},
    {"Quill MMS",
     CameraModel::QuillM,
     maker<CQuillMmsDlg>(),
     mms_id::Select,
     mms_id::Generate,
     "setup.dat",
     {{mms_id::PhoneNo, "01701234567"}}},
    {"Sedge MMS",
     CameraModel::SedgeM,
     maker<CSedgeMmsDlg>(),
     mms_id::Select,
     mms_id::Generate,
     "setup.dat",
     {{mms_id::Email, "me@example.org"}}},
    {"Quill e-mail", CameraModel::QuillMG, maker<CQuillSmtpDlg>(), smtp_id::Select,
     smtp_id::Generate, "smtp.dat", kSender},
    {"Sedge e-mail", CameraModel::SedgeMG, maker<CSedgeSmtpDlg>(), smtp_id::Select,
     smtp_id::Generate, "smtp.dat", kSender},
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

// menu.dat with the clock of the process that wrote it put aside.
QByteArray withoutClock(const QByteArray& bytes, Family family) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::optional<MenuSettings> s =
        DecodeMenuFile({data, std::size_t(bytes.size())}, family).settings;
    if (!s) {
        return bytes;
    }
    s->clock = kClock;
    const FileRecord record = BuildMenuRecord(*s);
    return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
}

} // namespace

class ProfileButtonsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    std::unique_ptr<SetupDialog> open(const Job& job, const QString& card) {
        session = Session{};
        session.model = job.model;
        std::unique_ptr<SetupDialog> d(job.make());
        d->show();
        QDir().mkpath(card);
        test_seam::PresetNextFolder(card);
        press(d.get(), job.select);
        return d;
    }
    QByteArray generate(const Job& job, const QWidget* d, const QString& card) {
        QFile::remove(QDir(card).filePath(job.file));
        press(d, job.generate);
        messageTexts();
        return fileBytes(card, job.file);
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        test_seam::RecordMessages(true);
        SetClockSource([] { return kClock; });
    }
    void cleanup() { SetClockSource({}); }

    // Saved from a dialog, a profile makes rosmossel-cli write the dialog's
    // bytes, and opens in a fresh dialog whose Generate writes them again.
    void savedProfilesRegenerateTheDialogsFile() {
        bool first = true;
        for (const Job& job : kJobs) {
            const QString card = path(QString("card-") + job.what);
            auto d = open(job, card);
            for (const auto& [id, text] : job.typed) {
                type(d.get(), id, text);
            }
            const QByteArray bytes = generate(job, d.get(), card);
            QVERIFY2(!bytes.isEmpty(), job.what);

            const QString saved = path(QString(job.what) + ".json");
            test_seam::TakeProfileChoosers();
            test_seam::PresetNextProfile(saved);
            press(d.get(), kSaveProfileId);
            QCOMPARE(messageTexts(), QStringList{"The profile has been saved to " +
                                                 QDir::toNativeSeparators(saved)});
            const auto chooser = test_seam::TakeProfileChoosers().at(0);
            // Only the MMS and e-mail set-ups hold passwords.
            QCOMPARE(chooser.title.contains("password"), job.file != "menu.dat");
            // The documents folder where there is one, else home: never a
            // folder that is not there, which the chooser would offer as the name.
            const QString documents =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QCOMPARE(chooser.folder,
                     first ? (QFileInfo(documents).isDir() ? documents : QDir::homePath())
                           : dir_.path());
            first = false;
#ifndef _WIN32
            QCOMPARE(QFile::permissions(saved) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
#endif
            const QString out = path(QString("cli-") + job.what);
            QDir().mkpath(out);
            QVERIFY2(generateWithCli(readAll(saved), out), job.what);
            const Family family = job.model.family();
            QCOMPARE(withoutClock(fileBytes(out, job.file), family), withoutClock(bytes, family));

            auto reopened = open(job, path(QString("again-") + job.what));
            test_seam::PresetNextProfile(saved);
            press(reopened.get(), kOpenProfileId);
            messageTexts();
            QCOMPARE(generate(job, reopened.get(), path(QString("again-") + job.what)), bytes);
        }
    }

    // Saving the MMS set-up into a profile that holds a camera menu keeps it.
    void savingKeepsTheOtherSections() {
        const QString file = path("camera.json");
        const QByteArray menu = R"({"interval": 9, "interval_unit": "Sec", "beep_sound": "On"})";
        writeText(file,
                  R"({"model": "Ros QuillMG", "language": "German", "camera_menu": )" + menu + "}");
        const Job& mms = kJobs[2];
        auto d = open(mms, path("card"));
        type(d.get(), mms_id::PhoneNo, "01701234567");
        test_seam::PresetNextProfile(file);
        test_seam::AnswerQuestions(true);
        press(d.get(), kSaveProfileId);
        const std::vector<QString> asked = test_seam::TakeQuestions();
        QCOMPARE(asked.size(), std::size_t{1});
        QVERIFY2(asked[0].contains("setup.dat") && asked[0].contains("keep the rest"),
                 qPrintable(asked[0]));
        QCOMPARE(messageTexts(),
                 QStringList{"The profile has been saved to " + QDir::toNativeSeparators(file)});
        const QJsonObject saved = QJsonDocument::fromJson(readAll(file)).object();
        QCOMPARE(saved["camera_menu"].toObject(), QJsonDocument::fromJson(menu).object());
        QCOMPARE(saved["model"].toString(), "Ros QuillMG"); // the e-mail set-up stays possible
        QCOMPARE(saved["language"].toString(), "German");
        QCOMPARE(saved["mms"].toObject()["language"].toString(), "English"); // the dialog's
        QCOMPARE(saved["mms"].toObject()["phone"].toString(), "01701234567");
    }

    // Save profile refuses what Generate refuses, with the same message and
    // focus, before the chooser opens; the profile stays as it was.
    void saveRefusesWhatGenerateRefuses() {
        const QByteArray kept = R"({"model": 4, "camera_menu": {}})";
        writeText(path("kept.json"), kept);
        for (const Job& job : kJobs) {
            if (job.file == "menu.dat") {
                continue; // its lists and number boxes hold nothing Generate refuses
            }
            auto d = open(job, path("card"));
            press(d.get(), job.generate);
            const QStringList refused = messageTexts();
            QVERIFY2(refused.size() == 1 && !refused[0].contains("generated"), job.what);
            QWidget* focus = d->focusWidget();
            FindControl(d.get(), job.select)->setFocus();
            test_seam::TakeProfileChoosers();
            press(d.get(), kSaveProfileId);
            QCOMPARE(messageTexts(), refused);
            QCOMPARE(d->focusWidget(), focus);
            QVERIFY(test_seam::TakeProfileChoosers().empty());
            QCOMPARE(readAll(path("kept.json")), kept);
        }
    }

    // Opened, a profile's notes speak of the profile.
    void openingNotesNameTheProfile() {
        writeText(path("auto.json"),
                  R"({"model": 2, "mms": {"country": 3, "phone": "0170123456"}})");
        auto d = open(kJobs[2], path("card"));
        test_seam::PresetNextProfile(path("auto.json"));
        press(d.get(), kOpenProfileId);
        QCOMPARE(messageTexts(),
                 QStringList{"The profile's country and operator are selected; "
                             "Generate writes their built-in connection settings."});
    }

    // Refused profiles name the key, and the dialog keeps what it showed.
    void refusedProfilesLeaveTheDialogAsItWas() {
        const struct {
            QByteArray profile;
            const char* says;
        } cases[] = {
            {R"({"model": 2, "camera_menu": {"interval": 5)", "profile: not valid JSON"},
            {R"({"model": 2, "tv_mode": 1e400, "camera_menu": {}})", "number overflow"},
            {R"({"model": "Ros SedgeM", "camera_menu": {}})", "model: \"Ros SedgeM\" is a Sedge"},
            {R"({"model": 2, "mms": {"phone": "1"}})", "camera_menu: missing"},
            {R"({"model": 2, "camera_menu": {"side_pir": "Maybe"}})",
             "camera_menu.side_pir: \"Maybe\" is not one of"},
            // Not read at all, however well formed.
            {R"({"model": 2, "camera_menu": {}})" + QByteArray(1024 * 1024, ' '),
             "too large for a profile (over 1 MiB)"},
        };
        const Job& menu = kJobs[0];
        for (const auto& c : cases) {
            auto d = open(menu, path("card"));
            type(d.get(), menu_id::Interval, "7");
            const QByteArray before = generate(menu, d.get(), path("card"));
            writeText(path("bad.json"), c.profile);
            test_seam::PresetNextProfile(path("bad.json"));
            press(d.get(), kOpenProfileId);
            const QStringList shown = messageTexts();
            QVERIFY2(shown.size() == 1 && shown[0].contains(c.says),
                     qPrintable(c.profile.left(80) + (" gave " + shown.join('|'))));
            QCOMPARE(generate(menu, d.get(), path("card")), before);
        }
    }

    // An automatic MMS set-up with its own connection opens in manual mode,
    // as such a card does.
    void offPresetConnectionOpensInManualMode() {
        writeText(path("own.json"),
                  R"({"model": 2, "mms": {"country": 3, "apn": "own.apn", "phone": "0170"}})");
        auto d = open(kJobs[2], path("card"));
        test_seam::PresetNextProfile(path("own.json"));
        press(d.get(), kOpenProfileId);
        QCOMPARE(list(d.get(), mms_id::Mode)->currentIndex(), 1);
        QCOMPARE(box(d.get(), mms_id::Apn)->text(), "own.apn");
    }
};

QTEST_MAIN(ProfileButtonsTest)
#include "profile_buttons_test.moc"
