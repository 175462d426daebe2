#include "core/operators/operator_database.h"
#include "core/operators/operator_fill.h"
#include "core/operators/operator_sources.h"
#include "core/operators/preset_comparison.h"
#include "support/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace rosmossel {
namespace {

// A small file in the real one's shape: several APNs for one provider, fields
// left out, a proxy without port, names beyond ASCII, an entry without use.
constexpr const char* kFixture = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE serviceproviders SYSTEM "serviceproviders.2.dtd">
<serviceproviders format="2.0">
<country code="GB">
  <name>United Kingdom</name>
  <provider>
    <name>Zeta Mobile</name>
    <gsm>
      <network-id mcc="234" mnc="10"/>
      <network-id mcc="234" mnc="02"/>
      <apn value="zeta.web"><usage type="internet"/><username>zu</username><password>zp</password></apn>
      <apn value="zeta.mms">
        <usage type="mms"/><name>Zeta MMS</name><username>mu</username><password>mp</password>
        <mmsc>http://mmsc.zeta.example:8002</mmsc><mmsproxy>10.1.2.3:8080</mmsproxy>
      </apn>
      <apn value="zeta.mms2"><usage type="mms"/><mmsc>http://mms2.zeta.example</mmsc><mmsproxy>proxy.zeta.example</mmsproxy></apn>
      <apn value="zeta.plain"><name>No use named</name></apn>
    </gsm>
  </provider>
  <provider><name>alpha</name><cdma><sid value="1"/></cdma></provider>
</country>
<country code="hu">
  <name xml:lang="hu">Magyarország</name>
  <name>Hungary</name>
  <provider>
    <name>Ügyfél Távközlés</name>
    <gsm><network-id mcc="216" mnc="30"/>
      <apn value="mms.ügyfél"><usage type="mms"/><mmsc>http://mms.example.hu/</mmsc></apn>
    </gsm>
  </provider>
</country>
<country code="xx"><provider><name>Nameless land</name><gsm>
  <apn value="x.net"/></gsm></provider></country>
</serviceproviders>
)";

OperatorDatabase fixture() {
    auto parsed = ParseOperatorDatabase(kFixture);
    EXPECT_TRUE(std::holds_alternative<OperatorDatabase>(parsed));
    return std::get<OperatorDatabase>(parsed);
}

struct Row {
    std::string country, provider, url, apn, gateway, port, account, password;
};

TEST(OperatorDatabase, ConnectionsOfEachUse) {
    const OperatorDatabase database = fixture();
    const struct {
        ApnUse use;
        std::vector<Row> rows;
    } cases[] = {
        // Sorted by country name (Hungary before United Kingdom), then APN.
        {ApnUse::Mms,
         {{"Hungary", "Ügyfél Távközlés", "http://mms.example.hu/", "mms.ügyfél", "", "", "", ""},
          {"United Kingdom", "Zeta Mobile", "http://mmsc.zeta.example:8002", "zeta.mms", "10.1.2.3",
           "8080", "mu", "mp"},
          {"United Kingdom", "Zeta Mobile", "http://mms2.zeta.example", "zeta.mms2",
           "proxy.zeta.example", "", "", ""}}},
        // An APN without a use is a data connection; a country without a
        // name shows its code; internet APNs carry no MMS values.
        {ApnUse::Internet,
         {{"United Kingdom", "Zeta Mobile", "", "zeta.plain", "", "", "", ""},
          {"United Kingdom", "Zeta Mobile", "", "zeta.web", "", "", "zu", "zp"},
          {"xx", "Nameless land", "", "x.net", "", "", "", ""}}},
    };
    for (const auto& c : cases) {
        const auto rows = OperatorConnections(database, c.use);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(c.rows[i].apn);
            const Row got{rows[i].countryName, rows[i].provider, rows[i].url,     rows[i].apn,
                          rows[i].gateway,     rows[i].port,     rows[i].account, rows[i].password};
            EXPECT_EQ(got.country, c.rows[i].country);
            EXPECT_EQ(got.provider, c.rows[i].provider);
            EXPECT_EQ(got.url, c.rows[i].url);
            EXPECT_EQ(got.apn, c.rows[i].apn);
            EXPECT_EQ(got.gateway, c.rows[i].gateway);
            EXPECT_EQ(got.port, c.rows[i].port);
            EXPECT_EQ(got.account, c.rows[i].account);
            EXPECT_EQ(got.password, c.rows[i].password);
        }
    }
    EXPECT_EQ(database.countries[0].code, "gb"); // codes compare in lower case
}

