#include "view/DessinNoeuds.h"

#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Nombres.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

// Beyond this a coordinate no longer fits the drawing calls of the picture.
constexpr double LimiteEcran = 32000;

int epaisseurTrait(double e)
{
    if (!(e >= 1))
        return 1;
    return static_cast<int>(std::min(ArrondiBanquier(e), 10000.0));
}

} // namespace

Couleur CouleurModesNoeud(const QString& modes)
{
    const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    const Couleur tgv = TypeTGV().CouleurCommun;
    const Couleur autoroute = TypeAutoroute().CouleurCommun;
    const Couleur fer = TypeTrain().CouleurCommun;
    const Couleur route = TypeRoute70().CouleurCommun;
    // Only the last tag (a served boat link) does not change the colour.
    if (modes.size() != 19 || !(modes.endsWith(u"-000") || modes.endsWith(u"-BAT")))
        return route;
    const QString tete = modes.left(15);
    if (tete == u"TGV-000-ROU-000" || tete == u"TGV-FER-ROU-000")
        return o.TGV ? tgv : 0;
    if (tete == u"TGV-000-ROU-AUT" || tete == u"TGV-FER-ROU-AUT")
        return o.TGV ? tgv : (o.Autoroute ? autoroute : 0);
    if (tete == u"000-000-ROU-000")
        return route;
    if (tete == u"000-FER-ROU-000")
        return o.Train ? fer : 0;
    if (tete == u"000-FER-ROU-AUT")
        return o.Autoroute ? autoroute : (o.Train ? fer : 0);
    if (tete == u"000-000-ROU-AUT")
        return o.Autoroute ? autoroute : 0;
    return route;
}

QString NomPropre(const QString& texte)
{
    QString r = texte;
    QChar precedent = QLatin1Char(' ');
    for (qsizetype i = 0; i < r.size(); ++i) {
        const QChar c = texte[i];
        if (precedent != QLatin1Char(' ') && precedent != QLatin1Char('-'))
            r[i] = c.toLower();
        precedent = c;
    }
    return r;
}

int LettresNomsEcrites()
{
    if (K.NombreLettresNoms == 0)
        K.NombreLettresNoms = 20;
    const double n = K.NombreLettresNoms;
    if (!(n > 0))
        return 0;
    return static_cast<int>(std::min(ArrondiBanquier(n), 50.0));
}

void DessineNoeuds(bool symboles, bool noms)
{
    const int lettres = LettresNomsEcrites();
    ZoneImage& ima = Ima();
    ima.FillColor = K.CouleurInterieurNoeuds;
    ima.FillStyle = 0;
    ima.DrawMode = 13;
    ima.DrawWidth = epaisseurTrait(K.EpaisseurNoeuds);
    ima.ForeColor = TypeRoute70().CouleurCommun;
    const double r = symboles && K.RayonNoeuds > 0 ? K.RayonNoeuds : 0.0;
    const bool couleursModes = K.Formes.AspectVisuelNoeuds.CouleursModes;
    const bool minuscules = K.Formes.AspectVisuelNoeuds.Minuscules;
    const bool vectoriel = ModeImageVectorielle();
    if (vectoriel)
        DebutMetaFichier();

    const int32_t nb = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1);
    const int32_t nbIndex = static_cast<int32_t>(K.IndexNoeuds.size()) - 1;
    for (int32_t i = 1; i <= nb; ++i) {
        // An order not yet rebuilt for a grown table draws the rest in table order.
        const int32_t n = i <= nbIndex ? K.IndexNoeuds[i] : i;
        if (n < 1 || n > nb)
            continue;
        Noeud& noeud = K.Noeuds[n];
        noeud.Visible = true;
        double x = noeud.XEcran, y = noeud.YEcran;
        if (couleursModes) {
            ima.FillColor = CouleurModesNoeud(noeud.Modes.texte());
        } else {
            ima.FillColor = K.CouleurInterieurNoeuds;
            ima.ForeColor = K.CouleurBordNoeuds;
        }
        if (std::fabs(x) < LimiteEcran && std::fabs(y) < LimiteEcran) {
            x = ArrondiBanquier(x);
            y = ArrondiBanquier(y);
            ima.TraceCercle(x, y, r);
        } else {
            noeud.Visible = false;
        }
        // A node off the picture is not recorded either: the file would
        // otherwise hold shapes the map does not show.
        if (!noeud.Visible)
            continue;
        if (vectoriel)
            CercleMeta(x, y, r, ima.FillColor, ima.ForeColor, ima.DrawWidth);
        if (noms && noeud.Population >= K.SeuilInferieurNoms && noeud.Population <= K.SeuilSuperieurNoms) {
            ima.ForeColor = K.CouleurNoms;
            QString texte = noeud.Nom.debut(static_cast<std::size_t>(lettres));
            if (minuscules)
                texte = NomPropre(texte);
            if (texte.isEmpty())
                continue;
            ima.TextOutA(static_cast<int>(x), static_cast<int>(y) - 13, texte);
            if (vectoriel)
                TexteMeta(texte, x, y - 13, K.CouleurNoms);
        }
    }
    ima.Refresh();
    if (vectoriel)
        FinMetaFichier();
}

} // namespace kelmo
