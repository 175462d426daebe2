#include "core/session/memory_store.h"
#include "core/session/session.h"
#include "core/text/main_window_text.h"
#include "gui/dialogs/guide.h"
#include "gui/shell/app_look.h"
#include "gui/shell/download_page.h"
#include "gui/shell/modal_driver.h"
#include "gui/shell/setup_app.h"
#include "gui/shell/setup_dialogs.h"
#include "gui/shell/setup_dlg.h"
#include "platform/ini_store.h"
#include "platform/system_preference_store.h"
#include "support/guide_beside_program.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using rosmossel::testing::MemoryStore;
using rosmossel::testing::ModalDriver;

namespace rosmossel {
namespace {

// The version as the windows show it.
const QString kShownVersion = QString::fromStdString(ShownVersion(ProjectVersion()));
const QString kVersionLine = QStringLiteral("Version:") + kShownVersion;

QWidget* ById(QWidget* root, int id) {
    const auto children = root->findChildren<QWidget*>();
    QWidget* found = nullptr;
    for (QWidget* w : children) {
        if (w->property("controlId").toInt() == id) {
            if (found != nullptr) {
                return nullptr; // identifiers must be unique
            }
            found = w;
        }
    }
    return found;
}

QString TextOf(QWidget* root, int id) {
    QWidget* w = ById(root, id);
    return w == nullptr ? QStringLiteral("<missing %1>").arg(id) : w->property("text").toString();
}

QComboBox* LanguageCombo(QWidget* root) {
    return qobject_cast<QComboBox*>(ById(root, 1080));
}
QComboBox* ModelCombo(QWidget* root) {
    return qobject_cast<QComboBox*>(ById(root, 1081));
}
QPushButton* Button(QWidget* root, int id) {
    return qobject_cast<QPushButton*>(ById(root, id));
}

bool AnyMainWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<CSetupDlg*>(w) != nullptr && w->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

class ShellGuiTest : public QObject {
    Q_OBJECT

    Session session_;
    // Start-up as the application does it; the main window then works on its session.
    void startUp(PreferenceStore& store, std::uint16_t systemLanguageId) {
        session_ = StartUp(store, systemLanguageId);
    }

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }
    void init() {
        session_ = Session{};
        QFile::remove(UserPreferencesPath());
    }

