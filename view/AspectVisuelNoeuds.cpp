#include "view/AspectVisuelNoeuds.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"
#include "view/SeuilsAffichage.h"

#include <algorithm>

namespace kelmo {

void DessineApercuNoeud()
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    ApercuNoeud& a = n.Apercu;
    a.X = static_cast<float>(n.LargeurApercu / 2);
    a.Y = static_cast<float>(n.HauteurApercu / 2);
    a.Bord = K.CouleurBordNoeuds;
    a.Interieur = K.CouleurInterieurNoeuds;
    a.Epaisseur = EntierBorne(K.EpaisseurNoeuds, 1, 32767);
    a.Rayon = K.RayonNoeuds;
    a.Dessine = true;
}

namespace {

// The text of a list's box, typed or set: the value follows at once, kept at
// least minimum (a circle has no negative radius, a line thinner than one
// unit cannot be drawn). A number beyond a double is refused, naming the
// box, and the box keeps its text.
void definitTexteListe(QString& boite, double& valeur, double minimum, const QString& texte, const QString& nom)
{
    const ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge && boite == texte)
        return;
    const NombreLu v = LitNombre(texte, RegleNombre{}, nom, QStringLiteral("Paramétres d'affichage des noeuds"));
    if (!v)
        return;
    boite = texte;
    valeur = std::max(minimum, *v);
    if (n.Charge)
        DessineApercuNoeud();
}

} // namespace

void AspectVisuelNoeuds_DefinitTexteCombo1(const QString& texte)
{
    definitTexteListe(K.Formes.AspectVisuelNoeuds.TexteCombo1, K.RayonNoeuds, 0.0, texte,
                      QStringLiteral("Rayon du cercle"));
}

void AspectVisuelNoeuds_DefinitTexteCombo2(const QString& texte)
{
    definitTexteListe(K.Formes.AspectVisuelNoeuds.TexteCombo2, K.EpaisseurNoeuds, 1.0, texte,
                      QStringLiteral("Epaisseur du cercle"));
}

void AspectVisuelNoeuds_Charge()
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge)
        return;
    for (int i = 1; i <= 60; ++i) {
        n.Combo1.AddItem(QString::number(i));
        n.Combo2.AddItem(QString::number(i));
    }
    const double rayon = K.RayonNoeuds, epaisseur = K.EpaisseurNoeuds;
    AspectVisuelNoeuds_DefinitTexteCombo1(TexteAvecSigne(rayon));
    AspectVisuelNoeuds_DefinitTexteCombo2(TexteAvecSigne(epaisseur));
    n.Charge = true;
    DessineApercuNoeud();
}

namespace {

// A choice in one of the two lists: its entry becomes the box's text and the
// value, kept at least minimum so that the symbol stays drawable.
void choisitDansListe(Liste& liste, QString& texte, double& valeur, double minimum, int index)
{
    AspectVisuelNoeuds_Charge();
    if (index < 0 || index >= liste.Entrees.size())
        return;
    liste.ListIndex = index;
    texte = liste.Entree(index);
    valeur = std::max(minimum, ValeurNombre(texte));
    DessineApercuNoeud();
}

} // namespace

void AspectVisuelNoeuds_Combo1_Click(int index)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    choisitDansListe(n.Combo1, n.TexteCombo1, K.RayonNoeuds, 0.0, index);
}

void AspectVisuelNoeuds_Combo2_Click(int index)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    choisitDansListe(n.Combo2, n.TexteCombo2, K.EpaisseurNoeuds, 1.0, index);
}

void Kelmo_menOptionsAffichageVilles_Click()
{
    AspectVisuelNoeuds_Charge();
    MontreForme(FormeDialogue::AspectVisuelNoeuds, false);
}

void AspectVisuelNoeuds_Command3D1_Click()
{
    AspectVisuelNoeuds_Charge();
    if (ChoisitCouleur(K.Formes.AspectVisuelNoeuds.CouleurDialogue, K.CouleurInterieurNoeuds))
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_Command3D2_Click()
{
    AspectVisuelNoeuds_Charge();
    if (ChoisitCouleur(K.Formes.AspectVisuelNoeuds.CouleurDialogue, K.CouleurBordNoeuds))
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_Police_Click()
{
    AspectVisuelNoeuds_Charge();
    Police initiale = Liens().PoliceIma();
    initiale.couleur = VersQColor(K.CouleurNoms);
    const std::optional<Police> p = Ui().ChoixPolice(initiale);
    if (!p)
        return;
    Liens().DefinitPoliceImages(*p);
    K.CouleurNoms = DepuisQColor(p->couleur);
}

void AspectVisuelNoeuds_Seuils_Click() { Kelmo_menOptionsAffichageNoms_Click(); }

void AspectVisuelNoeuds_Command3D4_Click()
{
    K.Annule = false;
    CacheForme(FormeDialogue::AspectVisuelNoeuds);
}

void AspectVisuelNoeuds_Command3D3_Click()
{
    K.Annule = true;
    CacheForme(FormeDialogue::AspectVisuelNoeuds);
}

} // namespace kelmo
