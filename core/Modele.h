#pragma once
// The shared data model: the node and arc tables, the link types, the view
// and option variables and the current file names. Every subsystem reads and
// writes it directly, as the program always has; `ReinitialiseDonnees` puts
// it back to the state of a process that has not started up yet.
#include "core/Couleurs.h"
#include "core/Espace.h"
#include "core/Formes.h"
#include "core/TypeArc.h"
#include "platform/TexteFixe.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace kelmo {

// Table limits of the stored files.
constexpr int NbMaxNoeudsFichier = 6000;
constexpr int NbMaxArcsFichier = 99999;   // reading stops before arc index 100000
constexpr int NbMaxNoeudsTable = 32767;   // node numbers are 16-bit

struct Noeud {
    TexteFixe<50> Nom;
    int32_t Code = 0;
    int32_t Population = 0;
    float X = 0, Y = 0, Z = 0;
    float XEcran = 0, YEcran = 0, ZEcran = 0;
    bool Visible = false;
    TexteFixe<19> Modes;
    int16_t Niveau = 0;
    bool Traite = false;
    float XAnamorphose = 0, YAnamorphose = 0;
};

struct Arc {
    int32_t CodeOrigine = 0;
    int32_t CodeDestination = 0;
    int16_t IndiceOrigine = 0;
    int16_t IndiceDestination = 0;
    int16_t Mode = 0;
    bool Oriente = false;
    float Longueur = 0;
    float Duree = 0;          // minutes
    int16_t Minimal = 0;      // 1 kept by the relief, 2 TGV/motorway set aside, 0 not kept
    int16_t HeureDepart = 0;  // minutes after midnight
    int16_t HeureArrivee = 0;
    TexteFixe<7> Jours;
    float Debit = 0;
    float Capacite = 0;
    int16_t Niveau = 0;
};

// The value classes of the thematic maps.
struct Classe {
    float BorneInf = 0;
    float BorneSup = 0;
    ::kelmo::Couleur Couleur = 0;
    float Epaisseur = 0;
};

// A node value: the records of the node-value files (code, values of files
// 1 and 2) and the value shown per node (node number, value, secondary value).
struct ValeurNoeud {
    int16_t IndiceNoeud = 0;
    int32_t Code = 0;
    float Valeur = 0;
    float Valeur1 = 0;
    float Valeur2 = 0;
    float ValeurSecondaire = 0;
    int16_t Marque = 0;
};

// A record of an arc-value file: one origin-destination pair and its value,
// with the width and colour the last map of the pairs drew it in.
struct ArcValeur {
    int32_t CodeOrigine = 0;
    int16_t IndiceOrigine = 0;
    int32_t CodeDestination = 0;
    int16_t IndiceDestination = 0;
    float Valeur = 0;
    bool Apparie = false;
    float Largeur = 0;
    ::kelmo::Couleur Couleur = 0;
};

// Table limits of the value files.
constexpr int NbMaxValeursNoeuds = 6000;
constexpr int NbMaxArcsValeurs = 18000;

// A relief triangle kept for the painter's order and the 3-D export: three
// rows of SommetsFacettes, the link types along two of its sides and its
// shade. A slot whose three vertex rows add up to 0 is free.
struct Facette {
    int32_t Sommet1 = 0, Sommet2 = 0, Sommet3 = 0;
    int16_t CodeMode1 = 0; // link type of the arc along corners 1-3 (0: none)
    int16_t CodeMode2 = 0; // link type of the arc along corners 1-2 (0: none)
    ::kelmo::Couleur Couleur = 0;
    float Profondeur = 0;  // depth key of the painter's order
};

// One triangle of the facets file: the codes of its three corner nodes as
// read, and their node numbers (0 when no node has the code).
struct FacetteGPS {
    int16_t Indice1 = 0, Indice2 = 0, Indice3 = 0;
    int32_t Code1 = 0, Code2 = 0, Code3 = 0;
};

// A menu command's state, which the drawing code reads as program state.
struct EtatMenu {
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    QString Caption;
};

// The status bar of the main window as the computations see it: panel texts
// (1 to 5) and the progress panel. The window shows them and installs the
// repaint hook, called when a computation needs an immediate repaint.
struct BarreEtat {
    std::array<QString, 6> Panneaux;
    bool ProgressionVisible = false;
    int ProgressionPourcent = 0;
    std::function<void()> Repeint;
    // Lets the window process its pending events during a long drawing (the
    // relief calls it once per node); empty without a window.
    std::function<void()> TraiteEvenements;
};