    void everyControlCarriesIdNameAndAccessibleName() {
        MemoryStore store;
        startUp(store, 1033);
        CSetupDlg dlg(session_, store);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Ros Mossel"));
        for (int id : {1077, 1078, 1079, 1080, 1081, 1000, 1001, 1002, 1076}) {
            QWidget* w = ById(&dlg, id);
            QVERIFY2(w != nullptr, qPrintable(QString::number(id)));
            QVERIFY(!w->objectName().isEmpty());
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(ById(&dlg, 1080)->accessibleName(), QStringLiteral("Select Language"));
        QCOMPARE(ById(&dlg, 1081)->accessibleName(), QStringLiteral("Camera Model"));
        QCOMPARE(ById(&dlg, 1000)->accessibleName(), QStringLiteral("Camera Setup"));
        QCOMPARE(TextOf(&dlg, 1077), kVersionLine);
        QStringList models;
        for (int i = 0; i < ModelCombo(&dlg)->count(); ++i) {
            models << ModelCombo(&dlg)->itemText(i);
        }
        QCOMPARE(models, QStringList({"Ros SedgeM", "Ros QuillM", "Ros SedgeMG", "Ros QuillMG"}));
    }

    // The tool draws group frames itself, and lists, buttons and text boxes through
    // pictures it keeps: pixel for pixel as Fusion draws them, the second of
    // two alike included. Text boxes on the dialog blue, straight on the
    // window and inside a group; their rounded corners blend into the blue.
    void framesAreFusionsOwn_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("option"); // checkable group; disabled list, button; read-only box
        QTest::newRow("untitled group") << "group" << QString() << false;
        QTest::newRow("titled group") << "group" << QStringLiteral("Camera Model") << false;
        QTest::newRow("checkable untitled group") << "group" << QString() << true;
        QTest::newRow("Chinese group title") << "group" << QStringLiteral("选择语言") << false;
        QTest::newRow("list") << "list" << QStringLiteral("Camera+Video") << false;
        QTest::newRow("disabled list") << "list" << QStringLiteral("12MP") << true;
        QTest::newRow("Chinese list") << "list" << QStringLiteral("年月日") << false;
        QTest::newRow("button") << "button" << QStringLiteral("Generate") << false;
        QTest::newRow("disabled button") << "button" << QStringLiteral("Exit") << true;
        QTest::newRow("default button") << "default button" << QStringLiteral("OK") << false;
        QTest::newRow("text box") << "box" << QStringLiteral("cmnet") << false;
        QTest::newRow("read-only text box") << "box" << QStringLiteral("10086") << true;
        QTest::newRow("text box in a group") << "grouped box" << QString() << false;
        QTest::newRow("read-only text box in a group") << "grouped box" << QString() << true;
    }
    void framesAreFusionsOwn() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(bool, option);
        ApplyApplicationLook(*qApp);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        QVERIFY(fusion != nullptr);
        const auto draw = [&](QStyle* style) {
            std::unique_ptr<QWidget> widget;
            if (kind.endsWith(QLatin1String("box"))) {
                auto* dialog = new QDialog;
                ApplyDialogColours(dialog);
                QWidget* holder = dialog;
                if (kind.startsWith(QLatin1String("grouped"))) {
                    holder = new QGroupBox(QStringLiteral("MMS"), dialog);
                    holder->setGeometry(4, 4, 200, 96);
                }
                auto* box = new QLineEdit(text, holder);
                box->setGeometry(12, 40, 150, box->sizeHint().height());
                SetEditable(box, !option);
                dialog->resize(220, 110);
                if (style != nullptr) {
                    for (QWidget* part : dialog->findChildren<QWidget*>()) {
                        part->setStyle(style);
                    }
                    dialog->setStyle(style);
                }
                widget.reset(dialog);
                return widget->grab().toImage();
            }
            if (kind.endsWith(QLatin1String("button"))) {
                auto* button = new QPushButton(text);
                button->setDefault(kind.startsWith(QLatin1String("default")));
                button->setEnabled(!option);
                button->resize(button->sizeHint());
                widget.reset(button);
            } else if (kind == QLatin1String("group")) {
                auto* box = new QGroupBox(text);
                box->setCheckable(option);
                box->resize(220, 90);
                widget.reset(box);
            } else {
                auto* list = new QComboBox;
                list->addItem(text);
                list->setEnabled(!option);
                list->resize(140, list->sizeHint().height());
                widget.reset(list);
            }
            if (style != nullptr) {
                widget->setStyle(style);
            }
            return widget->grab().toImage();
        };
        const QImage own = draw(nullptr);
        QVERIFY(!own.isNull());
        const QImage fusions = draw(fusion.get());
        QCOMPARE(own, fusions);
        QCOMPARE(draw(nullptr), fusions); // the second alike
    }

