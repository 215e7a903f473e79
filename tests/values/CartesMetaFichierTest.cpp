// What the value maps record in metafile mode, what an independent reader
// finds in the saved file, and what reaches the bitmap's pixels.
#include "CartesDeTest.h"
#include "values/ArcsDegrades.h"
#include "values/Attractions.h"
#include "values/CartesFlux.h"
#include "values/CartesNoeuds.h"
#include "values/ClassesArcs.h"
#include "values/Probabilites.h"
#include "values/SurfacesFlux.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CartesMetaFichier : public CarteTest {
protected:
    void SetUp() override
    {
        CarteTest::SetUp();
        classes({{0, 1000, RGB(0, 0, 255), 2}});
        a = noeud(100, 100);
        b = noeud(400, 120);
        c = noeud(250, 400);
        K.ValeursNoeuds.assign(1, ValeurNoeud{});
        for (int32_t n : {a, b, c}) {
            ValeurNoeud v;
            v.IndiceNoeud = static_cast<int16_t>(n);
            v.Valeur = static_cast<float>(10 * n);
            K.ValeursNoeuds.push_back(v);
            K.TailleSymboles[static_cast<std::size_t>(n)] = static_cast<float>(100 * n);
        }
        paire(a, b, 30);
        paire(a, c, 10);
        paire(b, c, 20);
        paire(c, c, 5);
        test::Arc_(K.Noeuds[a].Code, K.Noeuds[b].Code, TypeRoute70().Code);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(a);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(b);
        K.TypeValuationRelief = QStringLiteral("PasDeValuation");
    }
    int32_t a = 0, b = 0, c = 0;
};

} // namespace

TEST_F(CartesMetaFichier, TheRecordingMapsRecordWhatTheyDrawAndTheBitmapMapsNothing)
{
    vectoriel(true);
    const struct {
        const char* nom;
        void (*carte)();
        bool enregistre;
    } cas[] = {
        {"circles", [] { AfficheRondsCarres(QStringLiteral("Valeur1")); }, true},
        {"labels", AfficheValeursNoeuds, true},
        {"classes", AfficheClassesArcs, true},
        {"attractions", AfficheAttractions, true},
        {"flows", AfficheFlux, true},
        {"non-oriented flows", AfficheFluxNonOrientes, true},
        {"flows by mode", AfficheFluxNonOrientesModes, true},
        {"graded arcs",
         [] {
             DebutMetaFichier();
             PrepareArcsDegradesCarte();
             DessineArcDegradeCarte(1);
             FinMetaFichier();
         },
         true},
        {"inflows", AfficheAffluxNoeuds, false},
        {"surfaces",
         [] {
             AffecteSurfacesFlux();
             TrieSurfacesFlux();
             AfficheSurfacesFlux();
         },
         false},
        {"probabilities", AfficheProbabilites, false},
        {"auto-attractions", AfficheAutoAttractions, false},
    };
    for (const auto& k : cas) {
        EffaceMetaFichier();
        images->ima.Appels.clear();
        k.carte();
        const int dessines =
            static_cast<int>(traits().size() + cercles().size() + textes().size() + polygones().size());
        const int enregistres = LignesEnregistrees() + CerclesEnregistres() + TextesEnregistres();
        EXPECT_GT(dessines, 0) << k.nom;
        EXPECT_EQ(enregistres, k.enregistre ? dessines : 0) << k.nom;
        EXPECT_FALSE(EnregistrementOuvert()) << k.nom;
    }
}

TEST_F(CartesMetaFichier, ShapesBeyondTheMetafilesRangeAreDrawnOnTheBitmapOnly)
{
    vectoriel(true);
    K.Noeuds[c].XEcran = 40000;
    AfficheClassesArcs();
    EXPECT_EQ(traits().size(), 4u);
    EXPECT_EQ(LignesEnregistrees(), 1) << "only a - b lies within 16 bits";
}

namespace {

QString Wmf2svg() { return QStandardPaths::findExecutable(QStringLiteral("wmf2svg")); }

} // namespace

TEST_F(CartesMetaFichier, AVectorMapOfCirclesLabelsAndLinesReadsBackInAnIndependentReader)
{
    if (Wmf2svg().isEmpty())
        GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
    vectoriel(true);
    K.Formes.Statistiques.AffValNum = true;
    AfficheClassesArcs();
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    AfficheFlux();
    ASSERT_TRUE(MetaFichier);

    QTemporaryDir dir;
    const QString wmf = dir.filePath(QStringLiteral("Carte.wmf"));
    ASSERT_TRUE(EcritMetaFichierPlacable(wmf, &*MetaFichier, 1323, 945));
    const QString svg = dir.filePath(QStringLiteral("Carte.svg"));
    QProcess p;
    p.start(Wmf2svg(), {QStringLiteral("-o"), svg, wmf});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(f.readAll());
    EXPECT_EQ(texte.count(QStringLiteral("<ellipse")), 3) << texte.toStdString();
    EXPECT_GE(texte.count(QRegularExpression(QStringLiteral("<(line|path|polyline)\\b"))), 6);
    for (const char* etiquette : {"10", "20", "30"})
        EXPECT_TRUE(texte.contains(QString::fromLatin1(etiquette))) << etiquette;
}

TEST_F(CartesMetaFichier, EveryKindOfShapeReachesTheBitmapsPixels)
{
    ZoneImageBitmap& ima = images->ima;
    AfficheClassesArcs();
    EXPECT_EQ(ima.Pixel(250, 110), RGB(0, 0, 255)) << "a line of the class map";
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    EXPECT_EQ(ima.Pixel(400 + 5, 120), RGB(0, 0, 255)) << "inside a circle of radius sqrt(200)";
    K.AngleVerticalDonnees = 1.2f;
    K.CouleurInterieurNoeuds = RGB(0, 200, 0);
    AffecteSurfacesFlux();
    TrieSurfacesFlux();
    AfficheSurfacesFlux();
    EXPECT_EQ(ima.Pixel(250, 108), RGB(0, 200, 0)) << "inside the band of 30 standing on a - b, 2.8 high";
    ima.Cls();
    AfficheValeursNoeuds();
    bool encre = false;
    for (int x = 100; x < 130; ++x)
        for (int y = 100; y < 115; ++y)
            encre = encre || ima.Pixel(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(encre) << "the label of a is written below and right of its node";
}
