#include "variables_file.h"

#include <algorithm>

#include "message_box.h"
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

namespace {

// The rest of an open file, up to kMaxVariablesFileBytes.
FileResult ReadRest(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) return FileResult::ReadFailed;
    if (size.QuadPart > static_cast<LONGLONG>(kMaxVariablesFileBytes)) return FileResult::TooLarge;
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file, bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &got, nullptr))
            return FileResult::ReadFailed;
        if (got == 0) break;  // the file shrank meanwhile: keep what is there
        total += got;
    }
    bytes.resize(total);
    return FileResult::Ok;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    for (size_t written = 0; written < bytes.size();) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1u << 20)), done = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done != chunk) return false;
        written += done;
    }
    return true;
}

}  // namespace

FileResult ReadVariablesFile(const std::string& path, std::string& text, FileEncoding* encoding) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileResult::CannotOpen;
    std::string bytes;
    FileResult result = ReadRest(file, bytes);
    ::CloseHandle(file);
    if (result != FileResult::Ok) return result;
    FileEncoding found;
    std::string decoded = DecodeVariablesText(std::move(bytes), ::GetACP(), LegacyAnsiCodePage(), found);
    if (BoxLength(decoded) > kMaxVariablesCharacters) return FileResult::TooLarge;
    text = std::move(decoded);
    if (encoding) *encoding = found;
    return FileResult::Ok;
}

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    if (slash == 0 || path[slash - 1] == ':') return path.substr(0, slash + 1);  // "C:\" or "\"
    return path.substr(0, slash);
}

// A new file beside `path`, named as GetTempFileName names them ("tuv", four hex digits, ".tmp")
// but built here, since that call takes no folder of more than MAX_PATH bytes. Its handle and
// name, or INVALID_HANDLE_VALUE with the system's error.
HANDLE CreateBeside(const std::string& path, const SaveCalls& calls, std::string& name) {
    static unsigned counter = ::GetTickCount();
    std::string folder = FolderOf(path);
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    for (int attempt = 0; attempt <= 0xFFFF; ++attempt) {
        char unique[16];
        ::wsprintfA(unique, "tuv%04X.tmp", ++counter & 0xFFFF);
        name = folder + unique;
        HANDLE file = calls.createNew(name.c_str());
        if (file != INVALID_HANDLE_VALUE || (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS))
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool Transient(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Puts the complete new file in the target's place. An existing target is replaced, so that it
// keeps its attributes, permissions, links and other streams; a new one is the renamed file.
// A virus scanner or an indexer may hold the target for a moment: tried again for a second.
bool PutInPlace(const std::string& temporary, const std::string& path, const SaveCalls& calls, std::string& keptAs) {
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    // The old file goes aside first, and comes back should the new one not take its place.
    std::string backup;
    HANDLE reserved = CreateBeside(path, calls, backup);
    if (reserved == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(reserved);
    for (int attempt = 0;; ++attempt) {
        if (calls.replace(path.c_str(), temporary.c_str(), backup.c_str())) {
            ::DeleteFileA(backup.c_str());
            return true;
        }
        DWORD error = ::GetLastError();
        // The old file is then only the backup: put back, or else kept, never deleted.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && !::MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            keptAs = backup;
            ::SetLastError(error);
            return false;
        }
        if (!Transient(error) || attempt == 20) {
            ::DeleteFileA(backup.c_str());
            ::SetLastError(error);
            return false;
        }
        ::Sleep(50);
    }
}

// From the start: the bytes, the end of the file after them, flushed.
bool Rewrite(HANDLE file, const std::string& bytes) {
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, bytes) && ::SetEndOfFile(file) &&
           ::FlushFileBuffers(file);
}

// Where no new file can be made beside it, the target itself is rewritten, and put back as it was
// should that fail (a full disk, say).
FileResult WriteInPlace(const std::string& path, const std::string& bytes, SaveReport& report) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileResult::CannotCreate;  // the first error says why
    std::string old;
    if (ReadRest(file, old) != FileResult::Ok) {
        ::CloseHandle(file);
        return FileResult::CannotCreate;
    }
    bool ok = Rewrite(file, bytes);
    if (!ok) {
        report.error = ::GetLastError();
        report.damaged = !Rewrite(file, old);
    }
    ok = ::CloseHandle(file) && ok;
    return ok ? FileResult::Ok : FileResult::WriteFailed;
}

HANDLE CreateNewFile(const char* path) {
    return ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

BOOL ReplaceKeepingBackup(const char* replaced, const char* replacement, const char* backup) {
    return ::ReplaceFileA(replaced, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
}

}  // namespace

const SaveCalls kSystemSaveCalls{&CreateNewFile, &ReplaceKeepingBackup};

FileResult WriteVariablesFile(const std::string& path, const std::string& bytes, SaveReport* report, const SaveCalls& calls) {
    SaveReport unused;
    SaveReport& said = report ? *report : unused;
    said = SaveReport{};
    // A read-only file is not replaced: Windows refuses that itself, Wine would rename over it.
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        said.error = ERROR_ACCESS_DENIED;
        return FileResult::ReplaceFailed;
    }
    std::string temporary;
    HANDLE file = CreateBeside(path, calls, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        said.error = ::GetLastError();
        bool existing = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        return existing ? WriteInPlace(path, bytes, said) : FileResult::CannotCreate;
    }
    bool ok = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    DWORD writeError = ok ? 0 : ::GetLastError();
    ok = ::CloseHandle(file) && ok;
    if (!ok) {
        said.error = writeError ? writeError : ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        return FileResult::WriteFailed;
    }
    if (!PutInPlace(temporary, path, calls, said.keptAs)) {
        said.error = ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        return FileResult::ReplaceFailed;
    }
    return FileResult::Ok;
}

std::string SaveFailureMessage(const std::string& path, const SaveReport& report) {
    std::string reason = SystemErrorText(report.error);
    std::string outcome = !report.keptAs.empty() ? "Your previous file is kept as " + report.keptAs + "."
                          : report.damaged      ? "The file may now be incomplete."
                                                : "Any file of that name is unchanged.";
    return "The variables could not be saved as " + path + "." + (reason.empty() ? "" : "\r\n" + reason) + "\r\n" + outcome;
}
