// Driving the Expression page of tuv.exe: its boxes, its history list, the dialogs it opens and
// the settings it stores.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "tuv_session.h"

// The Expression page of the sheet (the scenario stops when it is not shown).
HWND ExpressionPage(Scenario& s, HWND sheet);
// The same, with the sheet brought to the front so that real input reaches it.
HWND ExpressionPageInFront(Scenario& s, HWND sheet);

// The whole text of a window of any length, asked with WM_GETTEXT.
std::string FullTextOf(HWND hWnd);
// Sets the text of a control of another process.
void PutText(HWND hWnd, const std::string& text);

// Types printable ASCII text with real key presses into the window that has the keyboard focus;
// a character with no key in the keyboard map is sent as the character itself.
void TypeText(const std::string& text);
// Moves the pointer and waits until it has arrived.
void MovePointerTo(POINT point);
// Gives the keyboard focus to a control of a dialog, as Tab would.
void FocusControl(HWND dialog, HWND control);
// The window with the keyboard focus in the thread of `hWnd`.
HWND FocusOf(HWND hWnd);

// The entries of a combo box's list, in order.
std::vector<std::string> ComboEntries(HWND combo);

// Evaluates the way a user does: puts `expression` into the expression box, focuses it and
// presses Enter; answers once the result box shows the evaluation's result (it is first
// emptied so that an unchanged result is seen too).
std::string EvaluateWithEnter(Scenario& s, HWND page, const std::string& expression);

// A visible top-level dialog window of the process other than `except` (a message box or a
// file dialog), waited for; null when none comes.
HWND WaitForDialog(DWORD processId, HWND except, DWORD timeoutMs = 10000);
// A visible dialog window of the process owned by `owner`, waited for; null when none comes.
HWND WaitForOwnedDialog(DWORD processId, HWND owner, DWORD timeoutMs = 10000);
// The file name field of a standard file dialog.
HWND FileNameField(HWND fileDialog);
// Chooses `path` in a standard file dialog: the name into its field, then a click on its OK button.
void ChooseFile(Scenario& s, HWND fileDialog, const std::string& path);
// Whether such a dialog is there now.
HWND FindDialog(DWORD processId, HWND except);
// The texts of a dialog's static controls, joined with "|".
std::string StaticTexts(HWND dialog);

// The visible balloon tip of the process, or null.
HWND FindVisibleTip(DWORD processId);

// Settings of the program as stored in the registry (missing: the default).
std::string ReadSettingString(const std::string& title, const std::string& section, const std::string& name,
                              const std::string& missing = "<missing>");
long long ReadSettingInt(const std::string& title, const std::string& section, const std::string& name,
                         long long missing = -1);

// A folder of its own in the temporary folder, emptied and removed when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    std::vector<std::string> Names() const;

private:
    std::string m_path;
};

std::string FileBytes(const std::string& path);
bool PutFileBytes(const std::string& path, const std::string& bytes);
// Printable form of a text for failure messages: control bytes as \xNN.
std::string Visible(const std::string& text);

// s.Expect with the seen text formatted only after `ok` was worked out: `seen` is usually
// assigned while `ok` is evaluated, and argument order is unspecified.
inline bool ExpectText(Scenario& s, bool ok, const std::string& expectation, const std::string& seen) {
    return s.Expect(ok, expectation, Visible(seen));
}
