// The registry store as Windows runs it (under Wine in CI), on scratch hives
// under the user's key so that a test run never touches real preferences.
#include "core/session/registry_store.h"

#include "support/platform.h"

#include <gtest/gtest.h>

#include <string>

namespace rosmossel {
namespace {

// With `denied`, a standard user: the machine-wide hive may be read but not
// written.
class MaybeDeniedStore final : public RegistryPreferenceStore {
  public:
    MaybeDeniedStore(const Location& location, bool denied)
        : RegistryPreferenceStore(location), denied_(denied ? location.machine : nullptr) {}

  protected:
    LSTATUS OpenKey(HKEY hive, const std::wstring& path, REGSAM access, bool create,
                    HKEY* key) override {
        if (hive == denied_ && (create || (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0)) {
            return ERROR_ACCESS_DENIED;
        }
        return RegistryPreferenceStore::OpenKey(hive, path, access, create, key);
    }

  private:
    HKEY denied_;
};

struct StoredValue {
    DWORD type = REG_NONE;
    DWORD size = 0;
    std::wstring bytes;
    DWORD number() const { return *reinterpret_cast<const DWORD*>(bytes.data()); }
};

class RegistryStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = L"Software\\RosMosselTests-" + std::to_wstring(testing::ProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
        location_.machine = hive(L"\\Machine");
        location_.user = hive(L"\\User");
    }
    void TearDown() override {
        RegCloseKey(location_.machine);
        RegCloseKey(location_.user);
        RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
    }
    HKEY hive(const std::wstring& name) const {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, (root_ + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr);
        return key;
    }
    bool keyExists(HKEY hive) const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(hive, kPreferencesSubKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    // What RegQueryValueExW reports, as another program would see it.
    std::optional<StoredValue> query(HKEY hive, const wchar_t* name) const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(hive, kPreferencesSubKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        StoredValue value;
        value.bytes.resize(512);
        value.size = 1024;
        const LSTATUS status =
            RegQueryValueExW(key, name, nullptr, &value.type,
                             reinterpret_cast<BYTE*>(value.bytes.data()), &value.size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return value;
    }
    void setNumber(HKEY hive, const wchar_t* name, DWORD number) const {
        RegSetKeyValueW(hive, kPreferencesSubKey, name, REG_DWORD, &number, sizeof(number));
    }

    std::wstring root_;
    RegistryPreferenceStore::Location location_;
};

TEST_F(RegistryStoreTest, FirstRunCreatesTheKeyWithTypedValuesUserHiveOnlyWhenMachineDenied) {
    const struct {
        const char* what;
        bool denied;
        bool installerKey;   // the machine-wide key exists, language 3
        bool earlierUserKey; // the user's key exists, language 3
        bool inMachine;
    } cases[] = {
        {"machine hive writable", false, false, false, true},
        {"machine hive writable, user key from an earlier run", false, false, true, true},
        {"machine hive denied", true, false, false, false},
        {"machine hive denied, key made by an installer", true, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (HKEY hive : {location_.machine, location_.user}) {
            RegDeleteTreeW(hive, L"Software");
        }
        if (c.installerKey) {
            setNumber(location_.machine, L"language", 3);
        }
        if (c.earlierUserKey) {
            setNumber(location_.user, L"language", 3);
        }
        MaybeDeniedStore store(location_, c.denied);
        EXPECT_EQ(SettleStartup(store, 1031), (StartupChoices{0, 0, 2, 1, 0}));

        const HKEY used = c.inMachine ? location_.machine : location_.user;
        for (const auto& [name, number] :
             {std::pair{L"language", 2u}, {L"model", 1u}, {L"TvMode", 0u}}) {
            const auto value = query(used, name);
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(value->size, 4u);
            EXPECT_EQ(value->number(), number);
        }
        const auto company = query(used, L"Company");
        ASSERT_TRUE(company.has_value());
        EXPECT_EQ(company->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(company->size, 260u);
        EXPECT_EQ(Utf8FromWide(company->bytes.c_str()), kCompanyName);
        EXPECT_EQ(company->bytes.substr(0, 130).find_first_not_of(L'\0', kCompanyName.size()),
                  std::wstring::npos);

        // The other hive is left as it was.
        const HKEY other = c.inMachine ? location_.user : location_.machine;
        EXPECT_EQ(keyExists(other), c.installerKey || c.earlierUserKey);
        if (keyExists(other)) {
            EXPECT_EQ(query(other, L"language")->number(), 3u);
            EXPECT_FALSE(query(other, L"model").has_value());
        }
    }
}

TEST_F(RegistryStoreTest, StoredValuesReadByTheRules) {
    for (const bool denied : {false, true}) {
        SCOPED_TRACE(denied ? "user hive" : "machine hive");
        RegDeleteTreeW(location_.machine, L"Software");
        RegDeleteTreeW(location_.user, L"Software");
        MaybeDeniedStore store(location_, denied);
        SettleStartup(store, 1031);
        const HKEY used = denied ? location_.user : location_.machine;

        setNumber(used, L"language", 0x00010003);
        EXPECT_EQ(ReadLanguage(store, 2).language, 3);
        EXPECT_EQ(SettleStartup(store, 1031).currentLanguage, 3);

        RegDeleteKeyValueW(used, kPreferencesSubKey, L"model");
        EXPECT_EQ(ReadModel(store), std::nullopt);
        EXPECT_EQ(SettleStartup(store, 1031).currentModel, 1);
        EXPECT_EQ(query(used, L"model")->number(), 1u);

        // Later changes land in the same hive.
        EXPECT_TRUE(WriteModel(store, 4));
        EXPECT_EQ(query(used, L"model")->number(), 4u);
        EXPECT_TRUE(WriteLanguage(store, 0x12345));
        EXPECT_EQ(query(used, L"language")->number(), 0x2345u);
    }
}

} // namespace
} // namespace rosmossel
