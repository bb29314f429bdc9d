// Variables files: the variables box's text in the form its file had (file_encoding.h), read
// whole and saved so that a failure never loses the previous file. No window code here; the page
// shows the dialogs and the messages.
#pragma once

#include <windows.h>

#include <string>

#include "file_encoding.h"

// The boxes take this many characters (UTF-16 units), so a file of no more always reads back.
constexpr DWORD kMaxVariablesCharacters = 16u << 20;
// A file that holds no more characters takes at most three bytes for each (UTF-8) and its mark:
// larger ones are refused unread.
constexpr DWORD kMaxVariablesFileBytes = 3 * kMaxVariablesCharacters + 3;

// The file dialogs' filter, written with '|' and split at each '|' into display names and patterns.
constexpr const char* kVariablesFileFilter = "TXT Files (*.txt) | *.txt | All Files (*.*) | *.* ||";
constexpr const char* kVariablesFileExtension = "TXT";
constexpr const char* kVariablesFileFirstFolder = "C:\\*.txt";

// The filter with every '|' turned into the zero byte the file dialogs expect.
std::string FileDialogFilter(const char* filter);

// What "Path"/"TXT" remembers of a chosen file: its folder followed by "*.TXT". A path with no
// '\' is kept whole.
std::string RememberedFolderPattern(const std::string& path);

// Where a file dialog starts: the remembered pattern while its folder exists, else the first one.
std::string DialogStartPattern(const std::string& remembered);

enum class FileResult {
    Ok,
    CannotOpen,    // missing, locked, a folder...
    TooLarge,      // more than kMaxVariablesCharacters: nothing read
    ReadFailed,    // opened, but reading stopped early
    CannotCreate,  // neither a temporary file beside the target nor the target could be written
    WriteFailed,   // writing or flushing the new text failed
    ReplaceFailed  // the target could not be replaced (read-only, locked...)
};

// Reads the whole file and decodes it (DecodeVariablesText, with the program's code pages).
FileResult ReadVariablesFile(const std::string& path, std::string& text, FileEncoding* encoding = nullptr);

// What a save that failed left behind, for its message.
struct SaveReport {
    DWORD error = 0;      // the system's error code of the failing step
    std::string keptAs;   // not empty: the previous file survives only under this name
    bool damaged = false; // written in place, the target could not be put back as it was
};

// The two steps of saving that can fail in ways the tests cannot bring about under Wine: making a
// new file (in a folder that allows changes but not creation) and ReplaceFile (which may fail
// after moving the old file aside).
struct SaveCalls {
    HANDLE (*createNew)(const char* path);  // a new file for writing; INVALID_HANDLE_VALUE if not
    BOOL (*replace)(const char* replaced, const char* replacement, const char* backup);
};
extern const SaveCalls kSystemSaveCalls;

// A failed save's message: the file, the system's reason, and what became of the previous file.
std::string SaveFailureMessage(const std::string& path, const SaveReport& report);

// Writes `bytes` to a new file beside the target, flushes it, and only then puts it in the
// target's place. Where no file can be made there but the target can be written, it is written in
// place, and put back as it was should that fail. On any failure the target is as it was (unless
// `report` says otherwise) and no temporary file stays behind.
FileResult WriteVariablesFile(const std::string& path, const std::string& bytes, SaveReport* report = nullptr,
                              const SaveCalls& calls = kSystemSaveCalls);
