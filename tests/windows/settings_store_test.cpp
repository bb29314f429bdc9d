// The settings store against Wine's real registry. Each test works under a key of its own.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "app_title.h"
#include "settings_store.h"
#include "win_app.h"

namespace {

constexpr const char* kCompany = "Quandor Technologies";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_application = std::string("settings-test-") + info->name();
        DeleteApplicationKey();
        m_store.SetLocation(kCompany, m_application);
    }
    void TearDown() override { DeleteApplicationKey(); }

    std::string SectionPath(const std::string& section) const { return m_store.KeyPath() + "\\" + section; }

    void DeleteApplicationKey() {
        std::string path = std::string("Software\\") + kCompany + "\\" + m_application;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }

    bool SectionExists(const std::string& section) const {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(key);
        return true;
    }

    // Stores raw bytes of any type, as another program (or a damaged profile) might.
    void WriteRaw(const std::string& section, const std::string& name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        ::RegCloseKey(key);
    }

    DWORD StoredType(const std::string& section, const std::string& name) const {
        HKEY key = nullptr;
        DWORD type = REG_NONE;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            ::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, nullptr);
            ::RegCloseKey(key);
        }
        return type;
    }

    std::string m_application;
    SettingsStore m_store;
};

TEST_F(SettingsStoreTest, FreshKeyGivesTheProgramsDefaults) {
    struct Case {
        const char* section;
        const char* value;
        int defaultValue;
    };
    const Case cases[] = {
        {"Settings", "Tips", 1},   {"Settings", "Minimize", 0}, {"Settings", "Run At Start", 0},
        {"Expressions", "Count", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_store.GetInt(c.section, c.value, c.defaultValue), c.defaultValue) << c.value;
    }
    EXPECT_EQ(m_store.GetString("Expressions", "1"), "");
    EXPECT_EQ(m_store.GetString("Path", "TXT", "C:\\*.txt"), "C:\\*.txt");
}

TEST_F(SettingsStoreTest, FirstReadLeavesTheSectionKeyBehind) {
    ASSERT_FALSE(SectionExists("Settings"));
    m_store.GetInt("Settings", "Tips", 1);
    EXPECT_TRUE(SectionExists("Settings"));
    EXPECT_FALSE(SectionExists("Path"));
    m_store.GetString("Path", "TXT");
    EXPECT_TRUE(SectionExists("Path"));
}

TEST_F(SettingsStoreTest, ValuesReadBackAsWrittenWithTheirRegistryTypes) {
    const int integers[] = {0, 1, 21, -1, 2147483647};
    for (int value : integers) {
        ASSERT_TRUE(m_store.WriteInt("Expressions", "Count", value));
        EXPECT_EQ(m_store.GetInt("Expressions", "Count", 99), value);
    }
    EXPECT_EQ(StoredType("Expressions", "Count"), static_cast<DWORD>(REG_DWORD));

    const std::string texts[] = {"sin(45)+56/2", "", "C:\\My Files\\*.TXT", std::string(3000, 'x'), "\xe9t\xe9"};
    for (const std::string& text : texts) {
        ASSERT_TRUE(m_store.WriteString("Expressions", "1", text));
        EXPECT_EQ(m_store.GetString("Expressions", "1", "default"), text);
    }
    EXPECT_EQ(StoredType("Expressions", "1"), static_cast<DWORD>(REG_SZ));
}

TEST_F(SettingsStoreTest, ValueNamesMatchWithoutRegardToCase) {
    struct Case {
        const char* written;
        const char* read;
    };
    const Case cases[] = {
        {"Run at start", "Run At Start"},
        {"RUN AT START", "run at start"},
        {"minimize", "Minimize"},
    };
    int value = 1;
    for (const Case& c : cases) {
        ASSERT_TRUE(m_store.WriteInt("Settings", c.written, value));
        EXPECT_EQ(m_store.GetInt("Settings", c.read, -7), value) << c.written << " / " << c.read;
        ++value;
    }
    // Rewriting under another spelling changes the one value, it does not add a second.
    m_store.WriteInt("Settings", "Run At Start", 0);
    m_store.WriteInt("Settings", "Run at start", 1);
    EXPECT_EQ(m_store.GetInt("Settings", "Run At Start", 0), 1);
    ASSERT_TRUE(m_store.WriteString("path", "txt", "D:\\*.TXT"));
    EXPECT_EQ(m_store.GetString("Path", "TXT"), "D:\\*.TXT");
}