struct DonneesKelmo {
    // --- network tables (element 0 never filled) ---
    std::vector<Noeud> Noeuds = std::vector<Noeud>(1);
    int32_t NbNoeuds = 0;
    std::vector<int16_t> IndexNoeuds = std::vector<int16_t>(1);
    std::vector<Arc> Arcs = std::vector<Arc>(1);
    int32_t NbArcs = 0;
    // 1.0 common to the reference file, 0.0 only loaded, -1.0 appended from it.
    std::vector<float> ComparaisonArcs = std::vector<float>(1);

    // --- link types, in display order (which is also the lookup order) ---
    std::array<TypeArc, 23> TypesArcs{};
    int16_t NbTypesArcs = 0;
    std::vector<TypeArc> TypesArcsOrdonnes = std::vector<TypeArc>(1);
    TypeArc TypeArcChoisi;
    TypeArc TypeArcCourant;
    int16_t NbModesPresents = 0;

    // --- folders and current files (full paths, no final separator) ---
    QString RacineDonnees, RepertoireData, RepertoireImages, RepertoireNoeuds, RepertoireArcs;
    QString RepertoireValeursArcs, RepertoireValeursNoeuds, RepertoireCartes;
    QString NomFichierNoeuds, NomFichierArcs, NomFichierArcsReference;
    QString FichierArcValeur1, FichierArcValeur2, FichierNoeudValeur1, FichierNoeudValeur2;

    char SeparateurDecimal = '.';

    // --- flags ---
    bool AjoutFichierArcs = false;
    bool EliminationArcsDeconnectes = false;
    bool FusionValeurs = false;
    bool DemandeAccord = false;
    bool AfficheMessagesElimination = false;
    bool ModeModifArcs = false;
    bool ModeModifNoeuds = false;
    bool ModeDigitalisation = false;
    bool ModeCalage = false;
    bool CompareHoraires = false;   // deletions match the given departure and arrival too
    int NbClicsDigitalisation = 0;
    bool Annule = false;

    // --- view ---
    QString VilleCentreRotation;
    double Echelle = 0;
    double OrigineX = 0;
    double OrigineY = 0;
    double AngleVertical = 0;
    double AngleHorizontal = 0;
    double AngleVerticalDeg = 0;      // the tilt as typed, in degrees
    float AngleVerticalDonnees = 0;   // tilt given to the data drawings only
    // The mouse pointer over the map: 1 arrow, 2 cross, 4 the arc editor's
    // (a small square in a square). The main window shows it.
    int16_t ImaMousePointer = 1;

    // --- node and name appearance ---
    double SeuilSuperieurNoms = 0;
    int32_t SeuilInferieurNoms = 0;
    double NombreLettresNoms = 0;
    Couleur CouleurBordNoeuds = 0;
    Couleur CouleurInterieurNoeuds = 0;
    Couleur CouleurNoms = 0;
    double RayonNoeuds = 0;
    double EpaisseurNoeuds = 0;

    // --- arc appearance ---
    int16_t TraceFleches = 0;
    double EpaisseurTraitArcs = 0;
    int16_t EpaisseurBlancArcs = 0;

    // --- relief and costs ---
    double CoefEclaircissement = 0;
    std::array<double, 3> VecteurLumiere{};
    float NormeVecteurLumiere = 0;
    QString TypeValuationRelief;
    double VitesseReference = 0;
    float VitesseGainVirtuel = 0;
    double VitesseMinimale = 0;
    int32_t CodeModeRelief1 = 0, CodeModeRelief2 = 0, CodeModeRelief3 = 0;
    // The facet tables: their first size (the tables grow past it), the
    // rows in use, and the tables (row and slot 0 unused). A vertex row holds
    // picture x, picture y and height z in columns 1 to 3.
    int32_t NbMaxFacettes = 0;
    int32_t NbMaxSommets = 0;
    int32_t NbFacettes = 0;
    int32_t NbSommets = 0;
    std::vector<Facette> Facettes = std::vector<Facette>(1);
    std::vector<std::array<float, 4>> SommetsFacettes = std::vector<std::array<float, 4>>(1);
    QString TypeCout;
    float CoefTarifTGV = 0, ValeurTempsFrance = 0, ValeurTempsAllemagne = 0, VitesseCoutTGV = 0,
          VitesseCoutAutoroute1 = 0;
    double PeageKm = 0, VitesseCoutRoute = 0, VitesseCoutTrain = 0, VitesseCoutAutoroute = 0;
    double NombrePassagers = 0, NiveauRevenuSmic = 0, PuissanceFiscale = 0, CoefClasseFer = 0,
           LongueurDeplacementKm = 0;
    double ValeurTempsNationalite = 0;
    // Costs per km of the three parameter sets (France, Allemagne, Espagne),
    // their minima, and those of the arc being built.
    double CoutKmRoute = 0, CoutKmAutoroute = 0, CoutKmTGV = 0, CoutKmMinimal3 = 0;
    float CoutKmTrain = 0;
    double CoutKmRoute1 = 0, CoutKmMinimal1 = 0;
    float CoutKmAutoroute1 = 0;
    double CoutKmRoute2 = 0, CoutKmMinimal2 = 0;
    float CoutKmAutoroute2 = 0;
    double CoutKmMinimal = 0;
    double CoutKmModeCourant = 0, CoutKmModeCourant2 = 0, CoutKmModeCourant3 = 0;
    float CoutKmModeCourantR4 = 0;

