#pragma once
// Helpers of the main window tests: a small network written as files by the
// program's own writers, and a model reset with the defaults of a run.
#include "core/Defauts.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/ListesNoeuds.h"
#include "core/Menus.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "relief/CoutsGeneralises.h"

#include <QDir>
#include <QString>

namespace kelmo::test {

// The model of a started run without its files: defaults, link types, menus.
inline void ModeleDemarre()
{
    ReinitialiseDonnees();
    InitialiseEtatsMenus();
    DefinitValeursParDefaut();
    DefinitTypesArcs();
    K.StatusBar.Panneaux[4] = QStringLiteral("Bitmap ");
}

// Three nodes with the given codes order, two arcs between the first code
// and the two others.
inline void ReseauEnMemoire(bool ordreInverse = false)
{
    K.Noeuds.assign(1, Noeud{});
    K.NbNoeuds = 0;
    K.Arcs.assign(1, Arc{});
    K.NbArcs = 0;
    if (!ordreInverse) {
        AjouteNoeud("PARIS", 75056, 2100000, 600, 1100, 0);
        AjouteNoeud("LYON", 69123, 480000, 840, 660, 0);
        AjouteNoeud("TOURS", 37261, 130000, 470, 1000, 0);
    } else {
        AjouteNoeud("TOURS", 37261, 130000, 470, 1000, 0);
        AjouteNoeud("LYON", 69123, 480000, 840, 660, 0);
        AjouteNoeud("PARIS", 75056, 2100000, 600, 1100, 0);
    }
    AjouteArc(75056, 69123, 0, 0, 4, 460, 120, 0, 0, "", 0, 0);
    AjouteArc(75056, 37261, 0, 0, 4, 240, 60, 0, 0, "", 0, 0);
}

// A started run on that network, its arcs indexed, the editors' node lists
// filled and the costs of the modes computed, as the windows find it.
inline void ReseauDemarre()
{
    ModeleDemarre();
    ReseauEnMemoire();
    IndexeArcs();
    RemplitListesNoeuds();
    DefinitDefautsCouts();
    InitialiseCouts();
}

// Writes that network as root/data/noeuds/<noeuds> and root/data/arcs/<arcs>,
// leaving the model as it was.
inline void EcritReseau(const QString& racine, const QString& noeuds, const QString& arcs, bool ordreInverse = false)
{
    QDir().mkpath(racine + "/data/noeuds");
    QDir().mkpath(racine + "/data/arcs");
    auto noeudsAvant = K.Noeuds;
    auto nbNoeuds = K.NbNoeuds;
    auto arcsAvant = K.Arcs;
    auto nbArcs = K.NbArcs;
    ReseauEnMemoire(ordreInverse);
    CreeFichierNoeuds(racine + "/data/noeuds/" + noeuds);
    CreeFichierArcs(racine + "/data/arcs/" + arcs);
    K.Noeuds = noeudsAvant;
    K.NbNoeuds = nbNoeuds;
    K.Arcs = arcsAvant;
    K.NbArcs = nbArcs;
}

} // namespace kelmo::test
