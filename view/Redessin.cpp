#include "view/Redessin.h"

#include "core/ComparaisonArcs.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "relief/LiensCarte.h"
#include "view/ArcsParType.h"
#include "view/CrochetsDessinCarte.h"
#include "view/DessinArcs.h"
#include "view/DessinNoeuds.h"
#include "view/SaisiesAffichage.h"

#include <exception>
#include <stdexcept>

namespace kelmo {

namespace {

// The relief and the anamorphosis reach the map drawing through these links;
// this file is in every program that draws the map, so they are always the
// real ones there, also after each ReinitialiseDonnees.
LiensCarte liensCarte()
{
    LiensCarte l;
    l.RedessineCarte = [] { RedessineCarte(); };
    l.DessineNoeuds = [](bool symboles, bool noms) { DessineNoeuds(symboles, noms); };
    l.DessineArcsType = [](const TypeArc& type) { DessineArcsType(type); };
    return l;
}

const bool liensCarteInstalles = (DefinitLiensCarteParDefaut(liensCarte()), true);

// One recording around a step in metafile mode.
template <class F>
void enregistre(F&& dessin)
{
    const bool vectoriel = ModeImageVectorielle();
    if (vectoriel)
        DebutMetaFichier();
    dessin();
    if (vectoriel)
        FinMetaFichier();
}

void ecritDXFSiCoche()
{
    if (K.Formes.TraceArcs.DXFCouleurNoeuds == 1 && EcritArcsCouleursNoeudsDXF)
        EcritArcsCouleursNoeudsDXF();
}

// Element i of the run-time buttons of "Arcs", drawn through TypeArcCourant.
void dessineModePresent(int i)
{
    const std::vector<QString>& boutons = K.Formes.TraceArcs.Option3DMode;
    if (i < 1 || i >= static_cast<int>(boutons.size()))
        return;
    K.TypeArcChoisi = TypeArc{};
    if (!TypeArcParNom(boutons[static_cast<std::size_t>(i)], K.TypeArcChoisi))
        return;
    K.TypeArcCourant = K.TypeArcChoisi;
    DessineArcsType(K.TypeArcCourant);
}

} // namespace

void RedessineCarte()
{
    RegroupeErreursTrace regroupement;
    const RassembleArcsParType rassemblement;
    const ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    K.NbSegmentsDXF = 0;
    if (o.EffaceImage.Value) {
        Ima().Cls();
        ImaVec().Cls();
        EffaceMetaFichier();
    }
    if (o.TousModesRoute.Value)
        DessineArcsRoutiers();
    if (o.TousModesUrbains.Value)
        DessineArcsUrbains();
    // The steps that start no recording of their own share one, so that
    // what they draw is in the saved metafile too.
    const bool sansEnregistrementPropre = o.TousModesFerroviaires.Value || o.TGVSeulement.Value || o.Autoroute.Value
                                          || o.ModesCollectifsUrbains.Value || (o.ModesPrésents.Value && K.NbModesPresents > 0);
    if (sansEnregistrementPropre) {
        enregistre([&o] {
            if (o.TousModesFerroviaires.Value)
                DessineTypesParNom({u"Train", u"TER", u"TGVSiteClassique"});
            if (o.TGVSeulement.Value)
                DessineTypesParNom({u"TGV"});
            if (o.Autoroute.Value)
                DessineTypesParNom({u"Autoroute"});
            if (o.ModesCollectifsUrbains.Value)
                DessineTypesParNom({u"Bus 8 urbain dense", u"Bus 15 urbain", u"Bus 25 sub-urbain", u"Tramway 18",
                                    u"Tram sub-urbain", u"Métro"});
            if (o.ModesPrésents.Value)
                for (int i = 1; i <= K.NbModesPresents; ++i)
                    dessineModePresent(i);
        });
    }
    if (o.AfficheNoeuds.Value)
        DessineNoeuds(true, false);
    if (o.AfficheNomsNoeuds.Value)
        DessineNoeuds(false, true);
    // One file for all the pieces, whichever groups collected them, once
    // they are all drawn.
    if ((o.ModesPrésents.Value && K.NbModesPresents > 0) || K.NbSegmentsDXF > 0)
        ecritDXFSiCoche();
}

void Kelmo_menRedessine_Click()
{
    Sablier sablier;
    RedessineCarte();
}

void TraceArcsChoisis()
{
    RegroupeErreursTrace regroupement;
    const RassembleArcsParType rassemblement;
    const ModeleTraceArcs& t = K.Formes.TraceArcs;
    switch (t.Choix) {
    case ChoixTraceArcs::TousModesRoute:
        DessineArcsRoutiers();
        return;
    case ChoixTraceArcs::TousModesUrbains:
        DessineArcsUrbains();
        return;
    case ChoixTraceArcs::CollectifsUrbains:
        enregistre([] {
            DessineTypesParNom(
                {u"Bus 8 urbain dense", u"Bus 15 urbain", u"Bus 25 sub-urbain", u"Tramway 18", u"Tram sub-urbain"});
        });
        return;
    case ChoixTraceArcs::Option3D6:
        if (t.Check3D1)
            LitFichierArcsReference(99);
        return;
    default:
        break;
    }
    if (t.Check3D1) {
        // An empty mode value: every link type is compared.
        LitFichierArcsReference(0);
        return;
    }
    bool dessine = false;
    for (int i = 1; i <= K.NbModesPresents; ++i) {
        if (t.Choix != ChoixTraceArcs::ModesPrésents
            && !(t.Choix == ChoixTraceArcs::Option3DMode && t.Option3DModeChoisi == i))
            continue;
        enregistre([i] { dessineModePresent(i); });
        dessine = true;
    }
    if (dessine)
        ecritDXFSiCoche();
}

void Kelmo_menTraceTrajets_Click(const std::function<void()>& montreTraceArcs)
{
    K.NbSegmentsDXF = 0;
    K.Annule = false;
    K.Formes.TraceArcs.Choix = ChoixTraceArcs::ModesPrésents;
    K.Formes.TraceArcs.Visible = true;
    if (montreTraceArcs)
        montreTraceArcs();
    if (K.Annule) {
        Ui().Sablier(false);
        return;
    }
    Sablier sablier;
    TraceArcsChoisis();
}

void TraceArcs_Command3D2_Click()
{
    if (K.Formes.TraceArcs.DXFCouleurNoeuds == 1)
        K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    K.Annule = false;
    K.Formes.TraceArcs.Visible = false;
}

void TraceArcs_Command3D1_Click()
{
    K.Annule = true;
    K.Formes.TraceArcs.Visible = false;
}

void TraceArcs_DXFCouleurNoeuds_Click()
{
    const QString titre = QStringLiteral("Jonction Kelmo - DXF");
    const std::optional<QString> r =
        Ui().Saisie(QStringLiteral("Entrez l'épaisseur des arcs en DXF :"), titre, QStringLiteral(".5"));
    if (!r) {
        K.EpaisseurArcsDXF = 0;
        return;
    }
    // A width refused keeps the width and leaves the box unticked.
    if (const NombreLu v = LitNombre(*r, RegleNombre{}, titre, titre))
        K.EpaisseurArcsDXF = *v;
    else
        K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
}

void OptionsRedess_ModesPrésents_Click(bool coche)
{
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    for (CaseACocher* c : {&o.TousModesRoute, &o.TousModesUrbains, &o.ModesCollectifsUrbains,
                           &o.TousModesFerroviaires, &o.TGVSeulement, &o.Autoroute}) {
        if (coche)
            c->Value = false;
        c->Enabled = !coche;
    }
}

void OptionsRedess_Command3D1_Click() { K.Formes.OptionsRedess.Visible = false; }

void Kelmo_menCouleursNoeuds_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menCouleursNoeuds"));
    m.Checked = !m.Checked;
}

void Kelmo_menEchelleBlindéeArcs_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menEchelleBlindéeArcs"));
    m.Checked = !m.Checked;
}

void Kelmo_menArcsTrajets_Click(const std::function<void()>& montreAspectVisuelArcs)
{
    try {
        Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
        if (l.ListIndex == -1)
            l.ListIndex = 0;
        if (l.ListIndex < 0 || l.ListIndex >= l.Entrees.size())
            throw std::out_of_range("liste des modes");
        TypeArcParNom(l.Entrees[l.ListIndex], K.TypeArcChoisi);
        if (montreAspectVisuelArcs)
            montreAspectVisuelArcs();
    } catch (...) {
        Ui().Message(QStringLiteral("Problème lors de la modification de l'aspect des arcs..."), Boutons::OK,
                     Icone::Exclamation, QString());
    }
}

} // namespace kelmo
