#pragma once
// The controls of every window, one plain model per window (core/modeles/),
// reached as K.Formes.<window> and reset with the model: the windows show and
// edit these values, and the computations and tests use them without any
// window.
#include "core/modeles/ModeleAnamorphose.h"
#include "core/modeles/ModeleAngles.h"
#include "core/modeles/ModeleAspectVisuelArcs.h"
#include "core/modeles/ModeleAspectVisuelArcsAttr.h"
#include "core/modeles/ModeleAspectVisuelNoeuds.h"
#include "core/modeles/ModeleCouts.h"
#include "core/modeles/ModeleCoutsKilometriques.h"
#include "core/modeles/ModeleHorairesArcs.h"
#include "core/modeles/ModeleHorairesNoeuds.h"
#include "core/modeles/ModeleModifArcs.h"
#include "core/modeles/ModeleModifNoeuds.h"
#include "core/modeles/ModeleOptionsRedess.h"
#include "core/modeles/ModeleOptionsRelief.h"
#include "core/modeles/ModeleParamAffichage.h"
#include "core/modeles/ModeleSeuilsAffichage.h"
#include "core/modeles/ModeleSortieDXF.h"
#include "core/modeles/ModeleStatistiques.h"
#include "core/modeles/ModeleTraceArcs.h"
#include "core/modeles/ModeleTrains.h"

namespace kelmo {

struct FormesKelmo {
    ModeleAngles Angles;
    ModeleSeuilsAffichage SeuilsAffichage;
    ModeleAspectVisuelNoeuds AspectVisuelNoeuds;
    ModeleAspectVisuelArcs AspectVisuelArcs;
    ModeleParamAffichage ParamAffichage;
    ModeleOptionsRedess OptionsRedess;
    ModeleTraceArcs TraceArcs;
    ModeleModifArcs ModifArcs;
    ModeleModifNoeuds ModifNoeuds;
    ModeleAnamorphose frmAnamorphose;
    ModeleOptionsRelief OptionsRelief;
    ModeleCouts Coûts;
    ModeleCoutsKilometriques CoûtsKilométriques;
    ModeleStatistiques Statistiques;
    ModeleSortieDXF SortieDXF;
    ModeleAspectVisuelArcsAttr AspectVisuelArcsAttr;
    ModeleCouleursDXF CouleursDXF;
    ModeleHorairesArcs HorairesArcs;
    ModeleHorairesNoeuds HorairesNoeuds;
    ModeleTrains Trains;
};

} // namespace kelmo
