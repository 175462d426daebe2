#include "gui/shell/about_dlg.h"

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
    ui_->versionLabel->setText(QStringLiteral("Version " ROSMOSSEL_VERSION));
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->legalLabel), static_cast<QWidget*>(ui_->versionLabel),
          static_cast<QWidget*>(ui_->webAddressLabel), static_cast<QWidget*>(ui_->okButton)}) {
        w->setAccessibleName(w->property("text").toString());
    }
}

CAboutDlg::~CAboutDlg() = default;

} // namespace rosmossel
