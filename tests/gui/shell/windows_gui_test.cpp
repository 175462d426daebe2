// What only Windows shows: the real program's first start and its registry
// values, the system menu, and what the Windows style paints. Runs on Qt's
// windows platform (under Wine without a display: Wine's null graphics driver).
#include "core/session/preferences.h"
#include "core/session/session.h"
#include "gui/dialogs/card_watch.h"
#include "gui/dialogs/guide.h"
#include "gui/dialogs/presenter.h"
#include "gui/shell/app_look.h"
#include "gui/shell/modal_driver.h"
#include "gui/shell/setup_dialogs.h"
#include "gui/shell/setup_dlg.h"
#include "gui/shell/system_language.h"
#include "platform/cards.h"
#include "platform/registry_store.h"
#include "support/guide_beside_program.h"
#include "support/recording_presenter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <windows.h>

using rosmossel::testing::ModalDriver;

namespace rosmossel {
namespace {

constexpr QColor kBlue{111, 153, 224};

void DeletePreferenceKeys() {
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegDeleteTreeW(hive, kPreferencesSubKey);
    }
}

struct WindowSearch {
    DWORD process;
    HWND skip = nullptr; // a window already found
    HWND found = nullptr;
    std::wstring title;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->process || !IsWindowVisible(hwnd) || hwnd == search->skip) {
        return TRUE;
    }
    wchar_t title[128] = {};
    GetWindowTextW(hwnd, title, 128);
    search->found = hwnd;
    search->title = title;
    return FALSE;
}

// The title Windows shows for the next visible window of `process` other
// than `skip`, as the program itself sets it up; no title after 30 s.
WindowSearch NativeWindow(DWORD process, HWND skip = nullptr) {
    WindowSearch search{process, skip, nullptr, {}};
    (void)QTest::qWaitFor(
        [&] {
            return !EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search)) &&
                   !search.title.empty();
        },
        30000);
    return search;
}

// The rows of `image` inside `area` that hold a pixel far from `background`.
int InkRows(const QImage& image, const QRect& area, QColor background, int* firstRow) {
    int rows = 0;
    *firstRow = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                200) {
                *firstRow = *firstRow < 0 ? y : *firstRow;
                ++rows;
                break;
            }
        }
    }
    return rows;
}

} // namespace

class WindowsGuiTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QStringLiteral("windows"),
                 "needs QT_QPA_PLATFORM=windows");
        ApplyApplicationLook(*qApp);
    }

    void firstStartStoresThePreferencesInTheRegistry() {
        DeletePreferenceKeys();
        QProcess tool;
        tool.start(QStringLiteral(ROSMOSSEL_BINARY), {});
        QVERIFY(tool.waitForStarted());
        const WindowSearch search = NativeWindow(static_cast<DWORD>(tool.processId()));
        tool.kill();
        tool.waitForFinished();
        QCOMPARE(QString::fromStdWString(search.title), QString::fromUtf8(ProductTitle));

        RegistryPreferenceStore store;
        QVERIFY(store.Open());
        QCOMPARE(store.OpenHive(), HKEY_LOCAL_MACHINE); // Wine lets every user write there
        QCOMPARE(ReadLanguage(store, 0).language, LanguageFromSystem(SystemDefaultLanguageId()));
        QVERIFY(ReadModel(store).has_value());
        QVERIFY(ReadTvMode(store).has_value());
        QVERIFY(HasCompany(store));
        store.Close();
        DeletePreferenceKeys();
    }

    // The program's windows carry their own titles, nothing appended.
    void nativeTitlesAreTheWindowsOwn() {
        QProcess tool;
        tool.start(QStringLiteral(ROSMOSSEL_BINARY), {});
        QVERIFY(tool.waitForStarted());
        const auto process = static_cast<DWORD>(tool.processId());
        const WindowSearch main = NativeWindow(process);
        PostMessageW(main.found, WM_SYSCOMMAND, 0x0010, 0);
        const WindowSearch about = NativeWindow(process, main.found);
        tool.kill();
        tool.waitForFinished();
        DeletePreferenceKeys();
        QCOMPARE(QString::fromStdWString(main.title), QStringLiteral("Ros Mossel"));
        QCOMPARE(QString::fromStdWString(about.title), QStringLiteral("About Setup"));
    }

    // "CopyRight" opens the About box, "Guide" the guide's page of the main window.
    void systemMenuEntriesOpenTheAboutBoxAndTheGuide() {
        const testing::GuideBesideProgram guide;
        QVERIFY(guide.made());
        QList<QUrl> opened;
        SetUrlOpener([&](const QUrl& url) { opened << url; });
        Session session;
        DeletePreferenceKeys();
        RegistryPreferenceStore store;
        CSetupDlg dlg(session, store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const auto hwnd = reinterpret_cast<HWND>(dlg.winId());
        const auto entry = [&](unsigned command) {
            wchar_t text[32] = {};
            GetMenuStringW(GetSystemMenu(hwnd, FALSE), command, text, 32, MF_BYCOMMAND);
            return QString::fromWCharArray(text);
        };
        QCOMPARE(entry(0x0010), QStringLiteral("CopyRight"));
        QCOMPARE(entry(0x0020), QStringLiteral("Guide"));

        QString title;
        ModalDriver driver({[&](QWidget* about) {
            title = about->windowTitle();
            about->close();
        }});
        SendMessageW(hwnd, WM_SYSCOMMAND, 0x0010, 0);
        QVERIFY(driver.finished());
        QCOMPARE(title, QStringLiteral("About Setup"));
        SendMessageW(hwnd, WM_SYSCOMMAND, 0x0020, 0);
        SetUrlOpener({});
        QCOMPARE(opened, QList<QUrl>{guide.page(kGuideMainWindow)});
        QVERIFY(dlg.isVisible());
        DeletePreferenceKeys();
    }

    // Each text box shows its value inside the box, where a font with odd
    // glyph extents (Wine's stand-in for a missing Tahoma) pushes it out.
    void textBoxesShowTheirValues() {
        Session session;
        session.model = CameraModel::QuillM;
        const auto dialog = CreateSetupDialog(SetupJob::CameraMenu, session);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->findChildren<QPushButton*>().first()->setFocus(); // no blinking text cursor
        int checked = 0;
        for (QLineEdit* box : dialog->findChildren<QLineEdit*>()) {
            if (!box->isVisible() || box->text().isEmpty()) {
                continue;
            }
            const QImage image = box->grab().toImage();
            const QRect inside = box->rect().adjusted(3, 3, -3, -3);
            int first = 0;
            const int rows =
                InkRows(image, inside, box->palette().color(box->backgroundRole()), &first);
            QVERIFY2(rows >= box->fontMetrics().ascent() / 2,
                     qPrintable(box->objectName() + " shows no text: " + box->text()));
            QVERIFY2(first > inside.top(), qPrintable(box->objectName() + " text is cut off"));
            ++checked;
        }
        QVERIFY(checked >= 8);
    }

    // A message keeps the window colours, so its white text stays readable.
    void messagesAreReadable() {
        test_seam::RecordMessages(false);
        int ink = -1, background = 0, pixels = 1;
        ModalDriver driver({[&](QWidget* box) {
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QImage image = box->grab(label->geometry()).toImage();
            pixels = image.width() * image.height();
            int first = 0;
            ink = InkRows(image, image.rect(), kBlue, &first);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    background += QColor(image.pixel(x, y)) == kBlue ? 1 : 0;
                }
            }
            box->close();
        }});
        ShowMessage(QStringLiteral("The file C:\\menu.dat was written."));
        QVERIFY(driver.finished());
        QVERIFY2(background * 2 > pixels, "the message is not on the window blue");
        QVERIFY2(ink >= 5, "the message shows no text");
    }

    // With a folder mapped as a removable drive (removable_drive_test.sh
    // names it in ROSMOSSEL_REMOVABLE_DRIVE), the camera-menu dialog starts
    // on it, and Enter writes menu.dat there, not into C:\.
    void dialogStartsOnTheRemovableDrive() {
        const QString drive = qEnvironmentVariable("ROSMOSSEL_REMOVABLE_DRIVE");
        if (drive.isEmpty()) {
            QSKIP("no removable drive mapped (removable_drive_test.sh maps one)");
        }
        test_seam::RecordMessages(true);
        const SystemCardSource system; // the system's cards, as the tool sees them
        CardWatch cards(system);
        cards.start();
        QVERIFY(cards.waitForFirstLook(std::chrono::seconds(10)));
        Session session;
        session.model = CameraModel::SedgeM;
        const auto dialog = CreateSetupDialog(SetupJob::CameraMenu, session, &cards);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("folder"))->text(), drive);
        QVERIFY(
            dialog->findChild<QLabel*>(QStringLiteral("cardText"))->text().startsWith("SD card"));
        DeleteFileW(L"C:\\menu.dat");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        QCOMPARE(GetFileAttributesW(reinterpret_cast<const wchar_t*>(
                     (drive + "menu.dat").utf16())) != INVALID_FILE_ATTRIBUTES,
                 true);
        QCOMPARE(GetFileAttributesW(L"C:\\menu.dat"), INVALID_FILE_ATTRIBUTES);
    }
};

} // namespace rosmossel

QTEST_MAIN(rosmossel::WindowsGuiTest)
#include "windows_gui_test.moc"
