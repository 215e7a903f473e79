#pragma once
// Fixed-column access to the lines of the stored files.
#include <string>
#include <string_view>

namespace kelmo {

// Columns a to b (numbered from 1, inclusive) of a line, fewer when the line
// is shorter.
inline std::string_view Colonnes(std::string_view ligne, std::size_t a, std::size_t b)
{
    if (a > ligne.size())
        return {};
    return ligne.substr(a - 1, std::min(b, ligne.size()) - (a - 1));
}

} // namespace kelmo
