#include "gui/shell/download_page.h"

#include "gui/dialogs/guide.h"

namespace rosmossel {

void OpenDownloadPage() {
    OpenInBrowser(QUrl(QString::fromLatin1(kDownloadPage)));
}

} // namespace rosmossel