TEST(OperatorDatabase, BrokenFilesNameTheirLine) {
    const struct {
        const char* text;
        std::size_t line;
        const char* reason;
    } cases[] = {
        {"<serviceproviders>\n<country code=\"gb\">\n<name>A</nam>\n</country>", 3, "mismatch"},
        // A file cut short names the element left open.
        {"<serviceproviders>\n<country code=\"gb\">\n", 2, "mismatch"},
        {"\n\n<?xml version=\"1.0\"?><a/>", 3, ""},
        {"<?xml version=\"1.0\"?>\n<providers/>", 2, "serviceproviders"},
        {"", 1, ""},
        {"not xml at all", 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseOperatorDatabase(c.text);
        ASSERT_TRUE(std::holds_alternative<DatabaseProblem>(parsed));
        const auto& problem = std::get<DatabaseProblem>(parsed);
        EXPECT_EQ(problem.line, c.line);
        EXPECT_NE(problem.reason.find(c.reason), std::string::npos) << problem.reason;
    }
}

TEST(OperatorDatabase, ProxyIsSplitIntoGatewayAndPort) {
    const struct {
        const char* proxy;
        const char* gateway;
        const char* port;
    } cases[] = {
        {"193.113.200.195:8080", "193.113.200.195", "8080"},
        {"mms.example.org", "mms.example.org", ""},
        {"mms.example.org:", "mms.example.org", ""},
        {"", "", ""},
        {"http://proxy.example", "http://proxy.example", ""},
    };
    for (const auto& c : cases) {
        const auto [gateway, port] = SplitProxy(c.proxy);
        EXPECT_EQ(gateway, c.gateway) << c.proxy;
        EXPECT_EQ(port, c.port) << c.proxy;
    }
}

TEST(OperatorDatabase, QueryMatchesCountryOperatorOrNetwork) {
    const auto rows = OperatorConnections(fixture(), ApnUse::Mms);
    const auto& hungary = rows[0];
    const auto& zeta = rows[1];
    const struct {
        const char* query;
        const char* country;
        bool hungaryMatches, zetaMatches;
    } cases[] = {
        {"", "", true, true},           {"kingdom", "", false, true},
        {"ZETA", "", false, true},      {"234-10", "", false, true},
        {"23402", "", false, true},     {"gb", "", false, true}, // a code, not a part of a name
        {"zeta 216", "", false, false}, {"ügyfél", "", true, false},
        {"mms2", "", false, false},     {"", "HU", true, false},
        {"zeta", "hu", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.query) + " / " + c.country);
        EXPECT_EQ(MatchesQuery(hungary, c.query, c.country), c.hungaryMatches);
        EXPECT_EQ(MatchesQuery(zeta, c.query, c.country), c.zetaMatches);
    }
}

// The first readable file wins; a broken one is named with its line and
// passed over; a missing one is no problem.
TEST(OperatorDatabase, FirstReadableFileWins) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("rosmossel-operators-" + std::to_string(testing::ProcessId()));
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(std::filesystem::create_directories(folder));
    struct Cleanup {
        std::filesystem::path folder;
        ~Cleanup() { std::filesystem::remove_all(folder); }
    } cleanup{folder};
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    };
    const std::string good = write("good.xml", kFixture);
    const std::string broken = write("broken.xml", "<serviceproviders>\n\n<country></c>\n");
    const std::string missing = (folder / "missing.xml").string();
    std::filesystem::create_directory(folder / "folder.xml");
    const std::string directory = (folder / "folder.xml").string();

    const struct {
        std::vector<std::string> paths;
        std::string used;
        std::vector<std::string> problems;
    } cases[] = {
        {{missing, good}, good, {}},
        {{broken, good}, good, {broken + ": line 3: "}},
        {{directory, broken}, "", {directory + ": a folder", broken + ": line 3: "}},
        {{missing}, "", {}},
#ifndef _WIN32
        {{"/dev/zero", good}, good, {"/dev/zero: not a regular file"}},
#endif
    };
    for (const auto& c : cases) {
        const OperatorDatabaseLoad load = LoadOperatorDatabase(c.paths);
        EXPECT_EQ(load.database ? load.database->path : std::string(), c.used);
        ASSERT_EQ(load.problems.size(), c.problems.size());
        for (std::size_t i = 0; i < c.problems.size(); ++i) {
            EXPECT_EQ(load.problems[i].rfind(c.problems[i], 0), 0u) << load.problems[i];
        }
    }
}

