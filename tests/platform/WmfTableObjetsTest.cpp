// The object table of the metafiles against the plain scan it replaces.
#include "platform/Wmf.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace kelmo::wmf;

namespace {

// The table as first written: one flag per slot, scanned from slot 0 at
// every creation.
struct TableLineaire {
    std::vector<bool> pris;

    int Prend()
    {
        for (std::size_t i = 0; i < pris.size(); ++i)
            if (!pris[i]) {
                pris[i] = true;
                return static_cast<int>(i);
            }
        if (pris.size() >= NbMaxObjets)
            return -1;
        pris.push_back(true);
        return static_cast<int>(pris.size() - 1);
    }
    bool Occupe(int k) const { return k >= 0 && static_cast<std::size_t>(k) < pris.size() && pris[static_cast<std::size_t>(k)]; }
    bool Libere(int k)
    {
        if (!Occupe(k))
            return false;
        pris[static_cast<std::size_t>(k)] = false;
        return true;
    }
    void Reunit(const TableLineaire& autre)
    {
        if (pris.size() < autre.pris.size())
            pris.resize(autre.pris.size(), false);
        for (std::size_t i = 0; i < autre.pris.size(); ++i)
            pris[i] = pris[i] || autre.pris[i];
    }
};

void VerifieEgales(const TableObjets& t, const TableLineaire& o, const std::string& cas)
{
    ASSERT_EQ(t.Taille(), o.pris.size()) << cas;
    for (int k = -2; k < static_cast<int>(o.pris.size()) + 70; ++k)
        ASSERT_EQ(t.Occupe(k), o.Occupe(k)) << cas << " slot " << k;
}

} // namespace

TEST(WmfTableObjets, ChaqueCreationPrendLeMemeIndiceQueLeParcoursDepuisZero)
{
    // Mixes of creations and deletions, from tables that stay small to one
    // that starts a few slots short of the 65 535 and fills up.
    struct Cas {
        const char* nom;
        int dejaPris;       // slots taken before the mix
        int operations;
        int pourCentCreations;
        int plageSuppression; // deletions aim at slots below this (and at -3..-1)
        unsigned graine;
    } cas[] = {
        {"petite table agitee", 0, 4000, 50, 40, 1},
        {"croissance avec trous", 0, 8000, 70, 3000, 2},
        {"suppressions pres du haut", 0, 8000, 60, 200, 3},
        {"presque pleine puis pleine", static_cast<int>(NbMaxObjets) - 40, 400, 60, static_cast<int>(NbMaxObjets) + 5, 4},
    };
    for (const Cas& c : cas) {
        std::mt19937 alea(c.graine);
        TableObjets t;
        TableLineaire o;
        for (int k = 0; k < c.dejaPris; ++k)
            t.Prend();
        o.pris.assign(static_cast<std::size_t>(c.dejaPris), true);
        for (int n = 0; n < c.operations; ++n) {
            if (static_cast<int>(alea() % 100) < c.pourCentCreations) {
                ASSERT_EQ(t.Prend(), o.Prend()) << c.nom << " operation " << n;
            } else {
                // Deletions of taken, free and never used slots alike.
                const int k = c.dejaPris / 2 + static_cast<int>(alea() % static_cast<unsigned>(c.plageSuppression - c.dejaPris / 2 + 3)) - 3;
                ASSERT_EQ(t.Libere(k), o.Libere(k)) << c.nom << " operation " << n << " slot " << k;
            }
        }
        VerifieEgales(t, o, c.nom);
    }
}

TEST(WmfTableObjets, UneTablePleineRefuseLaCreationPuisRedonneLeSlotLibere)
{
    TableObjets t;
    for (std::size_t k = 0; k < NbMaxObjets; ++k)
        ASSERT_EQ(t.Prend(), static_cast<int>(k));
    EXPECT_EQ(t.Prend(), -1);
    EXPECT_EQ(t.Taille(), NbMaxObjets);
    EXPECT_TRUE(t.Libere(40000));
    EXPECT_TRUE(t.Libere(12));
    EXPECT_EQ(t.Prend(), 12);
    EXPECT_EQ(t.Prend(), 40000);
    EXPECT_EQ(t.Prend(), -1);
}

TEST(WmfTableObjets, LaReunionPrendChaqueSlotPrisDansLUneOuLAutre)
{
    std::mt19937 alea(77);
    for (int essai = 0; essai < 40; ++essai) {
        TableObjets t[2];
        TableLineaire o[2];
        for (int j = 0; j < 2; ++j) {
            const int n = static_cast<int>(alea() % 300);
            for (int k = 0; k < n; ++k) {
                t[j].Prend();
                o[j].Prend();
            }
            for (int k = 0; k < n / 3; ++k) {
                const int s = static_cast<int>(alea() % 300);
                t[j].Libere(s);
                o[j].Libere(s);
            }
        }
        t[0].Reunit(t[1]);
        o[0].Reunit(o[1]);
        VerifieEgales(t[0], o[0], "reunion " + std::to_string(essai));
        // And the next creations still follow the scan.
        for (int k = 0; k < 50; ++k)
            ASSERT_EQ(t[0].Prend(), o[0].Prend()) << "apres reunion " << essai;
    }
}

TEST(WmfTableObjets, LEnregistreurEtLeLecteurPrennentLesMemesSlotsDansUneTablePleine)
{
    // 65 535 brushes fill the table; one is deleted, and the red pen created
    // after it takes its slot in the recorder and in the player alike.
    Metafichier m;
    for (std::size_t k = 0; k < NbMaxObjets; ++k)
        m.CreeBrosse({BS_SOLID, 0x00FF00, 0});
    EXPECT_EQ(m.CreeStylo({PS_SOLID, 1, 0x0000FF}), -1); // full: nothing taken
    m.Supprime(30000);
    EXPECT_FALSE(m.ObjetOccupe(30000));
    const int rouge = m.CreeStylo({PS_SOLID, 1, 0x0000FF});
    ASSERT_EQ(rouge, 30000);
    EXPECT_EQ(m.NombreObjets(), NbMaxObjets);
    m.Selectionne(rouge);
    m.MoveTo(0, 5);
    m.LineTo(20, 5);
    QImage im(24, 10, QImage::Format_RGB32);
    im.fill(Qt::white);
    {
        QPainter p(&im);
        JoueMetafichier(p, m);
    }
    EXPECT_EQ(im.pixel(10, 5), qRgb(255, 0, 0));
    // Read back from its bytes, the table comes out the same.
    const auto relu = LitFichierWmf(m.Octets(1));
    ASSERT_TRUE(relu);
    EXPECT_TRUE(relu->meta.ObjetOccupe(30000));
    EXPECT_EQ(relu->meta.NombreObjets(), NbMaxObjets);
}
