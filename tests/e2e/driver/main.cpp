// tuv_e2e.exe: runs one end-to-end scenario against a tuv.exe.
//   tuv_e2e <scenario> <path of tuv.exe>      (a Unix path is taken as one on drive Z:)
//   tuv_e2e --list
#include <windows.h>

#include <cstdio>
#include <string>

#include "scenario.h"

namespace {

// Wine maps the Unix root to drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const std::string& name : ScenarioNames()) std::printf("%s\n", name.c_str());
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: tuv_e2e <scenario> <tuv.exe> | tuv_e2e --list\n");
        return 2;
    }
    ScenarioFunction run = FindScenario(argv[1]);
    if (!run) {
        std::fprintf(stderr, "no scenario named %s (tuv_e2e --list names them)\n", argv[1]);
        return 2;
    }
    bool passed = false;
    {
        Scenario scenario(WindowsPath(argv[2]));
        scenario.CleanSettings("tuv");
        try {
            run(scenario);
        } catch (const ScenarioStopped&) {
        }
        for (const std::string& failure : scenario.Failures()) std::printf("FAILED: expected %s\n", failure.c_str());
        passed = scenario.Failures().empty();
    }
    std::printf("%s %s\n", argv[1], passed ? "passed" : "failed");
    std::fflush(stdout);
    return passed ? 0 : 1;
}
