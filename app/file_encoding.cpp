#include "file_encoding.h"

#include "text_encoding.h"

namespace {

constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

bool Begins(const std::string& bytes, const char* mark) { return bytes.compare(0, std::string(mark).size(), mark) == 0; }

// UTF-16 code units from bytes in either order; an odd last byte is no unit.
std::wstring Units(const std::string& bytes, size_t from, bool bigEndian) {
    std::wstring units;
    units.reserve(bytes.size() / 2);
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    return units;
}

std::string Bytes(const std::wstring& units, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t unit : units) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::string Converted(std::string_view text, UINT from, UINT to) {
    return from == to ? std::string(text) : ConvertCodePage(text, from, to);
}

}  // namespace

std::string DecodeVariablesText(std::string bytes, UINT programCodePage, UINT legacyCodePage, FileEncoding& encoding) {
    const bool littleEndian = Begins(bytes, "\xFF\xFE"), bigEndian = Begins(bytes, "\xFE\xFF");
    if (littleEndian || bigEndian) {
        encoding = {bigEndian ? FileEncoding::Utf16Be : FileEncoding::Utf16Le};
        std::wstring units = Units(bytes, 2, bigEndian);
        return Narrow(units.substr(0, units.find(L'\0')), programCodePage);
    }
    bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
    if (Begins(bytes, kUtf8Mark)) {
        encoding = {FileEncoding::Utf8WithMark};
        return Converted(std::string_view(bytes).substr(3), CP_UTF8, programCodePage);
    }
    if (programCodePage != CP_UTF8) {
        encoding = {FileEncoding::CodePage, programCodePage};
        return bytes;
    }
    // A text that happens to be well-formed UTF-8 in the legacy code page too ("Ã©") reads as
    // UTF-8: such pairs are rare in real text, and UTF-8 is what new files are saved in.
    if (IsUtf8(bytes)) {
        encoding = {FileEncoding::Utf8};
        return bytes;
    }
    encoding = {FileEncoding::CodePage, legacyCodePage};
    return ConvertCodePage(bytes, legacyCodePage, CP_UTF8);
}

std::string EncodeVariablesText(const std::string& text, FileEncoding& encoding, UINT programCodePage) {
    switch (encoding.form) {
    case FileEncoding::Utf16Le:
    case FileEncoding::Utf16Be:
        return Bytes(Widen(text, programCodePage), encoding.form == FileEncoding::Utf16Be);
    case FileEncoding::CodePage: {
        std::string bytes = Converted(text, programCodePage, encoding.codePage);
        if (Converted(bytes, encoding.codePage, programCodePage) == text) return bytes;
        encoding = {FileEncoding::Utf8};  // some character has no form there
        break;
    }
    default:
        break;
    }
    std::string utf8 = Converted(text, programCodePage, CP_UTF8);
    return encoding.form == FileEncoding::Utf8WithMark ? kUtf8Mark + utf8 : utf8;
}
