#include "scenario.h"

#include <map>

#include "settings_key.h"

namespace {
std::map<std::string, ScenarioFunction>& Scenarios() {
    static std::map<std::string, ScenarioFunction> scenarios;
    return scenarios;
}
}  // namespace

bool RegisterScenario(const char* name, ScenarioFunction function) {
    Scenarios()[name] = function;
    return true;
}

ScenarioFunction FindScenario(const std::string& name) {
    auto found = Scenarios().find(name);
    return found == Scenarios().end() ? nullptr : found->second;
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const auto& entry : Scenarios()) names.push_back(entry.first);
    return names;
}

Scenario::Scenario(std::string tuvPath) : m_tuvPath(std::move(tuvPath)) {}

Scenario::~Scenario() {
    for (const std::string& copy : m_copies) ::DeleteFileA(copy.c_str());
    for (const std::string& title : m_titles) DeleteSettingsKey(title);
}

bool Scenario::Expect(bool ok, const std::string& expectation, const std::string& seen) {
    if (!ok) m_failures.push_back(expectation + "\n      seen: " + seen);
    return ok;
}

void Scenario::Require(bool ok, const std::string& expectation, const std::string& seen) {
    if (!Expect(ok, expectation, seen)) throw ScenarioStopped{};
}

void Scenario::CleanSettings(const std::string& title) {
    DeleteSettingsKey(title);
    m_titles.push_back(title);
}

std::string Scenario::CopyOfTuv(const std::string& fileName) {
    std::string folder = m_tuvPath.substr(0, m_tuvPath.find_last_of('\\') + 1);
    std::string copy = folder + fileName;
    Require(::CopyFileA(m_tuvPath.c_str(), copy.c_str(), FALSE) != 0, "a copy of tuv.exe as " + copy,
            "CopyFile failed with error " + std::to_string(::GetLastError()));
    m_copies.push_back(copy);
    return copy;
}
