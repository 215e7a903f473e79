#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "platform/RepondeurScripte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/Octets.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::wmf;
using kelmo::test::Hex;
using kelmo::test::M;

namespace {

// The record functions of a metafile, in order.
std::vector<uint16_t> Fonctions(const Metafichier& m)
{
    std::vector<uint16_t> r;
    const auto& w = m.Mots();
    for (std::size_t i = 0; i + 3 <= w.size(); i += w[i] | (w[i + 1] << 16))
        r.push_back(w[i + 2]);
    return r;
}

// The words of the records of one function, parameters only.
std::vector<std::vector<uint16_t>> Parametres(const Metafichier& m, uint16_t fonction)
{
    std::vector<std::vector<uint16_t>> r;
    const auto& w = m.Mots();
    for (std::size_t i = 0; i + 3 <= w.size(); i += w[i] | (w[i + 1] << 16))
        if (w[i + 2] == fonction)
            r.emplace_back(w.begin() + static_cast<long>(i) + 3, w.begin() + static_cast<long>(i + (w[i] | (w[i + 1] << 16))));
    return r;
}

std::string Lit(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

class MetaFichierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    }
    ImagesDeTest images;
};

constexpr Couleur Rouge = 0x0000FF;
constexpr Couleur Bleu = 0xFF0000;
constexpr Couleur Vert = 0x00FF00;

} // namespace

TEST_F(MetaFichierTest, UnEnregistrementVideSauveUnFichierDe64Octets)
{
    EXPECT_TRUE(ModeImageVectorielle());
    DebutMetaFichier();
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier); // a valid empty metafile, not "none"
    const std::string attendu = "D7 CD C6 9A 00 00 00 00 00 00 91 01 2D 01 90 00 00 00 00 00 3D 57 "
                                "01 00 09 00 00 03 15 00 00 00 00 00 05 00 00 00 00 00 "
                                "05 00 00 00 0C 02 2C 01 90 01 "
                                "04 00 00 00 03 01 08 00 "
                                "03 00 00 00 00 00";
    EXPECT_EQ(Hex(OctetsMetaFichierPlacable(*MetaFichier, 400, 300)), attendu);

    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("Image1.wmf"));
    RepondeurScripte ui;
    EXPECT_TRUE(EcritMetaFichierPlacable(chemin, &*MetaFichier, 400, 300));
    EXPECT_EQ(Lit(chemin).size(), 64u);
    EXPECT_EQ(Hex(Lit(chemin)), attendu);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MetaFichierTest, LesLignesGardentLeStyloQuiNeChangePasEtRemplacentLAutre)
{
    DebutMetaFichier();
    EXPECT_TRUE(LigneMeta(1, 2, 3, 4, Rouge, 2));
    EXPECT_TRUE(LigneMeta(5.5, 6.5, 7.49, 8.51, Rouge, 2));
    EXPECT_TRUE(LigneMeta(0, 0, 9, 9, Bleu, 1));
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier);
    EXPECT_EQ(MetaFichier->Mots(),
              M({8, 0, 0x2FA, 0, 2, 0, 0x00FF, 0, 4, 0, 0x12D, 0,       // pen, slot 0
                 7, 0, 0x2FC, 0, 0xFFFF, 0xFF, 0, 4, 0, 0x12D, 1,       // white brush, slot 1
                 5, 0, 0x214, 2, 1, 5, 0, 0x213, 4, 3,                  // first line
                 5, 0, 0x214, 6, 6, 5, 0, 0x213, 9, 7,                  // same pen: no new object
                 8, 0, 0x2FA, 0, 1, 0, 0, 0xFF, 4, 0, 0x12D, 2, 4, 0, 0x1F0, 0, // new pen, old one deleted
                 5, 0, 0x214, 0, 0, 5, 0, 0x213, 9, 9}));
    EXPECT_EQ(StyloMeta(), 2);
    EXPECT_EQ(BrosseMeta(), 1);
}