// All six values or none: a value cut short would connect nowhere.
TEST(OperatorDatabase, FillTakesEveryValueOrNone) {
    const std::string url50 = "http://" + std::string(43, 'u');
    OperatorConnection fits;
    fits.url = url50;
    fits.apn = std::string(30, 'a');
    fits.gateway = "10.0.0.1";
    fits.port = "8080";
    fits.account = "acc";
    fits.password = "pw";
    const auto with = [&](std::string OperatorConnection::*member, std::string value) {
        OperatorConnection c = fits;
        c.*member = std::move(value);
        return c;
    };
    const struct {
        const char* what;
        OperatorConnection connection;
        int codePage;
        std::optional<MmsText> refused;
    } cases[] = {
        {"every value at its limit", fits, 1252, std::nullopt},
        {"URL one byte over", with(&OperatorConnection::url, url50 + "x"), 1252, MmsText::Url},
        {"password over", with(&OperatorConnection::password, std::string(31, 'p')), 1252,
         MmsText::Password},
        {"not in the code page", with(&OperatorConnection::account, "\xe4\xb8\xad"), 1252,
         MmsText::Account},
        {"the same in GBK", with(&OperatorConnection::account, "\xe4\xb8\xad"), 936, std::nullopt},
        {"not UTF-8", with(&OperatorConnection::apn, "\xff"), 1252, MmsText::Apn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MmsSettings settings;
        settings.url = "typed";
        const auto refused = FillMmsConnection(settings, c.connection, c.codePage);
        EXPECT_EQ(refused, c.refused);
        EXPECT_EQ(settings.url, c.refused ? "typed" : c.connection.url);
        EXPECT_EQ(settings.port, c.refused ? "" : "8080");
    }
    SmtpSettings smtp;
    EXPECT_EQ(FillGprsConnection(smtp, with(&OperatorConnection::apn, std::string(33, 'a')), 1252),
              SmtpText::Apn);
    EXPECT_EQ(FillGprsConnection(smtp, fits, 1252), std::nullopt);
    EXPECT_EQ(smtp.apn, fits.apn);
    EXPECT_EQ(smtp.gprsPassword, "pw");
}

// A slot is reported where its network has no entry of its use, or where
// the closest entry differs; never for an entry that matches.
TEST(OperatorDatabase, PresetSlotsComparedByNetwork) {
    // China's slots: China Mobile 460-00 (MMS cmwap via 10.0.0.172; GPRS
    // cmnet), China Unicom 460-01 (MMS 3gwap).
    const auto parsed = ParseOperatorDatabase(R"(<serviceproviders><country code="cn">
      <provider><name>Mobile A</name><gsm><network-id mcc="460" mnc="00"/>
        <apn value="cmwap"><usage type="mms"/><mmsc>http://mmsc.monternet.com</mmsc>
          <mmsproxy>10.0.0.172:80</mmsproxy></apn>
        <apn value="cmnet"><usage type="internet"/></apn></gsm></provider>
      <provider><name>Unicom B</name><gsm><network-id mcc="460" mnc="01"/>
        <apn value="other"><usage type="mms"/><mmsc>http://mmsc.myuni.com.cn</mmsc>
          <mmsproxy>10.0.0.172</mmsproxy></apn>
        <apn value="wrong"><usage type="mms"/><mmsc>http://elsewhere</mmsc></apn></gsm></provider>
    </country></serviceproviders>)");
    ASSERT_TRUE(std::holds_alternative<OperatorDatabase>(parsed));
    const auto differences = ComparePresets(std::get<OperatorDatabase>(parsed));
    const auto find = [&](ApnUse use, const std::string& network) -> const PresetDifference* {
        for (const auto& d : differences) {
            if (d.use == use && d.network == network) {
                return &d;
            }
        }
        return nullptr;
    };
    EXPECT_EQ(find(ApnUse::Mms, "460-00"), nullptr);
    EXPECT_EQ(find(ApnUse::Internet, "460-00"), nullptr);
    const PresetDifference* unicom = find(ApnUse::Mms, "460-01");
    ASSERT_NE(unicom, nullptr);
    EXPECT_EQ(unicom->operatorName, "China Unicom");
    EXPECT_EQ(unicom->databaseProvider, "Unicom B");
    EXPECT_EQ(unicom->values,
              std::vector<std::string>{"apn: preset \"3gwap\", database \"other\""});
    const PresetDifference* missing = find(ApnUse::Internet, "460-01");
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->databaseProvider.empty());
    // Every slot whose source names a network is compared.
    EXPECT_GT(MmsPresetNetworks().size(), 90u);
    EXPECT_GT(GprsPresetNetworks().size(), 90u);
}

} // namespace
} // namespace rosmossel
