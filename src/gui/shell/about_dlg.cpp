#include "gui/shell/about_dlg.h"

#include "core/text/language_table.h"
#include "core/text/main_window_text.h"
#include "gui/shell/app_look.h"
#include "ui_about_dlg.h"

namespace rosmossel {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QIcon icon = ApplicationIcon();
    setWindowIcon(icon);
    ui_->iconLabel->setPixmap(icon.pixmap(48, 48));
    ui_->iconLabel->setAccessibleName(QStringLiteral("Ros Mossel"));
    // The main window's version line; the box has no language variants.
    ui_->versionLabel->setText(QString::fromUtf8(VersionLine(kEnglish)));
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->legalLabel), static_cast<QWidget*>(ui_->versionLabel),
          static_cast<QWidget*>(ui_->webAddressLabel), static_cast<QWidget*>(ui_->okButton)}) {
        w->setAccessibleName(w->property("text").toString());
    }
}

CAboutDlg::~CAboutDlg() = default;

} // namespace rosmossel
