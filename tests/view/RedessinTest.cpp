// The redraw's link-type order for each tick, the recording of every step in
// metafile mode, and the handlers of "Arcs" and "Options pour redessiner".
#include "ReseauVue.h"
#include "core/DonneesDerivees.h"
#include "view/CrochetsDessinCarte.h"
#include "view/Redessin.h"

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

class RedessinTest : public VueTest {
protected:
    // One arc of every link type, each type with a colour of its own, so that
    // the order of the lines drawn names the order of the types.
    void SetUp() override
    {
        VueTest::SetUp();
        noeud(QStringLiteral("A"), 50000, 100, 100);
        noeud(QStringLiteral("B"), 50000, 200, 150);
        for (int i = 0; i < 23; ++i) {
            K.TypesArcs[i].CouleurCommun = RGB(i + 1, 7, 7);
            arc(1, 2, K.TypesArcs[i].Code);
        }
        RemplitListesTypes();
        ModeleOptionsRedess& o = K.Formes.OptionsRedess;
        for (CaseACocher* c : {&o.EffaceImage, &o.TousModesRoute, &o.AfficheNoeuds, &o.AfficheNomsNoeuds})
            c->Value = false;
    }
    // Link-type names in the order their arcs were drawn.
    std::vector<QString> ordre() const
    {
        std::vector<QString> r;
        for (const AppelZoneImage& a : traits()) {
            const int i = (a.ForeColor & 0xFF) - 1;
            if (i < 0 || i >= 23 || ((a.ForeColor >> 8) & 0xFFFF) != 0x0707)
                continue;
            if (r.empty() || r.back() != K.TypesArcs[i].Nom)
                r.push_back(K.TypesArcs[i].Nom);
        }
        return r;
    }
};

std::vector<QString> noms(std::initializer_list<const char*> l)
{
    std::vector<QString> r;
    for (const char* n : l)
        r.push_back(QString::fromUtf8(n));
    return r;
}

TEST_F(RedessinTest, EachTickDrawsItsLinkTypesInItsOrder)
{
    struct Cas {
        CaseACocher ModeleOptionsRedess::*caseRedess;
        std::vector<QString> attendu;
    };
    const std::vector<QString> route = noms({"Route70", "Route60", "Route50", "Voie express interurb."});
    const std::vector<QString> urbain =
        noms({"Voie rapide urb. 65", "Boulevard urbain", "Voie urbaine", "Artère urbaine", "Bus 8 urbain dense",
              "Bus 15 urbain", "Bus 25 sub-urbain", "Tramway 18", "Tram sub-urbain", "Marche 3", "Marche 5"});
    const std::vector<QString> fer = noms({"Train", "TER", "TGVSiteClassique"});
    const std::vector<QString> collectifs = noms(
        {"Bus 8 urbain dense", "Bus 15 urbain", "Bus 25 sub-urbain", "Tramway 18", "Tram sub-urbain", "Métro"});
    std::vector<QString> presents;
    for (const TypeArc& t : K.TypesArcs)
        presents.push_back(t.Nom); // every type is present, in display order
    const Cas cas[] = {
        {&ModeleOptionsRedess::TousModesRoute, route},
        {&ModeleOptionsRedess::TousModesUrbains, urbain},
        {&ModeleOptionsRedess::TousModesFerroviaires, fer},
        {&ModeleOptionsRedess::TGVSeulement, noms({"TGV"})},
        {&ModeleOptionsRedess::Autoroute, noms({"Autoroute"})},
        {&ModeleOptionsRedess::ModesCollectifsUrbains, collectifs},
        {&ModeleOptionsRedess::ModesPrésents, presents},
    };
    for (const Cas& c : cas) {
        images->ima.Appels.clear();
        K.Formes.OptionsRedess = ModeleOptionsRedess{};
        K.Formes.OptionsRedess.EffaceImage.Value = false;
        K.Formes.OptionsRedess.TousModesRoute.Value = false;
        K.Formes.OptionsRedess.AfficheNoeuds.Value = false;
        K.Formes.OptionsRedess.AfficheNomsNoeuds.Value = false;
        (K.Formes.OptionsRedess.*c.caseRedess).Value = true;
        RedessineCarte();
        EXPECT_EQ(ordre(), c.attendu) << c.attendu.front().toStdString();
    }

    // every box at once: the steps in their fixed order, nodes last
    images->ima.Appels.clear();
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    for (CaseACocher* k : {&o.EffaceImage, &o.TousModesRoute, &o.TousModesUrbains, &o.TousModesFerroviaires,
                           &o.TGVSeulement, &o.Autoroute, &o.ModesCollectifsUrbains, &o.ModesPrésents,
                           &o.AfficheNoeuds, &o.AfficheNomsNoeuds})
        k->Value = true;
    RedessineCarte();
    std::vector<QString> tout = route;
    for (const auto* l : {&urbain, &fer})
        tout.insert(tout.end(), l->begin(), l->end());
    tout.push_back(QStringLiteral("TGV"));
    tout.push_back(QStringLiteral("Autoroute"));
    tout.insert(tout.end(), collectifs.begin(), collectifs.end());
    tout.insert(tout.end(), presents.begin(), presents.end());
    EXPECT_EQ(ordre(), tout);
    const std::vector<AppelZoneImage>& appels = images->ima.Appels;
    ASSERT_FALSE(appels.empty());
    EXPECT_EQ(appels.front().genre, AppelZoneImage::Genre::Efface);
    EXPECT_EQ(appels.back().genre, AppelZoneImage::Genre::Texte);     // names last
    EXPECT_EQ(cercles().size(), 4u);                                     // symbols, then radius-0 circles with the names
}

