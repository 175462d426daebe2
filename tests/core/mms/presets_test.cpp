#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rosmossel {
namespace {

struct ExpectedMmsCountry {
    std::string country;
    std::vector<std::pair<std::string, std::string>> operators; // name, port
};

// The names and ports the MMS dialogs must offer, in index order.
const std::vector<ExpectedMmsCountry> kExpectedMms = {
    {"China", {{"China Mobile", "80"}, {"China Unicom", "80"}}},
    {"United States", {{"T-Mobile", "8080"}, {"AT&T", "80"}}},
    {"Deutschland", {{"Vodafone", "80"}, {"T-Mobile", "8008"}, {"E-Plus", "8080"}, {"O2", "8080"}}},
    {"United Kingdom",
     {{"Vodafone", "9201"},
      {"O2", "8080"},
      {"O2 Payandgo", "8080"},
      {"Orange", "8080"},
      {"3", "8799"},
      {"Virgin", "8080"},
      {"Vodafone Prepay", "8799"},
      {"BT Mobile", "8799"},
      {"ASDA Mobile", "9201"}}},
    {"Canada", {{"Fido", "8080"}, {"Rogers", "8080"}}},
    {"Sweden", {{"Telenor", "8799"}, {"Telia", "8080"}}},
    {"Slovenia", {{"Mobitel", "8080"}, {"Izi Mobil", "8080"}, {"Si Mobil", "8080"}}},
    {"Portugal", {{"Optimus", "8799"}, {"Vodafone", "8799"}}},
    {"Turkey", {{"Avea", "8080"}}},
    {"Schweiz", {{"Orange", "8080"}, {"Sunrise", "8080"}}},
    {"Spain", {{"Orange", "8080"}, {"Vodafone", "80"}, {"Telstra", "8080"}}},
    {"Slovakia", {{"T-Mobile", "8080"}, {"Orange", "8799"}, {"O2", "8080"}}},
    {"Russia", {{"A Mobile", "8080"}, {"Beeline", "8080"}}},
    {"Romania", {{"Orange", "8080"}}},
    {"Poland", {{"ERA", "8080"}, {"Orange", "8080"}}},
    {"Netherlands", {{"T-Mobile", "8080"}, {"Vodafone", "8799"}}},
    {"Italy", {{"TIM", "80"}, {"Vodafone", "8080"}}},
    {"Ireland", {{"Meteor", "8799"}, {"Vodafone", "80"}, {"", "8080"}}},
    {"Hungary", {{"T-Mobile", "8080"}, {"Vodafone", "8080"}}},
    {"Greece", {{"T-Cosmote", "8080"}, {"Vodafone", "8080"}}},
    {"France", {{"Bouygues", "8080"}, {"Orange", "8080"}}},
    {"Australia",
     {{"Optus", "8070"},
      {"Telstra", "80"},
      {"Mic1", "9201"},
      {"Vodafone", "8080"},
      {"Three", "8799"},
      {"Virgin", "8070"}}},
    {"Oesterreich", {{"A1", "8001"}, {"T-Mobile", "80"}}},
    {"Brazil", {{"Brazil Telecom", "8080"}, {"Claro", "8080"}}},
    {"Bulgaria", {{"Globul", "8004"}, {"Mtel", "8080"}, {"Vivacom", "8080"}}},
    {"Croatia", {{"VIPNet", "8080"}}},
    {"Ceska republika",
     {{"Eurotel", "8080"}, {"O2", "8080"}, {"T-Mobile", "80"}, {"Vodafone", "80"}}},
    {"Denmark", {{"Sonofon", "8080"}, {"TDC", "8080"}}},
    {"Finland", {{"Alands", "8080"}, {"DNA", "8080"}, {"Sonera", "80"}, {"Elisa", "80"}}},
    {"New Zealand", {{"Vodafone", "8080"}}},
    {"Norway", {{"Netcom", "8080"}, {"Telenor", "8080"}, {"Onecall", "80"}}},
    {"South Africa", {{"Cell C", "8080"}, {"Virgin", "8080"}, {"MTN", "8080"}}},
    {"Egypt", {{"MobilNil", "8080"}, {"Vodafone", "8080"}}},
    {"Ukraine", {{"KiyvStar", "8080"}, {"MTS", "8080"}, {"LIFE", "8080"}, {"Beeline UA", "8080"}}},
    {"Lithuania", {{"Omnitel", "8080"}, {"Omnitel Ezio", "8080"}, {"Tele2 Pildyk", "8080"}}},
    {"India",
     {{"Idea", "8080"},
      {"CellOne", "8080"},
      {"BPL", "8080"},
      {"Airtel", "8080"},
      {"VodaFone", "8080"}}},
    {"Latvia", {{"Okarte", "80"}}},
    {"Namibia", {{"MTC", "80"}}},
    {"Estonia", {{"EMT", "8080"}, {"ELISA", "8000"}, {"TELE2", "9201"}}},
};

struct ExpectedGprsCountry {
    std::string country;
    std::vector<std::string> operators;
};

const std::vector<ExpectedGprsCountry> kExpectedGprs = {
    {"China", {"China Mobile", "China Unicom"}},
    {"United States", {"T-Mobile", "AT&T"}},
    {"Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"}},
    {"United Kingdom",
     {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"}},
    {"Canada", {"Fido", "Rogers"}},
    {"Sweden", {"Telenor", "Telia", "Tele2"}},
    {"Slovenia", {"Mobitel"}},
    {"Portugal", {"Optimus", "Vodafone"}},
    {"Turkey", {"Avea"}},
    {"Schweiz", {"Orange", "Sunrise"}},
    {"Spain", {"Amena", "Vodafone", "Telefonica"}},
    {"Slovakia", {"T-Mobile", "Orange", "O2"}},
    {"Russia", {"MTS", "Beeline"}},
    {"Romania", {"Orange"}},
    {"Poland", {"ERA", "Orange"}},
    {"Netherlands", {"T-Mobile", "Vodafone"}},
    {"Italy", {"TIM", "Vodafone"}},
    {"Ireland", {"Meteor", "Vodafone", ""}},
    {"Hungary", {"Pannon (contract)", "Vodafone"}},
    {"Greece", {"T-Cosmote", "Vodafone"}},
    {"France", {"Bouygues", "Orange"}},
    {"Australia", {"Optus", "Telstra", "Vodafone", "Three", "Virgin"}},
    {"Oesterreich", {"A1", "T-Mobile"}},
    {"Brazil", {"Brazil Telecom", "Claro"}},
    {"Bulgaria", {"Globul", "Mtel", "Vivacom"}},
    {"Croatia", {"VIPNet"}},
    {"Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"}},
    {"Denmark", {"TDC"}},
    {"Finland", {"Radiolinja", "DNA", "Sonera", "Elisa"}},
    {"New Zealand", {"Vodafone"}},
    {"Norway", {"Netcom", "Telenor"}},
    {"South Africa", {"Cell C", "Vodacom", "MTN"}},
    {"Egypt", {"MobilNil", "Vodafone"}},
    {"Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA"}},
    {"Lithuania", {"Omnitel"}},
    {"India", {"Idea", "BPL", "Airtel", "VodaFone"}},
    {"Latvia", {"LMT"}},
    {"Namibia", {"MTC"}},
    {"Estonia", {"EMT", "ELISA", "TELE2"}},
};

