#include "tuv_page1.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "history.h"
#include "message_box.h"
#include "resource.h"
#include "screen_scale.h"
#include "text_encoding.h"
#include "variable_sheet.h"
#include "variables_file.h"
#include "win_app.h"

namespace {

// "Courier" is a bitmap font on Windows, in a few sizes and Western letters only: its TrueType
// twin scales with the screen, and with the default character set it shows names in any script.
HFONT MakeCourier(int height, int weight) {
    return ::CreateFontA(Scaled(height), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, "Courier New");
}

void SetFont(CWnd& control, HFONT font) {
    control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Read in UTF-16 and converted here: Wine's own conversion of a long entry overflows the stack.
std::vector<std::string> ListEntries(const CComboBox& box) {
    std::vector<std::string> entries;
    int count = box.GetCount();
    for (int i = 0; i < count; ++i) {
        LRESULT length = ::SendMessageW(box.m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        LRESULT copied = ::SendMessageW(box.m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        entries.push_back(FromUtf16(text));
    }
    return entries;
}

constexpr int kMaxHistoryRead = 1000;

std::wstring CurrentFolder() {
    std::wstring folder(::GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

// Both boxes take texts up to the longest file we open: the controls' own limits (30,000
// characters in an edit box) would cut a paste without a word.
constexpr WPARAM kTextLimit = kMaxVariablesCharacters;

// A file dialog's buffer holds the longest path Windows allows (32,767 UTF-16 units), each unit
// taking up to three bytes in UTF-8.
constexpr size_t kFileNameBytes = 3 * 32768;

}  // namespace

CTuvPage1::CTuvPage1() : CPropertyPage(IDD_EXPRESSION), m_bDetails(0), m_bTips(1) {
    m_bTips = AfxGetApp()->GetProfileInt("Settings", "Tips", 1);
}

CTuvPage1::~CTuvPage1() {
    // The controls using the fonts are gone with the sheet by now.
    if (m_fontResult) ::DeleteObject(m_fontResult);
    if (m_fontInput) ::DeleteObject(m_fontInput);
}

void CTuvPage1::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_EXPRESSION_FRAME, m_ctlExpressionFrame);
    DDX_Control(dx, IDC_DETAILS_BOX, m_ctlDetails);
    DDX_Control(dx, IDC_VARIABLES, m_ctlVariables);
    DDX_Control(dx, IDC_RESULT, m_ctlResult);
    DDX_Control(dx, IDC_EXPRESSION, m_ctlExpression);
    // The box's text both ways: going out it shows exactly the text that was evaluated, where
    // selecting the first history entry that begins with it would put another expression beside
    // its result.
    DDX_Text(dx, IDC_EXPRESSION, m_strExpression);
    DDX_Text(dx, IDC_RESULT, m_strResult);
    DDX_Text(dx, IDC_VARIABLES, m_strVariables);
    // The report only goes out, and only while its box is shown (OnDetails fills it when it
    // comes): a long one would cost time for a box that nobody sees.
    if (!dx->m_bSaveAndValidate && m_bDetails == 1) DDX_Text(dx, IDC_DETAILS_BOX, m_strDetails);
    DDX_Check(dx, IDC_DETAILS, m_bDetails);
    DDX_Check(dx, IDC_TIPS, m_bTips);
}

BOOL CTuvPage1::OnInitDialog() {
    CPropertyPage::OnInitDialog();

    m_fontInput = MakeCourier(18, FW_SEMIBOLD);
    SetFont(m_ctlVariables, m_fontInput);
    SetFont(m_ctlExpression, m_fontInput);
    SetFont(m_ctlDetails, m_fontInput);
    m_ctlVariables.SetMargins(Scaled(5), Scaled(5));
    m_ctlVariables.SendMessage(EM_SETLIMITTEXT, kTextLimit);
    m_ctlExpression.SendMessage(CB_LIMITTEXT, kTextLimit);
    m_fontResult = MakeCourier(20, FW_BOLD);
    SetFont(m_ctlResult, m_fontResult);
    m_btnEvaluate.SubclassDlgItem(IDC_EVALUATE, this);

    LoadHistory(m_ctlExpression);

    m_tip.m_nWidth = 200;
    m_tip.m_nHeight = 125;
    m_tip.m_nTailSide = CBalloonTip::TailTop;
    m_tip.Create(this);
    m_tip.m_bFollowMouse = true;
    m_tip.m_nDefaultSeconds = 6;
    m_tip.AddTool(&m_ctlExpression,
                  "Please type in the expression here. For eg:\r\nsin(45)+56/2\r\nYou may also use any variable "
                  "from the 'variables' box.",
                  "Expression", RGB(0, 0, 0), 6);
    m_tip.AddTool(&m_ctlVariables, "Please type in the variables here. For eg:\r\nx=sin(45)+56/2\r\ny=x/23",
                  "Variables", RGB(0, 0, 0), 6);
    return TRUE;
}

BOOL CTuvPage1::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_EVALUATE: OnEvaluate(); return TRUE;
        case IDC_OPEN: OnOpen(); return TRUE;
        case IDC_SAVE: OnSave(); return TRUE;
        case IDC_NEW: OnNew(); return TRUE;
        case IDC_DETAILS: OnDetails(); return TRUE;
        case IDC_TIPS: OnTips(); return TRUE;
        default: break;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CTuvPage1::PreTranslateMessage(MSG* msg) {
    if (m_tip.m_hWnd && m_ctlExpression.m_hWnd && m_ctlExpression.IsWindowVisible() && m_bTips) {
        m_tip.RelayEvent(msg);
    }
    return CPropertyPage::PreTranslateMessage(msg);
}

void CTuvPage1::OnEvaluate() {
    UpdateData(TRUE);
    if (tuv::RunEvaluation(m_strVariables, m_strExpression, m_strResult, m_strDetails)) AddToHistory(m_ctlExpression);
    UpdateData(FALSE);
}

void CTuvPage1::LoadHistory(CComboBox& box) {
    CWinApp* app = AfxGetApp();
    // The program stores at most 21; a count edited into the millions must not stall the start.
    int count = std::min(app->GetProfileInt("Expressions", "Count", 0), kMaxHistoryRead);
    box.ResetContent();
    for (int i = 1; i <= count; ++i) {
        std::string entry = app->GetProfileString("Expressions", std::to_string(i).c_str(), "");
        if (!entry.empty() && FitsHistory(entry)) box.AddString(entry.c_str());
    }
}

void CTuvPage1::AddToHistory(CComboBox& box) {
    HistoryChange change = PlanHistoryChange(ListEntries(box), box.GetWindowText());
    if (!change.insert) return;
    if (change.remove >= 0) box.DeleteString(change.remove);
    box.InsertString(0, change.text.c_str());
    // The box shows the evaluated text already: selecting the entry in the box would set it again.
    box.SelectListEntry(0);

    CWinApp* app = AfxGetApp();
    std::vector<std::string> entries = ListEntries(box);
    for (size_t i = 0; i < entries.size(); ++i) {
        app->WriteProfileString("Expressions", std::to_string(i + 1).c_str(), entries[i].c_str());
    }
    app->WriteProfileInt("Expressions", "Count", static_cast<int>(entries.size()));
}

bool CTuvPage1::AskForFile(bool save, std::string& path) {
    CWinApp* app = AfxGetApp();
    std::string initial = DialogStartPattern(app->GetProfileString("Path", "TXT", ""));
    std::string filter = FileDialogFilter(kVariablesFileFilter);
    std::vector<char> name(kFileNameBytes, '\0');
    initial.copy(name.data(), name.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    CWnd* main = AfxGetMainWnd();
    ofn.hwndOwner = main && main->m_hWnd ? main->m_hWnd : m_hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = kVariablesFileExtension;
    ofn.Flags = save ? (OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY)
                     : (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY);
    // The dialogs leave the process in the folder the user chose, which then cannot be removed
    // (nor a USB stick ejected) while the program runs.
    const std::wstring folder = CurrentFolder();
    auto ask = [&] { return save ? ::GetSaveFileNameA(&ofn) : ::GetOpenFileNameA(&ofn); };
    BOOL chosen = ask();
    if (!chosen && ::CommDlgExtendedError() != 0) {  // a start the dialog refused: from the default
        std::fill(name.begin(), name.end(), '\0');
        std::string(kVariablesFileFirstFolder).copy(name.data(), name.size() - 1);
        chosen = ask();
    }
    if (!folder.empty()) ::SetCurrentDirectoryW(folder.c_str());
    if (!chosen) return false;
    path = name.data();
    app->WriteProfileString("Path", "TXT", RememberedFolderPattern(path).c_str());
    return true;
}

void CTuvPage1::OnOpen() {
    std::string path;
    if (!AskForFile(false, path)) return;
    std::string text;
    FileEncoding encoding;
    switch (ReadVariablesFile(path, text, &encoding)) {
    case FileResult::Ok:
        m_ctlVariables.SetWindowText(text);
        m_encoding = encoding;
        break;
    case FileResult::TooLarge:
        AfxMessageBox("The file " + path + " holds more than the variables box can take (16,777,216 characters) and was not opened.");
        break;
    case FileResult::ReadFailed:
        AfxMessageBox("An error occurred while reading " + path + ".", MB_OK | MB_ICONSTOP);
        break;
    default:  // could not be opened: silent, as a cancelled dialog
        break;
    }
}

void CTuvPage1::OnSave() {
    std::string path;
    if (!AskForFile(true, path)) return;
    UpdateData(TRUE);
    // Saved in the form the text's file had; told once where that form cannot hold it.
    FileEncoding encoding = m_encoding;
    std::string bytes = EncodeVariablesText(m_strVariables, encoding, ::GetACP());
    SaveReport report;
    if (WriteVariablesFile(path, bytes, &report) == FileResult::Ok) {
        if (encoding != m_encoding) {
            AfxMessageBox(path + " is now saved in UTF-8: some of its characters have no form in its code page (" +
                              std::to_string(m_encoding.codePage) + "). Older programs may show them wrongly.",
                          MB_OK | MB_ICONINFORMATION);
        }
        m_encoding = encoding;
        return;
    }
    AfxMessageBox(SaveFailureMessage(path, report));
}

void CTuvPage1::OnNew() {
    UpdateData(TRUE);
    if (m_strVariables.empty()) return;
    if (AfxMessageBox("Empty everything! Are you sure?", MB_YESNOCANCEL | MB_ICONEXCLAMATION) == IDYES) {
        m_ctlVariables.SetWindowText("");
        m_encoding = FileEncoding{};  // a new text, saved as new files are
    }
}

void CTuvPage1::OnDetails() {
    UpdateData(TRUE);
    int details = m_bDetails == 1 ? SW_SHOW : SW_HIDE;
    int normal = m_bDetails == 1 ? SW_HIDE : SW_SHOW;
    if (m_bDetails == 1) {  // the report of the last evaluation, before the box shows
        CDataExchange out(this, FALSE);
        DDX_Text(&out, IDC_DETAILS_BOX, m_strDetails);
    }
    m_ctlDetails.ShowWindow(details);
    m_ctlExpression.ShowWindow(normal);
    m_ctlResult.ShowWindow(normal);
    m_ctlExpressionFrame.ShowWindow(normal);
}

void CTuvPage1::OnTips() {
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileInt("Settings", "Tips", m_bTips);
}