TEST_F(MetaFichierTest, LeCercleArrondiSonCentrePuisSesCoinsDansLOrdreDonne)
{
    DebutMetaFichier();
    EXPECT_TRUE(CercleMeta(10.5, 11.5, 3, Vert, Bleu, 1));
    FinMetaFichier();
    const auto e = Parametres(*MetaFichier, META_ELLIPSE);
    ASSERT_EQ(e.size(), 1u);
    // corners (13, 15) then (7, 9): bottom, right, top, left
    EXPECT_EQ(e[0], M({9, 7, 15, 13}));
    const auto stylos = Parametres(*MetaFichier, META_CREATEPENINDIRECT);
    const auto brosses = Parametres(*MetaFichier, META_CREATEBRUSHINDIRECT);
    ASSERT_EQ(stylos.size(), 1u);
    ASSERT_EQ(brosses.size(), 1u);
    EXPECT_EQ(stylos[0], M({0, 1, 0, 0, 0xFF}));
    EXPECT_EQ(brosses[0], M({0, 0xFF00, 0, 0}));
    EXPECT_EQ(Fonctions(*MetaFichier), M({0x2FA, 0x12D, 0x2FC, 0x12D, 0x418}));
}

TEST_F(MetaFichierTest, LeTriangleSEnregistreSansBordAvecLaBrosseDeLImage)
{
    Ima().FillColor = Vert;
    PointsPolygone = {QPoint(1, 2), QPoint(30, 2), QPoint(-4, 40)};
    DebutMetaFichier();
    EXPECT_TRUE(PolygoneMeta());
    FinMetaFichier();
    EXPECT_EQ(Parametres(*MetaFichier, META_CREATEPENINDIRECT)[0], M({5, 0, 0, 0, 0}));
    EXPECT_EQ(Parametres(*MetaFichier, META_CREATEBRUSHINDIRECT)[0], M({0, 0xFF00, 0, 0}));
    EXPECT_EQ(Parametres(*MetaFichier, META_POLYGON)[0], M({3, 1, 2, 30, 2, -4, 40}));
}

TEST_F(MetaFichierTest, LeTexteSeCoupeAuPremierDoubleBlanc)
{
    struct Cas { QString texte, attendu; } cas[] = {
        {QStringLiteral("ARRAS") + QString(45, QLatin1Char(' ')), QStringLiteral("ARRAS")},
        {QStringLiteral("AB  CD"), QStringLiteral("AB")},
        {QStringLiteral("AB "), QStringLiteral("AB ")},
        {QStringLiteral("  AB  C"), QStringLiteral("  AB")},
        {QStringLiteral("LE MANS"), QStringLiteral("LE MANS")},
        {QStringLiteral("A"), QStringLiteral("A")},
        {QString(), QString()},
    };
    for (const auto& c : cas) {
        QString t = c.texte;
        DebutMetaFichier();
        EXPECT_TRUE(TexteMeta(t, 0, 0));
        FinMetaFichier();
        EXPECT_EQ(t, c.attendu) << c.texte.toStdString(); // written back to the caller
        EXPECT_EQ(CoupeTexteMeta(c.texte), c.attendu);
        EffaceMetaFichier();
    }
}