    void firstRunFollowsTheSystemLanguage_data() {
        QTest::addColumn<int>("systemId");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("firstEntry");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("captions"); // 1000, 1078, 1076, 1077
        const QStringList english = {"Camera Setup", "Select Language",
                                     "Click here to get the latest updates", kVersionLine};
        QTest::newRow("2052") << 2052 << 1 << QStringLiteral("中文") << 0
                              << QStringList{"相机设置", "选择语言", "获取最新版本程序更新",
                                             QStringLiteral("程序版本:") + kShownVersion};
        QTest::newRow("1031") << 1031 << 2 << QStringLiteral("Chinese") << 1 << english;
        QTest::newRow("5127") << 5127 << 3 << QStringLiteral("Chinese") << 2
                              << QStringList{"Kamera Installation", "Select Language",
                                             "Click here to get the latest updates", kVersionLine};
        QTest::newRow("3079") << 3079 << 2 << QStringLiteral("Chinese") << 1 << english;
    }
    void firstRunFollowsTheSystemLanguage() {
        QFETCH(int, systemId);
        QFETCH(int, stored);
        QFETCH(QString, firstEntry);
        QFETCH(int, selected);
        QFETCH(QStringList, captions);
        MemoryStore store;
        startUp(store, static_cast<std::uint16_t>(systemId));
        QCOMPARE(store.numbers.at("language"), static_cast<std::uint32_t>(stored));
        CSetupDlg dlg(session_, store);
        QCOMPARE(LanguageCombo(&dlg)->count(), 9);
        QCOMPARE(LanguageCombo(&dlg)->itemText(0), firstEntry);
        QCOMPARE(LanguageCombo(&dlg)->currentIndex(), selected);
        QCOMPARE((QStringList{TextOf(&dlg, 1000), TextOf(&dlg, 1078), TextOf(&dlg, 1076),
                              TextOf(&dlg, 1077)}),
                 captions);
    }

    void chineseChosenOnAnotherSystemSurvivesARestart() {
        IniPreferenceStore store(UserPreferencesPath());
        startUp(store, 1031);
        {
            CSetupDlg dlg(session_, store);
            LanguageCombo(&dlg)->setCurrentIndex(0);
            QCOMPARE(LanguageCombo(&dlg)->currentIndex(), 0);
            QCOMPARE(LanguageCombo(&dlg)->itemText(0), QStringLiteral("Chinese"));
            QCOMPARE(TextOf(&dlg, 1000), QStringLiteral("Camera Setup"));
            QCOMPARE(TextOf(&dlg, 1077), kVersionLine);
            QCOMPARE(session_.fileLanguageCode(), 1);
            QCOMPARE(session_.languageNumber(), 2);
        }
        QCOMPARE(QSettings(UserPreferencesPath(), QSettings::IniFormat).value("language").toInt(),
                 1);

        session_ = Session{};
        IniPreferenceStore again(UserPreferencesPath());
        startUp(again, 1031);
        CSetupDlg dlg(session_, again);
        QCOMPARE(LanguageCombo(&dlg)->currentIndex(), 0);
        QCOMPARE(LanguageCombo(&dlg)->itemText(0), QStringLiteral("Chinese"));
        QCOMPARE(TextOf(&dlg, 1000), QStringLiteral("Camera Setup"));
        QCOMPARE(session_.fileLanguageCode(), 1);
    }

