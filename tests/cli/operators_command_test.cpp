// rosmossel-cli operators, run as a user would: against the installed carrier
// database, and with the owner's own file in the configuration folder.
#include "core/mms/operator_presets.h"
#include "support/platform.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr const char* kInstalled = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";

constexpr const char* kOwnersFile = R"(<?xml version="1.0" encoding="utf-8"?>
<serviceproviders format="2.0">
<country code="zz"><name>Acmeland</name>
  <provider><name>Acme Mobile</name><gsm><network-id mcc="999" mnc="01"/>
    <apn value="mms.acme"><usage type="mms"/><mmsc>http://mmsc.acme.example</mmsc>
      <mmsproxy>10.20.30.40:8799</mmsproxy></apn>
  </gsm></provider>
</country>
</serviceproviders>
)";

struct CliRun {
    int status;
    std::string out, err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OperatorsCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "Windows keeps no carrier database of its own";
#endif
        if (!fs::exists(kInstalled)) {
            GTEST_SKIP() << "mobile-broadband-provider-info is not installed";
        }
        dir_ = fs::temp_directory_path() /
               ("rosmossel-operators-" + std::to_string(rosmossel::testing::ProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "config" / "rosmossel");
    }
    void TearDown() override {
        if (!dir_.empty()) {
            fs::remove_all(dir_);
        }
    }

    // The configuration folder is the test's own: no owner's file unless
    // the test writes one.
    CliRun run(const std::string& args) const {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = "XDG_CONFIG_HOME=" + (dir_ / "config").string() +
                                    " timeout 20 " ROSMOSSEL_CLI " " + args + " >" + out.string() +
                                    " 2>" + err.string() + " </dev/null";
        const int raw = std::system(command.c_str());
#ifdef _WIN32
        const int status = raw;
#else
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        return {status, readText(out), readText(err)};
    }

    fs::path ownersFile() const {
        return dir_ / "config" / "rosmossel" / "serviceproviders.xml";
    }
    void writeOwnersFile(const std::string& text) const {
        std::ofstream(ownersFile(), std::ios::binary) << text;
    }

    fs::path dir_;
};

// Operators the presets do not hold, found with the values the installed
// file gives them: read here straight from the XML, the proxy as typed there.
TEST_F(OperatorsCommandTest, InstalledDatabaseAnswersForOperatorsBeyondThePresets) {
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(kInstalled));
    for (const char* name : {"giffgaff", "Iliad", "AldiTalk/MedionMobile"}) {
        SCOPED_TRACE(name);
        for (const auto& country : rosmossel::OperatorPresetTable()) {
            for (const auto& slot : country.operatorSlots) {
                EXPECT_NE(slot.name, name);
            }
        }
        const std::string path =
            std::string("//provider[name='") + name + "']/gsm/apn[usage/@type='mms']";
        const pugi::xml_node apn = xml.select_node(path.c_str()).node();
        ASSERT_TRUE(apn);

        const CliRun listed = run(std::string("operators '") + name + "' --json");
        ASSERT_EQ(listed.status, 0) << listed.err;
        const auto json = nlohmann::json::parse(listed.out);
        ASSERT_EQ(json.size(), 1u) << listed.out;
        const auto& mms = json[0].at("mms").at(0);
        EXPECT_EQ(json[0].at("operator"), name);
        EXPECT_EQ(mms.at("apn"), apn.attribute("value").value());
        EXPECT_EQ(mms.at("url"), apn.child_value("mmsc"));
        const std::string proxy = apn.child_value("mmsproxy");
        const std::string joined = mms.at("gateway").get<std::string>() +
                                   (mms.at("port").get<std::string>().empty() ? "" : ":") +
                                   mms.at("port").get<std::string>();
        EXPECT_EQ(joined, proxy);
        EXPECT_EQ(mms.at("account"), apn.child_value("username"));
        EXPECT_EQ(mms.at("password"), apn.child_value("password"));
    }
}

// The owner's file is asked first and alone while it reads; a broken one is
// named with its line and the installed one answers.
TEST_F(OperatorsCommandTest, OwnersFileComesFirst) {
    const struct {
        const char* what;
        std::string ownersFile;
        const char* args;
        int status;
        const char* out;
        std::string err;
    } cases[] = {
        {"owner's file only", kOwnersFile, "operators Acme", 0, "Acme Mobile [999-01]", ""},
        {"words not quoted", kOwnersFile, "operators acmeland 999-01", 0, "Acme Mobile", ""},
        {"installed file not asked", kOwnersFile, "operators giffgaff", 1, "",
         "no operator matches"},
        {"no owner's file", "", "operators Acme", 1, "", "no operator matches"},
        {"broken owner's file", "<serviceproviders>\n<country code=\"gb\">\n<name>x</nme>\n",
         "operators giffgaff", 0, "giffgaff [234-02", "serviceproviders.xml: line 3: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(ownersFile());
        if (!c.ownersFile.empty()) {
            writeOwnersFile(c.ownersFile);
        }
        const CliRun listed = run(c.args);
        EXPECT_EQ(listed.status, c.status) << listed.err;
        EXPECT_NE(listed.out.find(c.out), std::string::npos) << listed.out;
        EXPECT_NE(listed.err.find(c.err), std::string::npos) << listed.err;
        if (std::string(c.what) == "broken owner's file") {
            EXPECT_NE(listed.err.find(ownersFile().string()), std::string::npos) << listed.err;
        }
    }
}

// --profile's fragment, merged into a profile, is what generate writes.
TEST_F(OperatorsCommandTest, ProfileFragmentGeneratesTheConnection) {
    const CliRun fragment = run("operators giffgaff --profile");
    ASSERT_EQ(fragment.status, 0) << fragment.err;
    auto profile = nlohmann::json::parse(R"({"model": "Ros SedgeM",
        "mms": {"phone": "07700900123", "email": "owner@example.org"}})");
    profile.merge_patch(nlohmann::json::parse(fragment.out));
    std::ofstream(dir_ / "profile.json") << profile.dump();
    fs::create_directory(dir_ / "card");
    const CliRun generated =
        run("generate " + (dir_ / "profile.json").string() + " --out " + (dir_ / "card").string());
    ASSERT_EQ(generated.status, 0) << generated.err;
    const CliRun inspected = run("inspect --json " + (dir_ / "card" / "setup.dat").string());
    ASSERT_EQ(inspected.status, 0) << inspected.err;
    const auto mms = nlohmann::json::parse(inspected.out).at("mms");
    EXPECT_EQ(mms.at("mode"), "Manual");
    EXPECT_EQ(mms.at("url"), "http://mmsc.mms.o2.co.uk:8002");
    EXPECT_EQ(mms.at("gateway"), "193.113.200.195");
    EXPECT_EQ(mms.at("port"), "8080");

    // A query that leaves more than one MMS connection names them instead.
    const CliRun several = run("operators --country de --profile");
    EXPECT_EQ(several.status, 1);
    EXPECT_EQ(several.out, "");
    EXPECT_NE(several.err.find("AldiTalk/MedionMobile"), std::string::npos) << several.err;
}

TEST_F(OperatorsCommandTest, ComparePresetsNamesTheDatabase) {
    const CliRun compared = run("operators --compare-presets");
    EXPECT_EQ(compared.status, 0) << compared.err;
    EXPECT_NE(compared.out.find(std::string("differ from ") + kInstalled), std::string::npos)
        << compared.out;
}

} // namespace
