// rosmossel-shots OUT_DIR: pictures of the main window, the six set-up dialogs,
// Find operator..., the many-cards windows and the About box for the owners' guide, made offscreen
// from this build with fixed example settings, so the guide always shows the windows as they are.

#include "core/session/preferences.h"
#include "core/text/language_table.h"
#include "gui/dialogs/card_results.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/cards_window.h"
#include "gui/dialogs/control_registry.h"
#include "gui/dialogs/operator_finder.h"
#include "gui/dialogs/presenter.h"
#include "gui/shell/about_dlg.h"
#include "gui/shell/app_look.h"
#include "gui/shell/setup_dialogs.h"
#include "gui/shell/setup_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <span>

namespace rosmossel {
namespace {

// The main window's choices are kept nowhere.
class NoStore final : public PreferenceStore {
  public:
    bool Open() override { return false; }
    bool Create() override { return false; }
    void Close() override {}
    std::optional<std::uint32_t> ReadNumber(std::string_view) override { return std::nullopt; }
    bool WriteNumber(std::string_view, std::uint32_t) override { return false; }
    std::optional<std::string> ReadText(std::string_view) override { return std::nullopt; }
    bool WriteText(std::string_view, std::string_view) override { return false; }
};

// One card in the reader, at the card's drive the pictures show as the folder.
class ShotsCards final : public CardSource {
  public:
    std::vector<Card> cards() const override {
        return {{"E:\\", "CAMERA", "FAT32", 7'948'206'080, 7'401'000'000, ReadOnly::No, "E:"}};
    }
    EjectResult eject(const Card&) const override { return {EjectOutcome::Ejected, {}}; }
};

// Hands the example profile to Open profile and answers Yes; a message that
// reports a failure is printed and fails the run.
class ShotsPresenter final : public Presenter {
  public:
    void message(const QString& text) override { note(text); }
    void toolkitPrompt(QWidget*, const QString& text) override { note(text); }
    bool question(const QString& text) override {
        note(text);
        return true;
    }
    QString chooseFolder(const QString&) override { return {}; }
    QString chooseProfile(FileUse, const QString&, const QString&) override { return profile; }

    QString profile;
    bool failed = false;

  private:
    void note(const QString& text) {
        if (text.startsWith(QStringLiteral("Could not"))) {
            std::fprintf(stderr, "rosmossel-shots: %s\n", qPrintable(text));
            failed = true;
        }
    }
};

struct Shot {
    const char* file;
    SetupJob job;
    CameraModel model;
    const char* profile; // the section the dialog opens, as rosmossel-cli takes it
};

// Realistic settings an owner might make; the clock is fixed so that the
// pictures do not change with the day they are made.
const Shot kShots[] = {
    {"quill-camera-menu.png", SetupJob::CameraMenu, CameraModel::QuillMG,
     R"({"model": "Ros QuillMG", "camera_menu": {
        "camera_mode": "Camera+Video", "image_size": "12MP", "video_size": "1280x720",
        "pictures_per_trigger": "02 Photo", "video_length_seconds": 15, "interval": 30,
        "interval_unit": "Sec", "sense_level": "High", "side_pir": "On", "timer": "On",
        "timer_start_hour": 18, "timer_stop_hour": 7, "timer_stop_minute": 30,
        "serial_number": "On", "serial_characters": "CAM1", "beep_sound": "Off",
        "sd_cycle": "On"}})"},
    {"sedge-camera-menu.png", SetupJob::CameraMenu, CameraModel::SedgeM,
     R"({"model": "Ros SedgeM", "camera_menu": {
        "camera_mode": "Camera", "image_size": "5MP", "pictures_per_trigger": "03 Photo",
        "interval": 5, "interval_unit": "Min", "time_lapse": "On", "time_lapse_hours": 1}})"},
    {"quill-mms.png", SetupJob::Mms, CameraModel::QuillM,
     R"({"model": "Ros QuillM", "mms": {
        "mode": "Auto", "mms_status": "VGA", "pictures_per_day": 20,
        "country": "United Kingdom", "operator": "O2", "sms_remote_control": 6,
        "phone": "07700900123", "email": "owner@example.org",
        "recipient2": "07700900456"}})"},
    {"sedge-mms.png", SetupJob::Mms, CameraModel::SedgeM,
     R"({"model": "Ros SedgeM", "mms": {
        "mode": "Manual", "mms_status": "QVGA", "pictures_per_day": 0,
        "url": "http://mms.example.net/servlets/mms", "apn": "mms.example.net",
        "gateway": "10.0.0.10", "port": "8080", "phone": "07700900123",
        "recipient2": "family@example.org"}})"},
    {"quill-email.png", SetupJob::Smtp, CameraModel::QuillMG,
     R"({"model": "Ros QuillMG", "smtp": {
        "mode": "Manual", "pictures_per_day": 10, "mms_send_mode": "VGA",
        "sms_remote_control": 12, "gprs_apn": "internet", "smtp_server": "smtp.example.org",
        "smtp_port": "587", "sender_address": "camera@example.org",
        "sender_password": "secret", "recipient": "owner@example.org"}})"},
    {"sedge-email.png", SetupJob::Smtp, CameraModel::SedgeMG,
     R"({"model": "Ros SedgeMG", "smtp": {
        "mode": "Auto", "country": "United Kingdom", "operator": "Vodafone",
        "pictures_per_day": 5, "smtp_server": "smtp.example.org", "smtp_port": "25",
        "sender_address": "camera@example.org", "sender_password": "secret",
        "recipient": "owner@example.org"}})"},
};

