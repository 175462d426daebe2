#include "gui/shell/setup_dialogs.h"

namespace rosmossel {
namespace {

template <typename Quill, typename Sedge>
std::unique_ptr<QDialog> make(bool quill, Session& session) {
    if (quill) {
        return std::make_unique<Quill>(session);
    }
    return std::make_unique<Sedge>(session);
}

} // namespace

std::unique_ptr<QDialog> CreateSetupDialog(SetupJob job, Session& session) {
    const bool quill = OpensQuillDialog(job, session.model);
    switch (job) {
    case SetupJob::CameraMenu:
        return make<CQuillMenuDlg, CSedgeMenuDlg>(quill, session);
    case SetupJob::Mms:
        return make<CQuillMmsDlg, CSedgeMmsDlg>(quill, session);
    case SetupJob::Smtp:
        break;
    }
    return make<CQuillSmtpDlg, CSedgeSmtpDlg>(quill, session);
}

} // namespace rosmossel
