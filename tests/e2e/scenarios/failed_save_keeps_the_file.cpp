// Saving over a file that cannot be replaced (it is read-only) says so, naming the file, and
// leaves the old file as it was, with no stray file beside it.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(failed_save_keeps_the_file) {
    ScratchFolder folder("tuv-failed-save");
    const std::string target = folder.File("old.txt");
    const std::string old = "old=1\r\nkeep=me";
    s.Require(PutFileBytes(target, old) && ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY),
              "a read-only old.txt", "it could not be made");

    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    PutText(::GetDlgItem(page, IDC_VARIABLES), "new=2");
    ClickAt(::GetDlgItem(page, IDC_SAVE));
    HWND dialog = WaitForOwnedDialog(tuv.ProcessId(), sheet);
    s.Require(dialog != nullptr, "the Save dialog", "no dialog");
    ChooseFile(s, dialog, target);
    // The dialog asks before replacing an existing file.
    HWND replace = WaitForOwnedDialog(tuv.ProcessId(), dialog);
    s.Require(replace != nullptr, "the question whether to replace old.txt", "none");
    HWND yes = ::GetDlgItem(replace, IDYES);
    s.Require(yes != nullptr, "a Yes button in " + Quoted(StaticTexts(replace)), "none");
    ClickAt(yes);
    s.Require(WaitUntil([&] { return !::IsWindow(dialog); }), "the Save dialog closing", "it stays");

    HWND message = WaitForOwnedDialog(tuv.ProcessId(), sheet);
    s.Require(message != nullptr, "a message that the save failed", "none");
    std::string texts = StaticTexts(message);
    s.Expect(texts.find(target) != std::string::npos, "the message naming " + Quoted(target), Quoted(texts));
    s.Expect(TextOf(message) == "tuv", "the message captioned \"tuv\"", Quoted(TextOf(message)));
    ClickAt(::GetDlgItem(message, IDOK));
    s.Expect(WaitUntil([&] { return !::IsWindow(message); }), "the message gone after OK", "still there");

    std::string seen = FileBytes(target);
    s.Expect(seen == old, "old.txt unchanged " + Visible(old), Visible(seen));
    std::vector<std::string> names = folder.Names();
    s.Expect(names == std::vector<std::string>{"old.txt"}, "only old.txt in its folder", Joined(names));
}
