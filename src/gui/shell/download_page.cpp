#include "gui/shell/download_page.h"

#include "gui/dialogs/guide.h"

namespace rosmossel {

void OpenDownloadPage(const Session& session) {
    OpenInBrowser(session, QUrl(QString::fromLatin1(kDownloadPage)));
}

} // namespace rosmossel