// The folder a Windows owner would pick: the card's drive.
const QString kCardFolder = QStringLiteral("E:\\");
const QString kClock = QStringLiteral("2026/04/18 09:30:00");

bool save(QWidget& window, const QDir& out, const QString& file) {
    // Shown and active, as the owner sees it (an inactive window has other
    // colours), and settled: the layout takes its final sizes in posted events.
    window.show();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const QString path = out.filePath(file);
    const bool saved = window.grab().save(path, "PNG");
    window.hide();
    if (!saved) {
        std::fprintf(stderr, "rosmossel-shots: could not save %s\n", qPrintable(path));
    }
    return saved;
}

// The guide's editions: English, and Chinese as a Chinese system shows it.
struct Edition {
    const char* prefix;
    Language language;
};
constexpr Edition kEditions[] = {{"", Language::English}, {"zh-", Language::Chinese}};

Session sessionOf(const Edition& edition, CameraModel model) {
    Session session;
    session.language = edition.language;
    session.chineseSystem = edition.language == Language::Chinese;
    session.model = model;
    return session;
}

QString fileOf(const Edition& edition, const char* file) {
    return QString::fromLatin1(edition.prefix) + QString::fromLatin1(file);
}

bool shootDialog(const Shot& shot, const Edition& edition, ShotsPresenter& presenter,
                 const QDir& out, const QTemporaryDir& scratch, CardWatch& cards) {
    const QString profilePath = scratch.filePath(QStringLiteral("profile.json"));
    QFile profile(profilePath);
    if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        profile.write(shot.profile) < 0) {
        std::fprintf(stderr, "rosmossel-shots: could not write %s\n", qPrintable(profilePath));
        return false;
    }
    profile.close();

    Session session = sessionOf(edition, shot.model);
    const std::unique_ptr<QDialog> dialog = CreateSetupDialog(shot.job, session, &cards);
    presenter.profile = profilePath;
    FindControlAs<QPushButton>(dialog.get(), kOpenProfileId)->click();
    if (auto* folder = dialog->findChild<QLineEdit*>(QStringLiteral("folder"))) {
        folder->setText(kCardFolder);
    }
    if (auto* clock = FindControlAs<QLineEdit>(dialog.get(), menu_id::ClockText);
        clock != nullptr && shot.job == SetupJob::CameraMenu) {
        clock->setText(kClock);
    }
    return save(*dialog, out, fileOf(edition, shot.file));
}

