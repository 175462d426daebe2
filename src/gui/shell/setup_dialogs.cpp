#include "gui/shell/setup_dialogs.h"

namespace rosmossel {
namespace {

template <typename Quill, typename Sedge>
std::unique_ptr<QDialog> make(bool quill, Session& session, CardWatch* cards) {
    if (quill) {
        return std::make_unique<Quill>(session, cards);
    }
    return std::make_unique<Sedge>(session, cards);
}

} // namespace

std::unique_ptr<QDialog> CreateSetupDialog(SetupJob job, Session& session, CardWatch* cards) {
    const bool quill = OpensQuillDialog(job, session.model);
    switch (job) {
    case SetupJob::CameraMenu:
        return make<CQuillMenuDlg, CSedgeMenuDlg>(quill, session, cards);
    case SetupJob::Mms:
        return make<CQuillMmsDlg, CSedgeMmsDlg>(quill, session, cards);
    case SetupJob::Smtp:
        break;
    }
    return make<CQuillSmtpDlg, CSedgeSmtpDlg>(quill, session, cards);
}

} // namespace rosmossel