    void chineseSystemSwitchesTheFirstEntry() {
        MemoryStore store;
        startUp(store, 2052);
        CSetupDlg dlg(session_, store);
        QComboBox* combo = LanguageCombo(&dlg);
        combo->setCurrentIndex(1);
        QCOMPARE(combo->itemText(0), QStringLiteral("Chinese"));
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(TextOf(&dlg, 1002), QStringLiteral("Smtp Setup"));
        QCOMPARE(store.numbers.at("language"), 2u);
        combo->setCurrentIndex(0);
        QCOMPARE(combo->itemText(0), QStringLiteral("中文"));
        QCOMPARE(TextOf(&dlg, 1002), QStringLiteral("SMTP设置"));
        QVERIFY(session_.chineseChosen);
        QCOMPARE(session_.fileLanguageCode(), 1);
        // Every caption follows the language at once, also on the update button.
        combo->setCurrentIndex(8);
        QCOMPARE(TextOf(&dlg, 1076), QStringLiteral("Stisknete pro update"));
        QCOMPARE(ById(&dlg, 1076)->accessibleName(), QStringLiteral("Stisknete pro update"));
        QCOMPARE(ById(&dlg, 1080)->accessibleName(), QStringLiteral("Zvolit Jazyk"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Ros Mossel"));
        QCOMPARE(store.numbers.at("language"), 9u);
    }

    void modelChoiceSwitchesSmtpSetup() {
        MemoryStore store;
        startUp(store, 1033);
        CSetupDlg dlg(session_, store);
        QPushButton* smtp = Button(&dlg, 1002);
        QVERIFY(!smtp->isEnabled());
        const bool expected[] = {false, false, true, true};
        for (int index : {2, 0, 3, 1}) {
            ModelCombo(&dlg)->setCurrentIndex(index);
            QCOMPARE(smtp->isEnabled(), expected[index]);
            QCOMPARE(session_.modelNumber(), index + 1);
            QCOMPARE(store.numbers.at("model"), static_cast<std::uint32_t>(index + 1));
        }
    }

    void storedValuesOutsideTheirRanges() {
        MemoryStore store = MemoryStore::Complete(12, 7);
        startUp(store, 1033);
        CSetupDlg dlg(session_, store);
        QCOMPARE(LanguageCombo(&dlg)->currentIndex(), -1);
        QCOMPARE(ModelCombo(&dlg)->currentIndex(), -1);
        QCOMPARE(TextOf(&dlg, 1000), QStringLiteral("Camera Setup"));
        QVERIFY(Button(&dlg, 1002)->isEnabled());
        QCOMPARE(session_.fileLanguageCode(), 12);
        QCOMPARE(store.writeCount, 0);
    }

    void deletedModelComesBackAsSedgeM() {
        MemoryStore store = MemoryStore::Complete(3, 4);
        store.numbers.erase("model");
        startUp(store, 1033);
        CSetupDlg dlg(session_, store);
        QCOMPARE(ModelCombo(&dlg)->currentText(), QStringLiteral("Ros SedgeM"));
        QVERIFY(!Button(&dlg, 1002)->isEnabled());
        QCOMPARE(store.numbers.at("model"), 1u);
        QCOMPARE(LanguageCombo(&dlg)->currentText(), QStringLiteral("Deutsch"));
    }

    void setupButtonsOpenTheDialogOfTheModel_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("dialog");
        const struct {
            int model, button;
            const char* dialog;
        } rows[] = {
            {1, 1000, "CSedgeMenuDlg"}, {2, 1000, "CQuillMenuDlg"}, {3, 1000, "CSedgeMenuDlg"},
            {4, 1000, "CQuillMenuDlg"}, {7, 1000, "CSedgeMenuDlg"}, {1, 1001, "CSedgeMmsDlg"},
            {2, 1001, "CQuillMmsDlg"},  {3, 1001, "CSedgeMmsDlg"},  {4, 1001, "CQuillMmsDlg"},
            {7, 1001, "CSedgeMmsDlg"},  {3, 1002, "CSedgeSmtpDlg"}, {4, 1002, "CQuillSmtpDlg"},
            {7, 1002, "CSedgeSmtpDlg"},
        };
        for (const auto& row : rows) {
            QTest::addRow("model %d button %d", row.model, row.button)
                << row.model << row.button << QString::fromLatin1(row.dialog);
        }
    }
    void setupButtonsOpenTheDialogOfTheModel() {
        QFETCH(int, model);
        QFETCH(int, button);
        QFETCH(QString, dialog);
        MemoryStore store = MemoryStore::Complete(2, static_cast<std::uint32_t>(model));
        QString opened, title;
        bool mainHidden = false;
        int languageBack = -2, modelBack = -2;
        ModalDriver driver({
            [&](QWidget* w) {
                QVERIFY(qobject_cast<CSetupDlg*>(w) != nullptr);
                LanguageCombo(w)->setCurrentIndex(3);
                QTest::mouseClick(Button(w, button), Qt::LeftButton);
            },
            [&](QWidget* w) {
                opened = w->objectName();
                title = w->windowTitle();
                mainHidden = !AnyMainWindowVisible();
                QTest::mouseClick(w->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
            },
            [&](QWidget* w) {
                languageBack = LanguageCombo(w)->currentIndex();
                modelBack = ModelCombo(w)->currentIndex();
                w->close();
            },
        });
        QCOMPARE(CSetupApp(store, 1033).Run(), 0);
        QVERIFY(driver.finished());
        QVERIFY(!driver.timedOut());
        QCOMPARE(driver.modalsSeenAfterSteps(), 0);
        QCOMPARE(opened, dialog);
        QCOMPARE(title, dialog.startsWith("CQuill") ? QStringLiteral("Ros Mossel Quill")
                                                    : QStringLiteral("Ros Mossel Sedge"));
        QVERIFY(mainHidden);
        QCOMPARE(languageBack, 3);
        QCOMPARE(modelBack, model <= 4 ? model - 1 : -1);
    }

    void confirmingASetupDialogEndsTheTool() {
        MemoryStore store = MemoryStore::Complete(2, 4);
        ModalDriver driver({
            [](QWidget* w) { QTest::mouseClick(Button(w, 1002), Qt::LeftButton); },
            [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); },
        });
        QCOMPARE(CSetupApp(store, 1033).Run(), 0);
        QVERIFY(driver.finished());
        QCOMPARE(driver.modalsSeenAfterSteps(), 0);
    }

    void closingTheMainWindowEndsTheTool_data() {
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::newRow("close box") << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void closingTheMainWindowEndsTheTool() {
        QFETCH(int, key);
        MemoryStore store = MemoryStore::Complete(2, 1);
        ModalDriver driver({[key](QWidget* w) {
            if (key == 0) {
                w->close();
            } else {
                // From a chooser: no button takes the key.
                LanguageCombo(w)->setFocus();
                QTest::keyClick(LanguageCombo(w), static_cast<Qt::Key>(key));
            }
        }});
        QCOMPARE(CSetupApp(store, 1033).Run(), 0);
        QVERIFY(driver.finished());
        QCOMPARE(driver.modalsSeenAfterSteps(), 0);
        QVERIFY(!driver.timedOut());
    }

    void updateButtonOpensTheDownloadPageAndKeepsTheWindow() {
        QList<QUrl> opened;
        MemoryStore store = MemoryStore::Complete(4, 3);
        startUp(store, 1033);
        session_.openInBrowser = [&](const std::string& url) {
            opened << QUrl(QString::fromStdString(url));
        };
        CSetupDlg dlg(session_, store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::mouseClick(Button(&dlg, 1076), Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl(QString::fromLatin1(kDownloadPage))});
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.chosenJob().has_value());
        QCOMPARE(LanguageCombo(&dlg)->currentIndex(), 3);
        QCOMPARE(ModelCombo(&dlg)->currentIndex(), 2);
        QCOMPARE(TextOf(&dlg, 1076), QStringLiteral("paina tasta saadaksesi uusimmat paivitykset"));
    }

    // F1 and the "Guide" entry beside "CopyRight" open the guide's page of the
    // main window (a guide beside the program, as the build and the Windows
    // packages put it).
    void guideEntryAndF1OpenTheMainWindowsSection() {
        const testing::GuideBesideProgram guide;
        QVERIFY(guide.made());
        QList<QUrl> opened;
        MemoryStore store = MemoryStore::Complete(2, 1);
        startUp(store, 1033);
        session_.openInBrowser = [&](const std::string& url) {
            opened << QUrl(QString::fromStdString(url));
        };
        CSetupDlg dlg(session_, store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(&dlg, Qt::Key_F1);
        QList<QUrl> expected{guide.page(kGuideMainWindow)};
#ifndef Q_OS_WIN // the system menu carries the entry there: windows_gui_tests
        QAction* entry = dlg.findChild<QAction*>("guideAction");
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("Guide"));
        QCOMPARE(dlg.actions().indexOf(entry),
                 dlg.actions().indexOf(dlg.findChild<QAction*>("copyRightAction")) + 1);
        entry->trigger();
        expected << guide.page(kGuideMainWindow);
#endif
        QCOMPARE(opened, expected);
        QVERIFY(dlg.isVisible());
    }

    void copyRightEntryOpensTheAboutBox() {
#ifdef Q_OS_WIN
        QSKIP("the system menu carries the entry there: windows_gui_tests");
#endif
        MemoryStore store = MemoryStore::Complete(2, 1);
        startUp(store, 1033);
        CSetupDlg dlg(session_, store);
        dlg.show();
        QAction* entry = dlg.findChild<QAction*>("copyRightAction");
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("CopyRight"));
        QVERIFY(dlg.actions().contains(entry));
        QCOMPARE(dlg.contextMenuPolicy(), Qt::ActionsContextMenu);
        QString title, address, version;
        bool okIsDefault = false;
        ModalDriver driver({[&](QWidget* w) {
            title = w->windowTitle();
            address = TextOf(w, 1047);
            version = w->findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
            okIsDefault = Button(w, 1)->isDefault();
            QVERIFY(!w->windowIcon().isNull());
            QTest::mouseClick(Button(w, 1), Qt::LeftButton);
        }});
        entry->trigger();
        QVERIFY(driver.finished());
        QCOMPARE(title, QStringLiteral("About Setup"));
        QVERIFY(!address.isEmpty());
        QCOMPARE(version, kVersionLine); // as the main window says
        QVERIFY(okIsDefault);
        QVERIFY(dlg.isVisible());
    }

