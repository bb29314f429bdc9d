// The tray icon's states and messages against Wine's notification area, the sheet's startup
// shortcut and help text against real folders and the real registry, and the help text itself.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "read_link.h"
#include "resource.h"
#include "rows.h"
#include "tuv_sheet.h"

namespace {

// Whether the shell holds the icon now: only an existing icon can be modified.
bool IconPresent(const CSystemTray& tray) {
    NOTIFYICONDATAA nid = tray.m_nid;
    nid.uFlags = NIF_TIP;
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

TEST(SystemTray, StatesAndTaskbarRecreated) {
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, kTrayMessage, std::string(100, 't').c_str(),
                            ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TUV)), IDR_TRAY_MENU));
    EXPECT_EQ(std::string(tray.m_nid.szTip), std::string(63, 't')) << "the tip is cut to its field";
    struct Step { const char* what; void (*act)(CSystemTray&); BOOL enabled, hidden; bool present; };
    const Step steps[] = {
        {"created", [](CSystemTray&) {}, TRUE, FALSE, true},
        {"hidden", [](CSystemTray& t) { t.HideIcon(); }, TRUE, TRUE, false},
        {"taskbar recreated while hidden",
         [](CSystemTray& t) { ::SendMessageA(t.m_hWnd, CSystemTray::s_uTaskbarCreated, 0, 0); }, TRUE, TRUE, true},
        {"shown again", [](CSystemTray& t) { t.ShowIcon(); }, TRUE, FALSE, true},
        {"hidden again", [](CSystemTray& t) { t.HideIcon(); }, TRUE, TRUE, false},
        {"deleted", [](CSystemTray& t) { t.DeleteIcon(); }, FALSE, TRUE, false},
        {"shown after deletion: nothing", [](CSystemTray& t) { t.ShowIcon(); }, FALSE, TRUE, false},
    };
    for (const Step& step : steps) {
        step.act(tray);
        EXPECT_EQ(tray.m_bEnabled, step.enabled) << step.what;
        EXPECT_EQ(tray.m_bHidden, step.hidden) << step.what;
        EXPECT_EQ(IconPresent(tray), step.present) << step.what;
    }
}

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets the user's "Startup" value (REG_NONE: none) and answers the text it held.
std::string SetStartup(DWORD type, const std::string& value) {
    HKEY key = nullptr;
    char old[MAX_PATH] = {};
    DWORD size = sizeof(old) - 1;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ::RegQueryValueExA(key, "Startup", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size);
    if (type == REG_NONE) ::RegDeleteValueA(key, "Startup");
    else ::RegSetValueExA(key, "Startup", 0, type, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
    return old;
}

TEST(StartupShortcut, FollowsTheOptionAndTheStartupValue) {
    ::CoInitialize(nullptr);
    char folder[MAX_PATH] = {};
    ::CreateDirectoryA("startup-test", nullptr);
    ::GetFullPathNameA("startup-test", MAX_PATH, folder, nullptr);
    const std::string link = std::string(folder) + "\\Numbrio.lnk";
    const std::string saved = SetStartup(REG_SZ, folder);
    CTuvSheet sheet;
    for (const Row& row : ReadRows(TABLES "startup.tsv")) {
        const DWORD type = std::stoul(row[0]);
        SetStartup(type, folder + row[1]);
        sheet.m_bRunAtStart = std::stoi(row[2]);
        // Read before the link is saved: saving a link makes Wine's shell write its own folders back.
        EXPECT_EQ(CTuvSheet::StartupLinkPath(), type == REG_SZ ? link.substr(0, link.size() - 4) : "") << type << row[1];
        sheet.ApplyRunAtStart();
        EXPECT_EQ(ReadLink(link), row[3] == "yes" ? CTuvSheet::GetModuleFolder() + "tuv.exe|Numbrio" : "<none>|") << type << row[1] << row[2];
    }
    SetStartup(REG_SZ, saved);  // the user's own Startup folder back
    ::RemoveDirectoryA(folder);
    ::CoUninitialize();
}

// Written beside the program, as the end-to-end Help shows; here a folder is in the way of that
// file. Its report examples are rows of the engine's sheets table too, so they hold.
TEST(HelpText, WrittenElseInTheTemporaryFolderWithItsExamples) {
    const std::string beside = CTuvSheet::GetModuleFolder() + "tuv.txt";
    ::DeleteFileA(beside.c_str());
    ASSERT_TRUE(::CreateDirectoryA(beside.c_str(), nullptr));
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ(CTuvSheet::WriteHelpText(), std::string(temp) + "tuv.txt");
    ::RemoveDirectoryA(beside.c_str());
    const std::string help = ReadFile(std::string(temp) + "tuv.txt");
    EXPECT_EQ(help, ReadFile(HELP_TEXT_SOURCE)) << "byte for byte";
    // Each report line on a CRLF line of its own, after a tab.
    for (const char* lines : {"A = 23\r\n\tB = 47\r\n\tERR 1 : C=A+B+D\r\n",
                              "A = 23\r\n\tB = 47\r\n\tC = 70.707107\r\n\tD = 0.707107\r\n",
                              "ERR 1 : C=A+B+D\r\n\tERR 2 : D=SIN(45)+C\r\n"}) {
        EXPECT_NE(help.find(std::string("\n\t") + lines), std::string::npos) << lines;
    }
}

}  // namespace
