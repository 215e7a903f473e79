#include "platform/Wmf.h"
#include "OutilsImages.h"

#include <QImage>
#include <QPainter>
#include "support/Octets.h"

#include <gtest/gtest.h>
#include <random>

using namespace kelmo;
using namespace kelmo::testimages;
using namespace kelmo::wmf;
using kelmo::test::Hex;
using kelmo::test::M;

namespace {

int32_t PixelDe(const QImage& im, int x, int y)
{
    const QRgb c = im.pixel(x, y);
    return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}
} // namespace

TEST(MetaFichierFormat, LEnTetePlacablePorteLaCleeLaBoiteLesUnitesEtLeControle)
{
    struct Cas { int16_t l, h; const char* octets; } cas[] = {
        {401, 301, "D7 CD C6 9A 00 00 00 00 00 00 91 01 2D 01 90 00 00 00 00 00 3D 57"},
        {1, 1, "D7 CD C6 9A 00 00 00 00 00 00 01 00 01 00 90 00 00 00 00 00 81 57"},
        {32767, 32767, "D7 CD C6 9A 00 00 00 00 00 00 FF 7F FF 7F 90 00 00 00 00 00 81 57"},
    };
    for (const auto& c : cas) {
        const std::string s = OctetsEnTetePlacable(0, 0, c.l, c.h, 144);
        EXPECT_EQ(Hex(s), c.octets) << c.l << " x " << c.h;
        EXPECT_EQ(ControleEnTetePlacable(s), static_cast<uint16_t>(static_cast<unsigned char>(s[20]) |
                                                                   (static_cast<unsigned char>(s[21]) << 8)));
    }
}

TEST(MetaFichierFormat, UnMetafichierVideSEcritEnTeteEtFinSeules)
{
    Metafichier m;
    EXPECT_EQ(Hex(m.Octets(1)), "01 00 09 00 00 03 0C 00 00 00 00 00 03 00 00 00 00 00 "
                                "03 00 00 00 00 00");
}

TEST(MetaFichierFormat, ChaqueEnregistrementALaFormePublieeEtLesObjetsPrennentLePlusPetitIndiceLibre)
{
    struct Cas { const char* nom; std::function<void(Metafichier&)> fait; std::vector<uint16_t> mots; } cas[] = {
        {"moveto lineto", [](Metafichier& m) { m.MoveTo(10, -2); m.LineTo(300, 40); },
         M({5, 0, 0x214, 0xFFFE, 10, 5, 0, 0x213, 40, 300})},
        {"ellipse: bottom right top left", [](Metafichier& m) { m.Ellipse(13, 15, 7, 9); },
         M({7, 0, 0x418, 9, 7, 15, 13})},
        {"polygone", [](Metafichier& m) { m.Polygone({{1, 2}, {3, 4}, {5, 6}}); },
         M({10, 0, 0x324, 3, 1, 2, 3, 4, 5, 6})},
        {"textout impair rembourre", [](Metafichier& m) { m.TextOut(5, 7, "ABC"); },
         M({8, 0, 0x521, 3, 0x4241, 0x0043, 7, 5})},
        {"stylo, brosse, selection, suppression",
         [](Metafichier& m) {
             const int a = m.CreeStylo({PS_SOLID, 2, 0x123456});
             const int b = m.CreeBrosse({BS_SOLID, 0xFFFFFF, 0});
             m.Selectionne(a);
             m.Supprime(a);
             const int c = m.CreeStylo({PS_NULL, 0, 0});
             EXPECT_EQ(b, 1);
             EXPECT_EQ(c, 0);
         },
         M({8, 0, 0x2FA, 0, 2, 0, 0x3456, 0x12, 7, 0, 0x2FC, 0, 0xFFFF, 0xFF, 0, 4, 0, 0x12D, 0, 4, 0, 0x1F0, 0,
            8, 0, 0x2FA, 5, 0, 0, 0, 0})},
        {"couleur du texte, fond, fenetre, projection",
         [](Metafichier& m) {
             m.SetTextColor(0x00FF8040);
             m.SetBkMode(TRANSPARENT);
             m.SetWindowOrg(-1, 2);
             m.SetWindowExt(400, 300);
             m.SetMapMode(MM_ANISOTROPIC);
         },
         M({5, 0, 0x209, 0x8040, 0xFF, 4, 0, 0x102, 1, 5, 0, 0x20B, 2, 0xFFFF, 5, 0, 0x20C, 300, 400, 4, 0, 0x103, 8})},
    };
    for (auto& c : cas) {
        Metafichier m;
        c.fait(m);
        EXPECT_EQ(m.Mots(), c.mots) << c.nom;
    }
}

