#include "gui/shell/download_page.h"

#include <QDesktopServices>

namespace rosmossel {
namespace {

std::function<void(const QUrl&)>& UrlOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

} // namespace

void OpenDownloadPage() {
    const QUrl page(QString::fromLatin1(kDownloadPage));
    if (UrlOpener()) {
        UrlOpener()(page);
        return;
    }
    QDesktopServices::openUrl(page);
}

void SetUrlOpener(std::function<void(const QUrl&)> opener) {
    UrlOpener() = std::move(opener);
}

} // namespace rosmossel
