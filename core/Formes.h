#pragma once
// The controls of windows that the computations read or fill, kept as plain
// values; each window's widgets show and edit these, so the computations run
// and are tested without windows.
#include <QString>
#include <QStringList>
#include <vector>

namespace kelmo {

// A list or combo box: its entries and the selected one (-1: none).
struct Liste {
    QStringList Entrees;
    int ListIndex = -1;
    void Clear() { Entrees.clear(); ListIndex = -1; }
    void AddItem(const QString& s) { Entrees.push_back(s); }
};

struct ModeleModifArcs {
    Liste ListeModifiable1, ListeModifiable2; // origin and destination nodes
    Liste ListeModifiable3;                   // the 23 link types in display order
    Liste ListeFichArcs;                      // the loaded arc files
    int Height = 2595;                        // twips; 4185 once a file is appended
};

struct ModeleModifNoeuds {
    Liste ListeModifiable1;
};

struct ModeleListeNoeuds {
    Liste ListeModifiable1;
};

// The run-time option buttons of the arc selection dialog, one per link type
// present; element 0 is the designed one.
struct ModeleTraceArcs {
    std::vector<QString> Option3DMode = std::vector<QString>(1);
    std::vector<int> TopOption3DMode = std::vector<int>(1, 0);
    int Height = 0;
};

struct ModeleOptionsRelief {
    bool TGV = false, Autoroute = false, Train = false, Route = false, Métro = false;
    bool ModesMinimaux = false, GainVirtuel = false, Dual = false, ReliefThématique = false, Anamorphose = false;
};

struct ModeleAspectVisuelArcs {
    Liste ListeDesModes;
};

// The cost options dialog: passengers, fiscal horsepower and trip length.
struct ModeleCouts {
    Liste Combo1, Combo2, Combo3;
};

// The name display thresholds dialog: the letter-count list, the two
// thresholds as typed and their gauges.
struct ModeleSeuilsAffichage {
    Liste ListeModifiable1;
    QString Texte1, MaskedEdit1, Texte2, MaskedEdit2;
    int Gauge1 = 0, Gauge2 = 0;
};

// The statistics window: the colour boxes of the ten classes (1 to 10), the
// circle scale box and the node-value file name box.
struct ModeleStatistiques {
    std::vector<int> PicClasse = std::vector<int>(11, 0xFFFFFF); // colour values, 0x00BBGGRR
    QString Ech;
    QString Text3;
};

// The display spaces dialog: the ten names, 25 characters each.
struct ModeleParamAffichage {
    Liste ListeDesEspaces;
};

struct FormesKelmo {
    ModeleModifArcs ModifArcs;
    ModeleModifNoeuds ModifNoeuds;
    ModeleListeNoeuds Angles;
    ModeleListeNoeuds frmAnamorphose;
    ModeleTraceArcs TraceArcs;
    ModeleOptionsRelief OptionsRelief;
    ModeleAspectVisuelArcs AspectVisuelArcs;
    ModeleCouts Coûts;
    ModeleSeuilsAffichage SeuilsAffichage;
    ModeleStatistiques Statistiques;
    ModeleParamAffichage ParamAffichage;
};

} // namespace kelmo
