#include "view/AspectVisuelNoeuds.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
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

void AspectVisuelNoeuds_DefinitTexteCombo1(const QString& texte)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge && n.TexteCombo1 == texte)
        return;
    n.TexteCombo1 = texte;
    // A circle has no negative radius.
    K.RayonNoeuds = std::max(0.0, ValeurNombre(texte));
    if (n.Charge)
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_DefinitTexteCombo2(const QString& texte)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge && n.TexteCombo2 == texte)
        return;
    n.TexteCombo2 = texte;
    // A line thinner than one unit cannot be drawn.
    K.EpaisseurNoeuds = std::max(1.0, ValeurNombre(texte));
    if (n.Charge)
        DessineApercuNoeud();
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

void AspectVisuelNoeuds_Combo1_Click(int index)
{
    AspectVisuelNoeuds_Charge();
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    n.Combo1.ListIndex = index;
    n.TexteCombo1 = n.Combo1.Entree(index);
    K.RayonNoeuds = std::max(0.0, ValeurNombre(n.TexteCombo1));
    DessineApercuNoeud();
}

void AspectVisuelNoeuds_Combo2_Click(int index)
{
    AspectVisuelNoeuds_Charge();
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    n.Combo2.ListIndex = index;
    n.TexteCombo2 = n.Combo2.Entree(index);
    K.EpaisseurNoeuds = std::max(1.0, ValeurNombre(n.TexteCombo2));
    DessineApercuNoeud();
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
