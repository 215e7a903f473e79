#include "view/ParamAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

#include <cmath>
#include <tuple>

namespace kelmo {

namespace {

// The view's scale and origin are often single values (a display space, a
// typed coefficient): shown as such, "0.695" rather than its double digits.
QString texteVue(double v)
{
    const bool simple = std::isfinite(v) && static_cast<double>(static_cast<float>(v)) == v;
    return TexteRegional(v, K.SeparateurDecimal, simple);
}

// The leading number of an origin box; false when it lies beyond any number.
bool origine(const QString& texte, double& valeur)
{
    try {
        valeur = ValeurTeteRegionale(texte, K.SeparateurDecimal);
    } catch (const ErreurExecution&) {
        return false;
    }
    return std::isfinite(valeur);
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
    double coefficient = 0;
    if (!NombreRegional(p.CoefficientZoom, K.SeparateurDecimal, coefficient)) {
        MessageErreur(QStringLiteral("Le coefficient de zoom doit être un nombre."));
        return;
    }
    // "##.#####": five decimals at most, halves away from zero; the scale is
    // kept as a single.
    const double arrondi = std::round(coefficient * 100000) / 100000;
    if (!TientDansChamp(arrondi, GenreChamp::Simple)) {
        RefuseHorsChamp(p.CoefficientZoom, QStringLiteral("Coefficient"), GenreChamp::Simple, QStringLiteral("Erreur"));
        return;
    }
    const double echelle = static_cast<float>(arrondi);
    if (echelle == 0) {
        MessageErreur(QStringLiteral("Le coefficient de zoom ne peut pas être nul."));
        return;
    }
    double x = 0, y = 0;
    if (!origine(p.xZoom, x) || !origine(p.yZoom, y)) {
        MessageErreur(QStringLiteral("L'abscisse et l'ordonnée du zoom doivent être des nombres."));
        return;
    }
    // The origin moves the picture coordinates, which are singles.
    for (const auto& [valeur, texte, boite] : {std::tuple{x, p.xZoom, QStringLiteral("Abscisse (x)")},
                                               std::tuple{y, p.yZoom, QStringLiteral("Ordonnée (y)")}})
        if (!TientDansChamp(valeur, GenreChamp::Simple)) {
            RefuseHorsChamp(texte, boite, GenreChamp::Simple, QStringLiteral("Erreur"));
            return;
        }
    double hauteur = 0, largeur = 0;
    if (!NombreRegional(p.HauteurImage, K.SeparateurDecimal, hauteur) ||
        !NombreRegional(p.LargeurImage, K.SeparateurDecimal, largeur)) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être des nombres."));
        return;
    }
    const double hauteurMm = ArrondiBanquier(hauteur * 10), largeurMm = ArrondiBanquier(largeur * 10);
    if (hauteurMm > 32767 || largeurMm > 32767) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."));
        return;
    }
    // A picture needs at least one millimetre each way.
    if (hauteurMm < 1 || largeurMm < 1) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être supérieures à 0."));
        return;
    }

    K.Echelle = echelle;
    K.OrigineX = x;
    K.OrigineY = y;
    l.DefinitTailleImages(TailleImages{hauteurMm, largeurMm});
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
