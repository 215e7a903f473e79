#pragma once
// The first position holding each code in a table used from position 1, as
// a scan from position 1 finds it: one pass to build, then each look-up
// costs no scan of the table.
#include <cstdint>
#include <unordered_map>

namespace kelmo {

class IndexCodes {
public:
    // code(k) gives the code held at position k, for k = 1 to n.
    template <class F>
    IndexCodes(int32_t n, F code)
    {
        premier_.reserve(static_cast<std::size_t>(n > 0 ? n : 0) * 2);
        for (int32_t k = 1; k <= n; ++k)
            premier_.emplace(code(k), k);
    }
    // 0 when no position holds the code.
    int32_t Premier(int32_t code) const
    {
        auto it = premier_.find(code);
        return it == premier_.end() ? 0 : it->second;
    }

private:
    std::unordered_map<int32_t, int32_t> premier_;
};

// One key for the pair of codes (o, d) and its reverse (d, o).
inline uint64_t ClePaireNonOrientee(int32_t o, int32_t d)
{
    const auto x = static_cast<uint32_t>(o < d ? o : d);
    const auto y = static_cast<uint32_t>(o < d ? d : o);
    return (static_cast<uint64_t>(x) << 32) | y;
}

// The first node of each code among nodes 1 to NbNoeuds.
IndexCodes IndexCodesNoeuds();

} // namespace kelmo
