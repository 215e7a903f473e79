#include "view/SeuilsAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "view/LiensDialogues.h"

#include <cmath>
#include <cstdint>

namespace kelmo {

namespace {

// A threshold box and its masked twin show one value: a change of either,
// typed or set by the program, sets the other once.
void definitJumelles(QString& boite, QString& jumelle, const QString& texte)
{
    if (boite == texte)
        return;
    boite = texte;
    jumelle = texte;
}

} // namespace

void SeuilsAffichage_DefinitTexte1(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    definitJumelles(s.Texte1, s.MaskedEdit1, texte);
}

void SeuilsAffichage_DefinitMaskedEdit1(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    definitJumelles(s.MaskedEdit1, s.Texte1, texte);
}

void SeuilsAffichage_DefinitTexte2(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    definitJumelles(s.Texte2, s.MaskedEdit2, texte);
}

void SeuilsAffichage_DefinitMaskedEdit2(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    definitJumelles(s.MaskedEdit2, s.Texte2, texte);
}

void SeuilsAffichage_DefinitTexteListe(const QString& texte)
{
    K.Formes.SeuilsAffichage.TexteListeModifiable1 = texte;
    K.Formes.SeuilsAffichage.TexteInitialise = true;
}

void SeuilsAffichage_ListeModifiable1_Click(int index)
{
    Liste& l = K.Formes.SeuilsAffichage.ListeModifiable1;
    l.Choisit(index);
    if (l.ListIndex >= 0)
        SeuilsAffichage_DefinitTexteListe(l.Entrees[l.ListIndex]);
}

namespace {
void initialiseTexteListeSeuils()
{
    if (!K.Formes.SeuilsAffichage.TexteInitialise)
        SeuilsAffichage_DefinitTexteListe(TexteGeneral(K.NombreLettresNoms));
}
} // namespace

void Kelmo_menOptionsAffichageNoms_Click()
{
    initialiseTexteListeSeuils();
    MontreForme(FormeDialogue::SeuilsAffichage, false);
}

bool SeuilsAffichage_EnregistreValeurs()
{
    const ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const double superieur = ValeurSeuil(s.Texte1);
    const double inferieur = ArrondiBanquier(ValeurSeuil(s.Texte2));
    if (!TientEnEntier32(inferieur)) {
        MessageErreur(QStringLiteral("Le seuil d'affichage inférieur doit être compris entre -2147483648 et 2147483647."));
        return false;
    }
    K.SeuilSuperieurNoms = superieur;
    K.SeuilInferieurNoms = static_cast<int32_t>(inferieur);
    initialiseTexteListeSeuils();
    K.NombreLettresNoms = ValeurNombre(K.Formes.SeuilsAffichage.TexteListeModifiable1);
    return true;
}

void SeuilsAffichage_Command3D1_Click()
{
    if (!SeuilsAffichage_EnregistreValeurs())
        return;
    K.Annule = false;
    CacheForme(FormeDialogue::SeuilsAffichage);
}

void SeuilsAffichage_Command3D2_Click()
{
    K.Annule = true;
    CacheForme(FormeDialogue::SeuilsAffichage);
}

void SeuilsAffichage_Command3D3_Click()
{
    if (!SeuilsAffichage_EnregistreValeurs())
        return;
    Liens().EffaceIma();
    Liens().DessineNoeuds(true, true);
}

namespace {

void lisSeuils(double& u, double& l)
{
    u = std::floor(ValeurSeuil(K.Formes.SeuilsAffichage.Texte1));
    l = std::floor(ValeurSeuil(K.Formes.SeuilsAffichage.Texte2));
}

void ecritSeuil(int numero, double v, double diviseur)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const QString t = TexteAvecSigne(v);
    if (numero == 1) {
        s.Gauge1 = EntierBorne(v / diviseur, 0, GaugeSeuilsMax);
        SeuilsAffichage_DefinitTexte1(t);
        SeuilsAffichage_DefinitMaskedEdit1(t);
    } else {
        s.Gauge2 = EntierBorne(v / diviseur, 0, GaugeSeuilsMax);
        SeuilsAffichage_DefinitTexte2(t);
        SeuilsAffichage_DefinitMaskedEdit2(t);
    }
}

} // namespace

void SeuilsAffichage_Spin1_SpinDown()
{
    double u, l;
    lisSeuils(u, l);
    if (u > 100000 && u > l + 100000)
        ecritSeuil(1, u - 100000, 10000);
}

void SeuilsAffichage_Spin1_SpinUp()
{
    double u, l;
    lisSeuils(u, l);
    if (u < 13990000)
        ecritSeuil(1, u + 100000, 10000);
}

void SeuilsAffichage_Spin2_SpinDown()
{
    double u, l;
    lisSeuils(u, l);
    if (l >= 100000)
        ecritSeuil(2, l - 100000, 10000);
    else if (l >= 10000)
        ecritSeuil(2, l - 10000, 10000);
    else if (l >= 1000)
        ecritSeuil(2, l - 1000, 1000);
    else if (l >= 100)
        ecritSeuil(2, l - 100, 100);
}

void SeuilsAffichage_Spin2_SpinUp()
{
    double u, l;
    lisSeuils(u, l);
    if (!(l < 13990000 && l < u - 100000))
        return;
    if (l < 1000)
        ecritSeuil(2, l + 100, 100);
    else if (l < 10000)
        ecritSeuil(2, l + 1000, 1000);
    else if (l < 100000)
        ecritSeuil(2, l + 10000, 10000);
    else
        ecritSeuil(2, l + 100000, 10000);
}

} // namespace kelmo
