// The program's 8-bit texts are UTF-8 where Windows runs it with UTF-8 as its code page (Windows
// 10 1903 and later, as its manifest asks), and in the system's ANSI code page before that.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Whether `bytes` is well-formed UTF-8: no stray or missing continuation bytes, overlong forms,
// surrogates or code points past U+10FFFF.
bool IsUtf8(std::string_view bytes);

// `text` from code page `from` into code page `to`.
std::string ConvertCodePage(std::string_view text, UINT from, UINT to);
// A text of code page `codePage` in UTF-16, and back.
std::wstring Widen(std::string_view text, UINT codePage);
std::string Narrow(std::wstring_view wide, UINT codePage);

// How many characters an edit box counts in a text of the program's code page: UTF-16 units.
size_t BoxLength(std::string_view text);

// The ANSI code page of the system's locale ("language for non-Unicode programs"): the one the
// program used before it ran in UTF-8, so the one older variables files are written in.
UINT LegacyAnsiCodePage();

// A UTF-8 text in the program's code page (unchanged where that is UTF-8).
std::string FromUtf8(std::string_view utf8);

// A text of the program's code page in UTF-16, for the calls that take nothing else.
std::wstring ToUtf16(const std::string& text);

// A UTF-16 text in the program's code page.
std::string FromUtf16(std::wstring_view text);
