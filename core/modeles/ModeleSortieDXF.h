#pragma once
// "Sortie DXF": the layer grid (plane, colour name and thickness of each
// kind of object), what goes into the drawing and in which form, and the
// enabled state of the arc and circle option groups. Its initial state is
// that of the window when it is first made; "Quitter" only hides it, so
// every choice lasts for the run. The palette "Couleurs DXF" has no state
// of its own beyond the grid row it fills.
#include "core/modeles/Controles.h"

#include <QString>
#include <array>

namespace kelmo {

// The option buttons of "Eléments linéiques", of "Objet DXF" and of "Rayon".
enum class ValeurArcsDXF { Minimaux, ArcValeur, ArcValeurBiColor, ArcValCouleurModes };
enum class ObjetArcsDXF { TroisDTubes, PolyLignes, TroisDFaces };
enum class RayonCerclesDXF { RayonFixe, FonctionPopulation, FonctionNoeudVal };

struct ModeleSortieDXF {
    // Rows 0 to 14; row 0 holds the column headings in the boxes themselves.
    std::array<QString, 15> plancad{
        QStringLiteral("Plan n°"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11"),
        QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14")};
    std::array<QString, 15> couleurcad{
        QStringLiteral("Couleur"), QStringLiteral("Blanc"), QStringLiteral("Blanc"), QStringLiteral("Blanc"),
        QStringLiteral("cyan"), QStringLiteral("rouge"), QStringLiteral("Vert"), QStringLiteral("jaune"),
        QStringLiteral("magenta"), QStringLiteral("bleu"), QStringLiteral("cyan"), QStringLiteral("noir"),
        QStringLiteral("vert"), QStringLiteral("noir"), QStringLiteral("cyan")};
    std::array<QString, 15> epaisseurcad{
        QStringLiteral("Epaisseur"), QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X"),
        QStringLiteral("1.5"), QStringLiteral("2"), QStringLiteral("1.5"), QStringLiteral("1.5"),
        QStringLiteral("1.5"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("4"),
        QStringLiteral("1.5"), QStringLiteral("1.5"), QStringLiteral("1.5")};
    // Etiquette1(i - 1) is the caption of row i.
    std::array<QString, 14> Etiquette1{
        QStringLiteral("Noeuds"), QStringLiteral("Circle"), QStringLiteral("3DFacettes"),
        QStringLiteral("TGL-TER - 4"), QStringLiteral("Voie Express - 61"), QStringLiteral("Route 70 - 7"),
        QStringLiteral("Route 60 - 71"), QStringLiteral("Route 50 - 72"), QStringLiteral("Autoroutes - 6"),
        QStringLiteral("Ferry-Boat - 2"), QStringLiteral("TGV en gde vit.-3"), QStringLiteral("Bd Urbain"),
        QStringLiteral("Voie Urbaine"), QStringLiteral("Rocade Urbaine")};

    // "Eléments ponctuels": 0 "Noeuds" (the labels), 1 "Nom", 2 "Code",
    // 3 "Population"; text style, alignment, rotation and height.
    std::array<CaseACocher, 4> CocheNoeud{CaseACocher{false}, CaseACocher{true}, CaseACocher{false},
                                          CaseACocher{false}};
    std::array<QString, 4> NomVilleDxf{QStringLiteral("Standard"), QStringLiteral("0"), QStringLiteral("0"),
                                       QStringLiteral("5")};

    // "Circle" and its frame "Rayon"; cadcircle(1) is the scale factor,
    // cadcircle(2) the fixed radius "Valeur de R".
    CaseACocher cochecircle;
    RayonCerclesDXF Rayon = RayonCerclesDXF::RayonFixe;
    CaseACocher CouleursClasses;
    CaseACocher CoulNVal2;
    std::array<QString, 3> cadcircle{QString(), QStringLiteral("1"), QStringLiteral("3")};
    bool GroupeCerclesActif = false; // RayonFixe and the rest of its group

    // "Eléments linéiques" and its frame "Objet DXF"; Tube(0) "Section : ",
    // Tube(1) "Nbre Facettes" (the side count of the tubes).
    std::array<CaseACocher, 8> CocheArcs{};
    ValeurArcsDXF Valeur = ValeurArcsDXF::Minimaux;
    ObjetArcsDXF Objet = ObjetArcsDXF::PolyLignes;
    CaseACocher APlat;
    std::array<QString, 2> Tube{QStringLiteral("20"), QStringLiteral("6")};
    bool GroupeArcsActif = false; // Minimaux and the rest of its group

    CaseACocher Coche3DFace; // "Le relief en 3DFacettes"

    bool Visible = false;
};

struct ModeleCouleursDXF {
    // The eight cells of the palette, each showing its name on its colour.
    std::array<QString, 8> CouleurCad{QStringLiteral("Rouge"), QStringLiteral("Jaune"), QStringLiteral("Vert"),
                                      QStringLiteral("Cyan"), QStringLiteral("Bleu"), QStringLiteral("Magenta"),
                                      QStringLiteral("Blanc"), QStringLiteral("Noir")};
    bool Visible = false;
};

} // namespace kelmo