TEST(MetaFichierFormat, LaPoliceSEcritAvecSonNomSur32Octets)
{
    Metafichier m;
    Police p;
    p.hauteur = -11;
    p.graisse = 700;
    p.italique = 1;
    p.nom = QStringLiteral("Arial");
    m.CreePolice(p);
    const auto& w = m.Mots();
    ASSERT_EQ(w.size(), 28u);
    EXPECT_EQ(w[0], 28);
    EXPECT_EQ(w[2], META_CREATEFONTINDIRECT);
    EXPECT_EQ(static_cast<int16_t>(w[3]), -11);
    EXPECT_EQ(w[7], 700);
    EXPECT_EQ(w[8], 1); // italic, not underlined
    EXPECT_EQ(w[12], 'A' | ('r' << 8));
    EXPECT_EQ(w[13], 'i' | ('a' << 8));
    EXPECT_EQ(w[14], 'l');
    EXPECT_EQ(w[27], 0);
}

TEST(MetaFichierFormat, LEnTeteStandardCompteLesMotsLesObjetsEtLePlusGrandEnregistrement)
{
    Metafichier m;
    m.CreeStylo({PS_SOLID, 1, 0});
    m.CreeBrosse({BS_SOLID, 0, 0});
    m.Polygone({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    const std::string s = m.Octets(1);
    ASSERT_EQ(s.size(), 18u + 2 * m.Mots().size() + 6);
    auto mot = [&](int i) { return static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8); };
    EXPECT_EQ(mot(6) | (mot(8) << 16), static_cast<int>(s.size() / 2)); // size in words
    EXPECT_EQ(mot(10), 2);                                               // objects
    EXPECT_EQ(mot(12) | (mot(14) << 16), 12);                            // the polygon record
}

TEST(MetaFichierFormat, UnMetafichierRelitSesEnregistrementsPlacableOuNon)
{
    Metafichier m;
    m.MoveTo(1, 2);
    m.LineTo(3, 4);
    m.TextOut(0, 0, "Lyon");
    const auto nu = LitFichierWmf(m.Octets(2));
    ASSERT_TRUE(nu);
    EXPECT_FALSE(nu->placable);
    EXPECT_EQ(nu->meta.Mots(), m.Mots());
    const auto place = LitFichierWmf(OctetsEnTetePlacable(0, 0, 100, 50, 1440) + m.Octets(1));
    ASSERT_TRUE(place);
    ASSERT_TRUE(place->placable);
    EXPECT_EQ(place->placable->droite, 100);
    EXPECT_EQ(place->placable->bas, 50);
    EXPECT_EQ(place->placable->unitesParPouce, 1440);
    EXPECT_EQ(place->meta.Mots(), m.Mots());
}

TEST(MetaFichierFormat, UnFichierTronqueOuMalFormeNePlantePasEtGardeCeQuiPrecede)
{
    Metafichier m;
    m.MoveTo(1, 2);
    m.LineTo(3, 4);
    const std::string bon = m.Octets(1);
    // Cut inside the second record: the first one is kept.
    const auto coupe = LitFichierWmf(bon.substr(0, 18 + 10 + 4));
    ASSERT_TRUE(coupe);
    EXPECT_EQ(coupe->meta.NombreEnregistrements(), 1u);
    // Not a metafile at all.
    EXPECT_FALSE(LitFichierWmf(""));
    EXPECT_FALSE(LitFichierWmf("GIF89a........................"));
    EXPECT_FALSE(LitFichierWmf(OctetsEnTetePlacable(0, 0, 10, 10, 96))); // key without a metafile
    // A record claiming zero words, one claiming more than the file.
    std::string zero = bon;
    zero[18] = 0;
    zero[19] = 0;
    const auto z = LitFichierWmf(zero);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->meta.NombreEnregistrements(), 0u);
    std::string enorme = bon;
    enorme[18] = '\xFF';
    enorme[20] = '\x7F';
    ASSERT_TRUE(LitFichierWmf(enorme));

    // Random junk after a valid header, and records whose parameters are
    // short or point beyond the object table: the player must survive all.
    std::mt19937 alea(12345);
    QImage im = ImageBlanche(64, 64);
    for (int essai = 0; essai < 300; ++essai) {
        std::string s = Metafichier().Octets(1).substr(0, 18);
        const int n = 4 + static_cast<int>(alea() % 200);
        for (int k = 0; k < n; ++k)
            s.push_back(static_cast<char>(alea() & 0xFF));
        // Now and then a plausible record head with a known function.
        static const uint16_t fonctions[] = {META_POLYGON, META_POLYLINE, META_TEXTOUT, META_EXTTEXTOUT,
                                             META_SELECTOBJECT, META_CREATEFONTINDIRECT, META_POLYPOLYGON,
                                             META_SETWINDOWEXT, META_CREATEPENINDIRECT, META_ELLIPSE};
        if (essai % 2 == 0 && s.size() > 24) {
            s[18] = static_cast<char>(3 + alea() % 8);
            s[19] = 0;
            s[20] = 0;
            s[21] = 0;
            const uint16_t f = fonctions[alea() % 10];
            s[22] = static_cast<char>(f & 0xFF);
            s[23] = static_cast<char>(f >> 8);
        }
        const auto f = LitFichierWmf(s);
        if (f) {
            QPainter p(&im);
            JoueMetafichier(p, f->meta);
            if (essai % 20 == 0)
                (void)ImageDepuisWmf(*f);
        }
    }
    SUCCEED();
}

