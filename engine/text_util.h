// Small text helpers shared by the evaluation code. Texts are 8-bit; nothing here depends on the locale.
#pragma once

#include <string>
#include <string_view>

namespace tuv {

// The white space that evaluation trims: space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

constexpr char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string_view TrimWhite(std::string_view text);
std::string_view TrimWhiteRight(std::string_view text);

// Upper-cases the letters a to z only, whatever the locale.
void UpperCaseAscii(std::string& text);
std::string UpperCasedAscii(std::string_view text);

// Compares ignoring the case of a to z.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tuv
