#pragma once
// Byte helpers of the file-format tests: a readable dump and word lists.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kelmo::test {

// "9A C6 CD D7 …": the bytes in hexadecimal, one blank between them.
inline std::string Hex(const std::string& s)
{
    static const char* chiffres = "0123456789ABCDEF";
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i)
            r += ' ';
        const auto c = static_cast<unsigned char>(s[i]);
        r += chiffres[c >> 4];
        r += chiffres[c & 15];
    }
    return r;
}

// 16-bit words written as plain numbers in a test.
inline std::vector<uint16_t> M(std::initializer_list<int> mots)
{
    std::vector<uint16_t> r;
    for (int m : mots)
        r.push_back(static_cast<uint16_t>(m));
    return r;
}

} // namespace kelmo::test