TEST(MetaFichierFormat, LeLecteurPeintLesFormesEnregistreesAvecLeursObjets)
{
    Metafichier m;
    m.Selectionne(m.CreeStylo({PS_SOLID, 1, 0x0000FF}));
    m.Selectionne(m.CreeBrosse({BS_SOLID, 0x00FF00, 0}));
    m.Ellipse(10, 10, 40, 40);
    m.Selectionne(m.CreeStylo({PS_SOLID, 3, 0xFF0000}));
    m.MoveTo(0, 60);
    m.LineTo(63, 60);
    m.Selectionne(m.CreeStylo({PS_NULL, 0, 0}));
    m.Selectionne(m.CreeBrosse({BS_SOLID, 0x00FFFF, 0}));
    m.Polygone({{45, 0}, {63, 0}, {63, 18}});
    QImage im = ImageBlanche(64, 64);
    {
        QPainter p(&im);
        JoueMetafichier(p, m);
    }
    EXPECT_EQ(PixelDe(im, 25, 25), 0x00FF00);  // brush inside the circle
    EXPECT_EQ(PixelDe(im, 10, 25), 0x0000FF);  // pen on its edge
    EXPECT_EQ(PixelDe(im, 30, 60), 0xFF0000);  // the thick line
    EXPECT_EQ(PixelDe(im, 30, 61), 0xFF0000);
    EXPECT_EQ(PixelDe(im, 30, 63), 0xFFFFFF);
    EXPECT_EQ(PixelDe(im, 61, 4), 0x00FFFF);   // the triangle
    EXPECT_EQ(PixelDe(im, 47, 16), 0xFFFFFF);  // outside it
    EXPECT_EQ(PixelDe(im, 2, 2), 0xFFFFFF);
}

TEST(MetaFichierFormat, LeLecteurReprendLaOuIlSEstArreteAvecSesObjets)
{
    Metafichier m;
    m.Selectionne(m.CreeStylo({PS_SOLID, 1, 0x0000FF}));
    m.MoveTo(0, 5);
    m.LineTo(30, 5);
    QImage im = ImageBlanche(32, 32);
    Lecteur l;
    std::size_t fait;
    {
        QPainter p(&im);
        fait = l.Joue(p, m);
    }
    EXPECT_EQ(fait, m.Mots().size());
    m.MoveTo(0, 20);
    m.LineTo(30, 20); // drawn with the pen selected in the first go
    {
        QPainter p(&im);
        EXPECT_EQ(l.Joue(p, m, fait), m.Mots().size());
    }
    EXPECT_EQ(PixelDe(im, 15, 20), 0x0000FF);
}