TEST_F(MetaFichierTest, LesNomsPrennentLaCouleurDesNomsSurFondTransparentDansLaPoliceDeLImage)
{
    K.CouleurNoms = Bleu;
    Ima().FontName = QStringLiteral("Arial");
    Ima().FontSize = 12;
    Ima().FontBold = true;
    QString nom = QStringLiteral("SAINT-ÉTIENNE  ");
    DebutMetaFichier();
    EXPECT_TRUE(TexteMeta(nom, 100, 87));
    FinMetaFichier();
    EXPECT_EQ(Fonctions(*MetaFichier), M({0x2FB, 0x12D, 0x209, 0x102, 0x521, 0x102}));
    const auto police = Parametres(*MetaFichier, META_CREATEFONTINDIRECT)[0];
    EXPECT_EQ(static_cast<int16_t>(police[0]), -16); // 12 points at 96 per inch
    EXPECT_EQ(police[4], 700);
    EXPECT_EQ(Parametres(*MetaFichier, META_SETTEXTCOLOR)[0], M({0, 0xFF}));
    EXPECT_EQ(Parametres(*MetaFichier, META_SETBKMODE)[0], M({1}));
    EXPECT_EQ(Parametres(*MetaFichier, META_SETBKMODE)[1], M({2})); // opaque again after the text
    const auto t = Parametres(*MetaFichier, META_TEXTOUT)[0];
    ASSERT_EQ(t.size(), 1u + 7 + 2);
    EXPECT_EQ(t[0], 13);
    EXPECT_EQ(t[3], 0x2D54);  // "T-"
    EXPECT_EQ(t[4], 0x54C9);  // "ÉT": "É" is 0xC9 in the ANSI code page
    EXPECT_EQ(t[8], 87);
    EXPECT_EQ(t[9], 100);
}

TEST_F(MetaFichierTest, DeuxEnregistrementsSuccessifsGardentLaLignePuisLeCercle)
{
    DebutMetaFichier();
    LigneMeta(0, 0, 10, 10, Rouge, 1);
    FinMetaFichier();
    DebutMetaFichier();
    CercleMeta(20, 20, 5, Vert, Rouge, 1);
    FinMetaFichier();
    const auto f = Fonctions(*MetaFichier);
    const auto ligne = std::find(f.begin(), f.end(), META_LINETO);
    const auto cercle = std::find(f.begin(), f.end(), META_ELLIPSE);
    ASSERT_NE(ligne, f.end());
    ASSERT_NE(cercle, f.end());
    EXPECT_LT(ligne, cercle);
}

TEST_F(MetaFichierTest, FinirSansEnregistrementOuvertNePerdPasLeMetafichier)
{
    DebutMetaFichier();
    LigneMeta(0, 0, 10, 10, Rouge, 1);
    FinMetaFichier();
    const auto avant = MetaFichier->Mots();
    FinMetaFichier();
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier);
    EXPECT_EQ(MetaFichier->Mots(), avant);
}

TEST_F(MetaFichierTest, UneFormeSansEnregistrementOuvertVaSurLImageVectorielleEtDansLeMetafichier)
{
    EXPECT_EQ(DCMeta(), ContexteMeta::Aucun);
    EXPECT_TRUE(LigneMeta(10, 50, 200, 50, Rouge, 3));
    EXPECT_EQ(DCMeta(), ContexteMeta::ImaVec);
    ASSERT_TRUE(MetaFichier);
    EXPECT_EQ(Parametres(*MetaFichier, META_LINETO).size(), 1u);
    EXPECT_EQ(images.imaVec.Pixel(100, 50), Rouge);
    // The next recording carries it forward, so the saved file has it.
    DebutMetaFichier();
    CercleMeta(300, 300, 10, Vert, Vert, 1);
    FinMetaFichier();
    EXPECT_EQ(Parametres(*MetaFichier, META_LINETO).size(), 1u);
    EXPECT_EQ(Parametres(*MetaFichier, META_ELLIPSE).size(), 1u);
}

TEST_F(MetaFichierTest, LaFinDEnregistrementPeintToutLeMetafichierSurLImageVectorielle)
{
    DebutMetaFichier();
    CercleMeta(100, 100, 20, Vert, Bleu, 1);
    FinMetaFichier();
    EXPECT_EQ(images.imaVec.Pixel(100, 100), Vert);
    EXPECT_EQ(images.imaVec.Pixel(80, 100), Bleu);
    EXPECT_EQ(images.ima.Pixel(100, 100), 0xFFFFFF); // the recorders never draw on the bitmap
    // The vector picture cleared by someone: the next end paints everything.
    images.imaVec.Cls();
    DebutMetaFichier();
    LigneMeta(0, 200, 300, 200, Rouge, 1);
    FinMetaFichier();
    EXPECT_EQ(images.imaVec.Pixel(100, 100), Vert);
    EXPECT_EQ(images.imaVec.Pixel(150, 200), Rouge);
}

