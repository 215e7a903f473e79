#pragma once
// Little-endian words and double words of the metafile files, shared by the
// recorder, the reader and the placeable-file writer.
#include <cstddef>
#include <cstdint>
#include <string>

namespace kelmo::wmf::octets {

inline void AjouteMot(std::string& s, uint16_t m)
{
    s.push_back(static_cast<char>(m & 0xFF));
    s.push_back(static_cast<char>(m >> 8));
}

inline void AjouteDouble(std::string& s, uint32_t v)
{
    AjouteMot(s, static_cast<uint16_t>(v & 0xFFFFu));
    AjouteMot(s, static_cast<uint16_t>(v >> 16));
}

// The caller checks that the bytes are there.
inline uint16_t LitMot(const std::string& s, std::size_t i)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8));
}

inline uint32_t LitDouble(const std::string& s, std::size_t i)
{
    return LitMot(s, i) | (static_cast<uint32_t>(LitMot(s, i + 2)) << 16);
}

} // namespace kelmo::wmf::octets
