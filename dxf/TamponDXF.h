#pragma once
// The bytes of a DXF file as they are written: every group code and every
// value on a line of its own ended by CR LF, texts in Windows-1252, numbers
// in the general form of NombresDXF. The writers append to one buffer in a
// single pass; the file is saved from it at the end.
#include "dxf/NombresDXF.h"

#include <QString>
#include <string>
#include <string_view>

namespace kelmo {

class TamponDXF {
public:
    std::string octets;

    void Ligne(std::string_view texte)
    {
        octets.append(texte);
        octets.append("\r\n", 2);
    }
    void Code(int code)
    {
        char b[LongueurMaxNombreDXF];
        octets.append(b, static_cast<std::size_t>(FormeEntierDXF(b, code)));
        octets.append("\r\n", 2);
    }
    // A group whose value is plain ASCII (entity names, fixed values).
    void Groupe(int code, std::string_view valeur)
    {
        Code(code);
        Ligne(valeur);
    }
    // A group whose value is a text of the user or of the data.
    void GroupeTexte(int code, const QString& valeur);
    void GroupeEntier(int code, int64_t valeur)
    {
        Code(code);
        AjouteEntierDXF(octets, valeur);
        octets.append("\r\n", 2);
    }
    void GroupeSimple(int code, float valeur)
    {
        Code(code);
        AjouteSimpleDXF(octets, valeur);
        octets.append("\r\n", 2);
    }
    void GroupeDouble(int code, double valeur)
    {
        Code(code);
        AjouteDoubleDXF(octets, valeur);
        octets.append("\r\n", 2);
    }
    // Room for that many more bytes: a drawing of a million faces is written
    // without the buffer being moved as it grows.
    void Reserve(std::size_t octets);
    // "0" / "SECTION" / "2" / nom, and "0" / "ENDSEC".
    void DebutSection(std::string_view nom);
    void FinSection() { Groupe(0, "ENDSEC"); }
};

} // namespace kelmo
