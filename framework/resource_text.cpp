#include "resource_text.h"

std::string LoadResourceString(UINT id) {
    // String resources hold at most 4097 characters; the caption and its peers are far shorter.
    char buffer[4097];
    int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, static_cast<size_t>(length > 0 ? length : 0));
}
