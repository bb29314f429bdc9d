// How a variables file's text is written, found when it is read, so that saving it again keeps its
// form: UTF-8 with or without a byte-order mark, UTF-16 (little or big endian, with its mark), or
// the legacy ANSI code page of older versions. No file or window here: bytes and texts only.
#pragma once

#include <windows.h>

#include <string>

struct FileEncoding {
    enum Form { Utf8, Utf8WithMark, Utf16Le, Utf16Be, CodePage };
    Form form = Utf8;   // a new file: UTF-8 without a mark
    UINT codePage = 0;  // with CodePage: the file's code page
    bool operator==(const FileEncoding&) const = default;
};

// A file's text for a program whose code page is `programCodePage`, and the file's form. A
// byte-order mark names the form (UTF-16's zero bytes are no end of text). Otherwise the text
// ends at its first zero byte, and in UTF-8 well-formed UTF-8 stays as it is while anything else
// is a file of the legacy code page `legacyCodePage`, converted; in any other program code page
// the bytes stay as they are. The text also ends at a zero character read as UTF-16.
std::string DecodeVariablesText(std::string bytes, UINT programCodePage, UINT legacyCodePage, FileEncoding& encoding);

// The bytes of `text` in `encoding`. A code page that has no form for some character of the text
// gives way to UTF-8 without a mark: `encoding` then says so.
std::string EncodeVariablesText(const std::string& text, FileEncoding& encoding, UINT programCodePage);
