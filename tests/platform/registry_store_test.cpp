// The registry store as Windows runs it (under Wine in CI), on scratch hives
// under the user's key so that a test run never touches real preferences.
#include "platform/registry_store.h"

#include "support/platform.h"

#include <gtest/gtest.h>

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

struct Stored {
    DWORD type = REG_NONE;
    DWORD size = 1024;
    std::wstring data = std::wstring(512, L'\0');
    DWORD number() const { return *reinterpret_cast<const DWORD*>(data.data()); }
};

class RegistryStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
        for (auto [hive, name] :
             {std::pair{&where_.machine, L"\\Machine"}, {&where_.user, L"\\User"}}) {
            RegCreateKeyExW(HKEY_CURRENT_USER, (root_ + name).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, hive, nullptr);
        }
    }
    void TearDown() override {
        RegCloseKey(where_.machine);
        RegCloseKey(where_.user);
        RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
    }
    // What RegQueryValueExW reports, as another program would see it.
    static std::optional<Stored> query(HKEY hive, const wchar_t* name) {
        HKEY key = nullptr;
        Stored value;
        const bool found =
            RegOpenKeyExW(hive, kPreferencesSubKey, 0, KEY_READ, &key) == ERROR_SUCCESS &&
            RegQueryValueExW(key, name, nullptr, &value.type,
                             reinterpret_cast<BYTE*>(value.data.data()),
                             &value.size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found ? std::optional(value) : std::nullopt;
    }
    static void setNumber(HKEY hive, const wchar_t* name, DWORD number) {
        RegSetKeyValueW(hive, kPreferencesSubKey, name, REG_DWORD, &number, sizeof(number));
    }

    const std::wstring root_ = L"Software\\RosMosselTests-" + std::to_wstring(testing::ProcessId());
    RegistryPreferenceStore::Location where_;
};

TEST_F(RegistryStoreTest, FirstRunCreatesTypedValuesInTheUserHiveOnlyWhenMachineDenied) {
    const struct {
        const char* what;
        bool denied;
        bool machineKey; // made by an installer: language 3
        bool userKey;    // left by an earlier denied run: language 3
    } cases[] = {
        {"machine hive writable", false, false, false},
        {"machine hive writable, user key from an earlier run", false, false, true},
        {"machine hive denied", true, false, false},
        {"machine hive denied, key made by an installer", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RegDeleteTreeW(where_.machine, L"Software");
        RegDeleteTreeW(where_.user, L"Software");
        if (c.machineKey || c.userKey) {
            setNumber(c.machineKey ? where_.machine : where_.user, L"language", 3);
        }
        MaybeDeniedStore store(where_, c.denied);
        EXPECT_EQ(SettleStartup(store, 1031), (StartupChoices{0, 0, 2, 1, 0}));

        const HKEY used = c.denied ? where_.user : where_.machine;
        for (const auto& [name, number] :
             {std::pair{L"language", 2u}, {L"model", 1u}, {L"TvMode", 0u}}) {
            const auto value = query(used, name);
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(value->type, DWORD{REG_DWORD});
            EXPECT_EQ(value->size, 4u);
            EXPECT_EQ(value->number(), number);
        }
        const auto company = query(used, L"Company");
        ASSERT_TRUE(company.has_value());
        EXPECT_EQ(company->type, DWORD{REG_SZ});
        EXPECT_EQ(company->size, 260u);
        EXPECT_EQ(Utf8FromWide(company->data.c_str()), kCompanyName);
        // The other hive is left as it was.
        const HKEY other = c.denied ? where_.machine : where_.user;
        EXPECT_EQ(query(other, L"language").has_value(), c.machineKey || c.userKey);
        EXPECT_FALSE(query(other, L"model").has_value());
    }
}

TEST_F(RegistryStoreTest, StoredValuesFollowTheRulesInTheUserHive) {
    MaybeDeniedStore store(where_, true);
    SettleStartup(store, 1031);
    setNumber(where_.user, L"language", 0x00010003);
    EXPECT_EQ(SettleStartup(store, 1031).currentLanguage, 3);

    RegDeleteKeyValueW(where_.user, kPreferencesSubKey, L"model");
    EXPECT_EQ(ReadModel(store), std::nullopt);
    EXPECT_EQ(SettleStartup(store, 1031).currentModel, 1);
    EXPECT_EQ(query(where_.user, L"model")->number(), 1u);

    EXPECT_TRUE(WriteModel(store, 4));
    EXPECT_EQ(query(where_.user, L"model")->number(), 4u);
}

} // namespace
} // namespace rosmossel
