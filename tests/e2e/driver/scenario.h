// A scenario: one thing a user does with tuv.exe, and what must be seen. Write one per file in
// tests/e2e/scenarios/, named like the file:
//
//   E2E_SCENARIO(quit_button_ends) {
//       TuvSession tuv(s);
//       HWND sheet = tuv.Sheet();
//       ...
//       s.Expect(ok, "what should be", "what was seen");
//   }
//
// Every scenario starts with no settings key for "tuv" and ends with no process of its own left.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class Scenario {
public:
    explicit Scenario(std::string tuvPath);
    ~Scenario();

    // The Windows path of the tuv.exe under test.
    const std::string& TuvPath() const { return m_tuvPath; }

    // Records a failure unless `ok`. `seen` says what was there instead. Answers `ok`.
    bool Expect(bool ok, const std::string& expectation, const std::string& seen);
    // As Expect, but a failure ends the scenario at once (what follows depends on it).
    void Require(bool ok, const std::string& expectation, const std::string& seen);

    // Removes the settings key of an application title; the scenario's copies use their own.
    void CleanSettings(const std::string& title);
    // A copy of tuv.exe beside it under another file name, removed when the scenario ends.
    std::string CopyOfTuv(const std::string& fileName);

    const std::vector<std::string>& Failures() const { return m_failures; }

private:
    std::string m_tuvPath;
    std::vector<std::string> m_failures;
    std::vector<std::string> m_copies;
    std::vector<std::string> m_titles;
};

// Thrown by Require; caught by the driver.
struct ScenarioStopped {};

using ScenarioFunction = void (*)(Scenario&);
bool RegisterScenario(const char* name, ScenarioFunction function);
ScenarioFunction FindScenario(const std::string& name);
std::vector<std::string> ScenarioNames();

#define E2E_SCENARIO(name)                                                        \
    static void name(Scenario& s);                                                \
    static const bool name##_registered = RegisterScenario(#name, &name);         \
    static void name([[maybe_unused]] Scenario& s)
