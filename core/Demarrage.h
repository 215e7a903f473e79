#pragma once
// The start-up of a run: defaults, link types, decimal separator, the data
// tree (found or created), the default network, the first drawing of the
// nodes, the option dialogs' defaults, the display spaces and the window's
// layout. The steps that need the main window go through hooks that the
// window installs before calling InitialiseKelmo; a hook left empty is
// skipped, so the sequence also runs without any window.
#include <QChar>
#include <QLocale>
#include <QString>
#include <functional>

namespace kelmo {

struct CrochetsDemarrage {
    std::function<void()> PrepareImages;      // sizes, fonts and redraw modes of the two pictures
    std::function<void()> PrepareControles;   // the picture's mouse pointer
    std::function<void()> ProjetteNoeuds;     // picture coordinates and depth order of the nodes
    std::function<void()> DessineNoeuds;      // the node symbols, without names
    std::function<void()> ChargeStatistiques; // load of the statistics window (may set the classes)
    // The bitmap picture's current height and width (millimetres); the
    // design size when empty.
    std::function<void(double& hauteur, double& largeur)> TailleIma;
    std::function<void()> MiseEnPage;         // layout of the picture areas
};

void DefinitCrochetsDemarrage(CrochetsDemarrage crochets);

// Start-up steps of the subsystems above this one that need the data folders
// (the relief's facets folder): each registers its step once, when its code
// is linked in; they run in that order once the folders are known, after the
// offer to create them.
void EnregistreEtapeDemarrage(std::function<void()> etape);
CrochetsDemarrage& CrochetsDemarrageCourants();

inline const QString MessageErreurDemarrage =
    QStringLiteral("Erreur au cours du chargement des paramètres initiaux ou de la lecture des fichiers de données.");

// "." when the locale reads "123.3231" as a number, "," otherwise.
char SeparateurDecimalPour(const QLocale& locale);

// The message shown when no candidate root holds a data folder.
QString MessageRacineIntrouvable();

// Runs the whole start-up once. An error in any step is reported with
// MessageErreurDemarrage and the sequence goes on with the next step.
void InitialiseKelmo();

} // namespace kelmo
