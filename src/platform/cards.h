#pragma once

// The cards the system has: the mounted volumes of removable or hot-plugged
// disks that hold nothing of the system (see IsCardVolume), and their eject.
// One implementation per system, chosen by the build: cards_linux.cpp /
// cards_windows.cpp, card_eject_udisks.cpp / card_eject_windows.cpp.

#include "core/card/card.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

// How long a card's file system may take to tell its size before the card
// is taken as not responding.
inline constexpr std::chrono::milliseconds kCardAnswerLimit{2000};

// Every card, cameras' or not (see CameraCard). Returns within about `limit`
// whatever one card does: the calls that touch a card run beside the caller,
// and a card that has not answered in time comes back not responding.
std::vector<Card> FindCards(std::chrono::milliseconds limit = kCardAnswerLimit);
EjectResult EjectCard(const Card& card);

class SystemCardSource final : public CardSource {
  public:
    std::vector<Card> cards() const override { return FindCards(); }
    EjectResult eject(const Card& card) const override { return EjectCard(card); }
};

// Runs each of `work` on a thread of its own, all at once, and waits up to
// `limit` for them: whether each finished. One that has not ends on its own
// whenever its card answers; it must own everything it touches.
std::vector<bool> RunAllWithin(std::chrono::milliseconds limit,
                               std::vector<std::function<void()>> work);

#ifndef _WIN32
// One line of the mount table, as util-linux reads it.
struct MountEntry {
    std::string mountPoint;
    std::string root; // the file system's folder mounted there
    std::string type;
    std::string source;
    std::string options; // the mount's and the file system's, comma separated
    unsigned major = 0;
    unsigned minor = 0;
};
// `/proc/self/mountinfo` text; malformed lines are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);
#endif

} // namespace rosmossel