TEST(OperatorPresetTable, NamesAndPortsAreTheFixedLists) {
    const auto& table = OperatorPresetTable();
    ASSERT_EQ(kExpectedMms.size(), 39u);
    int used = 0;
    for (std::size_t c = 0; c < kExpectedMms.size(); ++c) {
        const auto& expected = kExpectedMms[c];
        const auto& row = table[c];
        EXPECT_EQ(row.name, expected.country);
        EXPECT_EQ(CountryList()[c], expected.country);
        ASSERT_EQ(row.count, static_cast<int>(expected.operators.size())) << expected.country;
        for (std::size_t o = 0; o < expected.operators.size(); ++o) {
            EXPECT_EQ(row.operatorSlots[o].name, expected.operators[o].first) << expected.country;
            EXPECT_EQ(row.operatorSlots[o].preset.port, expected.operators[o].second)
                << expected.country;
        }
        for (std::size_t o = expected.operators.size(); o < 10; ++o) {
            EXPECT_TRUE(row.operatorSlots[o].name.empty());
            EXPECT_TRUE(row.operatorSlots[o].preset.url.empty());
        }
        used += row.count;
    }
    EXPECT_EQ(used, 103);
}

TEST(OperatorPresetTable, PresetStringsFitTheirRecords) {
    for (const auto& row : OperatorPresetTable()) {
        for (const auto& slot : row.operatorSlots) {
            const OperatorPreset& p = slot.preset;
            EXPECT_LE(p.url.size(), 50u);
            EXPECT_LE(p.apn.size(), 30u);
            EXPECT_LE(p.gateway.size(), 20u);
            EXPECT_LE(p.port.size(), 10u);
            EXPECT_LE(p.account.size(), 30u);
            EXPECT_LE(p.password.size(), 30u);
        }
    }
}

