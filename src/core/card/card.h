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

// Why nothing can be written to a card: its lock switch (the device itself
// is read-only), or the system mounted it read-only (often after errors).
enum class ReadOnly { No, LockSwitch, Mount };

struct Card {
    std::string root;       // where it is mounted: "/media/ann/CAM", "E:\"
    std::string label;      // may be empty; valid UTF-8
    std::string fileSystem; // "FAT32", "exFAT", ...
    std::uint64_t capacity = 0;
    std::uint64_t freeSpace = 0;
    ReadOnly readOnly = ReadOnly::No;
    std::string device;     // what eject needs: "/dev/sdb1", "\\.\E:"
    bool responding = true; // false: its file system did not answer in time
    bool operator==(const Card&) const = default;

    bool writeProtected() const { return readOnly != ReadOnly::No; }
};

// Whether a camera reads the file system: FAT12/16/32 and exFAT only.
bool CameraCanRead(std::string_view fileSystem);
// A card the tool may pick on its own: one a camera reads, that answers.
bool CameraCard(const Card& card);

// What the system tells of a mounted volume, before it is taken for a card.
enum class Bus { Other, Usb, Sd, Emmc }; // Sd: an SD card in a host's slot
struct Volume {
    std::string mountPoint;
    std::string mountRoot = "/"; // the file system's folder mounted there
    std::string disk;            // the whole disk it lies on; empty: none
    bool removable = false;      // the disk says it is removable
    Bus bus = Bus::Other;
};

// The mount points the system runs from; their disks are never cards.
bool IsSystemMountPoint(std::string_view mountPoint);
// The disks holding a system mount point or a swap area.
std::vector<std::string> SystemDisks(std::span<const Volume> volumes,
                                     std::span<const std::string> swapDisks);
// A card: the whole file system of a removable or hot-plugged disk that is
// not the system's; an eMMC is built in, whatever its flags say.
bool IsCardVolume(const Volume& volume, std::span<const std::string> systemDisks);

// The lock switch wins: taking the card out is what the owner must do then.
ReadOnly ReadOnlyKind(bool deviceReadOnly, bool mountReadOnly);

// `text` as valid UTF-8 without control characters, each byte that is not
// replaced by U+FFFD: labels and mount points come as the system has them.
std::string ShownText(std::string_view text);
// udev's encoded values ("MY\x20CARD"): \xNN is the byte NN; anything else,
// a malformed escape included, stays as it is.
std::string DecodeUdevText(std::string_view text);

// How an eject ended; `detail` is the system's own reason where it gave one.
enum class EjectOutcome { Ejected, NoService, Busy, Failed };
struct EjectResult {
    EjectOutcome outcome = EjectOutcome::Failed;
    std::string detail;
};

// The cards inserted now, and their eject: the system's, or a test's. Both
// may take a while (the system's answers within a few seconds whatever one
// card does); the dialogs call them off their thread.
class CardSource {
  public:
    virtual ~CardSource() = default;
    virtual std::vector<Card> cards() const = 0;
    virtual EjectResult eject(const Card& card) const = 0;
};

// The card `folder` lies on (the one with the longest root above it), if any.
// Windows compares without regard to letter case and either separator.
std::optional<Card> CardHoldingFolder(std::span<const Card> cards, std::string_view folder);

// The card to write to: the only camera card, or the one labelled `label`
// (letter case ignored). Otherwise a reason naming the cards there are;
// `several` tells the caller it may ask the owner to name one. To eject,
// any card will do: one a camera cannot read, or that hangs, may go too.
enum class CardUse { Write, Eject };
struct CardChoice {
    std::optional<Card> card;
    std::string problem;
    bool several = false;
};
CardChoice ChooseCard(std::span<const Card> cards, const std::optional<std::string>& label,
                      CardUse use = CardUse::Write);

// "7.4 GB", "512 MB", "40 KB": sizes as the desktop shows them (1000 based).
std::string SizeText(std::uint64_t bytes);

} // namespace rosmossel
