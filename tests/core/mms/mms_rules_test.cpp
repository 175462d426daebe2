#include "core/mms/mms_rules.h"
#include "core/mms/operator_presets.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rosmossel {
namespace {

constexpr bool kAuto = false, kManual = true;
constexpr bool kSms = true, kPicture = false;

// The editable fields as letters, "." where read-only: connection, phone,
// e-mail, recipient 2, recipient 3.
std::string shown(const MmsFieldStates& s) {
    return std::string{s.connection ? 'C' : '.', s.phone ? 'P' : '.', s.email ? 'E' : '.',
                       s.recipient2 ? '2' : '.', s.recipient3 ? '3' : '.'};
}
std::string textsOf(const MmsSettings& s) {
    return s.url + "|" + s.phone + "|" + s.email + "|" + s.recipient2 + "|" + s.recipient3;
}

// What the user does: choose a mode or a status, or type into a field (URL
// and recipient 3 have no rule of their own; their text is only taken).
enum class Do { Auto, Manual, Sms, Picture, Url, Phone, Email, R2, R3 };
struct Step {
    Do action;
    const char* text; // what the field holds after typing
    const char* states;
    const char* texts; // URL|phone|e-mail|recipient 2|recipient 3 afterwards
};

TEST(MmsRules, FieldsReactToWhatTheUserDoes) {
    const struct {
        const char* what;
        std::vector<Step> steps;
    } sequences[] = {
        {"an e-mail without @ changes nothing; a short one empties",
         {{Do::Email, "a@b.cc", ".PE2.", "||a@b.cc||"},
          {Do::R2, "12345", ".PE23", "||a@b.cc|12345|"},
          {Do::R3, "x@y.z", ".PE23", "||a@b.cc|12345|x@y.z"},
          {Do::Email, "ab.cde", ".PE23", "||ab.cde|12345|x@y.z"},
          {Do::Email, "abcd", ".PE..", "||abcd||"}}},
        {"an e-mail of more than four without @ leaves recipient 2 as it is",
         {{Do::Email, "abcde", ".PE..", "||abcde||"},
          {Do::Phone, "12345", ".PE2.", "|12345|abcde||"},
          {Do::R2, "54321", ".PE23", "|12345|abcde|54321|"},
          {Do::Email, "abcdef", ".PE23", "|12345|abcdef|54321|"}}},
        {"a status change locks the recipients and keeps their texts",
         {{Do::Phone, "0123456789", ".PE2.", "|0123456789|||"},
          {Do::R2, "0987654321", ".PE23", "|0123456789||0987654321|"},
          {Do::R3, "11111", ".PE23", "|0123456789||0987654321|11111"},
          {Do::Sms, nullptr, ".P...", "|0123456789||0987654321|11111"},
          {Do::Phone, "01234567890", ".P.2.", "|01234567890||0987654321|11111"},
          {Do::Picture, nullptr, ".PE..", "|01234567890||0987654321|11111"},
          {Do::Phone, "0123456789", ".PE2.", "|0123456789||0987654321|11111"},
          {Do::R2, "0987654321", ".PE23", "|0123456789||0987654321|11111"}}},
        {"a short phone number empties the recipients beside an e-mail address",
         {{Do::Email, "me@x.org", ".PE2.", "||me@x.org||"},
          {Do::R2, "54321", ".PE23", "||me@x.org|54321|"},
          {Do::Phone, "123", ".PE..", "|123|me@x.org||"},
          {Do::Phone, "12345", ".PE2.", "|12345|me@x.org||"}}},
        {"a recipient 2 of four empties recipient 3",
         {{Do::Phone, "12345", ".PE2.", "|12345|||"},
          {Do::R2, "12345", ".PE23", "|12345||12345|"},
          {Do::R3, "abcde", ".PE23", "|12345||12345|abcde"},
          {Do::R2, "1234", ".PE2.", "|12345||1234|"}}},
        {"a mode change empties every text",
         {{Do::Phone, "0123456789", ".PE2.", "|0123456789|||"},
          {Do::R2, "a@b.cd", ".PE23", "|0123456789||a@b.cd|"},
          {Do::Manual, nullptr, "CPE..", "||||"},
          {Do::Url, "http://m", "CPE..", "http://m||||"},
          {Do::Sms, nullptr, ".P...", "http://m||||"},
          {Do::Picture, nullptr, "CPE..", "http://m||||"},
          {Do::Sms, nullptr, ".P...", "http://m||||"},
          {Do::Auto, nullptr, ".P...", "||||"},
          {Do::Picture, nullptr, ".PE..", "||||"}}},
    };
    for (const auto& sequence : sequences) {
        MmsSettings texts = DefaultMmsSettings(Family::Quill);
        MmsFieldStates states = kMmsOpeningStates;
        bool manual = false, sms = false;
        for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
            const Step& step = sequence.steps[i];
            SCOPED_TRACE(std::string(sequence.what) + ", step " + std::to_string(i + 1));
            std::optional<MmsEvent> event;
            switch (step.action) {
            case Do::Auto:
            case Do::Manual:
                manual = step.action == Do::Manual;
                event = MmsEvent::ModeChanged;
                break;
            case Do::Sms:
            case Do::Picture:
                sms = step.action == Do::Sms;
                event = MmsEvent::StatusChanged;
                break;
            case Do::Url:
                texts.url = step.text;
                break;
            case Do::Phone:
                texts.phone = step.text;
                event = MmsEvent::PhoneEdited;
                break;
            case Do::Email:
                texts.email = step.text;
                event = MmsEvent::EmailEdited;
                break;
            case Do::R2:
                texts.recipient2 = step.text;
                event = MmsEvent::Recipient2Edited;
                break;
            case Do::R3:
                texts.recipient3 = step.text;
                break;
            }
            if (event) {
                states = MmsReact(*event, states, manual, sms, texts);
            }
            EXPECT_EQ(shown(states), step.states);
            EXPECT_EQ(textsOf(texts), step.texts);
        }
    }
}

