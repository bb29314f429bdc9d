#include "text_encoding.h"

bool IsUtf8(std::string_view bytes) {
    // The well-formed byte sequences of the Unicode standard: a lead byte, and continuation bytes
    // of which the first may be narrowed (no overlong form, no surrogate, nothing past U+10FFFF).
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - i < length) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (k == 1 ? next < low || next > high : (next & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

namespace {

// MB_PRECOMPOSED is refused for UTF-8, also when it is the program's code page.
DWORD WideningFlags(UINT codePage) {
    bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && ::GetACP() == CP_UTF8);
    return utf8 ? 0 : MB_PRECOMPOSED;
}

}  // namespace

std::wstring Widen(std::string_view text, UINT codePage) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    int wide = ::MultiByteToWideChar(codePage, WideningFlags(codePage), text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) ::MultiByteToWideChar(codePage, WideningFlags(codePage), text.data(), length, result.data(), wide);
    return result;
}

std::string Narrow(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) return std::string();
    const int length = static_cast<int>(wide.size());
    int narrow = ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(narrow > 0 ? narrow : 0), '\0');
    if (narrow > 0) ::WideCharToMultiByte(codePage, 0, wide.data(), length, result.data(), narrow, nullptr, nullptr);
    return result;
}

std::string ConvertCodePage(std::string_view text, UINT from, UINT to) { return Narrow(Widen(text, from), to); }

UINT LegacyAnsiCodePage() {
    DWORD codePage = 0;
    ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&codePage), sizeof(codePage) / sizeof(WCHAR));
    // Locales written only in Unicode have none; Western European is what such files were then.
    return codePage != 0 && codePage != CP_UTF8 ? codePage : 1252;
}

std::string FromUtf8(std::string_view utf8) {
    return ::GetACP() == CP_UTF8 ? std::string(utf8) : ConvertCodePage(utf8, CP_UTF8, CP_ACP);
}

size_t BoxLength(std::string_view text) {
    if (text.empty()) return 0;
    int units = ::MultiByteToWideChar(CP_ACP, WideningFlags(CP_ACP), text.data(), static_cast<int>(text.size()), nullptr, 0);
    return static_cast<size_t>(units > 0 ? units : 0);
}

std::wstring ToUtf16(const std::string& text) { return Widen(text, CP_ACP); }

std::string FromUtf16(std::wstring_view text) { return Narrow(text, CP_ACP); }
