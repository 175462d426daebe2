#pragma once

#include <QUrl>

#include <functional>

namespace rosmossel {

// Where newer versions of the tool are published.
inline constexpr const char* kDownloadPage = "https://downloads.rosmossel.example/setup/";

// Hands the download page to the desktop's web browser and returns at once;
// a failure (no browser, no network) is not reported.
void OpenDownloadPage();

// Tests replace the browser so that nothing is launched; an empty function
// restores it.
void SetUrlOpener(std::function<void(const QUrl&)> opener);

} // namespace rosmossel
