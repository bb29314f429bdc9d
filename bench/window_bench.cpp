// Times the real tuv.exe with long texts as a user meets them: a text pasted into a box through
// the clipboard (Ctrl+V), then a click on Evaluate, then a second click with the texts unchanged.
// Each time runs from the input until the result shows and the program is idle with nothing left
// to paint. Prints a table in seconds; run by scripts/bench-window.
//   tuv_window_bench [KB...]    the sizes of the expressions (default 10 20 50 100 200); the
//                               variables texts are 100, 200, 500 and 1,000 KB.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"
#include "tuv_user.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// "1+1+...+1", `bytes` long (rounded up to an odd length); it evaluates to its count of ones.
std::string Ones(size_t bytes) {
    std::string text = "1";
    while (text.size() < bytes) text += "+1";
    return text;
}

// Lines "x1=1", "x2=x1+1", ... of about `bytes` in all; "xN" then evaluates to N.
std::string Sheet(size_t bytes, int& lines) {
    std::string text = "x1=1";
    for (lines = 1; text.size() < bytes;) {
        ++lines;
        text += "\r\nx" + std::to_string(lines) + "=x" + std::to_string(lines - 1) + "+1";
    }
    return text;
}

void PutOnClipboard(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size())));
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    while (!::OpenClipboard(nullptr)) ::Sleep(10);
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
}

BOOL CALLBACK NoteWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Whether the program has handled everything it was sent and has nothing left to paint: asked
// twice around a look at every window's update region, so that a paint under way is waited for.
bool Idle(HWND sheet) {
    std::vector<HWND> windows{sheet};
    ::EnumChildWindows(sheet, NoteWindow, reinterpret_cast<LPARAM>(&windows));
    auto unpainted = [&] {
        for (HWND window : windows)
            if (::GetUpdateRect(window, nullptr, FALSE)) return true;
        return false;
    };
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 2; ++i)
        if (!::SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &ignored) || unpainted()) return false;
    return true;
}

// Seconds from `act` until `done` holds and the program is idle.
template <class Act, class Done>
double Time(HWND sheet, Act act, Done done) {
    const Clock::time_point start = Clock::now();
    act();
    WaitUntil([&] { return done() && Idle(sheet); }, 900000);
    return Since(start);
}

struct Timing {
    double paste, evaluate, again;
};

// One case in a fresh program: `text` pasted into the box `box`, `other` typed into the other box
// beforehand by message, the result expected to read `result`.
Timing Run(int box, const std::string& text, int other, const std::string& otherText, const std::string& result) {
    Tuv tuv;
    if (!tuv.page) {
        std::fprintf(stderr, "tuv.exe did not start\n");
        std::exit(1);
    }
    ::SendMessageA(tuv.Item(other), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(otherText.c_str()));
    PutOnClipboard(text);
    HWND target = box == IDC_EXPRESSION ? ::FindWindowExA(tuv.Item(box), nullptr, "Edit", nullptr) : tuv.Item(box);
    ClickAt(At(target, 6, 6));
    const size_t length = std::wstring(text.begin(), text.end()).size();  // ASCII texts
    Timing timing{};
    timing.paste = Time(tuv.sheet, [] {
        INPUT keys[4] = {};
        const WORD codes[4] = {VK_CONTROL, 'V', 'V', VK_CONTROL};
        for (int i = 0; i < 4; ++i) keys[i] = INPUT{.type = INPUT_KEYBOARD, .ki = {codes[i], 0, i < 2 ? 0u : KEYEVENTF_KEYUP, 0, 0}};
        ::SendInput(4, keys, sizeof(INPUT));
    }, [&] { return static_cast<size_t>(::SendMessageA(tuv.Item(box), WM_GETTEXTLENGTH, 0, 0)) == length; });
    HWND shown = tuv.Item(IDC_RESULT);
    for (double* seconds : {&timing.evaluate, &timing.again}) {
        ::SendMessageA(shown, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        *seconds = Time(tuv.sheet, [&] { Click(tuv.Item(IDC_EVALUATE)); }, [&] { return Text(shown) == result; });
    }
    return timing;
}

void Print(const char* box, size_t bytes, const Timing& t) {
    std::printf("| %-10s | %7zu KB | %8.2f | %11.2f | %8.2f |\n", box, bytes / 1000, t.paste, t.evaluate, t.again);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<size_t> expressions;
    for (int i = 1; i < argc; ++i) expressions.push_back(std::strtoul(argv[i], nullptr, 10));
    if (expressions.empty()) expressions = {10, 20, 50, 100, 200};
    std::printf("| box        |      size | paste, s | evaluate, s | again, s |\n");
    std::printf("|------------|-----------|----------|-------------|----------|\n");
    for (size_t kb : expressions) {
        std::string text = Ones(kb * 1000);
        Print("expression", text.size(), Run(IDC_EXPRESSION, text, IDC_VARIABLES, "", std::to_string(text.size() / 2 + 1)));
    }
    for (size_t kb : {100, 200, 500, 1000}) {
        int lines = 0;
        std::string text = Sheet(kb * 1000, lines);
        Print("variables", text.size(), Run(IDC_VARIABLES, text, IDC_EXPRESSION, "x" + std::to_string(lines), std::to_string(lines)));
    }
    return 0;
}