    void everyWindowHasTheColoursAndTheIcon() {
        MemoryStore store;
        startUp(store, 1033);
        QVERIFY(!QApplication::windowIcon().isNull());
        CSetupDlg dlg(session_, store);
        session_.model = CameraModel::QuillM;
        const auto setup = CreateSetupDialog(SetupJob::CameraMenu, session_);
        QMessageBox box;
        for (QWidget* w : {static_cast<QWidget*>(&dlg), static_cast<QWidget*>(setup.get()),
                           static_cast<QWidget*>(&box)}) {
            QCOMPARE(w->palette().color(QPalette::Window), QColor(111, 153, 224));
            QCOMPARE(w->palette().color(QPalette::WindowText), QColor(255, 255, 255));
            QVERIFY(!w->windowIcon().isNull());
        }
        // The painted pixels, not only the palette.
        const QImage image = dlg.grab().toImage();
        QCOMPARE(QColor(image.pixel(2, image.height() / 2)), QColor(111, 153, 224));
    }

    void installedIconIsTheDrawnIcon() {
        const QImage drawn = DrawApplicationIcon(256).convertToFormat(QImage::Format_ARGB32);
        const QImage stored =
            QImage(QStringLiteral(ROSMOSSEL_SOURCE_DIR "/resources/rosmossel.png"))
                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(stored.size(), drawn.size());
        int worst = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y);
                const QRgb b = stored.pixel(x, y);
                worst =
                    std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        }
        QVERIFY2(worst <= 2, "resources/rosmossel.png differs from the drawn icon");
    }

    void preferencesFileLivesInTheUserConfigFolder() {
#ifdef Q_OS_WIN
        QSKIP("the registry holds them there: windows_gui_tests");
#endif
        const QString path = UserPreferencesPath();
        QVERIFY2(path.startsWith(config_.path()), qPrintable(path));
        const auto store = MakeSystemPreferenceStore();
        startUp(*store, 5127);
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value("language").toInt(), 3);
        QCOMPARE(file.value("model").toInt(), 1);
        QCOMPARE(file.value("TvMode").toInt(), 0);
        QVERIFY(!file.value("Company").toString().isEmpty());
    }

    void iniStoreReadsNumbersAndRefusesText() {
        QDir().mkpath(QFileInfo(UserPreferencesPath()).absolutePath());
        {
            QFile file(UserPreferencesPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\nlanguage=65539\nmodel=Quill\nTvMode=-1\n");
        }
        IniPreferenceStore store(UserPreferencesPath());
        QCOMPARE(ReadLanguage(store, 2).language, 3);
        QVERIFY(!ReadModel(store).has_value());
        QCOMPARE(ReadTvMode(store), std::optional<std::uint32_t>(0xFFFF));
        QVERIFY(!HasCompany(store));
    }

    void unusableStoreIsSilent() {
        // The folder that should hold the file is a file: nothing can be created.
        const QString blocker = config_.path() + QStringLiteral("/blocked");
        {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        IniPreferenceStore store(blocker + QStringLiteral("/preferences.ini"));
        startUp(store, 2052);
        QCOMPARE(session_.languageNumber(), 1);
        QCOMPARE(session_.modelNumber(), 1);
        CSetupDlg dlg(session_, store);
        ModelCombo(&dlg)->setCurrentIndex(3);
        QCOMPARE(session_.modelNumber(), 4);
        QVERIFY(Button(&dlg, 1002)->isEnabled());
        QVERIFY(!WriteModel(store, 4));
    }

    // The real program: the locale of its environment decides the first run.
    void localeDecidesTheFirstRunOfTheProgram_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("stored");
        QTest::newRow("zh_CN") << QStringLiteral("zh_CN.UTF-8") << 1;
        QTest::newRow("de_LI") << QStringLiteral("de_LI.UTF-8") << 3;
        QTest::newRow("de_AT") << QStringLiteral("de_AT.UTF-8") << 2;
    }
    void localeDecidesTheFirstRunOfTheProgram() {
#ifdef Q_OS_WIN
        QSKIP("Windows' own language id decides there: windows_gui_tests");
#endif
        QFETCH(QString, lang);
        QFETCH(int, stored);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANGUAGE"}) {
            env.remove(QString::fromLatin1(name));
        }
        env.insert("LANG", lang);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", home.path());
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(ROSMOSSEL_BINARY), {});
        QVERIFY(tool.waitForStarted());
        const QString ini = home.filePath(QStringLiteral("rosmossel/preferences.ini"));
        // The company entry is the last value a first run stores.
        QTRY_VERIFY_WITH_TIMEOUT(QSettings(ini, QSettings::IniFormat).contains("Company"), 10000);
        tool.kill();
        tool.waitForFinished();
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("language").toInt(), stored);
    }

    // A keyboard user sees where the focus is: in every window a focused list,
    // text box and button carry the focus mark all round, which they lack
    // unfocused. The windows are saved to the temporary folder, for a look.
    void focusIsVisibleInEveryWindow_data() {
        QTest::addColumn<int>("job"); // -1: the main window
        QTest::addColumn<int>("language");
        for (int language : {2, 1}) {
            for (int job :
                 {-1, int(SetupJob::CameraMenu), int(SetupJob::Mms), int(SetupJob::Smtp)}) {
                QTest::addRow("job %d language %d", job, language) << job << language;
            }
        }
    }
    void focusIsVisibleInEveryWindow() {
        QFETCH(int, job);
        QFETCH(int, language);
        MemoryStore store = MemoryStore::Complete(static_cast<std::uint32_t>(language), 4);
        startUp(store, language == 1 ? 2052 : 1033);
        std::unique_ptr<QDialog> window;
        if (job < 0) {
            window = std::make_unique<CSetupDlg>(session_, store);
        } else {
            window = CreateSetupDialog(SetupJob(job), session_);
        }
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Pixels of the mark along the control's edges.
        const auto marked = [](QWidget* control) {
            const QImage image = control->grab().toImage();
            int pixels = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const bool edge = x < kFocusMarkWidth || y < kFocusMarkWidth ||
                                      x >= image.width() - kFocusMarkWidth ||
                                      y >= image.height() - kFocusMarkWidth;
                    pixels += edge && image.pixelColor(x, y) == kFocusMark ? 1 : 0;
                }
            }
            return pixels;
        };
        const char* kinds[] = {"QComboBox", "QLineEdit", "QPushButton"};
        int checked = 0;
        for (const char* kind : kinds) {
            QWidget* control = nullptr;
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (w->inherits(kind) && w->isVisible() && w->isEnabled() &&
                    w->focusPolicy() != Qt::NoFocus) {
                    control = w;
                    break;
                }
            }
            if (control == nullptr) {
                continue; // the main window has no text box
            }
            control->setFocus(Qt::TabFocusReason);
            QVERIFY(control->hasFocus());
            const int focused = marked(control);
            control->clearFocus();
            const int unfocused = marked(control);
            // All round the control, less its corners.
            const int ring = 2 * kFocusMarkWidth * (control->width() + control->height() - 8);
            QVERIFY2(focused - unfocused >= ring,
                     qPrintable(QStringLiteral("%1: %2 marked focused, %3 without")
                                    .arg(control->objectName())
                                    .arg(focused)
                                    .arg(unfocused)));
            ++checked;
        }
        QCOMPARE(checked, job < 0 ? 2 : 3);
    }

    // Qt's own texts (here a message box's buttons) speak the interface
    // language, from the catalogues the program finds or carries.
    void toolkitTextsFollowTheInterfaceLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("yes");
        const char* yes[] = {"是(&Y)", "&Yes",  "&Ja", "&Kyllä", "&Sì",
                             "&Oui",   "&Igen", "&Da", "&Ano"};
        for (int language = 1; language <= 9; ++language) {
            QTest::addRow("language %d", language)
                << language << QString::fromUtf8(yes[language - 1]);
        }
    }
    void toolkitTextsFollowTheInterfaceLanguage() {
        QFETCH(int, language);
        QFETCH(QString, yes);
        MemoryStore store = MemoryStore::Complete(static_cast<std::uint32_t>(language), 1);
        startUp(store, language == 1 ? 2052 : 1033);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    }

    // Every text of the main window fits its control, in every language.
    void mainWindowTextsFit_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("systemId");
        for (int language = 1; language <= 9; ++language) {
            QTest::addRow("language %d", language) << language << (language == 1 ? 2052 : 1033);
        }
    }
    void mainWindowTextsFit() {
        QFETCH(int, language);
        QFETCH(int, systemId);
        MemoryStore store = MemoryStore::Complete(static_cast<std::uint32_t>(language), 4);
        startUp(store, static_cast<std::uint16_t>(systemId));
        CSetupDlg dlg(session_, store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (QWidget* w : dlg.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(w) == nullptr &&
                qobject_cast<QAbstractButton*>(w) == nullptr &&
                qobject_cast<QComboBox*>(w) == nullptr) {
                continue;
            }
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                     qPrintable(w->objectName()));
            QVERIFY2(dlg.rect().contains(QRect(w->mapTo(&dlg, QPoint(0, 0)), w->size())),
                     qPrintable(w->objectName()));
        }
    }

    // The language list is as wide as its entries when the window shows, and
    // follows its first entry when another language is picked.
    void languageListFollowsItsFirstEntry_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("picked"); // -1: none
        QTest::newRow("Chinese, as shown") << 1 << -1;
        QTest::newRow("German, as shown") << 3 << -1;
        QTest::newRow("Chinese, then German") << 1 << 2;
        QTest::newRow("German, then Chinese") << 3 << 0;
    }
    void languageListFollowsItsFirstEntry() {
        QFETCH(int, stored);
        QFETCH(int, picked);
        MemoryStore store = MemoryStore::Complete(static_cast<std::uint32_t>(stored), 4);
        startUp(store, 2052);
        CSetupDlg dlg(session_, store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QComboBox* list = LanguageCombo(&dlg);
        if (picked >= 0) {
            list->setCurrentIndex(picked);
        }
        QComboBox measure; // a list measuring the same entries afresh
        measure.setMinimumContentsLength(list->minimumContentsLength());
        for (int i = 0; i < list->count(); ++i) {
            measure.addItem(list->itemText(i));
        }
        QCOMPARE(list->sizeHint(), measure.sizeHint());
        QTRY_VERIFY(list->width() >= measure.sizeHint().width());
    }

  private:
    QTemporaryDir config_;
};

} // namespace rosmossel

QTEST_MAIN(rosmossel::ShellGuiTest)
#include "shell_gui_test.moc"
