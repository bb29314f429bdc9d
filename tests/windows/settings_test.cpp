// The settings store against Wine's real registry, under the key the program's title names, and
// the title itself.
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "app_title.h"
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

// What another program, an older version or a damaged profile may have stored under any spelling
// of the name. The defaults (77 and "default") stand only for what is missing or unusable.
TEST_F(Settings, ReadsWhatTheRegistryHolds) {
    struct Case { const char* name; DWORD type; std::string bytes; int number; std::string text; };
    const Case cases[] = {
        {nullptr, REG_NONE, "", 77, "default"},  // nothing stored
        {"value", REG_DWORD, std::string("\5\0\0\0", 4), 5, "default"},
        {"VALUE", REG_DWORD, std::string(4, '\0'), 0, "default"},
        {"value", REG_DWORD, std::string("\5\0", 2), 77, "default"},
        {"value", REG_BINARY, std::string("\5\0\0\0", 4), 77, "default"},
        {"value", REG_SZ, "abc", 77, "abc"},                   // no closing zero
        {"value", REG_SZ, std::string("x\0y\0", 4), 77, "x"},  // the text ends at the first zero
        {"value", REG_SZ, "", 77, ""},
        {"value", REG_SZ, std::string(3000, 'y'), 77, std::string(3000, 'y')},
        {"value", REG_EXPAND_SZ, std::string("%TEMP%\0", 7), 77, "default"},
    };
    for (const Case& c : cases) {
        ::RegDeleteValueA(m_key, "value");
        auto bytes = reinterpret_cast<const BYTE*>(c.bytes.data());
        if (c.name) ::RegSetValueExA(m_key, c.name, 0, c.type, bytes, static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(AfxGetApp()->GetProfileInt("Section", "Value", 77), c.number) << c.type << c.bytes.substr(0, 9);
        EXPECT_EQ(AfxGetApp()->GetProfileString("Section", "Value", "default"), c.text) << c.type << c.bytes;
    }
}

// Written with the types the table above reads: REG_DWORD (4) and REG_SZ (1) with its zero.
TEST_F(Settings, WritesWithTheRegistryTypes) {
    ASSERT_TRUE(AfxGetApp()->WriteProfileInt("Section", "Number", -2));
    ASSERT_TRUE(AfxGetApp()->WriteProfileString("Section", "Text", "C:\\My Files\\*.TXT"));
    auto stored = [this](const char* name) {
        DWORD type = REG_NONE, size = 64;
        char bytes[64] = {};
        ::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes), &size);
        return std::to_string(type) + ":" + std::string(bytes, size);
    };
    EXPECT_EQ(stored("NUMBER"), "4:\xfe\xff\xff\xff");
    EXPECT_EQ(stored("TEXT"), std::string("1:C:\\My Files\\*.TXT\0", 20));
}

TEST(AppTitle, IsTheFileNameWithoutFolderAndLastExtension) {
    for (auto [path, title] : {std::pair{"C:\\Apps\\Tuv.EXE", "Tuv"}, {"C:\\my.folder\\calc", "calc"},
                               {"C:\\a\\calc.v2.exe", "calc.v2"}, {"Z:/work/tuv.exe", "tuv"}, {"C:tuv.exe", "tuv"}}) {
        EXPECT_EQ(AppTitleFromPath(path), title) << path;
    }
}

}  // namespace
