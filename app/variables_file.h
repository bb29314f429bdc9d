// Variables files: the variables box's text, saved byte for byte (UTF-8 without a byte-order mark
// where the program runs in UTF-8). Reading takes UTF-8 files as they are and converts files
// written in the legacy code page of older versions. No window code here; the page shows the
// dialogs and the messages.
#pragma once

#include <windows.h>

#include <string>

// Larger files are refused: the box holds at most this many bytes.
constexpr DWORD kMaxVariablesFileBytes = 16u * 1024u * 1024u;

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
    TooLarge,      // over kMaxVariablesFileBytes: nothing read
    ReadFailed,    // opened, but reading stopped early
    CannotCreate,  // the temporary file beside the target could not be made
    WriteFailed,   // writing or flushing the new text failed
    ReplaceFailed  // the target could not be replaced (read-only, locked...)
};

// Reads the whole file; the text ends at its first zero byte, if any, and is then decoded.
FileResult ReadVariablesFile(const std::string& path, std::string& text);

// A file's text for a program whose code page is `programCodePage`. In UTF-8: a leading
// byte-order mark goes, well-formed UTF-8 stays as it is, and anything else is a file of the
// legacy code page `legacyCodePage`, converted. In any other code page the bytes stay as they are.
std::string DecodeVariablesText(std::string bytes, UINT programCodePage, UINT legacyCodePage);

// Writes `text` to a new file in the target's folder, flushes it, and only then puts it in the
// target's place. On any failure the target is as it was and no temporary file stays behind.
// `error` gets the system's error code of the failing step.
FileResult WriteVariablesFile(const std::string& path, const std::string& text, DWORD* error = nullptr);