    // --- values, flows and classes ---
    std::vector<Classe> Classes = std::vector<Classe>(1);
    int16_t NbClasses = 0;
    double RefRondsValeur1 = 0, EchelleRonds = 0;
    // Node-value files: record k (1 to NbValeursNoeuds) is line k of file 1.
    std::vector<ValeurNoeud> ValeursFichiersNoeuds = std::vector<ValeurNoeud>(NbMaxValeursNoeuds + 1);
    int32_t NbValeursNoeuds = 0;
    // The value shown per node, 1 to NbNoeuds, sorted by decreasing magnitude;
    // TailleSymboles(i) is the symbol size of ValeursNoeuds(i). The sizes
    // table never holds fewer than 6000 entries and grows with NbNoeuds.
    std::vector<ValeurNoeud> ValeursNoeuds = std::vector<ValeurNoeud>(1);
    std::vector<float> TailleSymboles = std::vector<float>(NbMaxValeursNoeuds + 1);
    double RefRonds = 0;
    double RefRondsValeur2 = 0;
    float RefRondsDiffRel = 0;
    // Arc-value files 1 and 2, positions 1 to 18000; a reading overwrites the
    // positions it uses only.
    std::vector<ArcValeur> Arcs1 = std::vector<ArcValeur>(NbMaxArcsValeurs + 1);
    std::vector<ArcValeur> Arcs2 = std::vector<ArcValeur>(NbMaxArcsValeurs + 1);
    int32_t NombreArcs1 = 0, NombreArcs2 = 0;
    double ValeurMaxArcs1 = 0;
    // The records of Arcs1 that gave their value to a road arc of the relief
    // valued by arc values (positions 0 to 18000).
    std::vector<bool> Arcs1Utilises = std::vector<bool>(NbMaxArcsValeurs + 1);
    Couleur CouleurAfflux1 = 0, CouleurAfflux2 = 0;
    double SeuilAttractions = 0;
    QString NomValeurAffichee;
    QString TitreCarte;

    // --- DXF of arcs in node colours ---
    double NbSegmentsDXF = 0;
    double EpaisseurArcsDXF = 0;

    std::array<Espace, 11> Espaces{}; // 1 to 10

    // --- facets file (element 0 never filled) ---
    std::vector<FacetteGPS> FacettesGPS = std::vector<FacetteGPS>(1);
    int32_t NbFacettesGPS = 0;
    QString RepertoireFacettes, NomFichierFacettes;

    // --- every window's controls, one model per window ---
    FormesKelmo Formes;
    std::map<QString, EtatMenu> Menus;
    BarreEtat StatusBar;

    // The state of the menu item of that name in the menu table
    // (core/Menus.cpp); a name that is not there stops the program at once,
    // so that a misspelt name cannot read or set a state nobody shows.
    EtatMenu& Menu(const QString& nom);
};

extern DonneesKelmo K;

// The boxes that show numbers in the regional format read them back with
// its decimal separator as well as ".": "," under a French setting.
inline bool VirguleRegionale() { return K.SeparateurDecimal == ','; }

// Back to the state before start-up; subsystems that keep models of their own
// register a reset here so that one call resets everything.
void ReinitialiseDonnees();
void EnregistreReinitialisation(std::function<void()> reinitialise);

} // namespace kelmo
