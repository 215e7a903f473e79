#include "core/Defauts.h"
#include "core/Modele.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {

void DefinitValeursParDefaut()
{
    // View.
    K.VilleCentreRotation = QStringLiteral("PARIS");
    K.Echelle = 3;
    K.OrigineX = 0;
    K.OrigineY = 1100;
    K.AngleVertical = 0;

    // Nodes and names.
    K.SeuilSuperieurNoms = 12000000;
    K.SeuilInferieurNoms = 10000;
    K.NombreLettresNoms = 20;
    K.CouleurBordNoeuds = QBColor(7);
    K.CouleurInterieurNoeuds = QBColor(4);
    K.RayonNoeuds = 2;
    K.EpaisseurNoeuds = 1;

    // Arcs.
    K.TraceFleches = 0;
    K.EpaisseurTraitArcs = 2;
    K.EpaisseurBlancArcs = 3;

    // Relief and costs. The light vector is kept normalised; its norm is
    // stored in single precision before the division, as the shading expects.
    K.CoefEclaircissement = 5;
    const double lx = 100, ly = 100, lz = -30;
    K.NormeVecteurLumiere = static_cast<float>(std::sqrt(lx * lx + ly * ly + lz * lz));
    const double norme = K.NormeVecteurLumiere != 0 ? K.NormeVecteurLumiere : 1.0;
    K.VecteurLumiere = {lx / norme, ly / norme, lz / norme};
    K.TypeValuationRelief = QStringLiteral("Temps");
    K.TypeCout = QStringLiteral("Généralisé professionnel");
    K.CoefTarifTGV = 1.2f;
    K.PeageKm = 0.3;
    K.ValeurTempsFrance = 34.06f;
    K.VitesseCoutRoute = 70;
    K.VitesseCoutTrain = 120;
    K.VitesseCoutTGV = 220;
    K.VitesseCoutAutoroute = 110;
    K.ValeurTempsAllemagne = 46;
    K.VitesseCoutAutoroute1 = 130;
    K.NombrePassagers = 1;
    K.NiveauRevenuSmic = 1;
    K.PuissanceFiscale = 4;
    K.CoefClasseFer = 1;
    K.LongueurDeplacementKm = 200;

    // Values, flows and classes: one class covering every value.
    K.RefRondsValeur1 = 1;
    K.EchelleRonds = 1;
    K.CouleurAfflux1 = QBColor(2);
    K.CouleurAfflux2 = QBColor(12);
    K.SeuilAttractions = 0;
    K.Classes.assign(11, Classe{});
    K.Classes[1].BorneInf = 0;
    K.Classes[1].BorneSup = 1000000000.0f;
    K.Classes[1].Couleur = QBColor(4);

    // Editing.
    K.ModeModifArcs = false;
    K.ModeModifNoeuds = false;
    K.AfficheMessagesElimination = true;
}

void DefinitDefautsOptionsRelief()
{
    K.Formes.OptionsRelief.Route = true;
    K.Formes.OptionsRelief.TGV = true;
}

void DefinitDefautsCouts()
{
    ModeleCouts& c = K.Formes.Coûts;
    for (int i = 1; i <= 20; ++i) {
        c.Combo1.AddItem(QString::number(i));
        c.Combo2.AddItem(QString::number(2 * i - 1));
        c.Combo2.AddItem(QString::number(2 * i));
        c.Combo3.AddItem(QString::number(50 * i));
    }
}

void DefinitDefautsSeuilsAffichage()
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    s.ListeModifiable1.Clear();
    for (int i = 1; i <= 50; ++i)
        s.ListeModifiable1.AddItem(QString::number(i));
    // The gauges hold whole numbers: the quotients round to 1 and 0.
    s.Texte1 = TexteAvecSigne(K.SeuilSuperieurNoms);
    s.Gauge1 = static_cast<int>(ArrondiBanquier(K.SeuilSuperieurNoms / 15000000.0));
    s.MaskedEdit1 = s.Texte1;
    s.Texte2 = TexteAvecSigne(K.SeuilInferieurNoms);
    s.Gauge2 = static_cast<int>(ArrondiBanquier(K.SeuilInferieurNoms / 15000000.0));
    s.MaskedEdit2 = s.Texte2;
}

void DefinitDefautsStatistiques()
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.PicClasse.assign(11, 0xFFFFFF);
    for (int i = 1; i <= 10; ++i) {
        const int g = 254 - 4 * (i - 1);
        s.PicClasse[static_cast<std::size_t>(i)] = RGB(g, g, g);
    }
    const int nb = std::min<int>(K.NbClasses, 10);
    if (static_cast<int>(K.Classes.size()) <= nb)
        K.Classes.resize(static_cast<std::size_t>(nb) + 1);
    for (int i = 1; i <= nb; ++i)
        K.Classes[static_cast<std::size_t>(i)].Couleur = s.PicClasse[static_cast<std::size_t>(i)];
    s.Ech = TexteGeneral(K.EchelleRonds, QLatin1Char(K.SeparateurDecimal));
}

void DefinitEspaces(double hauteurIma, double largeurIma)
{
    struct Ligne {
        const char* nom;
        float coef, x, y;
        int hauteur, largeur; // 0: the picture's current size
    };
    static const Ligne lignes[10] = {
        {"Europe", 0.695f, 58, 100, 0, 0},
        {"France 189", 0.878f, 34, 41, 0, 0},
        {"France 508", 0.9765f, 50, -35.7821f, 195, 210},
        {"Poitou Charentes", 0.476f, 573, 655, 0, 0},
        {"Indre-et-Loire", 0.181f, 3146, 3540, 0, 0},
        {"Agglomération de Tours", 0.179f, 3323, 5349, 0, 0},
        {"Tours centre", 0.061f, 11050, 16963, 0, 0},
        {"Espace théorique 600", 1.6f, -70, -130, 150, 150},
        {"L'Europe de l'OEST", 0.275f, 680, 810, 220, 220},
        {"Dune 2000", 1.1139119f, -176, -76.5f, 195, 275},
    };
    const int16_t hauteur = EnEntier16(hauteurIma);
    const int16_t largeur = EnEntier16(largeurIma);
    K.Formes.ParamAffichage.ListeDesEspaces.Clear();
    for (int i = 0; i < 10; ++i) {
        const Ligne& l = lignes[i];
        Espace& e = K.Espaces[static_cast<std::size_t>(i) + 1];
        e.Nom = QString::fromUtf8(l.nom);
        e.CoefficientZoom = l.coef;
        e.XZoom = l.x;
        e.YZoom = l.y;
        e.HauteurImage = l.hauteur ? static_cast<int16_t>(l.hauteur) : hauteur;
        e.LargeurImage = l.largeur ? static_cast<int16_t>(l.largeur) : largeur;
        K.Formes.ParamAffichage.ListeDesEspaces.AddItem(e.Nom.texte());
    }
}

} // namespace kelmo
