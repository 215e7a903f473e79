#include "dxf/EnteteDXF.h"
#include "core/Modele.h"
#include "dxf/GrilleDXF.h"

namespace kelmo {

int CouleurCalqueDXF(const QString& nom) { return ConvertitCouleurDXF(nom).value_or(7); }

void EcritEnteteDXF(TamponDXF& t)
{
    t.DebutSection("HEADER");
    t.Groupe(9, "$PLINEGEN");
    t.Groupe(70, "1");
    t.FinSection();
}

void EcritTablesDXF(TamponDXF& t)
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    t.DebutSection("TABLES");
    t.Groupe(0, "TABLE");
    t.Groupe(2, "LTYPE");
    t.Groupe(70, "1");
    t.Groupe(0, "LTYPE");
    t.Groupe(2, "CONTINUOUS");
    t.Groupe(70, "64");
    t.Groupe(3, "Solid line");
    t.Groupe(72, "65");
    t.Groupe(73, "0");
    t.Groupe(40, "0.0");
    t.Groupe(0, "ENDTAB");
    t.Groupe(0, "TABLE");
    t.Groupe(2, "LAYER");
    t.Groupe(70, "11");
    for (std::size_t i = 1; i <= 11; ++i) {
        t.Groupe(0, "LAYER");
        // A layer needs a name: an empty plane cell names the default layer.
        const QString& plan = s.plancad[i];
        if (plan.isEmpty())
            t.Groupe(2, "0");
        else
            t.GroupeTexte(2, plan);
        t.Groupe(70, "64");
        t.GroupeEntier(62, CouleurCalqueDXF(s.couleurcad[i]));
        t.Groupe(6, "CONTINUOUS");
    }
    t.Groupe(0, "ENDTAB");
    t.FinSection();
}

} // namespace kelmo