TEST(MetaFichierFormat, UnFichierPlacableSeDessineALaTailleDeSaBoite)
{
    // 2 x 1 inches at 1440 units per inch with its own window: 192 x 96 pixels.
    Metafichier m;
    m.SetWindowOrg(0, 0);
    m.SetWindowExt(2880, 1440);
    m.Selectionne(m.CreeStylo({PS_NULL, 0, 0}));
    m.Selectionne(m.CreeBrosse({BS_SOLID, 0x0000FF, 0}));
    m.Rectangle(1440, 0, 2880, 1440); // right half
    const auto f = LitFichierWmf(OctetsEnTetePlacable(0, 0, 2880, 1440, 1440) + m.Octets(1));
    ASSERT_TRUE(f);
    const QImage im = ImageDepuisWmf(*f);
    ASSERT_EQ(im.size(), QSize(192, 96));
    EXPECT_EQ(PixelDe(im, 150, 50), 0x0000FF);
    EXPECT_EQ(PixelDe(im, 40, 50), 0xFFFFFF);
}

TEST(MetaFichierFormat, LeTexteEnregistreSeDessineDansSaCouleur)
{
    Metafichier m;
    Police p;
    p.hauteur = -20;
    p.graisse = 700;
    m.Selectionne(m.CreePolice(p));
    m.SetTextColor(0xFF0000);
    m.SetBkMode(TRANSPARENT);
    m.TextOut(4, 4, "HHHH");
    QImage im = ImageBlanche(120, 40);
    {
        QPainter q(&im);
        JoueMetafichier(q, m);
    }
    int bleus = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            bleus += PixelDe(im, x, y) == 0xFF0000;
    EXPECT_GT(bleus, 40);
}

namespace {

// A metafile as another program writes it: its own window, a polyline, an
// extended text with a clipping rectangle, a hatched brush, a region.
Metafichier MetafichierEtranger()
{
    Metafichier m;
    m.SetMapMode(MM_ANISOTROPIC);
    m.SetWindowOrg(100, 100);
    m.SetWindowExt(200, 100);
    m.Enregistre(META_CREATEREGION, {0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}); // takes slot 0
    m.Selectionne(m.CreeStylo({PS_SOLID, 4, 0x0000FF}));                   // slot 1
    m.Polyligne({{100, 150}, {300, 150}});
    m.Selectionne(m.CreeBrosse({2, 0x00FF00, 4}));                          // hatched, slot 2
    m.Rectangle(250, 100, 300, 120);
    m.Enregistre(META_EXTTEXTOUT, {110, 110, 5, 0x0004, 100, 100, 200, 140, 'T' | ('e' << 8), 'x' | ('t' << 8), 'e'});
    m.Enregistre(0x0B41, {0, 0, 0}); // a bitmap record: skipped
    return m;
}

} // namespace

TEST(MetaFichierFormat, UnMetafichierNuDUnAutreProgrammeSeDessineDansSaFenetre)
{
    const auto f = LitFichierWmf(MetafichierEtranger().Octets(2));
    ASSERT_TRUE(f);
    const QImage im = ImageDepuisWmf(*f);
    ASSERT_EQ(im.size(), QSize(200, 100)); // its window extent
    EXPECT_EQ(PixelDe(im, 100, 50), 0x0000FF); // the polyline, window origin at (100, 100)
    EXPECT_EQ(PixelDe(im, 100, 80), 0xFFFFFF);
}

