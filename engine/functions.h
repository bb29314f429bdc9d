// Built-in function calls, recognised by the name prefix of an upper-cased atom.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tuv {

// No value when the text is no call; otherwise the call's success flag, its value text in `result`.
std::optional<bool> CallFunction(std::string_view callText, std::string& result);

}  // namespace tuv
