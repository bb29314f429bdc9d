// Save... then Open... through the standard file dialogs: the file holds the variables byte for
// byte (CR LF kept, no final line break added), the folder is remembered as "Path"/"TXT", and
// opening restores the same text. A zero byte ends what is loaded, several megabytes load whole,
// and a file over 16 MB is refused with a message.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

namespace {

// Opens `path` with Open...; the dialog starts from the remembered "Path"/"TXT" value.
void OpenFile(Scenario& s, TuvSession& tuv, HWND sheet, HWND page, const std::string& path) {
    ClickAt(::GetDlgItem(page, IDC_OPEN));
    // After megabytes in the box Wine's edit control keeps the program busy for many seconds.
    HWND dialog = WaitForOwnedDialog(tuv.ProcessId(), sheet, 40000);
    s.Require(dialog != nullptr, "the Open dialog for " + path, "no dialog");
    std::string remembered = ReadSettingString("tuv", "Path", "TXT");
    std::string field = TextOf(FileNameField(dialog));
    s.Expect(field == "*.TXT" || field == remembered, "the Open dialog starting from " + Quoted(remembered),
             Quoted(field));
    ChooseFile(s, dialog, path);
    s.Require(WaitUntil([&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }),
              "the Open dialog closing", "it stays");
}

}  // namespace

E2E_SCENARIO(save_then_open) {
    ScratchFolder folder("tuv-files");
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    HWND variables = ::GetDlgItem(page, IDC_VARIABLES);

    const std::string text = "x=1\r\n\ty=x*2  \r\nname=\"caf\xe9\"";
    PutText(variables, text);
    ClickAt(::GetDlgItem(page, IDC_SAVE));
    HWND dialog = WaitForOwnedDialog(tuv.ProcessId(), sheet);
    s.Require(dialog != nullptr, "the Save dialog", "no dialog");
    std::string field = TextOf(FileNameField(dialog));
    s.Expect(field == "*.txt" || field == "C:\\*.txt", "the first Save dialog starting from \"C:\\*.txt\"",
             Quoted(field));
    const std::string saved = folder.File("sheet.txt");
    ChooseFile(s, dialog, saved);
    std::string seen;
    ExpectText(s, WaitUntil([&] { return (seen = FileBytes(saved)) == text; }), "the file holding " + Visible(text),
             seen);
    ExpectText(s, (seen = ReadSettingString("tuv", "Path", "TXT")) == folder.Path() + "\\*.TXT",
             "the folder remembered as " + Quoted(folder.Path() + "\\*.TXT"), seen);

    PutText(variables, "");
    OpenFile(s, tuv, sheet, page, saved);
    ExpectText(s, WaitUntil([&] { return (seen = FullTextOf(variables)) == text; }), "Open restoring " + Visible(text),
             seen);

    // A zero byte ends the text.
    PutFileBytes(folder.File("zero.txt"), std::string("a=1\r\nb=2\0c=3", 12));
    OpenFile(s, tuv, sheet, page, folder.File("zero.txt"));
    ExpectText(s, WaitUntil([&] { return (seen = FullTextOf(variables)) == "a=1\r\nb=2"; }),
             "the text up to the zero byte, \"a=1\\r\\nb=2\"", seen);

    // Several megabytes load whole.
    std::string large;
    for (int i = 0; large.size() < 3 * 1024 * 1024; ++i) large += "v" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    PutFileBytes(folder.File("large.txt"), large);
    OpenFile(s, tuv, sheet, page, folder.File("large.txt"));
    // The length first: asking for megabytes of text on every poll would slow the program down.
    WaitUntil([&] { return static_cast<size_t>(::SendMessageA(variables, WM_GETTEXTLENGTH, 0, 0)) == large.size(); }, 60000);
    seen = FullTextOf(variables);
    bool whole = seen == large;
    s.Expect(whole, "all " + std::to_string(large.size()) + " bytes of a large file in the box",
             std::to_string(seen.size()) + " bytes");

    // Over 16 MB: refused with a message, the box unchanged.
    PutText(variables, "kept=1");
    {
        HANDLE file = ::CreateFileA(folder.File("huge.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER end{};
        end.QuadPart = 16LL * 1024 * 1024;
        ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        DWORD done = 0;
        ::WriteFile(file, "x", 1, &done, nullptr);
        ::CloseHandle(file);
    }
    OpenFile(s, tuv, sheet, page, folder.File("huge.txt"));
    HWND message = WaitForOwnedDialog(tuv.ProcessId(), sheet, 40000);
    s.Expect(message != nullptr && StaticTexts(message).find("huge.txt") != std::string::npos,
             "a message naming huge.txt", message ? Quoted(StaticTexts(message)) : "none");
    if (message) ClickAt(::GetDlgItem(message, IDOK));
    s.Expect(FullTextOf(variables) == "kept=1", "the variables kept", Visible(FullTextOf(variables)));
}
