#include "dxf/CouleursNoeudsDXF.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "dxf/ArcsDXF.h"
#include "dxf/CrochetsDessinCarte.h"
#include "dxf/FichierDXF.h"
#include "platform/Dialogues.h"
#include "view/CrochetsDessinCarte.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace kelmo {

namespace {

using Piece = PieceCouleurNoeud<PointPlan>;

const Classe& classe(int k)
{
    static const Classe aucune{};
    return k >= 0 && k < static_cast<int>(K.Classes.size()) ? K.Classes[static_cast<std::size_t>(k)] : aucune;
}

int nbClasses() { return std::clamp<int>(K.NbClasses, 0, static_cast<int>(K.Classes.size()) - 1); }

PointPlan le(PointPlan a, PointPlan b, double f) { return {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)}; }
PointPlan plus(PointPlan m, double t, PointPlan v) { return {m.x + t * v.x, m.y + t * v.y}; }
PointPlan moins(PointPlan a, PointPlan b) { return {a.x - b.x, a.y - b.y}; }

// One class apart: a single cut at the limit L of the upper class.
std::vector<Piece> unEcart(PointPlan p1, PointPlan p2, PointPlan m, float vo, float vd, int co, int cd)
{
    const float vm = (vo + vd) / 2;
    const bool superieureDestination = classe(co).BorneSup == classe(cd).BorneInf;
    const float l = classe(superieureDestination ? cd : co).BorneInf;
    const double t = (static_cast<double>(l) - vm) / ((static_cast<double>(vd) - vo) / 2);
    const bool milieuEnDessous = vm < l;
    if (superieureDestination == milieuEnDessous) {
        const PointPlan p = plus(m, t, moins(p2, m));
        if (milieuEnDessous)
            return {{co, p1, m}, {co, p, m}, {cd, p2, p}};
        return {{co, p1, m}, {co, p, m}, {cd, p, p2}};
    }
    const PointPlan p = plus(m, t, moins(m, p1));
    if (superieureDestination)
        return {{cd, p2, m}, {cd, p, m}, {co, p, p1}};
    return {{cd, p2, m}, {cd, p, m}, {co, p1, p}};
}

// Two or more classes apart: a cut at each limit from the lower class to the
// higher one, computed from the end of the lower class.
std::vector<Piece> plusieursEcarts(PointPlan p1, PointPlan p2, float vo, float vd, int co, int cd)
{
    const bool origineBasse = co < cd;
    const PointPlan pb = origineBasse ? p1 : p2, ph = origineBasse ? p2 : p1;
    const float vb = origineBasse ? vo : vd, vh = origineBasse ? vd : vo;
    const int bas = std::min(co, cd), haut = std::max(co, cd);
    std::vector<Piece> pieces;
    PointPlan precedent = pb;
    for (int k = bas; k < haut; ++k) {
        const float limite = k + 1 == haut ? classe(haut).BorneInf : classe(k).BorneSup;
        const PointPlan c = le(pb, ph, (static_cast<double>(limite) - vb) / (static_cast<double>(vh) - vb));
        pieces.push_back({k, precedent, c});
        precedent = c;
    }
    pieces.push_back({haut, precedent, ph});
    return pieces;
}

// An end in no class has no limit of its own: cut at the class limits that
// lie between the two values.
std::vector<Piece> horsClasses(PointPlan p1, PointPlan p2, float vo, float vd)
{
    std::vector<double> fractions;
    const double bas = std::min(vo, vd), haut = std::max(vo, vd);
    for (int k = 1; k <= nbClasses(); ++k)
        for (float l : {classe(k).BorneInf, classe(k).BorneSup})
            if (l > bas && l < haut)
                fractions.push_back((static_cast<double>(l) - vo) / (static_cast<double>(vd) - vo));
    std::sort(fractions.begin(), fractions.end());
    fractions.erase(std::unique(fractions.begin(), fractions.end()), fractions.end());
    fractions.insert(fractions.begin(), 0.0);
    fractions.push_back(1.0);
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i + 1 < fractions.size(); ++i) {
        const double f = (fractions[i] + fractions[i + 1]) / 2;
        const int k = ClasseCouleursNoeuds(static_cast<float>(vo + f * (static_cast<double>(vd) - vo)));
        pieces.push_back({k, i == 0 ? p1 : le(p1, p2, fractions[i]), i + 2 == fractions.size() ? p2 : le(p1, p2, fractions[i + 1])});
    }
    return pieces;
}

} // namespace

int ClasseCouleursNoeuds(float v)
{
    int c = 0;
    for (int k = 1; k <= nbClasses(); ++k)
        if (classe(k).BorneInf <= v && v < classe(k).BorneSup)
            c = k;
    return c;
}