TEST(MmsRules, LoadedSettingsTakeTheStatesTheirTypingGives) {
    const struct {
        const char* what;
        bool manual, sms;
        const char *phone, *email, *recipient2;
        const char* states;
    } cases[] = {
        {"nothing typed", kAuto, kPicture, "", "", "", ".PE.."},
        {"a phone number and recipient 2", kAuto, kPicture, "0123456789", "", "a@b.cd", ".PE23"},
        {"an e-mail address", kManual, kPicture, "", "me@x.org", "", "CPE2."},
        {"a short e-mail after the phone number", kAuto, kPicture, "0123456789", "a@b", "12345",
         ".PE.."},
        {"SMS: the e-mail is not typed", kAuto, kSms, "", "me@x.org", "12345", ".P..."},
        {"SMS with a phone number", kManual, kSms, "0123456789", "", "12345", ".P.23"},
    };
    for (const auto& c : cases) {
        MmsSettings s = DefaultMmsSettings(Family::Sedge);
        s.phone = c.phone;
        s.email = c.email;
        s.recipient2 = c.recipient2;
        s.recipient3 = "kept";
        EXPECT_EQ(shown(MmsLoadedStates(c.manual, c.sms, s)), c.states) << c.what;
    }
}

TEST(MmsRules, ListsFollowModeLanguageAndFill) {
    struct ListCase {
        const char* what;
        std::vector<std::string> list;
        std::size_t size;
        std::string first, last;
    };
    const ListCase cases[] = {
        {"countries, English", MmsCountryChoices(kAuto, 2, true), 39, "China", "Estonia"},
        {"countries, Chinese start-up", MmsCountryChoices(kAuto, 1, true), 39, "中国", "Estonia"},
        {"countries, Chinese refill", MmsCountryChoices(kAuto, 1, false), 39, "China", "Estonia"},
        {"countries, manual", MmsCountryChoices(kManual, 1, true), 1, "Other", "Other"},
        {"China operators, German", MmsOperatorChoices(kAuto, 0, 3), 2, "China Mobile",
         "China Unicom"},
        {"operators, manual", MmsOperatorChoices(kManual, 3, 2), 1, "Other", "Other"},
        {"connection, automatic", MmsConnectionKinds(kAuto), 1, "APN", "APN"},
        {"connection, manual", MmsConnectionKinds(kManual), 2, "APN", "CSD"},
    };
    for (const ListCase& c : cases) {
        ASSERT_EQ(c.list.size(), c.size) << c.what;
        EXPECT_EQ(c.list.front(), c.first) << c.what;
        EXPECT_EQ(c.list.back(), c.last) << c.what;
    }
}

