#include "view/ParamAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "view/LiensDialogues.h"

#include <cmath>

namespace kelmo {

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
    ChercheEspace(p.TexteListeDesEspaces, p.EspaceTrouve);
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
    p.CoefficientZoom = TexteRegional(K.Echelle, K.SeparateurDecimal);
    p.xZoom = TexteRegional(K.OrigineX, K.SeparateurDecimal);
    p.yZoom = TexteRegional(K.OrigineY, K.SeparateurDecimal);
    p.HauteurImage = FormatDieses2(taille.Hauteur / 10, K.SeparateurDecimal);
    p.LargeurImage = FormatDieses2(taille.Largeur / 10, K.SeparateurDecimal);

    // Cleared here so that a dialog closed without either button reads as
    // cancelled only through its own handler, never through a stale flag.
    K.Annule = false;
    MontreForme(FormeDialogue::ParamAffichage, true);
    if (K.Annule)
        return;

    double coefficient = 0;
    if (!NombreRegional(p.CoefficientZoom, K.SeparateurDecimal, coefficient)) {
        MessageErreur(QStringLiteral("Le coefficient de zoom doit être un nombre."));
        return;
    }
    double hauteur = 0, largeur = 0;
    if (!NombreRegional(p.HauteurImage, K.SeparateurDecimal, hauteur) || !NombreRegional(p.LargeurImage, K.SeparateurDecimal, largeur)) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être des nombres."));
        return;
    }
    const double hauteurMm = ArrondiBanquier(hauteur * 10), largeurMm = ArrondiBanquier(largeur * 10);
    const auto tient16 = [](double v) { return v >= -32768 && v <= 32767; };
    if (!tient16(hauteurMm) || !tient16(largeurMm)) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."));
        return;
    }

    // "##.#####": five decimals at most, halves away from zero.
    K.Echelle = static_cast<float>(std::round(coefficient * 100000) / 100000);
    K.OrigineX = ValeurTeteRegionale(p.xZoom, K.SeparateurDecimal);
    K.OrigineY = ValeurTeteRegionale(p.yZoom, K.SeparateurDecimal);
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
