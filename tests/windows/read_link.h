// The target and description of a saved shell link, read back through the shell ("<none>|" when
// it cannot be read). The link's own path is ASCII; the texts come in the caller's code page.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

inline std::string ReadLink(const std::string& path) {
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    char target[4096] = "<none>", description[MAX_PATH] = {};
    const std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        link->GetPath(target, sizeof(target), nullptr, 0);
        link->GetDescription(description, MAX_PATH);
    }
    if (file) file->Release();
    if (link) link->Release();
    return std::string(target) + "|" + description;
}
