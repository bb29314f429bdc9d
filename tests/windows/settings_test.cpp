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

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
        AfxGetApp()->SetRegistryKey(kCompanyKey);
        std::string section = std::string(kKey) + "\\Section";
        ::RegCreateKeyExA(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
    }
    void TearDown() override {
        ::RegCloseKey(m_key);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    HKEY m_key = nullptr;
};

// What another program, an older version or a damaged profile may have stored (data/settings.tsv).
TEST_F(Settings, ReadsWhatTheRegistryHolds) {
    for (const Row& row : ReadRows(TABLES "settings.tsv")) {
        ::RegDeleteValueA(m_key, "value");
        const std::string& bytes = row[2];
        if (row[0] != "-")
            ::RegSetValueExA(m_key, row[0].c_str(), 0, std::stoul(row[1]), reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        EXPECT_EQ(AfxGetApp()->GetProfileInt("Section", "Value", 77), std::stoi(row[3])) << row[1] << bytes.substr(0, 9);
        EXPECT_EQ(AfxGetApp()->GetProfileString("Section", "Value", "default"), row[4]) << row[1] << bytes.substr(0, 9);
    }
}

// Texts are written as REG_SZ (1) with their zero (integers as REG_DWORD: end to end, where the
// program reads back what it stored).
TEST_F(Settings, WritesTextsWithTheirZero) {
    ASSERT_TRUE(AfxGetApp()->WriteProfileString("Section", "Text", "C:\\My Files\\*.TXT"));
    DWORD type = REG_NONE, size = 64;
    char bytes[64] = {};
    ::RegQueryValueExA(m_key, "TEXT", nullptr, &type, reinterpret_cast<BYTE*>(bytes), &size);
    EXPECT_EQ(std::to_string(type) + ":" + std::string(bytes, size), std::string("1:C:\\My Files\\*.TXT\0", 20));
}

TEST(AppTitle, IsTheFileNameWithoutFolderAndLastExtension) {
    for (auto [path, title] : {std::pair{"C:\\Apps\\Tuv.EXE", "Tuv"}, {"C:\\my.folder\\calc", "calc"},
                               {"C:\\a\\calc.v2.exe", "calc.v2"}, {"Z:/work/tuv.exe", "tuv"}, {"C:tuv.exe", "tuv"}}) {
        EXPECT_EQ(AppTitleFromPath(path), title) << path;
    }
}

}  // namespace
