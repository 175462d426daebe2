#pragma once

namespace rosmossel {

struct Session;

// Where newer versions of the tool are published.
inline constexpr const char* kDownloadPage = "https://downloads.rosmossel.example/setup/";

// Hands the download page to the session's web browser and returns at once;
// a failure (no browser, no network) is not reported.
void OpenDownloadPage(const Session& session);

} // namespace rosmossel
