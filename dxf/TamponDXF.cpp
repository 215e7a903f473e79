#include "dxf/TamponDXF.h"
#include "platform/CodePageAnsi.h"

#include <cstdint>
#include <sys/mman.h>

namespace kelmo {

void TamponDXF::GroupeTexte(int code, const QString& valeur)
{
    Code(code);
    const std::size_t debut = octets.size();
    AjouteAnsi(octets, valeur);
    // A line break inside a value would end the line early and shift every
    // group after it; a field never filled holds NULs.
    for (std::size_t i = debut; i < octets.size(); ++i)
        if (static_cast<unsigned char>(octets[i]) < 0x20)
            octets[i] = ' ';
    octets.append("\r\n", 2);
}

void TamponDXF::Reserve(std::size_t supplement)
{
    const std::size_t voulu = octets.size() + supplement;
    if (voulu <= octets.capacity())
        return;
    octets.reserve(voulu);
    // Large pages where the system gives them on request: fewer faults while
    // hundreds of megabytes are first written.
    constexpr std::size_t page = std::size_t{2} << 20;
    const auto debut = (reinterpret_cast<std::uintptr_t>(octets.data()) + page - 1) & ~(page - 1);
    const auto fin = (reinterpret_cast<std::uintptr_t>(octets.data()) + octets.capacity()) & ~(page - 1);
    if (fin > debut)
        madvise(reinterpret_cast<void*>(debut), fin - debut, MADV_HUGEPAGE);
}

void TamponDXF::DebutSection(std::string_view nom)
{
    Groupe(0, "SECTION");
    Groupe(2, nom);
}

} // namespace kelmo
