// The sheet's two services outside the program: the startup shortcut and the help text.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <string>

#include "message_box.h"
#include "resource.h"
#include "tuv_sheet.h"

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kLinkName = "Numbrio";

// The "Startup" value of the user's Shell Folders key; false when missing or not a plain text.
bool ReadStartupFolder(std::string& folder) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    char value[255] = {};
    DWORD size = sizeof(value), type = REG_NONE;
    LONG error = ::RegQueryValueExA(key, "Startup", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(key);
    if (error != ERROR_SUCCESS || type != REG_SZ) return false;
    folder.assign(value, ::strnlen(value, size));
    return true;
}

}  // namespace

std::string CTuvSheet::StartupLinkPath() {
    std::string link;
    if (!ReadStartupFolder(link)) return "";
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
        int length = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkPath.c_str(), -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
        ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkPath.c_str(), -1, wide.data(), length);
        result = file->Save(wide.c_str(), TRUE);
        if (result != S_OK) AfxMessageBox("Error creating Shortcut", MB_OK);
        file->Release();
    }
    shellLink->Release();
    return result;
}

std::string CTuvSheet::GetModuleFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // cut: ask again with room for the whole path
    }
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
    if (!bytes) return false;
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes, size);
    file.flush();
    return static_cast<bool>(file);
}

std::string CTuvSheet::WriteHelpText() {
    std::string fileName = GetModuleFolder() + "tuv.txt";
    if (WriteResourceToFile("TEXT", IDR_HELP_TEXT, fileName)) return fileName;
    if (!::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT")) return "";
    // A program folder the user cannot write to: the temporary folder serves instead.
    char temp[MAX_PATH + 1] = {};
    DWORD length = ::GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length > MAX_PATH) return "";
    fileName = std::string(temp) + "tuv.txt";
    return WriteResourceToFile("TEXT", IDR_HELP_TEXT, fileName) ? fileName : "";
}

void CTuvSheet::OnHelpText() {
    std::string fileName = WriteHelpText();
    if (!fileName.empty()) ::ShellExecuteA(nullptr, "open", fileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
