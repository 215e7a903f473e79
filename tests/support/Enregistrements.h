#pragma once
// What the drawing tests count in the metafile recorded so far.
#include "core/MetaFichier.h"
#include "platform/Wmf.h"

#include <cstdint>
#include <vector>

namespace kelmo::test {

// The number of records of one function in the accumulated metafile.
inline int NombreEnregistrements(uint16_t fonction)
{
    if (!MetaFichier)
        return 0;
    const std::vector<uint16_t>& m = MetaFichier->Mots();
    int n = 0;
    std::size_t i = 0;
    while (i + 2 < m.size()) {
        const uint32_t taille = uint32_t(m[i]) | (uint32_t(m[i + 1]) << 16);
        if (m[i + 2] == fonction)
            ++n;
        if (taille < 3)
            break;
        i += taille;
    }
    return n;
}

// Lines recorded, however the recorder writes them.
inline int LignesEnregistrees()
{
    return NombreEnregistrements(wmf::META_LINETO) + NombreEnregistrements(wmf::META_POLYLINE);
}
inline int CerclesEnregistres() { return NombreEnregistrements(wmf::META_ELLIPSE); }
inline int TextesEnregistres()
{
    return NombreEnregistrements(wmf::META_TEXTOUT) + NombreEnregistrements(wmf::META_EXTTEXTOUT);
}

} // namespace kelmo::test
