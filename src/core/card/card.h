#pragma once

// The camera's SD card as the tool sees it: a mounted removable volume. The
// platform layer finds the cards and ejects them; what follows from a list of
// cards (which one a folder is on, which one to write to) is decided here.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

struct Card {
    std::string root;       // where it is mounted: "/media/ann/CAM", "E:\"
    std::string label;      // may be empty
    std::string fileSystem; // "FAT32", "exFAT", ...
    std::uint64_t capacity = 0;
    std::uint64_t freeSpace = 0;
    bool writeProtected = false; // mounted read-only, or its lock switch is on
    std::string device;          // what eject needs: "/dev/sdb1", "\\.\E:"
    bool operator==(const Card&) const = default;
};

// How an eject ended; `detail` is the system's own reason where it gave one.
enum class EjectOutcome { Ejected, NoService, Busy, Failed };
struct EjectResult {
    EjectOutcome outcome = EjectOutcome::Failed;
    std::string detail;
};

// The cards inserted now, and their eject: the system's, or a test's.
class CardSource {
  public:
    virtual ~CardSource() = default;
    virtual std::vector<Card> cards() const = 0;
    virtual EjectResult eject(const Card& card) const = 0;
};

// The card `folder` lies on (the one with the longest root above it), if any.
// Windows compares without regard to letter case and either separator.
std::optional<Card> CardHoldingFolder(std::span<const Card> cards, std::string_view folder);

// The card to write to: the only one, or the one labelled `label` (letter
// case ignored). Otherwise a reason naming the cards there are.
struct CardChoice {
    std::optional<Card> card;
    std::string problem;
};
CardChoice ChooseCard(std::span<const Card> cards, const std::optional<std::string>& label);

// "7.4 GB", "512 MB", "40 KB": sizes as the desktop shows them (1000 based).
std::string SizeText(std::uint64_t bytes);

} // namespace rosmossel
