#include "gui/shell/setup_dialogs.h"

#include "gui/menu/quill_menu_dlg.h"
#include "gui/menu/sedge_menu_dlg.h"
#include "gui/mms/quill_mms_dlg.h"
#include "gui/mms/sedge_mms_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rosmossel {
namespace {

const char* DialogClassName(SetupJob job, bool quill) {
    switch (job) {
    case SetupJob::CameraMenu:
        return quill ? "CQuillMenuDlg" : "CSedgeMenuDlg";
    case SetupJob::Mms:
        return quill ? "CQuillMmsDlg" : "CSedgeMmsDlg";
    case SetupJob::Smtp:
        break;
    }
    return quill ? "CQuillSmtpDlg" : "CSedgeSmtpDlg";
}

// Holds the place of a set-up dialog that is not built yet, so that the way
// there and back can already be used.
std::unique_ptr<QDialog> StandInDialog(const char* className, bool quill) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setObjectName(QString::fromLatin1(className));
    dialog->setWindowTitle(quill ? QStringLiteral("Ros Mossel Quill")
                                 : QStringLiteral("Ros Mossel Sedge"));
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(dialog.get());
    auto* note = new QLabel(QString::fromLatin1(className), dialog.get());
    note->setObjectName(QStringLiteral("standInLabel"));
    layout->addWidget(note);
    auto* exitButton = new QPushButton(QStringLiteral("Exit"), dialog.get());
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->setProperty("controlId", 2);
    exitButton->setAccessibleName(exitButton->text());
    layout->addWidget(exitButton);
    QObject::connect(exitButton, &QPushButton::clicked, dialog.get(), &QDialog::reject);
    return dialog;
}

} // namespace

std::unique_ptr<QDialog> CreateSetupDialog(SetupJob job, Session& session) {
    const bool quill = OpensQuillDialog(job, session.modelNumber());
    if (job == SetupJob::CameraMenu) {
        return quill ? std::unique_ptr<QDialog>(std::make_unique<CQuillMenuDlg>(session))
                     : std::make_unique<CSedgeMenuDlg>(session);
    }
    if (job == SetupJob::Mms) {
        return quill ? std::unique_ptr<QDialog>(std::make_unique<CQuillMmsDlg>(session))
                     : std::make_unique<CSedgeMmsDlg>(session);
    }
    return StandInDialog(DialogClassName(job, quill), quill);
}

} // namespace rosmossel
