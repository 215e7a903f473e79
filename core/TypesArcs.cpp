#include "core/TypesArcs.h"

#include <cmath>

namespace kelmo {
namespace {

struct Definition {
    IndiceTypeArc indice;
    const char16_t* nom;
    int16_t code, vitesse, blanc, epaisseur;
    Couleur commun, plus, moins;
    bool routier;
};

Couleur P(int n) { return QBColor(n); }

} // namespace

void DefinitTypesArcs()
{
    const Definition defs[23] = {
        {iTGV, u"TGV", 3, 220, 2, 3, P(4), P(4), RGB(255, 128, 128), false},
        {iTGVSiteClassique, u"TGVSiteClassique", 31, 120, 2, 2, P(4), P(4), RGB(255, 128, 128), false},
        {iAutoroute, u"Autoroute", 6, 110, 2, 2, RGB(0, 0, 255), P(11), RGB(79, 12, 218), true},
        {iVoieExpressInterurb, u"Voie express interurb.", 61, 90, 2, 2, RGB(0, 128, 128), P(11), RGB(79, 12, 218), true},
        {iVoieRapideUrb65, u"Voie rapide urb. 65", 63, 65, 2, 2, RGB(255, 0, 128), P(11), RGB(79, 12, 218), true},
        {iArtereUrbaine, u"Artère urbaine", 62, 50, 2, 1, RGB(0, 255, 0), P(11), RGB(79, 12, 218), true},
        {iTrain, u"Train", 4, 120, 1, 3, P(5), P(13), RGB(190, 20, 156), false},
        {iTER, u"TER", 41, 75, 1, 3, P(5), P(5), RGB(190, 20, 156), false},
        {iRoute70, u"Route70", 7, 70, 1, 1, RGB(0, 128, 0), P(7), P(0), true},
        {iRoute60, u"Route60", 71, 60, 1, 1, RGB(0, 255, 255), P(7), P(0), true},
        {iRoute50, u"Route50", 72, 50, 1, 1, RGB(95, 95, 95), P(7), P(0), true},
        {iBoulevardUrbain, u"Boulevard urbain", 74, 35, 1, 1, RGB(128, 0, 255), P(7), P(0), true},
        {iVoieUrbaine, u"Voie urbaine", 75, 25, 1, 1, RGB(255, 0, 128), P(7), P(0), true},
        {iBus8, u"Bus 8 urbain dense", 811, 8, 1, 2, P(4), P(7), P(0), true},
        {iBus15, u"Bus 15 urbain", 812, 15, 1, 2, P(4), P(7), P(0), true},
        {iBus25, u"Bus 25 sub-urbain", 813, 25, 1, 2, P(5), P(7), P(0), true},
        {iTramway18, u"Tramway 18", 821, 18, 1, 4, RGB(255, 0, 255), P(7), P(0), true},
        {iTramSubUrbain, u"Tram sub-urbain", 822, 45, 1, 4, RGB(255, 0, 128), P(7), P(0), true},
        {iFerry, u"Ferry", 2, 5, 1, 3, P(1), P(1), P(1), false},
        {iMetro, u"Métro", 8, 10, 1, 3, P(5), P(13), RGB(190, 20, 156), false},
        {iMarche3, u"Marche 3", 91, 3, 1, 1, RGB(0, 128, 128), P(7), P(0), true},
        {iMarche5, u"Marche 5", 9, 5, 1, 1, RGB(0, 0, 255), P(7), P(0), true},
        {iAvion, u"Avion", 1, 600, 2, 2, P(1), P(1), P(1), false},
    };
    for (const Definition& d : defs) {
        TypeArc& t = K.TypesArcs[d.indice];
        t = TypeArc{};
        t.Nom = QString::fromUtf16(d.nom);
        t.Code = d.code;
        t.Vitesse = d.vitesse;
        t.EpaisseurBlanc = d.blanc;
        t.Epaisseur = d.epaisseur;
        t.CouleurCommun = d.commun;
        t.CouleurPlus = d.plus;
        t.CouleurMoins = d.moins;
        t.Routier = d.routier;
    }
    K.NbTypesArcs = 23;
    K.TypesArcsOrdonnes.assign(static_cast<std::size_t>(K.NbTypesArcs) + 1, TypeArc{});
    for (int k = 1; k <= 23; ++k) {
        K.TypesArcsOrdonnes[k].Code = K.TypesArcs[k - 1].Code;
        K.TypesArcs[k - 1].Ordre = static_cast<int16_t>(k);
    }
    for (int k = 1; k <= K.NbTypesArcs; ++k) {
        TypeArcParCode(K.TypesArcsOrdonnes[k].Code, K.TypeArcChoisi);
        TypeArc& e = K.TypesArcsOrdonnes[k];
        const TypeArc& c = K.TypeArcChoisi;
        e.CouleurCommun = c.CouleurCommun;
        e.CouleurMoins = c.CouleurMoins;
        e.CouleurPlus = c.CouleurPlus;
        e.Epaisseur = c.Epaisseur;
        e.EpaisseurBlanc = c.EpaisseurBlanc;
        e.Ordre = c.Ordre;
        e.Nom = c.Nom;
        e.Routier = c.Routier;
        e.Vitesse = c.Vitesse;
        e.Present = c.Present;
        K.Formes.AspectVisuelArcs.ListeDesModes.AddItem(c.Nom);
        K.Formes.ModifArcs.ListeModifiable3.AddItem(c.Nom);
    }
}

int IndiceTypeArcParCode(int code)
{
    // Codes never change after start-up and are unique, so the position found
    // here is the first match of a scan in display order.
    for (int i = 0; i < 23; ++i)
        if (K.TypesArcs[i].Code == code && !K.TypesArcs[i].Nom.isEmpty())
            return i;
    return -1;
}

bool TypeArcParCode(double code, TypeArc& resultat)
{
    if (!(std::fabs(code) < 1e9))
        return false;
    // A code with a fraction matches no link type: codes are whole numbers.
    if (code != std::floor(code))
        return false;
    const int i = IndiceTypeArcParCode(static_cast<int>(code));
    if (i < 0)
        return false;
    resultat = K.TypesArcs[i];
    return true;
}

bool TypeArcParNom(const QString& nom, TypeArc& resultat)
{
    for (const TypeArc& t : K.TypesArcs) {
        if (!t.Nom.isEmpty() && t.Nom == nom) {
            resultat = t;
            return true;
        }
    }
    return false;
}

bool EstTypeHoraire(double code)
{
    return code == 3 || code == 4 || code == 31 || code == 41 || (TypeBus25().Code != 0 && code == TypeBus25().Code)
           || (TypeAvion().Code != 0 && code == TypeAvion().Code);
}

bool EstModeRoutierGroupe(int code)
{
    for (IndiceTypeArc i : {iRoute70, iRoute60, iRoute50, iBoulevardUrbain, iVoieUrbaine, iVoieExpressInterurb,
                            iVoieRapideUrb65, iArtereUrbaine})
        if (K.TypesArcs[i].Code == code && !K.TypesArcs[i].Nom.isEmpty())
            return true;
    return false;
}

} // namespace kelmo
