#include "gui/dialogs/guide.h"

#include "core/session/session.h"
#include "core/text/messages.h"
#include "gui/dialogs/presenter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace rosmossel {
namespace {

const QString kGuideFile = QStringLiteral("guide.html");
const QString kChineseGuideFile = QStringLiteral("guide.zh.html");

} // namespace

QStringList GuideFolders(const QString& programDir) {
    // Beside the program: the Windows zip and installer, and the build folder.
    QStringList folders{QDir::cleanPath(programDir + QStringLiteral("/guide"))};
#ifndef _WIN32
    // Installed under a prefix (bin/ beside share/), and by the Debian package.
    for (const QString& folder :
         {QDir::cleanPath(programDir + QStringLiteral("/../share/doc/rosmossel/guide")),
          QStringLiteral("/usr/share/doc/rosmossel/guide")}) {
        if (!folders.contains(folder)) {
            folders << folder;
        }
    }
#endif
    return folders;
}

QUrl GuidePage(const QString& programDir, const char* section, int language) {
    for (const QString& folder : GuideFolders(programDir)) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + kGuideFile)) {
            const bool chinese =
                language == 1 && QFileInfo::exists(folder + QLatin1Char('/') + kChineseGuideFile);
            // A page of its own rather than guide.html#section: the shells drop
            // the fragment of a file address on its way to the browser.
            return QUrl::fromLocalFile(folder +
                                       (chinese ? QStringLiteral("/zh-") : QStringLiteral("/")) +
                                       QLatin1String(section) + QStringLiteral(".html"));
        }
    }
    return {};
}

void OpenGuide(const Session& session, const char* section, int language) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QUrl page = GuidePage(programDir, section, language);
    if (page.isEmpty()) {
        QStringList places;
        for (const QString& folder : GuideFolders(programDir)) {
            places << QDir::toNativeSeparators(folder);
        }
        ShowMessage(QString::fromStdString(
            GuideMissingMessage(places.join(QStringLiteral("; ")).toStdString()).in(language)));
        return;
    }
    OpenInBrowser(session, page);
}

void OpenInBrowser(const Session& session, const QUrl& url) {
    if (session.openInBrowser) {
        session.openInBrowser(url.toString(QUrl::FullyEncoded).toStdString());
        return;
    }
    QDesktopServices::openUrl(url);
}

} // namespace rosmossel