TEST_F(RedessinTest, EveryCombinationOfTheArcBoxesKeepsTheFixedStepOrder)
{
    CaseACocher ModeleOptionsRedess::*const cases[] = {
        &ModeleOptionsRedess::TousModesRoute,       &ModeleOptionsRedess::TousModesUrbains,
        &ModeleOptionsRedess::TousModesFerroviaires, &ModeleOptionsRedess::TGVSeulement,
        &ModeleOptionsRedess::Autoroute,            &ModeleOptionsRedess::ModesCollectifsUrbains,
        &ModeleOptionsRedess::ModesPrésents};
    std::vector<QString> presents;
    for (const TypeArc& t : K.TypesArcs)
        presents.push_back(t.Nom);
    const std::vector<QString> etapes[] = {
        noms({"Route70", "Route60", "Route50", "Voie express interurb."}),
        noms({"Voie rapide urb. 65", "Boulevard urbain", "Voie urbaine", "Artère urbaine", "Bus 8 urbain dense",
              "Bus 15 urbain", "Bus 25 sub-urbain", "Tramway 18", "Tram sub-urbain", "Marche 3", "Marche 5"}),
        noms({"Train", "TER", "TGVSiteClassique"}),
        noms({"TGV"}),
        noms({"Autoroute"}),
        noms({"Bus 8 urbain dense", "Bus 15 urbain", "Bus 25 sub-urbain", "Tramway 18", "Tram sub-urbain", "Métro"}),
        presents,
    };
    for (int masque = 0; masque < 128; ++masque) {
        for (bool vecteur : {false, true}) {
            images->ima.Appels.clear();
            EffaceMetaFichier();
            vectoriel(vecteur);
            std::vector<QString> attendu;
            int lignes = 0;
            for (int b = 0; b < 7; ++b) {
                (K.Formes.OptionsRedess.*cases[b]).Value = (masque >> b) & 1;
                if ((masque >> b) & 1) {
                    for (const QString& n : etapes[b]) {
                        // two steps in a row may draw the same type: the lines merge in the order
                        if (attendu.empty() || attendu.back() != n)
                            attendu.push_back(n);
                    }
                    lignes += 2 * static_cast<int>(etapes[b].size());
                }
            }
            RedessineCarte();
            ASSERT_EQ(ordre(), attendu) << masque;
            // in metafile mode every line drawn is in the metafile
            ASSERT_EQ(kelmo::testvue::LignesEnregistrees(), vecteur ? lignes : 0) << masque;
        }
    }
    vectoriel(false);
}

TEST_F(RedessinTest, NothingTickedOnlyResetsTheDXFCount)
{
    K.NbSegmentsDXF = 12;
    RedessineCarte();
    EXPECT_EQ(K.NbSegmentsDXF, 0);
    EXPECT_TRUE(images->ima.Appels.empty());
    EXPECT_TRUE(images->imaVec.Appels.empty());
}

TEST_F(RedessinTest, InMetafileModeEveryStepIsInTheSavedMetafile)
{
    vectoriel(true);
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    for (CaseACocher* k : {&o.TousModesFerroviaires, &o.TGVSeulement, &o.Autoroute, &o.ModesCollectifsUrbains})
        k->Value = true;
    RedessineCarte();
    // 3 + 1 + 1 + 6 link types, one tent of two lines each
    EXPECT_EQ(kelmo::testvue::LignesEnregistrees(), 22);
    EXPECT_FALSE(EnregistrementOuvert());

    o = ModeleOptionsRedess{};
    o.TousModesRoute.Value = false;
    o.AfficheNoeuds.Value = false;
    o.AfficheNomsNoeuds.Value = false;
    o.ModesPrésents.Value = true;
    RedessineCarte(); // cleared first, then the 23 present types
    EXPECT_EQ(kelmo::testvue::LignesEnregistrees(), 46);
}

TEST_F(RedessinTest, ARedrawOfThePresentModesAsksOnceForTheNodeColourDXFFile)
{
    int fichiers = 0;
    EcritArcsCouleursNoeudsDXF = [&] { ++fichiers; };
    K.Formes.OptionsRedess.ModesPrésents.Value = true;
    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    RedessineCarte();
    EXPECT_EQ(fichiers, 1);
    Kelmo_menRedessine_Click();
    EXPECT_EQ(fichiers, 2);
    K.Formes.TraceArcs.Choix = ChoixTraceArcs::ModesPrésents;
    TraceArcsChoisis(); // the path drawing of every present type
    EXPECT_EQ(fichiers, 3);
    K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
    Kelmo_menRedessine_Click();
    EXPECT_EQ(fichiers, 3);
}

