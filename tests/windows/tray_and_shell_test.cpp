// The tray icon's states and messages against Wine's notification area, and the sheet's startup
// shortcut and help text against real folders and the real registry.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "resource.h"
#include "win_app.h"
#include "tuv_sheet.h"

namespace {

// Whether the shell holds the icon now: only an existing icon can be modified.
bool IconPresent(const CSystemTray& tray) {
    NOTIFYICONDATAA nid = tray.m_nid;
    nid.uFlags = NIF_TIP;
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

// Stands in for the main window and records the commands the tray sends it.
struct CommandRecorder : CWnd {
    UINT last = 0;
    CommandRecorder() { CreateEx(0, RegisterClassOnce(0, nullptr, nullptr, nullptr), "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr); }
    ~CommandRecorder() override { DestroyWindow(); }
    BOOL OnCommand(WPARAM wParam, LPARAM) override { return last = LOWORD(wParam), TRUE; }
};

TEST(SystemTray, StatesAndTaskbarRecreated) {
    CSystemTray tray;
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TUV));
    ASSERT_TRUE(tray.Create(nullptr, WM_USER + 10, std::string(100, 't').c_str(), icon, IDR_TRAY_MENU));
    EXPECT_EQ(std::string(tray.m_nid.szTip), std::string(63, 't')) << "the tip is cut to its field";
    struct Step {
        const char* what;
        void (*act)(CSystemTray&);
        BOOL enabled, hidden;
        bool present;
    } steps[] = {
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

TEST(SystemTray, DoubleClickSendsTheDefaultCommand) {
    CommandRecorder main;
    CWnd* previous = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &main;
    CSystemTray tray;
    tray.m_nid.uID = IDR_TRAY_MENU;
    struct Case {
        UINT item;
        BOOL byPosition;
        WPARAM id;
        UINT mouse, expected;
        LRESULT answer;
    } cases[] = {
        {0, TRUE, IDR_TRAY_MENU, WM_LBUTTONDBLCLK, ID_SHOW, 1},          // position 0 is "&Show"
        {3, TRUE, IDR_TRAY_MENU, WM_LBUTTONDBLCLK, ID_RUN_AT_START, 1},  // separators count
        {ID_APP_ABOUT, FALSE, IDR_TRAY_MENU, WM_LBUTTONDBLCLK, ID_APP_ABOUT, 1},
        {0, TRUE, IDR_TRAY_MENU + 1, WM_LBUTTONDBLCLK, 0, 0},  // another icon's callback
        {0, TRUE, IDR_TRAY_MENU, WM_LBUTTONUP, 0, 1},
        {0, TRUE, IDR_TRAY_MENU, WM_MOUSEMOVE, 0, 1},
    };
    for (const Case& c : cases) {
        main.last = 0;
        EXPECT_TRUE(tray.SetDefaultMenuItem(c.item, c.byPosition));
        EXPECT_EQ(tray.OnTrayMessage(c.id, c.mouse), c.answer) << c.item;
        EXPECT_EQ(main.last, c.expected) << c.item;
    }
    tray.m_nid.uID = 999;  // no such menu: only a new pair needs it
    EXPECT_TRUE(tray.SetDefaultMenuItem(0, TRUE));
    EXPECT_FALSE(tray.SetDefaultMenuItem(1, TRUE));
    AfxGetApp()->m_pMainWnd = previous;
}

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Points the user's Startup folder at a scratch folder for one test, and back afterwards.
struct ScratchStartup {
    std::string folder = std::string(".\\startup-test");
    HKEY key = nullptr;
    std::string saved;
    ScratchStartup() {
        ::CreateDirectoryA(folder.c_str(), nullptr);
        char full[MAX_PATH];
        ::GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
        folder = full;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        char value[MAX_PATH] = {};
        DWORD size = sizeof(value);
        ::RegQueryValueExA(key, "Startup", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        saved = value;
    }
    ~ScratchStartup() {
        Set(REG_SZ, saved);  // the user's own Startup folder back
        ::RegCloseKey(key);
        ::DeleteFileA((folder + "\\Numbrio.lnk").c_str());
        ::RemoveDirectoryA(folder.c_str());
    }
    void Set(DWORD type, const std::string& value) {
        ::RegSetValueExA(key, "Startup", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
    std::string Link() const { return folder + "\\Numbrio.lnk"; }
};

// The target and description of a saved shell link, read back through the shell.
std::string ReadLink(const std::string& path) {
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    std::string seen = "<none>";
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return seen;
    std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        char target[MAX_PATH] = {}, description[MAX_PATH] = {};
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetDescription(description, MAX_PATH);
        seen = std::string(target) + "|" + description;
    }
    if (file) file->Release();
    link->Release();
    return seen;
}

TEST(StartupShortcut, FollowsTheOptionAndTheStartupValue) {
    ::CoInitialize(nullptr);
    ScratchStartup startup;
    CTuvSheet sheet;
    const std::string expected = CTuvSheet::GetModuleFolder() + "tuv.exe|Numbrio";
    struct Case {
        const char* what;
        DWORD type;  // REG_NONE: no value
        bool trailingSeparator;
        int runAtStart;
        bool linked;
    } cases[] = {
        {"on", REG_SZ, false, 1, true},
        {"off", REG_SZ, false, 0, false},
        {"off without a link", REG_SZ, false, 0, false},
        {"on, folder ending with a separator", REG_SZ, true, 1, true},
        {"off again", REG_SZ, true, 0, false},
        {"on, value not a plain text", REG_EXPAND_SZ, false, 1, false},
        {"on, no value", REG_NONE, false, 1, false},
    };
    for (const Case& c : cases) {
        ::RegDeleteValueA(startup.key, "Startup");
        if (c.type != REG_NONE) startup.Set(c.type, startup.folder + (c.trailingSeparator ? "\\" : ""));
        sheet.m_bRunAtStart = c.runAtStart;
        // Read before the link is saved: saving a link makes Wine's shell write its own folders back.
        EXPECT_EQ(CTuvSheet::StartupLinkPath(), c.type == REG_SZ ? startup.folder + "\\Numbrio" : "") << c.what;
        sheet.ApplyRunAtStart();
        EXPECT_EQ(::GetFileAttributesA(startup.Link().c_str()) != INVALID_FILE_ATTRIBUTES, c.linked) << c.what;
        if (c.linked) {
            EXPECT_EQ(ReadLink(startup.Link()), expected) << c.what;
        }
    }
    ::CoUninitialize();
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(HelpText, WrittenBesideTheProgramElseInTheTemporaryFolder) {
    const std::string beside = CTuvSheet::GetModuleFolder() + "tuv.txt";
    const std::string source = FileText(HELP_TEXT_SOURCE);
    ASSERT_GT(source.size(), 1000u);
    ::DeleteFileA(beside.c_str());
    EXPECT_EQ(CTuvSheet::WriteHelpText(), beside);
    EXPECT_EQ(FileText(beside), source);

    // A folder in the way of the file: it cannot be written there.
    ::DeleteFileA(beside.c_str());
    ASSERT_TRUE(::CreateDirectoryA(beside.c_str(), nullptr));
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ(CTuvSheet::WriteHelpText(), std::string(temp) + "tuv.txt");
    EXPECT_EQ(FileText(std::string(temp) + "tuv.txt"), source);
    ::RemoveDirectoryA(beside.c_str());
}

}  // namespace
