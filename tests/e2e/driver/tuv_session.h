// One run of tuv.exe (or of a renamed copy). The process is ended when the session goes, so a
// scenario never leaves one behind, even when it stops early.
#pragma once

#include <windows.h>

#include <string>

#include "scenario.h"

class TuvSession {
public:
    explicit TuvSession(Scenario& scenario, const std::string& exePath = std::string());
    ~TuvSession();
    TuvSession(const TuvSession&) = delete;
    TuvSession& operator=(const TuvSession&) = delete;

    // The main window, once it is shown; the scenario stops when it does not appear.
    HWND Sheet();
    // Whether the process ended within the time; its exit code in `exitCode`.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);

    HANDLE Process() const { return m_process.hProcess; }
    DWORD ProcessId() const { return m_process.dwProcessId; }

private:
    Scenario& m_scenario;
    std::string m_exePath;
    PROCESS_INFORMATION m_process{};
};

// The visible dialog-class top-level window of a process, or null.
HWND FindMainWindow(DWORD processId);