TEST_F(SettingsStoreTest, IntegerOfWrongTypeOrSizeReadsAsItsDefault) {
    const DWORD four = 5;
    const char text[] = "1";
    const unsigned long long eight = 6;
    const WORD two = 7;
    struct Case {
        const char* what;
        DWORD type;
        const void* data;
        DWORD size;
    };
    const Case cases[] = {
        {"string", REG_SZ, text, sizeof(text)},
        {"four binary bytes", REG_BINARY, &four, sizeof(four)},
        {"64-bit integer", REG_QWORD, &eight, sizeof(eight)},
        {"two-byte dword", REG_DWORD, &two, sizeof(two)},
        {"eight-byte dword", REG_DWORD, &eight, sizeof(eight)},
        {"empty dword", REG_DWORD, nullptr, 0},
    };
    for (const Case& c : cases) {
        WriteRaw("Settings", "Tips", c.type, c.data, c.size);
        EXPECT_EQ(m_store.GetInt("Settings", "Tips", 1), 1) << c.what;
        EXPECT_EQ(m_store.GetInt("Settings", "Tips", 0), 0) << c.what;
    }
}

TEST_F(SettingsStoreTest, StringOfWrongTypeReadsAsItsDefault) {
    const DWORD number = 3;
    const char expandable[] = "%TEMP%\\*.TXT";
    const char binary[] = {'a', 'b'};
    WriteRaw("Path", "TXT", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(m_store.GetString("Path", "TXT", "C:\\*.txt"), "C:\\*.txt");
    WriteRaw("Path", "TXT", REG_EXPAND_SZ, expandable, sizeof(expandable));
    EXPECT_EQ(m_store.GetString("Path", "TXT"), "");
    WriteRaw("Path", "TXT", REG_BINARY, binary, sizeof(binary));
    EXPECT_EQ(m_store.GetString("Path", "TXT", "d"), "d");
}

TEST_F(SettingsStoreTest, StoredStringsWithoutOrWithExtraZerosReadSafely) {
    const char unterminated[] = {'a', 'b', 'c'};
    WriteRaw("Expressions", "1", REG_SZ, unterminated, sizeof(unterminated));
    EXPECT_EQ(m_store.GetString("Expressions", "1"), "abc");
    const char inner[] = {'x', '\0', 'y', '\0'};
    WriteRaw("Expressions", "2", REG_SZ, inner, sizeof(inner));
    EXPECT_EQ(m_store.GetString("Expressions", "2"), "x");
    WriteRaw("Expressions", "3", REG_SZ, nullptr, 0);
    EXPECT_EQ(m_store.GetString("Expressions", "3", "default"), "");
}

TEST_F(SettingsStoreTest, WithoutLocationReadsGiveDefaultsAndWritesFail) {
    SettingsStore unplaced;
    EXPECT_FALSE(unplaced.HasLocation());
    EXPECT_EQ(unplaced.GetInt("Settings", "Tips", 1), 1);
    EXPECT_EQ(unplaced.GetString("Path", "TXT", "C:\\*.txt"), "C:\\*.txt");
    EXPECT_FALSE(unplaced.WriteInt("Settings", "Tips", 0));
    EXPECT_FALSE(unplaced.WriteString("Path", "TXT", "x"));
}

TEST_F(SettingsStoreTest, SectionThatCannotBeCreatedGivesDefaultsAndFailedWrites) {
    const std::string tooLong(300, 's');  // longer than a key name may be
    EXPECT_EQ(m_store.GetInt(tooLong, "Tips", 1), 1);
    EXPECT_EQ(m_store.GetString(tooLong, "TXT", "C:\\*.txt"), "C:\\*.txt");
    EXPECT_FALSE(m_store.WriteInt(tooLong, "Tips", 0));
    EXPECT_FALSE(m_store.WriteString(tooLong, "TXT", "x"));
}

TEST(AppTitle, IsTheFileNameWithoutFolderAndExtension) {
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Calvo\\tuv.exe", "tuv"},
        {"C:\\Apps\\Tuv.EXE", "Tuv"},
        {"C:\\Apps\\renamed.exe", "renamed"},
        {"C:\\my.folder\\calc", "calc"},
        {"C:\\Apps\\calc.v2.exe", "calc.v2"},
        {"\\\\server\\share\\tuv.exe", "tuv"},
        {"Z:/work/build/tuv.exe", "tuv"},
        {"tuv.exe", "tuv"},
        {"C:tuv.exe", "tuv"},
    };
    for (const Case& c : cases) EXPECT_EQ(AppTitleFromPath(c.path), c.title) << c.path;
}

TEST(AppTitle, OfThisProgramIsItsOwnName) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path);
    name = name.substr(name.find_last_of('\\') + 1);
    EXPECT_EQ(AppTitleOfThisProgram() + ".exe", name);
}

TEST(AppTitle, NamesTheApplicationsSettingsKey) {
    CWinApp app;
    EXPECT_EQ(app.m_strTitle, AppTitleOfThisProgram());
    app.SetRegistryKey(kCompany);
    EXPECT_EQ(app.Settings().KeyPath(), "Software\\Quandor Technologies\\" + AppTitleOfThisProgram());
}

}  // namespace