TEST_F(RedessinTest, TickingPresentModesUnticksAndDisablesTheSixGroupBoxes)
{
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    o.TousModesRoute.Value = o.TGVSeulement.Value = o.AfficheNoeuds.Value = true;
    OptionsRedess_ModesPrésents_Click(true);
    for (CaseACocher* k : {&o.TousModesRoute, &o.TousModesUrbains, &o.ModesCollectifsUrbains,
                           &o.TousModesFerroviaires, &o.TGVSeulement, &o.Autoroute}) {
        EXPECT_FALSE(k->Value);
        EXPECT_FALSE(k->Enabled);
    }
    EXPECT_TRUE(o.AfficheNoeuds.Value);
    OptionsRedess_ModesPrésents_Click(false);
    EXPECT_TRUE(o.TousModesRoute.Enabled);
    EXPECT_FALSE(o.TousModesRoute.Value);
}

TEST_F(RedessinTest, ArcSelectionCases)
{
    struct Cas {
        ChoixTraceArcs choix;
        int element;
        std::vector<QString> attendu;
    };
    const Cas cas[] = {
        {ChoixTraceArcs::TousModesRoute, 0, noms({"Route70", "Route60", "Route50", "Voie express interurb."})},
        {ChoixTraceArcs::CollectifsUrbains, 0,
         noms({"Bus 8 urbain dense", "Bus 15 urbain", "Bus 25 sub-urbain", "Tramway 18", "Tram sub-urbain"})},
        {ChoixTraceArcs::Option3DMode, 3, {K.Formes.TraceArcs.Option3DMode[3]}},
        {ChoixTraceArcs::Route50, 0, {}},
        {ChoixTraceArcs::Option3D6, 0, {}},
    };
    for (const Cas& c : cas) {
        images->ima.Appels.clear();
        Kelmo_menTraceTrajets_Click([&] {
            EXPECT_EQ(K.Formes.TraceArcs.Choix, ChoixTraceArcs::ModesPrésents);
            K.Formes.TraceArcs.Choix = c.choix;
            K.Formes.TraceArcs.Option3DModeChoisi = c.element;
            TraceArcs_Command3D2_Click();
        });
        EXPECT_EQ(ordre(), c.attendu);
        EXPECT_TRUE(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty()); // drawn over the picture
    }
    EXPECT_FALSE(repondeur->sablierActif());

    // cancelled: nothing drawn
    images->ima.Appels.clear();
    Kelmo_menTraceTrajets_Click([] { TraceArcs_Command3D1_Click(); });
    EXPECT_TRUE(K.Annule);
    EXPECT_TRUE(traits().empty());

    // comparison ticked with the present modes: the reference file is read, nothing drawn
    images->ima.Appels.clear();
    K.NomFichierArcsReference = QStringLiteral("/nonexistent/reference.dat");
    Kelmo_menTraceTrajets_Click([] {
        K.Formes.TraceArcs.Check3D1 = true;
        TraceArcs_Command3D2_Click();
    });
    EXPECT_TRUE(traits().empty());
    ASSERT_FALSE(repondeur->messages().empty());
    EXPECT_TRUE(repondeur->messages().back().startsWith(QStringLiteral("Ce fichier ou répertoire n'existe pas")));
}

TEST_F(RedessinTest, VectorModeRecordsOncePerPresentLinkType)
{
    vectoriel(true);
    Kelmo_menTraceTrajets_Click([] { TraceArcs_Command3D2_Click(); });
    EXPECT_EQ(ordre().size(), 23u);
    EXPECT_EQ(kelmo::testvue::LignesEnregistrees(), 46);
    EXPECT_FALSE(EnregistrementOuvert());
}

TEST_F(RedessinTest, TraceArcsButtonsAndTheDXFWidth)
{
    K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
    TraceArcs_Command3D2_Click();
    EXPECT_FALSE(K.Menu(QStringLiteral("menCouleursNoeuds")).Checked);
    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    TraceArcs_Command3D2_Click();
    EXPECT_TRUE(K.Menu(QStringLiteral("menCouleursNoeuds")).Checked);
    K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
    TraceArcs_Command3D2_Click(); // an unticked box leaves the menu as it is
    EXPECT_TRUE(K.Menu(QStringLiteral("menCouleursNoeuds")).Checked);
    Kelmo_menCouleursNoeuds_Click();
    EXPECT_FALSE(K.Menu(QStringLiteral("menCouleursNoeuds")).Checked);

    repondeur->RepondTexte(QStringLiteral(" 1.75 mm"));
    TraceArcs_DXFCouleurNoeuds_Click();
    EXPECT_EQ(K.EpaisseurArcsDXF, 1.75);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].texte, QStringLiteral("Entrez l'épaisseur des arcs en DXF :"));
    EXPECT_EQ(repondeur->appels()[0].titre, QStringLiteral("Jonction Kelmo - DXF"));
    repondeur->RepondTexte(std::nullopt);
    TraceArcs_DXFCouleurNoeuds_Click();
    EXPECT_EQ(K.EpaisseurArcsDXF, 0);
}

} // namespace
