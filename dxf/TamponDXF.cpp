#include "dxf/TamponDXF.h"
#include "platform/CodePageAnsi.h"

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

void TamponDXF::DebutSection(std::string_view nom)
{
    Groupe(0, "SECTION");
    Groupe(2, nom);
}

} // namespace kelmo
