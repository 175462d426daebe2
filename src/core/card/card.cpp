#include "core/card/card.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

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

std::string listed(std::span<const Card> cards) {
    std::string text;
    for (const Card& card : cards) {
        text += text.empty() ? "" : ", ";
        text += (card.label.empty() ? "(no label)" : card.label) + " at " + card.root;
    }
    return text;
}

} // namespace

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

CardChoice ChooseCard(std::span<const Card> cards, const std::optional<std::string>& label) {
    if (cards.empty()) {
        return {std::nullopt, "no SD card is inserted"};
    }
    if (!label) {
        if (cards.size() == 1) {
            return {cards.front(), {}};
        }
        return {std::nullopt, std::to_string(cards.size()) + " cards are inserted (" +
                                  listed(cards) + "); choose one with --card LABEL"};
    }
    const auto matching = std::count_if(cards.begin(), cards.end(),
                                        [&](const Card& c) { return sameLabel(c.label, *label); });
    if (matching == 1) {
        return {*std::find_if(cards.begin(), cards.end(),
                              [&](const Card& c) { return sameLabel(c.label, *label); }),
                {}};
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
