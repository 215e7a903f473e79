#pragma once
// The statistics window: which value is studied (a node quantity or an
// arc-value file), its strips and class chart, the class bounds, colour and
// thickness boxes, the value-file names, the circle scale and the options the
// node-value readers and the node circles read. Positions of the control
// arrays count from 1, as the window numbers them.
#include "core/Couleurs.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace kelmo {

// One vertical line of a strip, from (X, 0) to (X, the strip's height).
struct TraitBande {
    double X = 0;
    ::kelmo::Couleur Couleur = 0;
    int Epaisseur = 1;
};

// A strip picture: its scale size, its pen and the lines drawn since it was
// cleared (clearing keeps the pen).
struct Bande {
    double ScaleWidth = 404;
    double ScaleHeight = 40;
    Couleur ForeColor = 0;
    int DrawWidth = 1;
    std::vector<TraitBande> Traits;
};

// The class chart: one series of points (the class counts).
struct Graphe {
    int ChartType = 4;     // 4 for a node quantity, 2 for an arc-value file
    std::vector<int> Points;
};

struct ModeleStatistiques {
    // "Noeuds" tab: the node quantity (one option group with ArcVale1/2).
    bool Option3D1 = true;       // "Noeud-valeur 1 (état final)"
    bool Option3D2 = false;      // "Noeud-valeur 2 (état initial)"
    bool Multiplication = false; // "Multiplication de 1 par 2"
    bool DiffAbs = false;        // "Différences absolues (1-2, final moins initial)"
    bool DiffRelat = false;      // "Différences relatives (1-2, final moins initial)"
    bool BlindageEchDifAbs = false, BlindageEchDifRel = false; // "Blindage échelle"
    QString Text3, Text4;        // node-value files 1 and 2
    QString NomFichBMP = QStringLiteral("image.bmp");

    // "Arcs" tab.
    bool ArcVale1 = false;       // "Arc-Valeur 1 (état final)"
    bool ArcVale2 = false;       // "Arc-Valeur 2 (état initial)"

    // The tab control: 0 "Noeuds", 1 "Arcs".
    int SSTab1 = 0;

    // Frame "Classes".
    Bande Picture2;              // value strip
    Bande Picture1;              // class strip
    QString Text1, Text2;        // "Minimum", "Maximum"
    std::array<QString, 12> Borne{};         // 1 to 11
    std::array<bool, 12> BorneVisible{};
    QString Text5 = QStringLiteral("0");     // number of classes as typed
    std::vector<int> PicClasse = std::vector<int>(11, 0xFFFFFF); // background colours, 0x00BBGGRR
    std::array<bool, 11> PicClasseVisible{};
    std::array<QString, 11> PicClasseTexte{}; // the class thickness printed in the "Arcs" tab
    std::array<Couleur, 11> PicClasseForeColor{};
    QString Etiquette1 = QStringLiteral("Couleurs des classes :");
    QString Amplitude;
    QString Label4 = QStringLiteral("Amplitude :");
    Graphe Graph1;
    std::array<int16_t, 11> EffectifsClasses{}; // counts of classes 1 to NbClasses
    bool ClassesDifférences = false;  // "Utilise les classes des différences"
    bool ChoixDiffClasseVisible = false;
    bool ClasseDifRel = false;        // "Rel."
    bool ClasseDiffAbs = true;        // "Abs."

    // Window-wide boxes.
    bool AffValNum = false;      // "Affiche les valeurs numériques"
    bool ApercuCarte = false;    // "Aperçu de la carte"
    bool Check3D1 = true;        // "Cercles proportionnels"
    QString Ech;                 // "Echelle graphique :"
    bool ValHoraires = false;    // "Données horaires"
    bool TypeHoraireVisible = false;
    bool HoraireHHMM = true;     // "hhmm"
    bool HoraireMinutes = false; // "minutes"

    bool Charge = false;         // the window's load has run
    bool Visible = false;

    // The source of the strips and classes: an arc-value file when one of
    // the two arc options is selected.
    bool SourceArcs() const { return ArcVale1 || ArcVale2; }
    // Selects one option of the quantity group and clears the others.
    void Selectionne(bool ModeleStatistiques::*option)
    {
        for (bool ModeleStatistiques::*o : {&ModeleStatistiques::Option3D1, &ModeleStatistiques::Option3D2,
                                            &ModeleStatistiques::Multiplication, &ModeleStatistiques::DiffAbs,
                                            &ModeleStatistiques::DiffRelat, &ModeleStatistiques::ArcVale1,
                                            &ModeleStatistiques::ArcVale2})
            this->*o = false;
        this->*option = true;
    }
};

} // namespace kelmo
