#pragma once

#include "gui/dialogs/guide.h" // SetUrlOpener, for the tests

namespace rosmossel {

// Where newer versions of the tool are published.
inline constexpr const char* kDownloadPage = "https://downloads.rosmossel.example/setup/";

// Hands the download page to the desktop's web browser and returns at once;
// a failure (no browser, no network) is not reported.
void OpenDownloadPage();

} // namespace rosmossel
