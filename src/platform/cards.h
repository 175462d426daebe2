#pragma once

// The cards the system has: the mounted removable volumes, never a system or
// fixed disk, and their eject. One implementation per system, chosen by the
// build: cards_linux.cpp / cards_windows.cpp, card_eject_udisks.cpp /
// card_eject_windows.cpp.

#include "core/card/card.h"

#include <string>
#include <vector>

namespace rosmossel {

std::vector<Card> FindCards();
EjectResult EjectCard(const Card& card);

class SystemCardSource final : public CardSource {
  public:
    std::vector<Card> cards() const override { return FindCards(); }
    EjectResult eject(const Card& card) const override { return EjectCard(card); }
};

#ifndef _WIN32
// Where the Linux finder reads: the mount table, sysfs and udev's database of
// labels and file systems. Tests point them at a fixture.
struct LinuxSystemFiles {
    std::string mountInfo = "/proc/self/mountinfo";
    std::string sys = "/sys";
    std::string udevData = "/run/udev/data";
};
std::vector<Card> FindCardsIn(const LinuxSystemFiles& files);
#endif

} // namespace rosmossel
