#include "relief/LiensCarte.h"
#include "core/Modele.h"

namespace kelmo {
namespace {

// Empty members become harmless no-ops so that callers never test them.
LiensCarte completes(LiensCarte l)
{
    if (!l.RedessineCarte)
        l.RedessineCarte = [] {};
    if (!l.DessineNoeuds)
        l.DessineNoeuds = [](bool, bool) {};
    if (!l.DessineArcsType)
        l.DessineArcsType = [](const TypeArc&) {};
    if (!l.RepeintFenetre)
        l.RepeintFenetre = [] {};
    if (!l.CurseurIma)
        l.CurseurIma = [](bool) {};
    return l;
}

// Function-local statics: the map drawing installs its defaults during the
// static initialisation of another library, in no fixed order with this one.
LiensCarte& parDefaut()
{
    static LiensCarte l = completes({});
    return l;
}

const bool enregistre = (EnregistreReinitialisation([] { LiensVersCarte() = parDefaut(); }), true);

} // namespace

LiensCarte& LiensVersCarte()
{
    static LiensCarte l = parDefaut();
    return l;
}

void DefinitLiensCarteParDefaut(const LiensCarte& liens)
{
    parDefaut() = completes(liens);
    LiensVersCarte() = parDefaut();
}

} // namespace kelmo
