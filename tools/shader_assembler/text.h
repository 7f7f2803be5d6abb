// Small text helpers shared by the assembler's stages.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace d3d8asm {

inline std::string toLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && toLower(a) == toLower(b);
}

inline std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace d3d8asm
