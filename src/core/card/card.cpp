#include "core/card/card.h"

#include "core/text/card_texts.h"
#include "core/text/languages.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>

namespace rosmossel {
namespace {

#ifdef _WIN32
constexpr bool kFoldCase = true;
#else
constexpr bool kFoldCase = false;
#endif

bool isSeparator(char c) {
    return c == '/' || (kFoldCase && c == '\\');
}

bool sameChar(char a, char b) {
    if (isSeparator(a) && isSeparator(b)) {
        return true;
    }
    if (kFoldCase) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    }
    return a == b;
}

// Whether `folder` is `root` or lies below it: "/media/CAM2" is not on "/media/CAM".
bool isUnder(std::string_view folder, std::string_view root) {
    while (root.size() > 1 && isSeparator(root.back())) {
        root.remove_suffix(1);
    }
    if (folder.size() < root.size() ||
        !std::equal(root.begin(), root.end(), folder.begin(), sameChar)) {
        return false;
    }
    return folder.size() == root.size() || isSeparator(root.back()) ||
           isSeparator(folder[root.size()]);
}

bool sameLabel(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// "CAM at /media/ann/CAM", as the CLI's messages name a card.
std::string nameAt(const Card& card) {
    return CardLabelOf(card, kEnglish) + " at " + card.root;
}

std::string listed(std::span<const Card> cards) {
    std::string text;
    for (const Card& card : cards) {
        text += (text.empty() ? "" : ", ") + nameAt(card);
    }
    return text;
}

// Why the tool does not pick `card` on its own, or nothing where it would.
std::string unusable(const Card& card) {
    const std::string name = nameAt(card);
    if (!card.responding) {
        return "the card " + name + " is not responding";
    }
    if (!CameraCanRead(card.fileSystem)) {
        return "the card " + name + " holds " +
               (card.fileSystem.empty() ? "an unknown file system" : card.fileSystem) +
               ", which a camera cannot read: format it as FAT32 in the camera or on the PC";
    }
    return {};
}

bool hasByte(std::string_view text, std::size_t at, int (*test)(int)) {
    return at < text.size() && test(static_cast<unsigned char>(text[at])) != 0;
}

int hexValue(char c) {
    return c <= '9' ? c - '0' : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
}

// The length of the UTF-8 sequence at `at`, or 0 where it is malformed
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

} // namespace

bool CameraCanRead(std::string_view fileSystem) {
    static constexpr std::string_view kReadable[] = {"FAT", "FAT12", "FAT16", "FAT32", "exFAT"};
    return std::find(std::begin(kReadable), std::end(kReadable), fileSystem) != std::end(kReadable);
}

bool CameraCard(const Card& card) {
    return card.responding && CameraCanRead(card.fileSystem);
}

bool IsSystemMountPoint(std::string_view mountPoint) {
    static constexpr std::string_view kSystem[] = {"/",    "/boot", "/boot/efi", "/boot/firmware",
                                                   "/usr", "/var",  "/home"};
    return std::find(std::begin(kSystem), std::end(kSystem), mountPoint) != std::end(kSystem);
}

std::vector<std::string> SystemDisks(std::span<const Volume> volumes,
                                     std::span<const std::string> swapDisks) {
    std::vector<std::string> disks(swapDisks.begin(), swapDisks.end());
    for (const Volume& volume : volumes) {
        if (IsSystemMountPoint(volume.mountPoint) && !volume.disk.empty()) {
            disks.push_back(volume.disk);
        }
    }
    return disks;
}

bool IsCardVolume(const Volume& volume, std::span<const std::string> systemDisks) {
    const bool plugged = volume.removable || volume.bus == Bus::Usb || volume.bus == Bus::Sd;
    return plugged && volume.bus != Bus::Emmc && !volume.disk.empty() && volume.mountRoot == "/" &&
           !IsSystemMountPoint(volume.mountPoint) &&
           std::find(systemDisks.begin(), systemDisks.end(), volume.disk) == systemDisks.end();
}

ReadOnly ReadOnlyKind(bool deviceReadOnly, bool mountReadOnly) {
    return deviceReadOnly ? ReadOnly::LockSwitch : (mountReadOnly ? ReadOnly::Mount : ReadOnly::No);
}

std::string ShownText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            shown += "\xEF\xBF\xBD";
            ++i;
        } else {
            shown.append(text.substr(i, length));
            i += length;
        }
    }
    return shown;
}

std::string DecodeUdevText(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'x' &&
            hasByte(text, i + 2, std::isxdigit) && hasByte(text, i + 3, std::isxdigit)) {
            decoded += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::optional<Card> CardHoldingFolder(std::span<const Card> cards, std::string_view folder) {
    const Card* best = nullptr;
    for (const Card& card : cards) {
        if (isUnder(folder, card.root) &&
            (best == nullptr || card.root.size() > best->root.size())) {
            best = &card;
        }
    }
    return best != nullptr ? std::optional(*best) : std::nullopt;
}

CardChoice ChooseCard(std::span<const Card> cards, const std::optional<std::string>& label,
                      CardUse use) {
    if (cards.empty()) {
        return {std::nullopt, "no SD card is inserted"};
    }
    const auto fits = [use](const Card& card) { return use == CardUse::Eject || CameraCard(card); };
    if (!label) {
        std::vector<Card> usable;
        std::copy_if(cards.begin(), cards.end(), std::back_inserter(usable), fits);
        if (usable.size() == 1) {
            return {usable.front(), {}};
        }
        if (usable.empty()) {
            std::string why;
            for (const Card& card : cards) {
                why += (why.empty() ? "" : "; ") + unusable(card);
            }
            return {std::nullopt, why};
        }
        return {std::nullopt,
                std::to_string(usable.size()) + " cards are inserted (" + listed(usable) + ")",
                true};
    }
    const auto matching = std::count_if(cards.begin(), cards.end(),
                                        [&](const Card& c) { return sameLabel(c.label, *label); });
    if (matching == 1) {
        const Card& card = *std::find_if(cards.begin(), cards.end(),
                                         [&](const Card& c) { return sameLabel(c.label, *label); });
        if (!fits(card)) {
            return {std::nullopt, unusable(card)};
        }
        return {card, {}};
    }
    return {std::nullopt,
            (matching == 0 ? "no card is labelled \"" : "several cards are labelled \"") + *label +
                "\"; the cards: " + listed(cards)};
}

std::string SizeText(std::uint64_t bytes) {
    static constexpr const char* kUnits[] = {"bytes", "KB", "MB", "GB", "TB"};
    double size = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (size >= 1000 && unit + 1 < std::size(kUnits)) {
        size /= 1000;
        ++unit;
    }
    char text[32];
    if (unit == 0) {
        std::snprintf(text, sizeof text, "%llu bytes", static_cast<unsigned long long>(bytes));
    } else {
        std::snprintf(text, sizeof text, size < 10 ? "%.1f %s" : "%.0f %s", size, kUnits[unit]);
    }
    return text;
}

} // namespace rosmossel