TEST(OperatorPresetTable, ListsAndLookUp) {
    EXPECT_EQ(CountryListChinese()[0], "中国");
    EXPECT_EQ(CountryList()[0], "China");
    EXPECT_TRUE(std::equal(CountryList().begin() + 1, CountryList().end(),
                           CountryListChinese().begin() + 1));
    EXPECT_EQ(OperatorNames(0, 1), (std::vector<std::string>{"中国移动", "中国联通"}));
    EXPECT_EQ(OperatorNames(0, 3), (std::vector<std::string>{"China Mobile", "China Unicom"}));
    EXPECT_EQ(OperatorNames(3, 2).size(), 9u);
    EXPECT_EQ(OperatorNames(17, 2).back(), "");

    const OperatorPreset* chinaMobile = LookUpOperatorPreset(0, 0);
    ASSERT_NE(chinaMobile, nullptr);
    EXPECT_EQ(chinaMobile->port, "80");
    EXPECT_FALSE(chinaMobile->url.empty());
    EXPECT_NE(LookUpOperatorPreset(17, 2), nullptr);
    EXPECT_EQ(LookUpOperatorPreset(17, 3), nullptr);
    EXPECT_EQ(LookUpOperatorPreset(39, 0), nullptr);
    EXPECT_EQ(LookUpOperatorPreset(-1, 0), nullptr);
    EXPECT_EQ(LookUpOperatorPreset(0x80, 0), nullptr);
}

TEST(GprsPresetTable, NamesAreTheFixedLists) {
    const auto& table = GprsPresetTable();
    ASSERT_EQ(kExpectedGprs.size(), 39u);
    int used = 0;
    for (std::size_t c = 0; c < kExpectedGprs.size(); ++c) {
        EXPECT_EQ(table[c].name, kExpectedGprs[c].country);
        EXPECT_EQ(table[c].name, CountryList()[c]);
        EXPECT_EQ(GprsOperatorNames(static_cast<int>(c)), kExpectedGprs[c].operators)
            << kExpectedGprs[c].country;
        used += table[c].count;
        for (const auto& slot : table[c].operatorSlots) {
            EXPECT_LE(slot.preset.apn.size(), 32u);
            EXPECT_LE(slot.preset.account.size(), 32u);
            EXPECT_LE(slot.preset.password.size(), 32u);
        }
    }
    EXPECT_EQ(used, 95);
    const GprsPreset* empty = LookUpGprsPreset(17, 2);
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->apn.empty() && empty->account.empty() && empty->password.empty());
    EXPECT_EQ(LookUpGprsPreset(3, 8), nullptr);
}

} // namespace
} // namespace rosmossel
