#pragma once

// The owners' guide behind F1: guide/guide.html beside the program (the
// Windows folder, the build folder) or in the installed documentation folder,
// with one small page per window that leads to the window's section, in
// English and Chinese.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace rosmossel {

struct Session;

// The windows' sections; the guide has a page of each name that leads there
// (the set-up dialogs' in the settings-file table).
inline constexpr const char* kGuideMainWindow = "main-window";
inline constexpr const char* kGuideFindOperator = "find-operator";
inline constexpr const char* kGuideManyCameras = "many-cameras";

// The folders the guide is looked for in, first first, for a program in
// `programDir`.
QStringList GuideFolders(const QString& programDir);
// The page that leads to `section` in the first folder that holds the guide,
// in its Chinese edition where the tool shows Chinese (`language` 1) and the
// folder holds that edition; empty when no folder holds the guide.
QUrl GuidePage(const QString& programDir, const char* section, int language);
// F1: hands the guide's page of `section` to the session's browser, or says
// in the tool's language where the guide was looked for.
void OpenGuide(const Session& session, const char* section, int language);

// Hands `url` to the session's browser and returns at once; a failure (no
// browser) is not reported.
void OpenInBrowser(const Session& session, const QUrl& url);

} // namespace rosmossel