TEST(MmsRules, AutomaticModeWritesThePresetAndItsSelection) {
    MmsSettings typed = DefaultMmsSettings(Family::Quill);
    typed.url = "typed";
    typed.phone = "12345";
    const struct { int country, op; } choices[] = {{0, 0}, {17, 2}, {38, 2}};
    for (const auto& [country, op] : choices) {
        const MmsSettings s = WithOperatorPreset(typed, country, op);
        const OperatorPreset& p = *LookUpOperatorPreset(country, op);
        EXPECT_EQ(s.url, p.url);
        EXPECT_EQ(s.apn, p.apn);
        EXPECT_EQ(s.gateway, p.gateway);
        EXPECT_EQ(s.port, p.port);
        EXPECT_EQ(s.account, p.account);
        EXPECT_EQ(s.password, p.password);
        EXPECT_EQ(s.presetCountry, country);
        EXPECT_EQ(s.presetOperator, op);
        EXPECT_EQ(s.phone, "12345");
    }
    EXPECT_EQ(WithOperatorPreset(typed, 8, 5).url, ""); // Turkey has one operator
}

TEST(MmsRules, PicturesPerDayOutsideTheRangeStartsAgainAtZero) {
    const std::pair<int, int> cases[] = {{0, 0}, {99, 99}, {100, 0}, {-1, 0}, {-99, 0}, {42, 42}};
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(RepairPicturesPerDay(typed), kept) << typed;
    }
}

TEST(MmsRules, ACardLoadsBackAndRegenerates) {
    const MmsSettings ukVodafone = WithOperatorPreset(DefaultMmsSettings(Family::Quill), 3, 0);
    MmsSettings offPreset = ukVodafone;
    offPreset.apn = "own.apn";
    MmsSettings csd = ukVodafone;
    csd.connectionKind = 1;
    MmsSettings manual = DefaultMmsSettings(Family::Quill);
    manual.presetCountry = kManualCountry;
    manual.url = "mms.example";
    const struct {
        const char* name;
        MmsSettings card;
        bool manualMode, differs;
    } cases[] = {
        {"today's preset", ukVodafone, kAuto, false},
        {"an empty slot", WithOperatorPreset(DefaultMmsSettings(Family::Sedge), 17, 2), kAuto,
         false},
        {"texts off the preset", offPreset, kManual, true},
        {"CSD", csd, kManual, true},
        {"manual", manual, kManual, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MmsSettings card = c.card;
        card.phone = "0123456789";
        card.recipient2 = "a@b.c";
        const MmsCardLoad load = MmsLoadFromCard(card);
        EXPECT_EQ(load.manualMode, c.manualMode);
        EXPECT_EQ(load.presetDiffers, c.differs);
        EXPECT_EQ(load.typed.phone + load.typed.recipient2, "0123456789a@b.c");
        if (!c.manualMode) {
            EXPECT_EQ(load.typed.url + load.typed.apn + load.typed.port, "");
            EXPECT_EQ(WithOperatorPreset(load.typed, load.preset.country, load.preset.operatorSlot),
                      card);
            continue;
        }
        // Manual mode writes the card's texts; off its preset, as manual settings.
        MmsSettings expected = card;
        if (c.differs) {
            expected.presetCountry = kManualCountry;
            expected.presetOperator = 0;
        }
        EXPECT_EQ(load.typed, expected);
        EXPECT_EQ(load.preset,
                  (MmsPresetSelection{expected.presetCountry, expected.presetOperator}));
    }
}

} // namespace
} // namespace rosmossel
