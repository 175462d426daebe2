#include "core/card/card.h"
#include "core/text/card_texts.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

Card card(std::string root, std::string label, bool writeProtected = false) {
    return {std::move(root), std::move(label), "FAT32",    7'948'206'080,
            7'400'000'000,   writeProtected,   "/dev/sdb1"};
}

#ifdef _WIN32
const std::vector<Card> kCards = {card("E:\\", "CAM"), card("F:\\", "cam2")};
#else
const std::vector<Card> kCards = {card("/media/ann/CAM", "CAM"),
                                  card("/media/ann/CAM/inner", "INNER"),
                                  card("/media/ann/cam2", "cam2")};
#endif

TEST(CardTest, FolderIsOnTheCardWithTheLongestRootAboveIt) {
    const struct {
        const char* folder;
        const char* card; // "": on none
    } cases[] = {
#ifdef _WIN32
        {"E:\\", "CAM"}, {"e:\\DCIM", "CAM"}, {"E:/x/y", "CAM"},
        {"F:", "cam2"},  {"C:\\", ""},        {"E", ""},
#else
        {"/media/ann/CAM", "CAM"},      {"/media/ann/CAM/", "CAM"},
        {"/media/ann/CAM/DCIM", "CAM"}, {"/media/ann/CAM/inner/x", "INNER"},
        {"/media/ann/CAM2", ""},        {"/media/ann/CA", ""},
        {"/media/ann/cam2", "cam2"},    {"/home/ann", ""},
#endif
    };
    for (const auto& c : cases) {
        const auto found = CardHoldingFolder(kCards, c.folder);
        EXPECT_EQ(found ? found->label : "", c.card) << c.folder;
    }
}

TEST(CardTest, TheCardToWriteToIsTheOnlyOneOrTheOneLabelled) {
    const std::vector<Card> one = {kCards.front()};
    const struct {
        const char* what;
        std::vector<Card> cards;
        std::optional<std::string> label;
        const char* chosen;  // label of the card chosen, or nullptr
        const char* problem; // part of the reason
    } cases[] = {
        {"none inserted", {}, std::nullopt, nullptr, "no SD card is inserted"},
        {"none inserted, a label given", {}, "CAM", nullptr, "no SD card is inserted"},
        {"the only one", one, std::nullopt, "CAM", ""},
        {"the only one, by its label", one, "cam", "CAM", ""},
        {"the only one, another label", one, "DOG", nullptr,
         "no card is labelled \"DOG\"; the cards: CAM at "},
        {"several, no label", kCards, std::nullopt, nullptr, "choose one with --card LABEL"},
        {"several, one labelled so", kCards, "CAM2", "cam2", ""},
        {"two labelled alike",
         {kCards.front(), kCards.front()},
         "CAM",
         nullptr,
         "several cards are labelled"},
    };
    for (const auto& c : cases) {
        const CardChoice choice = ChooseCard(c.cards, c.label);
        EXPECT_EQ(choice.card ? choice.card->label : "-", c.chosen ? c.chosen : "-") << c.what;
        EXPECT_NE(choice.problem.find(c.problem), std::string::npos)
            << c.what << ": " << choice.problem;
        EXPECT_EQ(choice.problem.empty(), c.chosen != nullptr) << c.what;
    }
}

TEST(CardTest, CardLineAndEjectTexts) {
    Card odd = card("/m/x", "%2 50%");
    odd.fileSystem = "exFAT";
    odd.capacity = 999;
    odd.freeSpace = 40'960;
    const struct {
        const char* what;
        std::string text;
        const char* expected;
    } cases[] = {
        {"a card", CardLineText(card("/m", "CAM"), kEnglish),
         "SD card CAM (FAT32), 7.4 GB free of 7.9 GB"},
        {"write-protected", CardLineText(card("/m", "CAM", true), kEnglish),
         "SD card CAM (FAT32), 7.4 GB free of 7.9 GB, write-protected"},
        {"a label holding a pattern", CardLineText(odd, kEnglish),
         "SD card %2 50% (exFAT), 41 KB free of 999 bytes"},
        {"no label, in Chinese", CardLineText(card("/m", ""), 1),
         "SD卡 （无卷标）（FAT32），可用 7.4 GB，共 7.9 GB"},
        {"on no card, in German", CardLineText(std::nullopt, 3),
         "Der Ordner liegt auf keiner SD-Karte"},
        {"ejected", EjectResultText({EjectOutcome::Ejected, {}}, kEnglish),
         "The card can be removed."},
        {"the system's reason", EjectResultText({EjectOutcome::Failed, "No such device"}, kEnglish),
         "The card could not be ejected: No such device"},
        {"an unknown language reads English", EjectResultText({EjectOutcome::Ejected, {}}, 42),
         "The card can be removed."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.expected) << c.what;
    }
    for (int language = 1; language <= kLanguageCount; ++language) {
        EXPECT_NE(WriteProtectedText(card("/m", "CAM"), language).find("CAM"), std::string::npos);
        EXPECT_NE(EjectResultText({EjectOutcome::Busy, {}}, language),
                  EjectResultText({EjectOutcome::NoService, {}}, language));
    }
}

} // namespace
} // namespace rosmossel
