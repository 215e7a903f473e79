#include "view/AspectVisuelArcs.h"

#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

// The rounded number of a box, without overflow on absurd input.
double arrondi(const QString& t) { return ArrondiBanquier(ValeurNombre(t)); }

void lisLargeursApercu()
{
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    // The preview draws nothing thinner than one unit nor wider than the spins go.
    K.EpaisseurTraitArcs = std::clamp(ValeurNombre(a.Text2), 0.0, static_cast<double>(EpaisseurArcsMax));
    K.EpaisseurBlancArcs = static_cast<int16_t>(EntierBorne(ValeurNombre(a.Text1), EpaisseurArcsMin, EpaisseurArcsMax));
}

} // namespace

void DessineApercuArc(double x1, double y1, double x2, double y2)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    a.CouleurApercu = a.Image1;
    SegmentApercu fond{x1, y1, x2, y2, std::max<int>(1, K.EpaisseurBlancArcs), QBColor(7)};
    a.Apercu.push_back(fond);
    SegmentApercu trait = fond;
    if (K.EpaisseurTraitArcs != 0)
        trait.Epaisseur = std::max(1, EntierBorne(K.EpaisseurTraitArcs, 1, EpaisseurArcsMax));
    trait.Couleur_ = a.CouleurApercu;
    a.Apercu.push_back(trait);
}

void DessineFigureApercuArcs()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    a.Apercu.clear();
    const double w = a.LargeurApercu, h = a.HauteurApercu;
    DessineApercuArc(0, 0, w, h);
    DessineApercuArc(w / 2, 0, w / 2, h);
    DessineApercuArc(0, h / 2, w, h / 2);
}

namespace {

// A box of the widths or the colour number changed: the preview is drawn
// again with what the boxes now hold.
void definitBoite(QString& boite, const QString& texte)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (boite == texte)
        return;
    // A width beyond a double is refused, naming the box, which keeps its
    // text: every handler reading the widths finds a number there.
    if (&boite != &a.Text3
        && !LitNombre(texte, RegleNombre{},
                      &boite == &a.Text1 ? QStringLiteral("Epaisseur du trait blanc de fond")
                                         : QStringLiteral("Epaisseur du trait"),
                      QStringLiteral("Aspect visuel des arcs")))
        return;
    boite = texte;
    if (&boite == &a.Text3)
        a.CouleurApercu = a.Image1;
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

} // namespace

void AspectVisuelArcs_DefinitText1(const QString& texte) { definitBoite(K.Formes.AspectVisuelArcs.Text1, texte); }
void AspectVisuelArcs_DefinitText2(const QString& texte) { definitBoite(K.Formes.AspectVisuelArcs.Text2, texte); }
void AspectVisuelArcs_DefinitText3(const QString& texte) { definitBoite(K.Formes.AspectVisuelArcs.Text3, texte); }

void AspectVisuelArcs_Charge()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (a.Charge)
        return;
    a.Charge = true;
    const double blanc = K.EpaisseurBlancArcs, trait = K.EpaisseurTraitArcs;
    AspectVisuelArcs_DefinitText1(TexteAvecSigne(blanc));
    AspectVisuelArcs_DefinitText2(TexteAvecSigne(trait));
}

void AfficheAspectArcCourant()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    const TypeArc& t = K.TypeArcChoisi;
    a.TypeAffiche = true;
    a.CodeAffiche = t.Code;
    AspectVisuelArcs_DefinitText2(QString::number(t.Epaisseur));
    AspectVisuelArcs_DefinitText1(QString::number(t.EpaisseurBlanc));
    Couleur c;
    switch (a.GenreChoisi) {
    case 6: c = t.CouleurCommun; break;
    case 7: c = t.CouleurPlus; break;
    case 8: c = t.CouleurMoins; break;
    default: return;
    }
    a.Image1 = c;
    const QString texte = QString::number(c);
    if (a.Text3 == texte) {
        // The same number still has to repaint the preview in this colour.
        a.CouleurApercu = c;
        DessineFigureApercuArcs();
    } else {
        AspectVisuelArcs_DefinitText3(texte);
    }
}

