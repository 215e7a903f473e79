#include "app/MiseEnPage.h"

#include <algorithm>

namespace kelmo {

MiseEnPageCarte CalculeMiseEnPage(QSize zone, QSize image, int epaisseur)
{
    const int W = std::max(0, zone.width());
    const int H = std::max(0, zone.height());
    const int e = std::max(0, epaisseur);
    MiseEnPageCarte m;
    // One bar can make the other necessary: settle the pair in two passes.
    bool h = image.width() > W;
    bool v = image.height() > H;
    for (int passe = 0; passe < 2; ++passe) {
        const int l = std::max(0, W - (v ? e : 0));
        const int t = std::max(0, H - (h ? e : 0));
        h = image.width() > l;
        v = image.height() > t;
    }
    const int l = std::max(0, W - (v ? e : 0));
    const int t = std::max(0, H - (h ? e : 0));
    m.conteneur = QRect(0, 0, l, t);
    m.barreHVisible = h;
    m.barreVVisible = v;
    m.barreH = QRect(0, t, l, e);
    m.barreV = QRect(l, 0, e, t);
    m.maxH = std::max(0, image.width() - l);
    m.maxV = std::max(0, image.height() - t);
    return m;
}

} // namespace kelmo
