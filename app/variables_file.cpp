#include "variables_file.h"

#include <cstring>

#include "text_encoding.h"

std::string FileDialogFilter(const char* filter) {
    std::string result(filter ? filter : "");
    for (char& c : result) {
        if (c == '|') c = '\0';
    }
    // Two zero bytes end the list, whatever the text ended with.
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

std::string RememberedFolderPattern(const std::string& path) {
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return path;
    return path.substr(0, slash + 1) + "*.TXT";
}

std::string DialogStartPattern(const std::string& remembered) {
    size_t slash = remembered.rfind('\\');
    if (remembered.empty()) return kVariablesFileFirstFolder;
    if (slash == std::string::npos) return remembered;
    DWORD folder = ::GetFileAttributesA(remembered.substr(0, slash + 1).c_str());
    bool exists = folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY);
    return exists ? remembered : kVariablesFileFirstFolder;
}

FileResult ReadVariablesFile(const std::string& path, std::string& text) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileResult::CannotOpen;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        ::CloseHandle(file);
        return FileResult::ReadFailed;
    }
    if (size.QuadPart > static_cast<LONGLONG>(kMaxVariablesFileBytes)) {
        ::CloseHandle(file);
        return FileResult::TooLarge;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD total = 0;
    FileResult result = FileResult::Ok;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file, bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &got, nullptr)) {
            result = FileResult::ReadFailed;
            break;
        }
        if (got == 0) break;  // the file shrank meanwhile: keep what is there
        total += got;
    }
    ::CloseHandle(file);
    if (result != FileResult::Ok) return result;
    bytes.resize(total);
    size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    text = DecodeVariablesText(std::move(bytes), ::GetACP(), LegacyAnsiCodePage());
    return FileResult::Ok;
}

std::string DecodeVariablesText(std::string bytes, UINT programCodePage, UINT legacyCodePage) {
    if (programCodePage != CP_UTF8) return bytes;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    // A text that happens to be well-formed UTF-8 in the legacy code page too ("Ã©") reads as
    // UTF-8: such pairs are rare in real text, and UTF-8 is what every file is saved in now.
    return IsUtf8(bytes) ? bytes : ConvertCodePage(bytes, legacyCodePage, CP_UTF8);
}

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    if (slash == 0 || path[slash - 1] == ':') return path.substr(0, slash + 1);  // "C:\" or "\"
    return path.substr(0, slash);
}

FileResult Fail(FileResult result, DWORD* error) {
    if (error) *error = ::GetLastError();
    return result;
}

bool Transient(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Puts the complete new file in the target's place. An existing target is replaced, so that it
// keeps its attributes, permissions, links and other streams; a new one is the renamed file.
// A virus scanner or an indexer may hold the target for a moment: tried again for a second.
bool PutInPlace(const std::string& temporary, const std::string& path) {
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    // The old file goes aside first, and comes back should the new one not take its place.
    char backup[MAX_PATH + 16] = {};
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "tuv", 0, backup)) return false;
    for (int attempt = 0;; ++attempt) {
        if (::ReplaceFileA(path.c_str(), temporary.c_str(), backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            ::DeleteFileA(backup);
            return true;
        }
        DWORD error = ::GetLastError();
        // The old file is then only the backup: put back, or else kept, never deleted.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && !::MoveFileExA(backup, path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            ::SetLastError(error);
            return false;
        }
        if (!Transient(error) || attempt == 20) {
            ::DeleteFileA(backup);
            ::SetLastError(error);
            return false;
        }
        ::Sleep(50);
    }
}

}  // namespace

FileResult WriteVariablesFile(const std::string& path, const std::string& text, DWORD* error) {
    if (error) *error = 0;
    // A read-only file is not replaced: Windows refuses that itself, Wine would rename over it.
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return Fail(FileResult::ReplaceFailed, error);
    }
    char temporary[MAX_PATH + 16] = {};
    // GetTempFileName makes the file, so the name stays ours until it is renamed or deleted.
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "tuv", 0, temporary)) return Fail(FileResult::CannotCreate, error);
    HANDLE file = ::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        FileResult failed = Fail(FileResult::CannotCreate, error);
        ::DeleteFileA(temporary);
        return failed;
    }
    size_t written = 0;
    bool ok = true;
    while (ok && written < text.size()) {
        DWORD chunk = static_cast<DWORD>(text.size() - written > (1u << 20) ? (1u << 20) : text.size() - written);
        DWORD done = 0;
        ok = ::WriteFile(file, text.data() + written, chunk, &done, nullptr) && done == chunk;
        written += done;
    }
    if (ok) ok = ::FlushFileBuffers(file) != 0;
    DWORD writeError = ok ? 0 : ::GetLastError();
    ok = ::CloseHandle(file) && ok;
    if (!ok) {
        if (error) *error = writeError ? writeError : ::GetLastError();
        ::DeleteFileA(temporary);
        return FileResult::WriteFailed;
    }
    if (!PutInPlace(temporary, path)) {
        FileResult failed = Fail(FileResult::ReplaceFailed, error);
        ::DeleteFileA(temporary);
        return failed;
    }
    return FileResult::Ok;
}