void EnregistreAspectMode(int16_t code, const QString& genre)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (ValeurNombre(a.Text2) == 0)
        AspectVisuelArcs_DefinitText2(QStringLiteral("1"));
    const int i = IndiceTypeArcParCode(code);
    if (i < 0)
        return;
    TypeArc& t = K.TypesArcs[static_cast<std::size_t>(i)];
    t.EpaisseurBlanc = static_cast<int16_t>(EntierBorne(ValeurNombre(a.Text1), EpaisseurArcsMin, EpaisseurArcsMax));
    t.Epaisseur = static_cast<int16_t>(EntierBorne(ValeurNombre(a.Text2), EpaisseurArcsMin, EpaisseurArcsMax));
    const Couleur c = a.Image1;
    const bool unGenre = i == iTGV || i == iTrain || i == iAutoroute || i == iRoute70;
    if (!unGenre) {
        t.CouleurCommun = t.CouleurPlus = t.CouleurMoins = c;
    } else if (genre == QLatin1String("C")) {
        t.CouleurCommun = c;
    } else if (genre == QLatin1String("P")) {
        t.CouleurPlus = c;
    } else if (genre == QLatin1String("M")) {
        t.CouleurMoins = c;
    }
    // The ordered copy of the link types is what lists and lookups show.
    for (TypeArc& o : K.TypesArcsOrdonnes)
        if (o.Code == t.Code && !o.Nom.isEmpty() && o.Nom == t.Nom) {
            o.EpaisseurBlanc = t.EpaisseurBlanc;
            o.Epaisseur = t.Epaisseur;
            o.CouleurCommun = t.CouleurCommun;
            o.CouleurPlus = t.CouleurPlus;
            o.CouleurMoins = t.CouleurMoins;
        }
}

void ValideAspectArc()
{
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    // Nothing has been shown yet: the boxes hold no link type's values.
    if (!a.TypeAffiche)
        return;
    QString genre;
    if (a.GenreChoisi == 6)
        genre = QStringLiteral("C");
    else if (a.GenreChoisi == 7)
        genre = QStringLiteral("P");
    else if (a.GenreChoisi == 8)
        genre = QStringLiteral("M");
    EnregistreAspectMode(a.CodeAffiche, genre);
}

void AspectVisuelArcs_ListeDesModes_Click()
{
    AspectVisuelArcs_Charge();
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    const Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
    ValideAspectArc();
    TypeArcParNom(l.Entree(l.ListIndex), K.TypeArcChoisi);
    a.Image1 = K.TypeArcChoisi.CouleurCommun;
    a.GenreChoisi = 6;
    AfficheAspectArcCourant();
}

void AspectVisuelArcs_DefinitListIndex(int index)
{
    Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
    l.Choisit(index);
    AspectVisuelArcs_ListeDesModes_Click();
}

void MontreAspectVisuelArcs()
{
    AspectVisuelArcs_Charge();
    if (!K.Formes.AspectVisuelArcs.TypeAffiche)
        AspectVisuelArcs_ListeDesModes_Click();
    MontreForme(FormeDialogue::AspectVisuelArcs, false);
}

namespace {

void pasLargeur(int numero, int pas)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    QString& texte = numero == 1 ? a.Text1 : a.Text2;
    double n = arrondi(texte);
    // A value typed outside the range moves one step towards it.
    if (pas < 0 && n > EpaisseurArcsMin)
        n -= 1;
    else if (pas > 0 && n < EpaisseurArcsMax)
        n += 1;
    else
        n = std::nan("");
    if (!std::isnan(n)) {
        if (numero == 1)
            AspectVisuelArcs_DefinitText1(TexteAvecSigne(n));
        else
            AspectVisuelArcs_DefinitText2(TexteAvecSigne(n));
    }
    a.Apercu.clear();
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

} // namespace

void AspectVisuelArcs_Spin1_SpinDown() { pasLargeur(1, -1); }
void AspectVisuelArcs_Spin1_SpinUp() { pasLargeur(1, +1); }
void AspectVisuelArcs_Spin2_SpinDown() { pasLargeur(2, -1); }
void AspectVisuelArcs_Spin2_SpinUp() { pasLargeur(2, +1); }

void AspectVisuelArcs_Commande2_Click()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    Couleur choisie = 0;
    if (!ChoisitCouleur(a.CouleurDialogue, choisie))
        return;
    a.Image1 = choisie;
    const QString texte = QString::number(choisie);
    if (a.Text3 != texte)
        AspectVisuelArcs_DefinitText3(texte);
    a.CouleurApercu = a.Image1;
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_Flèches_Click(bool coche)
{
    K.Formes.AspectVisuelArcs.Flèches = coche;
    K.TraceFleches = coche ? 1 : 0;
}

void AspectVisuelArcs_Combo1_Change(const QString& texte)
{
    K.Formes.AspectVisuelArcs.Combo1 = texte;
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_Command1_Click()
{
    ValideAspectArc();
    CacheForme(FormeDialogue::AspectVisuelArcs);
    K.Annule = false;
}

void AspectVisuelArcs_Commande1_Click()
{
    CacheForme(FormeDialogue::AspectVisuelArcs);
    K.Annule = true;
}

} // namespace kelmo
