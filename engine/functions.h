// Built-in function calls, recognised by the name prefix of an upper-cased atom.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tuv {

// No value when the text is no call; otherwise the call's success flag, its value text in `result`.
std::optional<bool> CallFunction(std::string_view callText, std::string& result);

// The argument text of a call text: after the first "(" up to, not including, the last character
// (taken to be the closing bracket, whatever it is). Empty when the text ends at the "(".
std::string_view CallArguments(std::string_view callText);

}  // namespace tuv
