#pragma once
// The 23 link types, their display order and the lookups by code and name.
#include "core/Modele.h"

namespace kelmo {

// Positions in K.TypesArcs: the display order, which is also the order in
// which the lookups test the types.
enum IndiceTypeArc : int {
    iTGV, iTGVSiteClassique, iAutoroute, iVoieExpressInterurb, iVoieRapideUrb65, iArtereUrbaine, iTrain, iTER,
    iRoute70, iRoute60, iRoute50, iBoulevardUrbain, iVoieUrbaine, iBus8, iBus15, iBus25, iTramway18,
    iTramSubUrbain, iFerry, iMetro, iMarche3, iMarche5, iAvion,
};

inline TypeArc& TypeTGV() { return K.TypesArcs[iTGV]; }
inline TypeArc& TypeTGVSiteClassique() { return K.TypesArcs[iTGVSiteClassique]; }
inline TypeArc& TypeAutoroute() { return K.TypesArcs[iAutoroute]; }
inline TypeArc& TypeVoieExpressInterurb() { return K.TypesArcs[iVoieExpressInterurb]; }
inline TypeArc& TypeVoieRapideUrb65() { return K.TypesArcs[iVoieRapideUrb65]; }
inline TypeArc& TypeArtereUrbaine() { return K.TypesArcs[iArtereUrbaine]; }
inline TypeArc& TypeTrain() { return K.TypesArcs[iTrain]; }
inline TypeArc& TypeTER() { return K.TypesArcs[iTER]; }
inline TypeArc& TypeRoute70() { return K.TypesArcs[iRoute70]; }
inline TypeArc& TypeRoute60() { return K.TypesArcs[iRoute60]; }
inline TypeArc& TypeRoute50() { return K.TypesArcs[iRoute50]; }
inline TypeArc& TypeBoulevardUrbain() { return K.TypesArcs[iBoulevardUrbain]; }
inline TypeArc& TypeVoieUrbaine() { return K.TypesArcs[iVoieUrbaine]; }
inline TypeArc& TypeBus8() { return K.TypesArcs[iBus8]; }
inline TypeArc& TypeBus15() { return K.TypesArcs[iBus15]; }
inline TypeArc& TypeBus25() { return K.TypesArcs[iBus25]; }
inline TypeArc& TypeTramway18() { return K.TypesArcs[iTramway18]; }
inline TypeArc& TypeTramSubUrbain() { return K.TypesArcs[iTramSubUrbain]; }
inline TypeArc& TypeFerry() { return K.TypesArcs[iFerry]; }
inline TypeArc& TypeMetro() { return K.TypesArcs[iMetro]; }
inline TypeArc& TypeMarche3() { return K.TypesArcs[iMarche3]; }
inline TypeArc& TypeMarche5() { return K.TypesArcs[iMarche5]; }
inline TypeArc& TypeAvion() { return K.TypesArcs[iAvion]; }

// Fills the 23 records, `TypesArcsOrdonnes` and the two link-type lists
// (the arc appearance dialog's and the arc editor's).
void DefinitTypesArcs();

// Copies the link type of that code (or name, exact and case-sensitive) into
// resultat and returns true; on a miss resultat is left as it was and the
// result is false.
bool TypeArcParCode(double code, TypeArc& resultat);
bool TypeArcParNom(const QString& nom, TypeArc& resultat);
// The position in K.TypesArcs of the link type of that code, -1 when none.
int IndiceTypeArcParCode(int code);
bool EstTypeHoraire(double code);

// The eight road link types: read as minimal arcs, tagged "ROU", drawn as a group.
bool EstModeRoutierGroupe(int code);

} // namespace kelmo
