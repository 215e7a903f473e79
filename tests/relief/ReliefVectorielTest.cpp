// The relief in metafile mode gives, node for node, the same pictures and
// the same recorded metafile as it did when every node's triangles were
// recorded and played at once: the records, the bitmap and the vector
// picture of a small network are compared with those of that former way
// of drawing, kept here as their fingerprints.
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/DessinRelief.h"
#include "support/Reseau.h"

#include <QImage>
#include <gtest/gtest.h>
#include <numbers>

using namespace kelmo;

namespace {

uint64_t empreinte(const void* donnees, std::size_t taille)
{
    uint64_t h = 1469598103934665603ULL;
    const auto* o = static_cast<const unsigned char*>(donnees);
    for (std::size_t i = 0; i < taille; ++i)
        h = (h ^ o[i]) * 1099511628211ULL;
    return h;
}

uint64_t empreinte(const QImage& i)
{
    const QImage c = i.convertToFormat(QImage::Format_ARGB32);
    uint64_t h = 0;
    for (int y = 0; y < c.height(); ++y)
        h = h * 31 + empreinte(c.constScanLine(y), static_cast<std::size_t>(c.width()) * 4);
    return h;
}

class ReliefVectoriel : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        DefinitValeursParDefaut();
        DefinitDefautsStatistiques();
        for (ZoneImageBitmap* z : {&ima, &imaVec}) {
            z->DefinitLargeur(400);
            z->DefinitHauteur(300);
            z->Cls();
        }
        DefinitIma(&ima);
        DefinitImaVec(&imaVec);
        K.NbMaxFacettes = 10000;
        K.NbMaxSommets = 10000;
        K.TypeValuationRelief = QStringLiteral("Temps");
        K.AngleVertical = std::numbers::pi / 3;
        K.VitesseReference = 220;
        K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
        // A 6 x 5 grid of towns slightly shifted, joined to their right,
        // lower and lower-right neighbours by links of several types.
        const int16_t types[] = {TypeRoute70().Code, TypeAutoroute().Code, TypeTrain().Code, TypeRoute50().Code,
                                 TypeTGV().Code};
        for (int l = 0; l < 5; ++l)
            for (int c = 0; c < 6; ++c)
                test::NoeudAEcran(QStringLiteral("N"), 0, 40.f + 60.f * c + float((l * 7 + c * 3) % 11),
                                  60.f + 50.f * l + float((l * 5 + c * 2) % 9));
        int k = 0;
        const auto lie = [&](int o, int d) {
            const float duree = 4.f + float(k % 7);
            test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, types[k++ % 5], 10, duree);
            Arc& a = K.Arcs.back();
            a.IndiceOrigine = static_cast<int16_t>(o);
            a.IndiceDestination = static_cast<int16_t>(d);
            a.Minimal = 1;
            a.Longueur = 5.f + float(k % 9);
        };
        for (int l = 0; l < 5; ++l)
            for (int c = 0; c < 6; ++c) {
                const int n = l * 6 + c + 1;
                if (c < 5)
                    lie(n, n + 1);
                if (l < 4)
                    lie(n, n + 6);
                if (c < 5 && l < 4 && (l + c) % 2 == 0)
                    lie(n, n + 7);
            }
    }
    void TearDown() override
    {
        DefinitIma(nullptr);
        DefinitImaVec(nullptr);
        EffaceMetaFichier();
    }

    ZoneImageBitmap ima, imaVec;
    RepondeurScripte ui;
};

TEST_F(ReliefVectoriel, TheRecordsAndBothPicturesAreThoseOfTheFormerNodeByNodeRecording)
{
    DessineRelief(1, K.NbNoeuds);
    ASSERT_TRUE(MetaFichier.has_value());
    const std::vector<uint16_t>& mots = MetaFichier->Mots();
    EXPECT_FALSE(EnregistrementOuvert());
    EXPECT_EQ(K.NbFacettes, 131) << "facettes";
    EXPECT_EQ(mots.size(), 12246u) << "mots";
    EXPECT_EQ(MetaFichier->NombreEnregistrements(), 2253u) << "enregistrements";
    EXPECT_EQ(empreinte(mots.data(), mots.size() * 2), 11937737355739601349ULL) << "empreinte des mots";
    EXPECT_EQ(empreinte(ima.Image()), 8894237603476563490ULL) << "empreinte de Ima";
    EXPECT_EQ(empreinte(imaVec.Image()), 15262787825210400170ULL) << "empreinte de ImaVec";
    EXPECT_EQ(K.StatusBar.Panneaux[5],
              QStringLiteral("L'espace s'est contracté de 100.00 % / Nouvelle surface totale du relief : 236226.98"));
}

} // namespace
