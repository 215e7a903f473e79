#include "core/Projection.h"
#include "core/Modele.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kelmo {

namespace {

int32_t nombreNoeuds() { return std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1); }

} // namespace

// The first node whose first four name characters are the whole of nom, 0
// when none.
int32_t NoeudCentreRotation(const QString& nom)
{
    if (nom.size() > 4)
        return 0;
    const int32_t n = nombreNoeuds();
    for (int32_t i = 1; i <= n; ++i) {
        const TexteFixe<50>& t = K.Noeuds[i].Nom;
        bool egal = true;
        for (qsizetype c = 0; c < 4 && egal; ++c) {
            const char16_t attendu = c < nom.size() ? nom[c].unicode() : 0xFFFF;
            egal = t[static_cast<std::size_t>(c)] == attendu;
        }
        if (egal)
            return i;
    }
    return 0;
}

void CalculeCoordonneesEcran()
{
    if (K.Echelle == 0)
        K.Echelle = 1;
    if (std::fabs(K.Echelle) > 100)
        K.Echelle = 1;
    const double e = K.Echelle;
    const int32_t n = nombreNoeuds();
    for (int32_t i = 1; i <= n; ++i) {
        Noeud& p = K.Noeuds[i];
        p.XEcran = static_cast<float>(p.X / e + K.OrigineX);
        p.YEcran = static_cast<float>(K.OrigineY - p.Y / e);
        p.ZEcran = static_cast<float>(p.Z / e);
    }
}

void TourneAutourNoeud(double angle, const QString& nom)
{
    const int32_t c = NoeudCentreRotation(nom);
    const double cx = c > 0 ? K.Noeuds[c].XEcran : 0.0;
    const double cy = c > 0 ? K.Noeuds[c].YEcran : 0.0;
    const double co = std::cos(angle), si = std::sin(angle);
    const int32_t n = nombreNoeuds();
    for (int32_t i = 1; i <= n; ++i) {
        Noeud& p = K.Noeuds[i];
        const double dx = p.XEcran - cx, dy = p.YEcran - cy;
        p.XEcran = static_cast<float>(cx + dx * co - dy * si);
        p.YEcran = static_cast<float>(cy + dx * si + dy * co);
    }
}

void InclineNoeuds(double angle)
{
    if (angle == 0)
        return;
    const double co = std::cos(angle), si = std::sin(angle);
    const int32_t n = nombreNoeuds();
    for (int32_t i = 1; i <= n; ++i) {
        Noeud& p = K.Noeuds[i];
        p.YEcran = static_cast<float>(p.YEcran * co - p.ZEcran * si);
    }
}

void TrieNoeudsProfondeur()
{
    const int32_t n = std::min<int32_t>(nombreNoeuds(), NbMaxNoeudsTable);
    K.IndexNoeuds.assign(static_cast<std::size_t>(n) + 1, 0);
    const double si = std::sin(K.AngleVertical);
    std::vector<double> cle(static_cast<std::size_t>(n) + 1);
    for (int32_t i = 1; i <= n; ++i) {
        const double c = double(K.Noeuds[i].YEcran) - double(K.Noeuds[i].ZEcran) * si;
        // A key that is not a number goes to the back rather than breaking the order.
        cle[i] = std::isnan(c) ? -HUGE_VAL : c;
    }
    std::iota(K.IndexNoeuds.begin() + 1, K.IndexNoeuds.end(), int16_t{1});
    std::stable_sort(K.IndexNoeuds.begin() + 1, K.IndexNoeuds.end(),
                     [&cle](int16_t a, int16_t b) { return cle[a] < cle[b]; });
}

void ReprojetteVue()
{
    CalculeCoordonneesEcran();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
}

} // namespace kelmo
