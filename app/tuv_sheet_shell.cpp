// The sheet's two services outside the program: the startup shortcut and the help text.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "app_title.h"
#include "link_static.h"
#include "message_box.h"
#include "registry_text.h"
#include "resource.h"
#include "text_encoding.h"
#include "tuv_sheet.h"

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kLinkName = "Numbrio";

// `bytes` as the whole content of `fileName`, flushed; false when it could not be written.
bool WriteWholeFile(const std::string& fileName, const char* bytes, DWORD size) {
    HANDLE file = ::CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file, bytes, size, &written, nullptr) && written == size && ::FlushFileBuffers(file);
    return ::CloseHandle(file) && ok;
}

}  // namespace

std::string CTuvSheet::StartupLinkPath() {
    // Read at whatever length: in UTF-8 a folder of MAX_PATH characters takes up to three times
    // as many bytes.
    std::string link;
    if (ReadRegistryText(HKEY_CURRENT_USER, kShellFolders, "Startup", link) != ERROR_SUCCESS) return "";
    if (link.empty() || link.back() != '\\') link += '\\';
    return link + kLinkName;
}

void CTuvSheet::ApplyRunAtStart() const {
    std::string link = StartupLinkPath();
    if (link.empty()) return;
    if (m_bRunAtStart) {
        CreateShortcut(GetModuleFolder() + "tuv.exe", link, kLinkName);
    } else {
        ::DeleteFileA((link + ".lnk").c_str());
    }
}

HRESULT CTuvSheet::CreateShortcut(std::string target, std::string linkPath, std::string description) {
    IShellLinkA* shellLink = nullptr;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        reinterpret_cast<void**>(&shellLink));
    if (FAILED(result)) return result;
    shellLink->SetPath(target.c_str());
    shellLink->SetDescription(description.c_str());
    IPersistFile* file = nullptr;
    result = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        linkPath += ".lnk";
        result = file->Save(ToUtf16(linkPath).c_str(), TRUE);
        if (result != S_OK) AfxMessageBox("Error creating Shortcut", MB_OK);
        file->Release();
    }
    shellLink->Release();
    return result;
}

std::string CTuvSheet::GetModuleFolder() {
    std::string path = ThisProgramPath();
    size_t separator = path.rfind('\\');
    return separator == std::string::npos ? "\\" : path.substr(0, separator + 1);
}

bool CTuvSheet::WriteResourceToFile(const char* type, UINT id, const std::string& fileName) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!resource) {
        AfxMessageBox("Error in Tuv.Exe", MB_OK);
        return false;
    }
    HGLOBAL loaded = ::LoadResource(module, resource);
    const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    DWORD size = ::SizeofResource(module, resource);
    return bytes && WriteWholeFile(fileName, bytes, size);
}

std::string CTuvSheet::WriteHelpText() {
    std::string fileName = GetModuleFolder() + "tuv.txt";
    if (WriteResourceToFile("TEXT", IDR_HELP_TEXT, fileName)) return fileName;
    if (!::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT")) return "";
    // A program folder the user cannot write to: the temporary folder serves instead.
    std::wstring temp(::GetTempPathW(0, nullptr), L'\0');
    DWORD length = ::GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
    if (length == 0 || length >= temp.size()) return "";
    temp.resize(length);
    fileName = FromUtf16(temp) + "tuv.txt";
    return WriteResourceToFile("TEXT", IDR_HELP_TEXT, fileName) ? fileName : "";
}

void CTuvSheet::OnHelpText() {
    auto fail = [](const std::string& reason) { AfxMessageBox("Unable to open the help text:\n\n" + reason); };
    std::string fileName = WriteHelpText();
    if (fileName.empty()) {
        DWORD error = ::GetLastError();
        // Without the resource "Error in Tuv.Exe" has said it already.
        if (::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT")) fail(SystemErrorText(error));
        return;
    }
    auto opened = reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", fileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (opened <= 32) fail(OpenErrorText(static_cast<int>(opened)));
}
