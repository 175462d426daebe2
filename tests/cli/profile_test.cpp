#include "cli/inspect.h"
#include "core/format/safe_writer.h"
#include "core/text/code_page.h"
#include "profile/profile.h"
#include "support/platform.h"
#include "support/random_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace rosmossel::cli {
namespace {

using namespace profile;

namespace fs = std::filesystem;

const ClockValue kNow{2026, 12, 8, 14, 30, 5};

Profile parse(const std::string& text) {
    return ParseProfile(text, kNow);
}

std::string errorOf(const std::string& text) {
    try {
        parse(text);
    } catch (const ProfileError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Profile, ErrorsNameTheKey) {
    const struct {
        const char* profile;
        const char* error;
    } cases[] = {
        {"[1]", "profile: must be a JSON object"},
        {R"({"model": 1e400})", "profile: not valid JSON: [json.exception.out_of_range.406]"},
        {R"({"model": 2, "mms\u0000\n": {}})", "mms\\u0000\\u000a: unknown key"},
        {"{\"camera_menu\": {}}", "model: missing"},
        {R"({"model": "Ros QuillM", "colour": 1, "camera_menu": {}})", "colour: unknown key"},
        {R"({"model": 5, "camera_menu": {}})", "model: Please enter an integer between 1 and 4!"},
        {R"({"model": "Ros Quill", "camera_menu": {}})", "model: \"Ros Quill\" is not one of"},
        {R"({"model": 2})", "profile: holds none of"},
        {R"({"model": 2, "camera_menu": {"videolength": 3}})",
         "camera_menu.videolength: unknown key"},
        {R"({"model": 2, "camera_menu": {"video_length_seconds": "10"}})",
         "camera_menu.video_length_seconds: must be a whole number"},
        {R"({"model": 2, "camera_menu": {"video_length_seconds": 61}})",
         "camera_menu.video_length_seconds: Please enter an integer between 1 and 60!"},
        {R"({"model": 2, "camera_menu": {"interval": 0, "interval_unit": "Min"}})",
         "camera_menu.interval: 0 is not allowed with the unit \"Min\""},
        {R"({"model": 1, "camera_menu": {"image_size": "2MP"}})",
         "camera_menu.image_size: \"2MP\" is not one of \"5MP\", \"12MP\", \"1.3MP\""},
        {R"({"model": 1, "camera_menu": {"beep_sound": "On"}})",
         "camera_menu.beep_sound: only Quill cameras have this setting"},
        {R"({"model": 2, "camera_menu": {"clock": "2035-01-01 00:00:00"}})",
         "camera_menu.clock: the camera keeps years from 2010 to 2031"},
        {R"({"model": 2, "camera_menu": {"clock": "2026-02-30 00:00:00"}})", "is not a valid date"},
        {R"({"model": 2, "camera_menu": {"clock": "tomorrow"}})", "camera_menu.clock: must be"},
        {R"({"model": 2, "camera_menu": {"clock": "2026-01-01 -1:-1:-1"}})",
         "camera_menu.clock: must be"},
        {R"({"model": 2, "camera_menu": {"clock": "2026-01-01 +1:02:03"}})",
         "camera_menu.clock: must be"},
        {R"({"model": 2, "camera_menu": {"clock": "2026-01-01  1:02:03"}})",
         "camera_menu.clock: must be"},
        {R"({"model": 2, "camera_menu": {"serial_characters": "AB-1"}})",
         "camera_menu.serial_characters: must be four characters"},
        {R"({"model": 2, "language": "Klingon", "camera_menu": {}})", "language: \"Klingon\""},
        {R"({"model": 2, "tv_mode": 256, "camera_menu": {}})", "tv_mode: Please enter"},
        {R"({"model": 2, "mms": {"mode": "Manual", "country": "China"}})",
         "mms.country: the lists hold only \"Other\" in Manual mode"},
        {R"({"model": 2, "mms": {"connection_kind": "CSD"}})",
         "mms.connection_kind: \"CSD\" exists only in Manual mode"},
        {R"({"model": 2, "mms": {"country": "Atlantis"}})",
         "mms.country: \"Atlantis\" is not one of"},
        {R"({"model": 2, "mms": {"country": 39}})", "mms.country: 39 is not between 0 and 38"},
        {R"({"model": 2, "mms": {"country": "Ireland", "operator": 3}})",
         "mms.operator: 3 is not between 0 and 2"},
        {R"({"model": 2, "mms": {"pictures_per_day": 100}})",
         "mms.pictures_per_day: Please enter an integer between 0 and 99!"},
        {R"({"model": 2, "mms": {"url": {"hex": "4G"}}})", "mms.url: \"4G\" is not hexadecimal"},
        {R"({"model": 2, "mms": {"url": 5}})", "mms.url: must be a text"},
        {R"({"model": 2, "mms": {"apn": {"hex": "410042"}}})",
         "mms.apn holds a zero byte inside its text"},
        {R"({"model": 2, "codePage": 437, "mms": {}})", "codePage: 437 is not a Windows ANSI"},
        {R"({"model": 2, "codePage": 1252, "mms": {"account": "Zhang \u5f20"}})",
         "mms.account: the character \"\u5f20\" cannot be stored in code page 1252"},
        {R"({"model": 2, "mms": {"email": "0123456789012345678901234567890123456789@"}})",
         "mms.email is 41 bytes long; at most 40 fit"},
        {R"({"model": 1, "mms": {"sms_remote_control": 3}})", "mms.sms_remote_control: only Quill"},
        {R"({"model": 2, "mms": {"sms_remote_control": 25}})",
         "mms.sms_remote_control: Please enter"},
        {R"({"model": 1, "smtp": {}})", "smtp: the e-mail set-up needs an MG camera"},
        {R"({"model": 3, "smtp": {"sender_address": "012345678901234567890123456789@x.y"}})",
         "smtp.sender_address is 34 bytes long; at most 32 fit"},
        {R"({"model": 3, "smtp": {"mms_send_mode": "VGA"}})", "smtp.mms_send_mode: only Quill"},
        {"{\"model\": 2,", "profile: not valid JSON"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(errorOf(c.profile).find(c.error), std::string::npos)
            << c.profile << "\n  gave: " << errorOf(c.profile);
    }
}

TEST(Profile, NamesAreModelAwareAndDefaultsAreTheDialogs) {
    const Profile quill =
        parse(R"({"model": "Ros QuillM", "camera_menu": {"image_size": "12MP"}})");
    const Profile sedge = parse(R"({"model": 1, "camera_menu": {"image_size": "12MP"}})");
    EXPECT_EQ(quill.menu->imageSize, 0);
    EXPECT_EQ(sedge.menu->imageSize, 1);
    EXPECT_EQ(quill.menu->videoSize, 1);
    EXPECT_EQ(sedge.menu->videoSize, 0);
    EXPECT_EQ(quill.menu->clock, kNow);
    EXPECT_EQ(quill.menu->languageCode, 2);

    const Profile german = parse(
        R"({"model": 4, "language": "Deutsch", "mms": {"country": "United Kingdom", "operator": "3", "phone": "07700900123"}, "smtp": {"mode": "Manual", "language": 1}})");
    EXPECT_EQ(german.mms->languageCode, 3);
    EXPECT_EQ(german.smtp->languageCode, 1);
    EXPECT_EQ(german.mms->presetCountry, 3);
    EXPECT_EQ(german.mms->presetOperator, 4);
    EXPECT_EQ(german.mms->port, "8799");
    EXPECT_EQ(german.mms->smsRemoteControl, 25);
    EXPECT_EQ(german.smtp->countryIndex, 0x80);
    EXPECT_TRUE(german.smtpManual);

    const Profile china =
        parse(R"({"model": 2, "mms": {"country": "中国", "operator": "中国联通"}})");
    EXPECT_EQ(china.mms->presetOperator, 1);
}

TEST(Profile, GenerateChecksRunInTheDialogsOrder) {
    EXPECT_EQ(CheckProfile(parse(R"({"model": 2, "mms": {}})")), "mms: Phone & Email Error(0)");
    EXPECT_EQ(CheckProfile(parse(R"({"model": 3, "smtp": {"smtp_server": "s"}})")),
              "smtp: Smtp Server");
    EXPECT_EQ(CheckProfile(parse(R"({"model": 3, "smtp": {"mode": "Manual"}})")), "smtp: GPRS APN");
    EXPECT_EQ(
        CheckProfile(parse(R"({"model": 2, "mms": {"mms_status": "SMS"}, "camera_menu": {}})")),
        std::nullopt);
}

// A profile's texts are stored in its code page; inspect names the code page
// it read with, so its profile writes the same bytes again.
TEST(Profile, TextsAreStoredInTheProfilesCodePage) {
    const struct {
        int codePage;
        const char* account;
        std::string bytes;
    } cases[] = {
        {936, "\u5f20\u4f1f", "\xd5\xc5\xce\xb0"},
        {1252, "M\u00fcller", "M\xfcller"},
        {kUtf8CodePage, "M\u00fcller", "M\xc3\xbcller"},
    };
    for (const auto& c : cases) {
        const std::string text = R"({"model": 2, "codePage": )" + std::to_string(c.codePage) +
                                 R"(, "mms": {"mode": "Manual", "account": ")" + c.account + "\"}}";
        const Profile profile = parse(text);
        EXPECT_EQ(profile.mms->account, c.bytes) << c.codePage;
        const Bytes bytes = BuildSetupFile(*profile.mms).bytes;
        const DecodedFile in = DecodeSettingsFile("setup.dat", bytes, Family::Quill);
        std::vector<std::string> notes;
        const auto json = ProfileOf({in}, std::nullopt, notes, c.codePage);
        EXPECT_EQ(json.at("codePage"), c.codePage);
        EXPECT_EQ(json.at("mms").at("account"), c.account);
        EXPECT_EQ(BuildSetupFile(*parse(json.dump()).mms).bytes, bytes);
    }
    // Bytes that are no text in the code page stay bytes.
    MmsSettings s = DefaultMmsSettings(Family::Quill);
    s.account = "\xd5";
    const DecodedFile in = DecodeSettingsFile("setup.dat", BuildSetupFile(s).bytes, Family::Quill);
    std::vector<std::string> notes;
    EXPECT_EQ(ProfileOf({in}, std::nullopt, notes, 936).at("mms").at("account").dump(),
              R"({"hex":"D5"})");
}

// A dialog saves into and opens a profile of another code page: the same
// text in the other code page's bytes, or a refusal naming the key.
TEST(Profile, DialogsKeepTheTextAcrossCodePages) {
    const struct {
        bool save; // else open
        int dialogCodePage, profileCodePage;
        std::string email;    // the dialog's bytes (save) or the profile's text (open)
        std::string expected; // the profile's text (save) or the dialog's bytes (open)
    } cases[] = {
        {true, 1252, 936, "M\xfcller@x.de", "M\u00fcller@x.de"},
        {true, 936, 1252, "\xcd\xf5@x.cn",
         "mms.email: the character \"\u738b\" cannot be stored "
         "in code page 1252"},
        {true, 1252, 936, "\xdf@x.de",
         "mms.email: the character \"\u00df\" cannot be stored in "
         "code page 936"},
        {true, 1252, kUtf8CodePage, std::string(20, '\xfc') + "@x.de",
         "mms.email is 45 bytes long; at most 40 fit"},
        // A lone lead byte is no text in code page 936 on every system (0x81
        // is in code page 1252 on Windows, not in iconv's).
        {true, 936, 936, "@x.de\x81", R"({"hex":"40782E646581"})"},
        {false, 1252, 936, "M\u00fcller@x.de", "M\xfcller@x.de"},
        {false, 936, 1252, "M\u00fcller@x.de", "M\xa8\xb9ller@x.de"},
        {false, 1252, 936, "\u738b@\u4f8b\u5b50.cn",
         "mms.email: the character \"\u738b\" cannot "
         "be stored in code page 1252"},
        {false, 1252, 936, R"({"hex": "81"})", "mms.email: is no text in code page 936"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.email);
        std::string got;
        try {
            const std::string cp =
                R"({"model": 2, "codePage": )" + std::to_string(c.profileCodePage);
            if (c.save) {
                MmsSettings s = DefaultMmsSettings(Family::Quill);
                s.email = c.email;
                const auto saved = nlohmann::json::parse(ProfileWithSection(
                    cp + R"(, "camera_menu": {}})", CameraModel::QuillM, SectionKind::Mms,
                    BuildSetupFile(s).bytes, c.dialogCodePage));
                EXPECT_EQ(saved.at("codePage"), c.profileCodePage);
                got = saved.at("mms").at("email").is_string()
                          ? saved["mms"]["email"].get<std::string>()
                          : saved["mms"]["email"].dump();
            } else {
                const std::string email =
                    c.email.starts_with('{') ? c.email : "\"" + c.email + "\"";
                got = ProfileForDialog(cp + R"(, "mms": {"email": )" + email + "}}", Family::Quill,
                                       SectionKind::Mms, kNow, c.dialogCodePage)
                          .mms->email;
            }
        } catch (const ProfileError& e) {
            got = e.what();
        }
        EXPECT_EQ(got, c.expected);
    }
}

// inspect reads a file as the family under which generate accepts it again;
// where both families would, as Sedge.
TEST(Profile, InspectChoosesAFamilyThatRegenerates) {
    MmsSettings smsOnly = DefaultMmsSettings(Family::Quill);
    smsOnly.mmsSendMode = 2; // SMS on Quill, QVGA on Sedge, which needs a recipient
    smsOnly.smsRemoteControl = 0;
    MmsSettings both = smsOnly;
    both.phone = "07700900123";
    const struct {
        const char* what;
        MmsSettings settings;
        Family expected;
    } cases[] = {
        {"SMS only, no recipient", smsOnly, Family::Quill},
        {"a recipient", both, Family::Sedge},
    };
    for (const auto& c : cases) {
        const Bytes bytes = BuildSetupFile(c.settings).bytes;
        const DecodedFile in = DecodeSettingsFile("setup.dat", bytes, std::nullopt);
        EXPECT_EQ(in.family, c.expected) << c.what;
        std::vector<std::string> notes;
        const Profile profile = parse(ProfileOf({in}, std::nullopt, notes).dump());
        EXPECT_EQ(CheckProfile(profile), std::nullopt) << c.what;
        EXPECT_EQ(BuildSetupFile(*profile.mms).bytes, bytes) << c.what;
    }
}

// inspect --json on any file the dialogs can write gives a profile from which
// generate writes the same bytes.
TEST(Profile, InspectedProfileReproducesTheFiles) {
    const fs::path dir =
        fs::temp_directory_path() / ("rosmossel-roundtrip-" + std::to_string(testing::ProcessId()));
    fs::create_directories(dir);
    testing::RandomSettings random(2024);
    for (int round = 0; round < 60; ++round) {
        const Family family = round % 2 == 0 ? Family::Quill : Family::Sedge;
        const MenuSettings menu = random.menu(family);
        MmsSettings mms = random.mms(family);
        SmtpSettings smtp = random.smtp(family);
        mms.languageCode = menu.languageCode;
        const FileRecord menuBytes = BuildMenuRecord(menu);
        const Bytes setupBytes = BuildSetupFile(mms).bytes;
        const Bytes smtpBytes = BuildSmtpFile(smtp).bytes;
        ASSERT_FALSE(WriteFileSafely((dir / "menu.dat").string(), menuBytes));
        ASSERT_FALSE(WriteFileSafely((dir / "setup.dat").string(), setupBytes));
        ASSERT_FALSE(WriteFileSafely((dir / "smtp.dat").string(), smtpBytes));

        const auto inspections = InspectPaths({dir.string()}, std::nullopt);
        ASSERT_EQ(inspections.size(), 3u);
        for (const auto& in : inspections) {
            ASSERT_TRUE(in.valid()) << FormatInspection(in);
        }
        std::vector<std::string> notes;
        const std::string json = ProfileOf(inspections, std::nullopt, notes).dump();
        ASSERT_TRUE(notes.empty()) << notes.front();
        const Profile profile = parse(json);
        ASSERT_TRUE(profile.menu && profile.mms && profile.smtp) << json;
        EXPECT_EQ(BuildMenuRecord(*profile.menu), menuBytes) << json;
        EXPECT_EQ(BuildSetupFile(*profile.mms).bytes, setupBytes) << json;
        EXPECT_EQ(BuildSmtpFile(*profile.smtp).bytes, smtpBytes) << json;
    }
    fs::remove_all(dir);
}

} // namespace
// A profile file is read, checked and built whole, or refused with the kind
// of fault that decides the CLI's exit status; "-" reads the stream given.
TEST(Profile, FilesOfAProfileFileOrItsFault) {
    struct Folder {
        fs::path path = fs::temp_directory_path() /
                        ("rosmossel-profile-files-" + std::to_string(testing::ProcessId()));
        Folder() { fs::create_directories(path); }
        ~Folder() { fs::remove_all(path); }
    } dir;
    using Fault = ProfileFiles::Fault;
    const struct {
        const char* what;
        std::optional<std::string> text; // none: no file there
        Fault fault;
        std::string reason; // its beginning
        std::vector<std::string> files;
    } cases[] = {
        {"no file", std::nullopt, Fault::Unreadable, "", {}}, // the system's reason
        {"not JSON", "{", Fault::Malformed, "profile: not valid JSON", {}},
        {"too large",
         std::string(kLargestProfile + 1, ' '),
         Fault::Malformed,
         kProfileTooLarge,
         {}},
        {"fails a check",
         R"({"model": 4, "camera_menu": {}, "mms": {}})",
         Fault::Refused,
         "mms: Phone & Email Error(0)",
         {}},
        {"every section, in file order",
         R"({"model": "Ros SedgeMG", "smtp": {"smtp_server": "smtp.example.org",
             "smtp_port": "25", "sender_address": "cam@example.org", "sender_password": "secret",
             "recipient": "owner@example.org"}, "mms": {"phone": "0170123456"},
             "camera_menu": {}})",
         Fault::None,
         "",
         {"menu.dat", "setup.dat", "smtp.dat"}},
    };
    for (const auto& c : cases) {
        const fs::path path = dir.path / "profile.json";
        fs::remove(path);
        if (c.text) {
            ASSERT_FALSE(WriteFileSafely(
                path.string(),
                {reinterpret_cast<const std::uint8_t*>(c.text->data()), c.text->size()}));
        }
        std::istringstream none;
        const ProfileFiles built = BuildProfileFiles(path.string(), none);
        EXPECT_EQ(built.fault, c.fault) << c.what << ": " << built.reason;
        EXPECT_EQ(built.reason.substr(0, c.reason.size()), c.reason) << c.what;
        std::vector<std::string> names;
        for (const CardFile& file : built.files) {
            names.push_back(file.name);
            EXPECT_FALSE(file.bytes.empty()) << c.what;
        }
        EXPECT_EQ(names, c.files) << c.what;
    }
    // A directory is no profile; standard input is read when the path is "-".
    EXPECT_EQ(BuildProfileFiles(dir.path.string(), std::cin).fault, Fault::Unreadable);
    std::istringstream in(R"({"model": 4, "camera_menu": {}})");
    const ProfileFiles piped = BuildProfileFiles("-", in);
    ASSERT_TRUE(piped.ok()) << piped.reason;
    ASSERT_EQ(piped.files.size(), 1u);
    EXPECT_EQ(piped.files[0].name, "menu.dat");
}

} // namespace rosmossel::cli
