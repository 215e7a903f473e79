#include "view/ParamAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

#include <cmath>

namespace kelmo {

namespace {

// The view's scale and origin are often single values (a display space, a
// typed coefficient): shown as such, "0.695" rather than its double digits.
QString texteVue(double v)
{
    const bool simple = std::isfinite(v) && static_cast<double>(static_cast<float>(v)) == v;
    return TexteRegional(v, K.SeparateurDecimal, simple);
}

// What the dialog's boxes give, read and checked before anything is
// applied.
struct Parametres {
    double echelle = 0, x = 0, y = 0;
    double hauteurMm = 0, largeurMm = 0;
};

// The boxes read by their rules; false after the refusal of the first box
// that cannot be taken. Shown by "Ok" before the dialog closes, so that a
// refused number stays in its box to be corrected.
bool litParametres(const ModeleParamAffichage& p, Parametres& lus)
{
    const QString titre = QStringLiteral("Erreur");
    const bool virgule = VirguleRegionale();
    // The scale is kept as a single.
    const NombreLu coefficient = LitNombre(p.CoefficientZoom, {Etendue::Texte, virgule, GenreChamp::Simple},
                                           QStringLiteral("Coefficient"), titre);
    if (coefficient.lu == Lu::PasNombre)
        MessageErreur(QStringLiteral("Le coefficient de zoom doit être un nombre."));
    if (!coefficient)
        return false;
    // "##.#####": five decimals at most, halves away from zero.
    const double arrondi = std::round(*coefficient * 100000) / 100000;
    if (!TientDansChamp(arrondi, GenreChamp::Simple)) {
        RefuseHorsChamp(p.CoefficientZoom, QStringLiteral("Coefficient"), GenreChamp::Simple, titre);
        return false;
    }
    lus.echelle = static_cast<float>(arrondi);
    if (lus.echelle == 0) {
        MessageErreur(QStringLiteral("Le coefficient de zoom ne peut pas être nul."));
        return false;
    }
    // The origin moves the picture coordinates, which are singles.
    const RegleNombre origine{Etendue::TeteOuZero, virgule, GenreChamp::Simple};
    const NombreLu x = LitNombre(p.xZoom, origine, QStringLiteral("Abscisse (x)"), titre);
    if (!x)
        return false;
    const NombreLu y = LitNombre(p.yZoom, origine, QStringLiteral("Ordonnée (y)"), titre);
    if (!y)
        return false;
    lus.x = *x;
    lus.y = *y;
    const RegleNombre taille{Etendue::Texte, virgule, GenreChamp::Double};
    const NombreLu hauteur = LitNombre(p.HauteurImage, taille, QStringLiteral("Hauteur"), titre);
    const NombreLu largeur = hauteur ? LitNombre(p.LargeurImage, taille, QStringLiteral("Largeur"), titre) : hauteur;
    if (largeur.lu == Lu::PasNombre)
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être des nombres."));
    if (!largeur)
        return false;
    lus.hauteurMm = ArrondiBanquier(*hauteur * 10);
    lus.largeurMm = ArrondiBanquier(*largeur * 10);
    if (lus.hauteurMm > 32767 || lus.largeurMm > 32767) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."));
        return false;
    }
    // A picture needs at least one millimetre each way.
    if (lus.hauteurMm < 1 || lus.largeurMm < 1) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être supérieures à 0."));
        return false;
    }
    return true;
}

} // namespace

bool ChercheEspace(const QString& nom, Espace& espace)
{
    for (int i = 1; i <= 10; ++i)
        if (K.Espaces[static_cast<std::size_t>(i)].Nom.texte() == nom) {
            espace = K.Espaces[static_cast<std::size_t>(i)];
            return true;
        }
    return false;
}

void ParamAffichage_ListeDesEspaces_Click()
{
    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    // A name that is no display space (the list's own caption "Espace", a
    // name being typed) leaves the boxes as they are.
    if (!ChercheEspace(p.TexteListeDesEspaces, p.EspaceTrouve))
        return;
    const Espace& e = p.EspaceTrouve;
    p.CoefficientZoom = TexteRegional(e.CoefficientZoom, K.SeparateurDecimal, true);
    p.xZoom = TexteRegional(e.XZoom, K.SeparateurDecimal, true);
    p.yZoom = TexteRegional(e.YZoom, K.SeparateurDecimal, true);
    p.HauteurImage = TexteRegional(e.HauteurImage / 10.0, K.SeparateurDecimal);
    p.LargeurImage = TexteRegional(e.LargeurImage / 10.0, K.SeparateurDecimal);
}

void ParamAffichage_DefinitListIndex(int index)
{
    Liste& l = K.Formes.ParamAffichage.ListeDesEspaces;
    l.Choisit(index);
    if (l.ListIndex >= 0)
        K.Formes.ParamAffichage.TexteListeDesEspaces = l.Entrees[l.ListIndex];
    ParamAffichage_ListeDesEspaces_Click();
}

void ParamAffichage_Command3D2_Click()
{
    // A box refused keeps the dialog open on what was typed; until its
    // boxes are taken the dialog counts as cancelled, so that they are not
    // refused a second time once it closes.
    Parametres lus;
    if (!litParametres(K.Formes.ParamAffichage, lus)) {
        K.Annule = true;
        return;
    }
    CacheForme(FormeDialogue::ParamAffichage);
    K.Annule = false;
}

void ParamAffichage_Command3D1_Click()
{
    CacheForme(FormeDialogue::ParamAffichage);
    K.Annule = true;
}

void Kelmo_menParamAffichage_Click()
{
    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    LiensDialogues& l = Liens();
    const TailleImages taille = l.TailleIma();
    p.CoefficientZoom = texteVue(K.Echelle);
    p.xZoom = texteVue(K.OrigineX);
    p.yZoom = texteVue(K.OrigineY);
    p.HauteurImage = FormatDieses2(taille.Hauteur / 10, K.SeparateurDecimal);
    p.LargeurImage = FormatDieses2(taille.Largeur / 10, K.SeparateurDecimal);

    // Cleared here so that a dialog closed without either button reads as
    // cancelled only through its own handler, never through a stale flag.
    K.Annule = false;
    MontreForme(FormeDialogue::ParamAffichage, true);
    if (K.Annule)
        return;

    // Everything is read and checked before anything is applied.
    Parametres lus;
    if (!litParametres(p, lus))
        return;
    K.Echelle = lus.echelle;
    K.OrigineX = lus.x;
    K.OrigineY = lus.y;
    l.DefinitTailleImages(TailleImages{lus.hauteurMm, lus.largeurMm});
    l.Kelmo_Form_Resize();

    Sablier sablier;
    if (p.PasDeRecalcul)
        return;
    l.CalculeCoordonneesEcran();
    if (K.AngleHorizontal != 0)
        l.TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    l.InclineNoeuds(K.AngleVertical);
    l.TrieNoeudsProfondeur();
    l.EffaceIma();
    l.DessineNoeuds(true, false);
}

} // namespace kelmo
