#include "view/SeuilsAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
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

namespace {

const QString titreSeuils = QStringLiteral("Seuil d'affichage des noms des villes");

// The threshold of a box, its thousands grouping dropped; nothing, after
// the refusal naming the box, when it lies beyond a double, or, for the
// lower one when it is to be stored (a 32-bit integer keeps it), beyond
// that integer.
std::optional<double> seuil(int numero, bool stocke)
{
    const ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const QString& texte = numero == 1 ? s.Texte1 : s.Texte2;
    const GenreChamp champ = numero == 2 && stocke ? GenreChamp::Entier32 : GenreChamp::Double;
    const QString boite =
        numero == 1 ? QStringLiteral("Seuil d'affichage supérieur") : QStringLiteral("Seuil d'affichage inférieur");
    const NombreLu v = LitNombre(TexteSansMilliers(texte), {Etendue::TeteOuZero, false, champ});
    if (!v) {
        RefuseHorsChamp(texte, boite, champ, titreSeuils);
        return std::nullopt;
    }
    return *v;
}

} // namespace

bool SeuilsAffichage_EnregistreValeurs()
{
    const std::optional<double> superieur = seuil(1, true);
    if (!superieur)
        return false;
    const std::optional<double> inferieur = seuil(2, true);
    if (!inferieur)
        return false;
    initialiseTexteListeSeuils();
    const QString& texteLettres = K.Formes.SeuilsAffichage.TexteListeModifiable1;
    const NombreLu lettres =
        LitNombre(texteLettres, RegleNombre{}, QStringLiteral("Nombre de lettres à afficher"), titreSeuils);
    if (!lettres)
        return false;
    K.SeuilSuperieurNoms = *superieur;
    K.SeuilInferieurNoms = static_cast<int32_t>(ArrondiBanquier(*inferieur));
    K.NombreLettresNoms = *lettres;
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

// False, after the refusal of the box, when a threshold cannot be read.
bool lisSeuils(double& u, double& l)
{
    const std::optional<double> superieur = seuil(1, false);
    const std::optional<double> inferieur = superieur ? seuil(2, false) : std::nullopt;
    if (!inferieur)
        return false;
    u = std::floor(*superieur);
    l = std::floor(*inferieur);
    return true;
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
    if (!lisSeuils(u, l))
        return;
    if (u > 100000 && u > l + 100000)
        ecritSeuil(1, u - 100000, 10000);
}

void SeuilsAffichage_Spin1_SpinUp()
{
    double u, l;
    if (!lisSeuils(u, l))
        return;
    if (u < 13990000)
        ecritSeuil(1, u + 100000, 10000);
}

void SeuilsAffichage_Spin2_SpinDown()
{
    double u, l;
    if (!lisSeuils(u, l))
        return;
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
    if (!lisSeuils(u, l))
        return;
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