// Find operator... over a small database of example operators, so that the
// picture does not change with the system's file; the owner has typed a
// country.
constexpr const char* kExampleDatabase = R"(<serviceproviders format="2.0">
<country code="gb"><name>United Kingdom</name>
  <provider><name>Heron Mobile</name><gsm><network-id mcc="234" mnc="90"/>
    <apn value="mms.heron.example"><usage type="mms"/><mmsc>http://mmsc.heron.example/mms</mmsc>
      <mmsproxy>10.16.0.5:8080</mmsproxy></apn>
    <apn value="wap.heron.example"><usage type="mms"/><mmsc>http://mms.heron.example:8002</mmsc>
      <mmsproxy>10.16.0.9:8799</mmsproxy></apn></gsm></provider>
  <provider><name>Kestrel Talk</name><gsm><network-id mcc="234" mnc="91"/>
    <apn value="kestrel.mms"><usage type="mms"/><mmsc>http://mms.kestrel.example/servlets/mms</mmsc>
      <mmsproxy>192.0.2.40:8080</mmsproxy></apn></gsm></provider>
  <provider><name>Wren SIM</name><gsm><network-id mcc="234" mnc="92"/>
    <apn value="mms.wren.example"><usage type="mms"/><mmsc>http://mmsc.wren.example</mmsc></apn>
  </gsm></provider>
</country>
<country code="ie"><name>Ireland</name>
  <provider><name>Curlew</name><gsm><network-id mcc="272" mnc="90"/>
    <apn value="mms.curlew.example"><usage type="mms"/><mmsc>http://mms.curlew.example</mmsc></apn>
  </gsm></provider>
</country>
</serviceproviders>)";

bool shootOperatorFinder(const Edition& edition, const QDir& out) {
    OperatorDatabaseLoad load;
    auto parsed = ParseOperatorDatabase(kExampleDatabase);
    if (!std::holds_alternative<OperatorDatabase>(parsed)) {
        std::fprintf(stderr, "rosmossel-shots: the example carrier database does not read\n");
        return false;
    }
    load.database = std::get<OperatorDatabase>(std::move(parsed));
    load.database->path = "C:\\Program Files\\Ros Mossel\\serviceproviders.xml";
    const Session session = sessionOf(edition, CameraModel::QuillMG);
    OperatorFinder finder(load, ApnUse::Mms, session, nullptr);
    finder.findChild<QLineEdit*>(QStringLiteral("operatorSearch"))
        ->setText(QStringLiteral("kingdom"));
    return save(finder, out, fileOf(edition, "find-operator.png"));
}

// Three cards in readers, one with its lock switch on.
std::vector<Card> ExampleCards() {
    const auto card = [](const char* root, const char* label, ReadOnly readOnly) {
        return Card{root, label, "FAT32", 7'948'206'080, 7'401'000'000, readOnly, root};
    };
    return {card("E:\\", "CAM01", ReadOnly::No), card("F:\\", "CAM02", ReadOnly::LockSwitch),
            card("G:\\", "CAM03", ReadOnly::No)};
}

// A card "written" as the owner would see it, no disk touched: the locked one
// refuses, the others take every file.
CardResult StandInWrite(const Card& card, std::span<const CardFile> files,
                        const std::function<std::vector<Card>()>&) {
    CardResult result{card, CardOutcome::Written, {}, {}};
    if (card.writeProtected()) {
        result.outcome = CardOutcome::LockSwitch;
    } else {
        for (const CardFile& file : files) {
            result.written.push_back(file.name);
        }
    }
    return result;
}