TEST_F(MetaFichierTest, LEffacementSupprimeLeMetafichierEtLEnregistrementSuivantRepartDeRien)
{
    DebutMetaFichier();
    LigneMeta(0, 0, 10, 10, Rouge, 1);
    FinMetaFichier();
    EffaceMetaFichier();
    EXPECT_FALSE(MetaFichier);
    DebutMetaFichier();
    CercleMeta(20, 20, 5, Vert, Rouge, 1);
    FinMetaFichier();
    EXPECT_TRUE(Parametres(*MetaFichier, META_LINETO).empty());
    EXPECT_EQ(Parametres(*MetaFichier, META_ELLIPSE).size(), 1u);
}

TEST_F(MetaFichierTest, UneFormeHorsDeLaPlageSeizeBitsEstRefuseeSansRienEnregistrer)
{
    DebutMetaFichier();
    EXPECT_FALSE(LigneMeta(0, 0, 40000, 10, Rouge, 1));
    EXPECT_FALSE(LigneMeta(-32768.6, 0, 0, 0, Rouge, 1));
    EXPECT_TRUE(LigneMeta(-32768.4, 0, 32767.4, 0, Rouge, 1));
    EXPECT_FALSE(CercleMeta(32765, 0, 5, Vert, Rouge, 1)); // its corner would wrap
    EXPECT_FALSE(CercleMeta(std::nan(""), 0, 5, Vert, Rouge, 1));
    QString t = QStringLiteral("PARIS");
    EXPECT_FALSE(TexteMeta(t, 0, 1e6));
    PointsPolygone = {QPoint(0, 0), QPoint(50000, 0), QPoint(0, 1)};
    EXPECT_FALSE(PolygoneMeta());
    FinMetaFichier();
    EXPECT_EQ(Parametres(*MetaFichier, META_LINETO), std::vector<std::vector<uint16_t>>{M({0, 32767})});
    EXPECT_TRUE(Parametres(*MetaFichier, META_ELLIPSE).empty());
    EXPECT_TRUE(Parametres(*MetaFichier, META_TEXTOUT).empty());
    EXPECT_TRUE(Parametres(*MetaFichier, META_POLYGON).empty());
    EXPECT_TRUE(DansPlageMetaFichier(32767.4, -32768.5));
    EXPECT_FALSE(DansPlageMetaFichier(32767.5, 0));
}

TEST_F(MetaFichierTest, SansMetafichierLaSauvegardeAvertitEtNeTouchePasAuFichier)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("Ancien.wmf"));
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ancien");
    }
    RepondeurScripte ui;
    EXPECT_FALSE(EcritMetaFichierPlacable(chemin, nullptr, 400, 300));
    EXPECT_EQ(ui.messages(), std::vector<QString>{QStringLiteral("Le Metafichier n'est pas défini")});
    EXPECT_EQ(Lit(chemin), "ancien");

    // The menu command shows the message and no file dialog.
    ui.efface();
    EnregistreImageVectorielle();
    ASSERT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].genre, AppelDialogue::Message);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Le Metafichier n'est pas défini"));
    EXPECT_EQ(ui.appels()[0].icone, Icone::Aucune);
}

TEST_F(MetaFichierTest, UneImageTropGrandePourLEnTeteEstRefuseeAvecUnMessage)
{
    DebutMetaFichier();
    FinMetaFichier();
    QTemporaryDir dir;
    RepondeurScripte ui;
    const QString chemin = dir.filePath(QStringLiteral("Grand.wmf"));
    EXPECT_FALSE(EcritMetaFichierPlacable(chemin, &*MetaFichier, 32767, 10));
    EXPECT_FALSE(QFile::exists(chemin));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("trop grande")));
    // The largest side the header can hold is still written.
    EXPECT_TRUE(EcritMetaFichierPlacable(chemin, &*MetaFichier, 32766, 32766));
    const std::string s = Lit(chemin);
    ASSERT_GE(s.size(), 22u);
    EXPECT_EQ(Hex(s.substr(10, 4)), "FF 7F FF 7F");
}