TEST(MetaFichierFormat, UnMetafichierValideAbimeOctetParOctetNePlanteJamais)
{
    Metafichier m = MetafichierEtranger();
    m.Selectionne(m.CreePolice(Police{}));
    m.TextOut(120, 130, "Nancy");
    m.Enregistre(META_POLYPOLYGON, {2, 3, 3, 0, 0, 10, 0, 0, 10, 20, 20, 30, 20, 20, 30});
    m.Ellipse(120, 120, 140, 140);
    m.Supprime(1);
    m.Selectionne(1); // deleted: ignored
    m.Selectionne(999);
    const std::string bon = OctetsEnTetePlacable(0, 0, 200, 100, 96) + m.Octets(1);
    std::mt19937 alea(99);
    QImage im = ImageBlanche(50, 50);
    for (std::size_t longueur = 0; longueur <= bon.size(); ++longueur) {
        const auto f = LitFichierWmf(bon.substr(0, longueur));
        if (f) {
            QPainter p(&im);
            JoueMetafichier(p, f->meta);
        }
    }
    for (int essai = 0; essai < 400; ++essai) {
        std::string s = bon;
        for (int k = 0; k < 3; ++k)
            s[22 + 18 + alea() % (s.size() - 40)] = static_cast<char>(alea() & 0xFF);
        const auto f = LitFichierWmf(s);
        ASSERT_TRUE(f); // the headers are intact
        QPainter p(&im);
        JoueMetafichier(p, f->meta);
    }
    const auto entier = LitFichierWmf(bon);
    ASSERT_TRUE(entier);
    EXPECT_EQ(entier->meta.Mots(), m.Mots());
}

TEST(MetaFichierFormat, UnTexteSousUneFenetreTresInegaleSeDessineSansPlanter)
{
    // Window extents far from the picture's shape stretch the glyphs
    // thousands of times more one way than the other; such text once made
    // the font rasteriser crash. Every case draws, and a stretched but still
    // readable text leaves its pixels.
    struct Cas { int16_t boiteL, boiteH, extL, extH, hauteurPolice; bool visible; } cas[] = {
        {1, 1, 7, 32767, 32767, false},
        {1000, 1000, 1, 32767, -11, false},
        {1000, 1000, 32767, 1, -11, false},
        {32767, 32767, 1, 32767, -32767, false},
        {32767, 32767, 32767, 1, 32767, false},
        {1, 32767, 0, 0, -2000, false},
        {32767, 1, 0, 0, -2000, false},
        {1440, 1440, 100, 1000, -200, true}, // ten times taller than wide
        {1440, 1440, 1000, 100, -20, true},  // ten times wider than tall
    };
    for (const Cas& c : cas) {
        Metafichier m;
        if (c.extL != 0 || c.extH != 0) {
            m.SetMapMode(MM_ANISOTROPIC);
            m.SetWindowExt(c.extL, c.extH);
        }
        Police p;
        p.hauteur = c.hauteurPolice;
        m.Selectionne(m.CreePolice(p));
        m.SetBkMode(TRANSPARENT);
        m.SetTextColor(0x0000FF);
        m.TextOut(0, 0, "Bonjour le monde");
        const auto f = LitFichierWmf(OctetsEnTetePlacable(0, 0, c.boiteL, c.boiteH, 1440) + m.Octets(1));
        ASSERT_TRUE(f);
        const QImage im = ImageDepuisWmf(*f);
        if (c.visible) {
            int rouges = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    rouges += PixelDe(im, x, y) == 0x0000FF;
            EXPECT_GT(rouges, 20) << c.extL << " x " << c.extH;
        }
    }
}

TEST(MetaFichierFormat, UnLecteurSansTempsSArreteAuPremierEnregistrementEtPeutReprendre)
{
    // A file of full-page fills would hold the program for minutes: the
    // player of a picture from a file stops once its time is out.
    Metafichier m;
    m.Selectionne(m.CreeBrosse({BS_SOLID, 0x0000FF, 0}));
    for (int k = 0; k < 100; ++k)
        m.Rectangle(0, 0, 40, 40);
    QImage im = ImageBlanche(40, 40);
    Lecteur l;
    l.DefinitDureeMax(std::chrono::milliseconds(0));
    std::size_t fait;
    {
        QPainter p(&im);
        fait = l.Joue(p, m);
    }
    EXPECT_TRUE(l.Interrompu());
    EXPECT_EQ(fait, 0u);
    EXPECT_EQ(PixelDe(im, 20, 20), 0xFFFFFF);
    l.DefinitDureeMax(std::chrono::milliseconds(60000));
    {
        QPainter p(&im);
        EXPECT_EQ(l.Joue(p, m, fait), m.Mots().size());
    }
    EXPECT_FALSE(l.Interrompu());
    EXPECT_EQ(PixelDe(im, 20, 20), 0x0000FF);
}