// Write to all cards over the example cards: the results as the owner sees
// them.
bool shootCardResults(const Edition& edition, const QDir& out) {
    CardResults results(ExampleCards(), {{SettingsFile(FileKind::Menu).fileName, {}}}, nullptr,
                        static_cast<int>(edition.language), nullptr, StandInWrite);
    QElapsedTimer waited;
    waited.start();
    while (!results.finished() && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return results.finished() && save(results, out, fileOf(edition, "write-all-cards.png"));
}

// The example cards, inserted.
class ShotsBatch final : public CardSource {
  public:
    std::vector<Card> cards() const override { return ExampleCards(); }
    EjectResult eject(const Card&) const override { return {EjectOutcome::Ejected, {}}; }
};

// The Cards window while the production line runs over three cards: each
// card's result in its row and in the list, and what the cards hold then,
// no disk touched.
bool shootCardsWindow(const Edition& edition, ShotsPresenter& presenter, const QDir& out,
                      const QTemporaryDir& scratch) {
    const QString profilePath = scratch.filePath(QStringLiteral("batch.json"));
    QFile profile(profilePath);
    if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        profile.write(R"({"model": "Ros SedgeMG", "camera_menu": {"clock": "2026-04-18 09:30:00"},
                          "mms": {"phone": "07700900123"}})") < 0) {
        std::fprintf(stderr, "rosmossel-shots: could not write %s\n", qPrintable(profilePath));
        return false;
    }
    profile.close();
    presenter.profile = profilePath;

    const ShotsBatch inserted;
    CardWatch cards(inserted);
    cards.start();
    if (!cards.waitForFirstLook(std::chrono::seconds(10))) {
        return false;
    }
    const auto read = [](const std::string& root) {
        CardContents contents;
        for (std::size_t at = 0; at < contents.size(); ++at) {
            contents[at].kind = kSettingsFiles[at].kind;
        }
        // What the written cards hold now; the locked one stays empty.
        if (root != "F:\\") {
            contents[0].state = HeldFile::State::Read;
            contents[0].facts = {{"family", "Sedge"}, {"language", "English"}};
            contents[1].state = HeldFile::State::Read;
            contents[1].facts = {{"mms_mode", "Auto"}, {"recipients", "07700900123"}};
        }
        return contents;
    };
    Session session = sessionOf(edition, CameraModel::QuillMG);
    CardsWindow window(&cards, session, nullptr, read, StandInWrite);
    window.writeEachCard();
    QElapsedTimer waited;
    waited.start();
    while ((window.results().size() < 3 || window.writing()) && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (window.results().size() < 3) {
        std::fprintf(stderr, "rosmossel-shots: the Cards window wrote no cards\n");
        return false;
    }
    while (!window.allRead() && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // The offscreen screen is small; an owner's shows every column at once.
    const auto* table = window.findChild<QTableWidget*>(QStringLiteral("cardsTable"));
    int columns = 0;
    for (int column = 0; column < table->columnCount(); ++column) {
        columns += table->columnWidth(column);
    }
    window.resize(window.width() + columns - table->viewport()->width(), window.height());
    return save(window, out, fileOf(edition, "cards-window.png"));
}

} // namespace
} // namespace rosmossel

int main(int argc, char* argv[]) {
    using namespace rosmossel;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rosmossel-shots OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir scratch;
    if (!QDir().mkpath(out.path()) || !scratch.isValid()) {
        std::fprintf(stderr, "rosmossel-shots: no folder to work in\n");
        return 1;
    }
    ApplyApplicationLook(app);
    ShotsPresenter presenter;
    SetPresenter(&presenter);
    const ShotsCards inserted;
    CardWatch cards(inserted);
    cards.start();
    if (!cards.waitForFirstLook(std::chrono::seconds(10))) {
        std::fprintf(stderr, "rosmossel-shots: the card watcher did not look\n");
        return 1;
    }

    bool ok = true;
    for (const Edition& edition : kEditions) {
        {
            Session session = sessionOf(edition, CameraModel::QuillMG);
            NoStore store;
            CSetupDlg mainWindow(session, store);
            ok = save(mainWindow, out, fileOf(edition, "main-window.png")) && ok;
        }
        {
            CAboutDlg about;
            ok = save(about, out, fileOf(edition, "about.png")) && ok;
        }
        for (const Shot& shot : kShots) {
            ok = shootDialog(shot, edition, presenter, out, scratch, cards) && ok;
        }
        ok = shootOperatorFinder(edition, out) && ok;
        ok = shootCardResults(edition, out) && ok;
        ok = shootCardsWindow(edition, presenter, out, scratch) && ok;
    }
    SetPresenter(nullptr);
    return ok && !presenter.failed ? 0 : 1;
}
