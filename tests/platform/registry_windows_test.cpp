// The installation path and the owner's name from the real registry, under
// the switches that override them.
#include <windows.h>

#include <filesystem>
#include <string>

#include "common/utf8_file.h"
#include "platform/os_services.h"
#include "screens/high_score_table.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

constexpr wchar_t kMakerKey[] = L"SOFTWARE\\Kelvo Plaix";
constexpr char kInstallKey[] = "SOFTWARE\\Kelvo Plaix\\Tidewell-Vantor";
constexpr char kOwnerKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

bool setValue(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr))
        return false;
    auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    bool ok = !RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(opened);
    return ok;
}

std::string query(const char* key, const char* valueName) {
    std::string text;
    return platform::os::queryRegistry(key, valueName, text) ? text : "(none)";
}

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMakerKey); }
    testing::ScopedEnv home{"VANTOR_HOME", nullptr};
    testing::ScopedEnv owner{"VANTOR_OWNER", nullptr};
};

TEST_F(RegistryTest, TheInstallationPathComesFromItsKeyUnlessVantorHomeSaysOtherwise) {
    testing::ScopedEnv appData("APPDATA", nullptr);
    EXPECT_EQ(query(kInstallKey, ""), "(none)");
    ASSERT_TRUE(setValue(L"SOFTWARE\\Kelvo Plaix\\Tidewell-Vantor", nullptr, L"C:\\Games\\Прилив 游戏\\"));
    EXPECT_EQ(query(kInstallKey, ""), "C:\\Games\\Прилив 游戏\\");
    {
        testing::ScopedEnv chosen("VANTOR_HOME", "D:\\Scores\\");
        EXPECT_EQ(query(kInstallKey, ""), "D:\\Scores\\");
    }
    testing::ScopedEnv none("VANTOR_HOME", "");
    EXPECT_EQ(query(kInstallKey, ""), "(none)");
}

// Without the key every copy, wherever it was started from, keeps one
// table in the player's roaming folder, made when missing.
TEST_F(RegistryTest, WithoutTheKeyTheScoresLiveInTheRoamingFolder) {
    platform::headless::installFresh();
    testing::ScopedTempDir here;
    const std::string roaming = here.path() + "\\Профиль 档案";
    testing::ScopedEnv appData("APPDATA", roaming.c_str());
    for (const char* key : {kInstallKey, "SOFTWARE\\Kelvo Plaix\\Tidewell"})
        EXPECT_EQ(query(key, ""), roaming + "\\Vantor\\") << key;
    HighScoreTable table;
    table.reset();
    ASSERT_TRUE(table.createFile());
    table.writeBack();
    EXPECT_TRUE(std::filesystem::is_regular_file(utf8Path(roaming + "\\Vantor\\HIGH30")));
    EXPECT_FALSE(std::filesystem::exists("HIGH30"));
    testing::ScopedEnv noAppData("APPDATA", nullptr);
    EXPECT_EQ(query(kInstallKey, ""), "(none)");
}

TEST_F(RegistryTest, TheOwnerNameIsTheSystemsRegisteredOwner) {
    std::wstring before(64, L'\0');
    DWORD bytes = static_cast<DWORD>(before.size() * sizeof(wchar_t));
    bool had = !RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                             L"RegisteredOwner", RRF_RT_REG_SZ, nullptr, before.data(), &bytes);
    ASSERT_TRUE(setValue(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"RegisteredOwner", L"Вера Ось"));
    EXPECT_EQ(query(kOwnerKey, "RegisteredOwner"), "Вера Ось");
    testing::ScopedEnv forced("VANTOR_OWNER", "Test Owner");
    EXPECT_EQ(query(kOwnerKey, "RegisteredOwner"), "Test Owner");
    if (had) setValue(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"RegisteredOwner", before.c_str());
}

}  // namespace
}  // namespace vantor
