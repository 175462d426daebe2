#include "gui/shell/setup_dlg.h"

#include "core/session/preferences.h"
#include "core/session/session.h"
#include "core/text/many_cards_texts.h"
#include "gui/dialogs/cards_window.h"
#include "gui/dialogs/guide.h"
#include "gui/shell/about_dlg.h"
#include "gui/shell/app_look.h"
#include "gui/shell/download_page.h"
#include "gui/shell/toolkit_language.h"
#include "ui_setup_dlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>

#ifdef _WIN32
#include "platform/windows_api.h"
#endif

namespace rosmossel {
namespace {

// System-menu commands of the "CopyRight" and "Guide" entries.
constexpr unsigned kCopyRightCommand = 0x0010;
const char* const kCopyRightText = "CopyRight";
constexpr unsigned kGuideCommand = 0x0020;
const char* const kGuideText = "Guide";
constexpr unsigned kCardsCommand = 0x0030;

} // namespace

CSetupDlg::CSetupDlg(Session& session, PreferenceStore& store, QWidget* parent, CardWatch* cards)
    : QDialog(parent), ui_(std::make_unique<Ui::CSetupDlg>()), session_(session), store_(store),
      cards_(cards) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(ProductTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(ApplicationIcon());
#ifndef _WIN32
    // Without a reachable system menu the entry sits in the window's context menu.
    copyRightAction_ = new QAction(QString::fromLatin1(kCopyRightText), this);
    copyRightAction_->setObjectName(QStringLiteral("copyRightAction"));
    copyRightAction_->setProperty("controlId", kCopyRightCommand);
    addAction(copyRightAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyRightAction_, &QAction::triggered, this, &CSetupDlg::OnCopyRight);
    guideAction_ = new QAction(QString::fromLatin1(kGuideText), this);
    guideAction_->setObjectName(QStringLiteral("guideAction"));
    guideAction_->setProperty("controlId", kGuideCommand);
    addAction(guideAction_);
    connect(guideAction_, &QAction::triggered, this, &CSetupDlg::OnGuide);
    cardsAction_ = new QAction(QString::fromLatin1(kCardsMenuText), this);
    cardsAction_->setObjectName(QStringLiteral("cardsAction"));
    cardsAction_->setProperty("controlId", kCardsCommand);
    addAction(cardsAction_);
    connect(cardsAction_, &QAction::triggered, this, &CSetupDlg::OnCards);
#endif
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &CSetupDlg::OnGuide);

    ApplyCaptions();
    FillLanguageCombo();
    for (const CameraModel model : kCameraModels) {
        ui_->modelCombo->addItem(QString::fromLatin1(model.displayName()));
    }
    ui_->modelCombo->setCurrentIndex(ModelComboIndex(session_.modelNumber()));
    ui_->smtpSetupButton->setEnabled(session_.model.hasEmail());

    connect(ui_->languageCombo, &QComboBox::currentIndexChanged, this,
            &CSetupDlg::OnLanguageChanged);
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &CSetupDlg::OnModelChanged);
    connect(ui_->cameraSetupButton, &QPushButton::clicked, this,
            [this] { OnSetupButton(SetupJob::CameraMenu); });
    connect(ui_->mmsSetupButton, &QPushButton::clicked, this,
            [this] { OnSetupButton(SetupJob::Mms); });
    connect(ui_->smtpSetupButton, &QPushButton::clicked, this,
            [this] { OnSetupButton(SetupJob::Smtp); });
    connect(ui_->updateButton, &QPushButton::clicked, this, [this] { OpenDownloadPage(session_); });
}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::ApplyCaptions() {
    const MainCaptions& captions = MainWindowCaptions(session_.languageNumber());
    const auto set = [](QAbstractButton* button, const char* text) {
        button->setText(QString::fromUtf8(text));
        button->setAccessibleName(button->text());
    };
    set(ui_->cameraSetupButton, captions.cameraSetup);
    set(ui_->mmsSetupButton, captions.mmsSetup);
    set(ui_->updateButton, captions.update);
    ui_->versionLabel->setText(QString::fromUtf8(VersionLine(session_.languageNumber())));
    ui_->versionLabel->setAccessibleName(ui_->versionLabel->text());
    ui_->languageLabel->setText(QString::fromUtf8(captions.selectLanguage));
    ui_->languageLabel->setAccessibleName(ui_->languageLabel->text());
    ui_->languageCombo->setAccessibleName(ui_->languageLabel->text());
    ui_->modelLabel->setText(QString::fromUtf8(captions.cameraModel));
    ui_->modelLabel->setAccessibleName(ui_->modelLabel->text());
    ui_->modelCombo->setAccessibleName(ui_->modelLabel->text());
    set(ui_->smtpSetupButton, captions.smtpSetup);
}

