#include "core/IndexCodes.h"
#include "core/Modele.h"

#include <algorithm>

namespace kelmo {

IndexCodes IndexCodesNoeuds()
{
    const int32_t n = std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1);
    return IndexCodes(n, [](int32_t k) { return K.Noeuds[static_cast<std::size_t>(k)].Code; });
}

} // namespace kelmo
