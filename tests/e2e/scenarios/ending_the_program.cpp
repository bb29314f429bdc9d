// Quit, Escape and the close box each end the program, and nothing is left running.
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

namespace {

using Ending = void (*)(Scenario&, HWND sheet);

void ClickQuit(Scenario& s, HWND sheet) {
    HWND quit = ::GetDlgItem(sheet, IDCANCEL);
    s.Require(quit != nullptr, "a Quit button (id 2)", "none");
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    ClickAt(quit);
}

void PressEscape(Scenario& s, HWND sheet) {
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    PressKey(VK_ESCAPE);
}

void CloseBox(Scenario&, HWND sheet) {
    // What the window manager's close box sends.
    ::PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace

E2E_SCENARIO(ending_the_program) {
    struct Case {
        const char* what;
        Ending end;
    };
    const Case cases[] = {{"a click on Quit", ClickQuit}, {"Escape", PressEscape}, {"the close box", CloseBox}};
    for (const Case& c : cases) {
        TuvSession tuv(s);
        HWND sheet = tuv.Sheet();
        c.end(s, sheet);
        DWORD exitCode = 0;
        bool ended = tuv.WaitForExit(15000, &exitCode);
        s.Expect(ended && exitCode == 0, std::string("the program to end after ") + c.what,
                 ended ? "exit code " + std::to_string(exitCode)
                       : "still running, window " + std::string(::IsWindowVisible(sheet) ? "shown" : "hidden"));
    }
}