void CSetupDlg::FillLanguageCombo() {
    const QSignalBlocker blocker(ui_->languageCombo);
    ui_->languageCombo->clear();
    ui_->languageCombo->addItem(QString::fromUtf8(FirstLanguageEntry(session_.languageNumber())));
    for (std::size_t i = 1; i < kLanguages.size(); ++i) {
        ui_->languageCombo->addItem(QString::fromUtf8(kLanguages[i].nativeName));
    }
    ui_->languageCombo->setCurrentIndex(
        LanguageComboIndex(session_.languageNumber(), session_.chineseChosen ? 1 : 0));
}

void CSetupDlg::OnLanguageChanged(int index) {
    if (index < 0) {
        return;
    }
    const LanguageChange change = ChangeLanguage(index, session_.chineseSystem ? 1 : 0);
    session_.language = static_cast<Language>(change.currentLanguage);
    session_.chineseChosen = change.chineseChosen != 0;
    // The lists measure their entries when first shown. From here on the
    // language list follows them, since its first entry may change; told so
    // from the start, Qt would build its pop-up while the window is built.
    ui_->languageCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillLanguageCombo();
    // The first entry may have changed its text; keep the user's pick.
    {
        const QSignalBlocker blocker(ui_->languageCombo);
        ui_->languageCombo->setCurrentIndex(index);
    }
    ApplyCaptions();
    UseToolkitLanguage(session_.languageNumber());
    WriteLanguage(store_, change.stored);
}

void CSetupDlg::OnModelChanged(int index) {
    if (index < 0) {
        return;
    }
    session_.model = CameraModel(index + 1);
    WriteModel(store_, session_.modelNumber());
    ui_->smtpSetupButton->setEnabled(session_.model.hasEmail());
}

void CSetupDlg::OnSetupButton(SetupJob job) {
    chosenJob_ = job;
    accept();
}

void CSetupDlg::OnCopyRight() {
    CAboutDlg about(this);
    about.exec();
}

void CSetupDlg::OnGuide() {
    OpenGuide(session_, kGuideMainWindow, session_.languageNumber());
}

void CSetupDlg::OnCards() {
    CardsWindow window(cards_, session_, this);
    window.exec();
}

void CSetupDlg::keyPressEvent(QKeyEvent* event) {
    // A focused push button takes Enter itself; anywhere else Enter closes
    // the window, as Escape does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

#ifdef _WIN32
void CSetupDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (systemMenuExtended_) {
        return;
    }
    systemMenuExtended_ = true;
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu != nullptr) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kCopyRightCommand, L"CopyRight");
        AppendMenuW(menu, MF_STRING, kGuideCommand, L"Guide");
        AppendMenuW(menu, MF_STRING, kCardsCommand, L"Cards");
    }
}

bool CSetupDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kCopyRightCommand) {
        OnCopyRight();
        *result = 0;
        return true;
    }
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kGuideCommand) {
        OnGuide();
        *result = 0;
        return true;
    }
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kCardsCommand) {
        OnCards();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

} // namespace rosmossel