std::vector<Piece> DecoupeArcCouleursNoeuds(PointPlan p1, PointPlan p2, float vo, float vd, int co, int cd)
{
    const PointPlan m{(p1.x + p2.x) / 2, (p1.y + p2.y) / 2};
    if (co == cd)
        return {{co, p1, m}, {co, p2, m}};
    if (co == 0 || cd == 0)
        return horsClasses(p1, p2, vo, vd);
    if (std::abs(co - cd) == 1)
        return unEcart(p1, p2, m, vo, vd, co, cd);
    return plusieursEcarts(p1, p2, vo, vd, co, cd);
}

void TraceArcCouleursNoeudsDXF(int indiceOrigine, int indiceDestination)
{
    std::vector<ArcDXF>& segments = DXF.SegmentsDXF;
    const auto nb = static_cast<std::size_t>(std::max(K.NbSegmentsDXF, 0.0));
    // A drawing starts its collection at 0: the values are read once for it.
    if (nb == 0)
        DXF.ValeursExtremites.Construit();
    segments.resize(nb + 1);
    const Noeud* o = NoeudExporte(indiceOrigine);
    const Noeud* d = NoeudExporte(indiceDestination);
    if (!o || !d)
        return;
    float vo = 0, vd = 0;
    DXF.ValeursExtremites.Valeurs(indiceOrigine, indiceDestination, vo, vd);
    const int co = ClasseCouleursNoeuds(vo), cd = ClasseCouleursNoeuds(vd);
    const std::vector<Piece> carte = DecoupeArcCouleursNoeuds({o->X, o->Y}, {d->X, d->Y}, vo, vd, co, cd);
    const std::vector<Piece> ecran =
        DecoupeArcCouleursNoeuds({o->XEcran, o->YEcran}, {d->XEcran, d->YEcran}, vo, vd, co, cd);

    ZoneImage& ima = Ima();
    ima.DrawMode = 13;
    ima.DrawWidth = 2;
    const bool vectoriel = ModeImageVectorielle();
    for (std::size_t i = 0; i < carte.size(); ++i) {
        const int k = carte[i].classe;
        if (i == 0 || carte[i - 1].classe != k)
            ima.ForeColor = classe(k).Couleur;
        const Piece& e = ecran[i];
        ima.TracePolyligne(e.a.x, e.a.y, e.b.x, e.b.y);
        if (vectoriel)
            LigneMeta(e.a.x, e.a.y, e.b.x, e.b.y, ima.ForeColor, 2);
        ArcDXF s;
        s.Calque = static_cast<int16_t>(k);
        s.Couleur = k;
        s.X1 = carte[i].a.x;
        s.Y1 = carte[i].a.y;
        s.X2 = carte[i].b.x;
        s.Y2 = carte[i].b.y;
        s.Epaisseur = K.EpaisseurArcsDXF;
        segments.push_back(s);
    }
    K.NbSegmentsDXF = static_cast<double>(segments.size() - 1);
}

void ConstruitFichierCouleursNoeudsDXF(TamponDXF& t)
{
    const auto n = static_cast<int32_t>(
        std::min<double>(std::max(K.NbSegmentsDXF, 0.0), static_cast<double>(DXF.SegmentsDXF.size() - 1)));
    const QString message = QStringLiteral("Ecrit les arcs aux couleurs des noeuds en DXF...");
    t.Reserve(static_cast<std::size_t>(n) * 560 + 256);
    t.DebutSection("ENTITIES");
    AfficheProgression(n, 1, message);
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        const ArcDXF& s = DXF.SegmentsDXF[static_cast<std::size_t>(i)];
        EcritPolyligneDXF(t, s.Calque, s.Couleur, s.Epaisseur, {s.X1, s.Y1, s.Z1, false}, {s.X2, s.Y2, s.Z2, false});
    }
    AfficheProgression(n, n, message);
    t.FinSection();
    t.Groupe(0, "EOF");
}

void EcritArcsCouleursNoeudsDXFFichier()
{
    DemandeFichier d;
    d.filtre = QStringLiteral("(*.dxf)|*.dxf");
    d.nomFichier = DXF.NomFichierDXF;
    const std::optional<QString> nom = Ui().FichierEnregistrer(d);
    if (!nom || nom->isEmpty())
        return;
    DXF.NomFichierDXF = *nom;
    Sablier sablier;
    TamponDXF t;
    try {
        ConstruitFichierCouleursNoeudsDXF(t);
    } catch (const std::exception&) {
        // Nothing has been written yet: the old file stays as it was.
        Ui().Sablier(false);
        MessageErreur(QStringLiteral("Erreur lors de l'écriture du fichier DXF"));
        return;
    }
    EnregistreFichierDXF(DXF.NomFichierDXF, t.octets);
}

void InstalleCrochetsDessinCarteDXF()
{
    TraceArcCouleursNoeuds = [](int o, int d) { TraceArcCouleursNoeudsDXF(o, d); };
    EcritArcsCouleursNoeudsDXF = [] { EcritArcsCouleursNoeudsDXFFichier(); };
}

} // namespace kelmo
