#include "tuv_session.h"

#include "wait.h"
#include "window_probe.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK CheckTopLevel(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner == search->processId && ::IsWindowVisible(hWnd) && ClassName(hWnd) == "#32770") {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    Search search{processId, nullptr};
    ::EnumWindows(&CheckTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TuvSession::TuvSession(Scenario& scenario, const std::string& exePath)
    : m_scenario(scenario), m_exePath(exePath.empty() ? scenario.TuvPath() : exePath) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + m_exePath + "\"";
    BOOL started = ::CreateProcessA(m_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &m_process);
    scenario.Require(started != 0, "tuv starts: " + m_exePath,
                     "CreateProcess failed with error " + std::to_string(::GetLastError()));
    ::WaitForInputIdle(m_process.hProcess, 10000);
}

TuvSession::~TuvSession() {
    if (!m_process.hProcess) return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 10000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

HWND TuvSession::Sheet() {
    HWND sheet = nullptr;
    WaitUntil([&] { return (sheet = FindMainWindow(m_process.dwProcessId)) != nullptr; }, 30000);
    DWORD exitCode = 0;
    bool ended = ::GetExitCodeProcess(m_process.hProcess, &exitCode) && exitCode != STILL_ACTIVE;
    m_scenario.Require(sheet != nullptr, "the main window of " + m_exePath + " is shown",
                       ended ? "the process ended with code " + std::to_string(exitCode)
                             : "no visible window of the process after 30 s");
    return sheet;
}

bool TuvSession::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    bool ended = ::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (ended && exitCode) ::GetExitCodeProcess(m_process.hProcess, exitCode);
    return ended;
}