TEST_F(MetaFichierTest, UnDossierAbsentEstSignaleEnFrancaisSansRienEcrire)
{
    DebutMetaFichier();
    LigneMeta(0, 0, 10, 10, Rouge, 1);
    FinMetaFichier();
    QTemporaryDir dir;
    RepondeurScripte ui;
    const QString absent = dir.filePath(QStringLiteral("pas/de/dossier/Image1.wmf"));
    EXPECT_FALSE(EcritMetaFichierPlacable(absent, &*MetaFichier, 100, 100));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].startsWith(QStringLiteral("Le MetaFichier n'a pas pu être enregistré")));
}

TEST_F(MetaFichierTest, LaCommandeDEnregistrementDemandeLeFichierPuisEcritALEchelleDeLImageVectorielle)
{
    QTemporaryDir dir;
    K.RepertoireImages = dir.path();
    DebutMetaFichier();
    CercleMeta(50, 50, 10, Vert, Rouge, 1);
    FinMetaFichier();
    RepondeurScripte ui;
    const QString chemin = dir.filePath(QStringLiteral("Carte.wmf"));
    ui.RepondTexte(chemin);
    EnregistreImageVectorielle();
    ASSERT_EQ(ui.appels().size(), 1u);
    const DemandeFichier& d = ui.appels()[0].fichier;
    EXPECT_EQ(ui.appels()[0].genre, AppelDialogue::FichierEnregistrer);
    EXPECT_EQ(d.filtre, QStringLiteral("Tous fichiers (*.*)|*.*|Windows MetaFile (*.wmf)|*.wmf"));
    EXPECT_EQ(d.indexFiltre, 2);
    EXPECT_EQ(d.dossierInitial, dir.path());
    EXPECT_EQ(d.nomFichier, QStringLiteral("Image1.wmf"));
    EXPECT_EQ(d.titre, QStringLiteral("Enregistrer le MetaFichier"));
    const std::string s = Lit(chemin);
    // 350 x 250 mm at 96 per inch: 1323 x 945, declared as 1324 x 946.
    EXPECT_EQ(Hex(s.substr(10, 4)), "2C 05 B2 03");
    const auto relu = LitFichierWmf(s);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Fonctions(relu->meta).front(), META_SETWINDOWEXT);
    EXPECT_EQ(Parametres(relu->meta, META_SETWINDOWEXT)[0], M({945, 1323}));
    EXPECT_EQ(Parametres(relu->meta, META_ELLIPSE).size(), 1u);
    // Cancelling the dialog writes nothing.
    ui.efface();
    ui.RepondTexte(std::nullopt);
    QFile::remove(chemin);
    EnregistreImageVectorielle();
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST_F(MetaFichierTest, UnMetafichierSauveSeRechargeCommeImageDeFondALaTailleDeSonEnTete)
{
    DebutMetaFichier();
    CercleMeta(100, 100, 20, Vert, Vert, 1);
    FinMetaFichier();
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("Fond.wmf"));
    ASSERT_TRUE(EcritMetaFichierPlacable(chemin, &*MetaFichier, 1323, 945));
    const auto image = ChargeImageWmf(chemin);
    ASSERT_TRUE(image);
    // 1324 x 946 units at 144 per inch, shown at 96 per inch.
    EXPECT_EQ(image->size(), QSize(883, 631));
    images.imaVec.DefinitImageFond(*image);
    EXPECT_EQ(images.imaVec.Pixel(67, 67), Vert);
    EXPECT_EQ(images.imaVec.Pixel(20, 20), 0xFFFFFF);
    // A file that is not a metafile gives no picture.
    const QString faux = dir.filePath(QStringLiteral("Faux.wmf"));
    {
        QFile f(faux);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM not a metafile at all");
    }
    EXPECT_FALSE(ChargeImageWmf(faux));
}
