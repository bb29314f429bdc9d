// The settings store against Wine's real registry, under the key the program's title names, and
// the title itself.
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "app_title.h"
#include "rows.h"
#include "tuv_app.h"

namespace {

// This test program is windows_tests.exe: its settings live here.
constexpr const char* kKey = "Software\\Quandor Technologies\\windows_tests";

// What another program, an older version or a damaged profile may have stored (data/settings.tsv)
// is read; texts are written as REG_SZ (1) with their zero (integers as REG_DWORD: end to end,
// where the program reads back what it stored).
TEST(Settings, ReadsWhatTheRegistryHoldsAndWritesTextsWithTheirZero) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    AfxGetApp()->SetRegistryKey(kCompanyKey);
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Section").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    for (const Row& row : ReadRows(TABLES "settings.tsv")) {
        ::RegDeleteValueA(key, "value");
        const std::string& bytes = row[2];
        if (row[0] != "-")
            ::RegSetValueExA(key, row[0].c_str(), 0, std::stoul(row[1]), reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        EXPECT_EQ(AfxGetApp()->GetProfileInt("Section", "Value", 77), std::stoi(row[3])) << row[1] << bytes.substr(0, 9);
        EXPECT_EQ(AfxGetApp()->GetProfileString("Section", "Value", "default"), row[4]) << row[1] << bytes.substr(0, 9);
    }
    ASSERT_TRUE(AfxGetApp()->WriteProfileString("Section", "Text", "C:\\My Files\\*.TXT"));
    DWORD type = REG_NONE, size = 64;
    char bytes[64] = {};
    ::RegQueryValueExA(key, "TEXT", nullptr, &type, reinterpret_cast<BYTE*>(bytes), &size);
    EXPECT_EQ(std::to_string(type) + ":" + std::string(bytes, size), std::string("1:C:\\My Files\\*.TXT\0", 20));
    ::RegCloseKey(key);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(AppTitle, IsTheFileNameWithoutFolderAndLastExtension) {
    for (const Row& row : ReadRows(TABLES "app_title.tsv")) EXPECT_EQ(AppTitleFromPath(row[0]), row[1]) << row[0];
}

}  // namespace
