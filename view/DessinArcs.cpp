#include "view/DessinArcs.h"

#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "relief/GeometrieArcRelief.h"
#include "view/ArcsParType.h"
#include "view/CrochetsDessinCarte.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

namespace kelmo {

TypeArc TypeArcTrace;

namespace {

const bool enregistre = (EnregistreReinitialisation([] { TypeArcTrace = TypeArc{}; }), true);

int profondeurRegroupement = 0;
bool erreurEnAttente = false;

int epaisseurTrait(double e)
{
    if (!(e >= 1))
        return 1;
    return static_cast<int>(std::min(std::nearbyint(e), 10000.0));
}

bool noeudValide(int i, int32_t nb) { return i >= 1 && i <= nb; }

} // namespace

RegroupeErreursTrace::RegroupeErreursTrace() { ++profondeurRegroupement; }

RegroupeErreursTrace::~RegroupeErreursTrace()
{
    if (--profondeurRegroupement > 0 || !erreurEnAttente)
        return;
    erreurEnAttente = false;
    try {
        Ui().Sablier(false);
        Ui().Message(MessageErreurTrace, Boutons::OK, Icone::Aucune, QString());
    } catch (...) {
        // A message that cannot be shown must not end the program.
    }
}

void RegroupeErreursTrace::Signale() { erreurEnAttente = true; }

std::optional<TeteFleche> CalculeTeteFleche(double x1, double y1, double x2, double y2, double d)
{
    if (d == 0 || !std::isfinite(d) || (x1 == x2 && y1 == y2))
        return std::nullopt;
    TeteFleche t;
    const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    t.M = {mx, my};
    double px = mx, py = my, w1x = 0, w1y = 0, w2x = 0, w2y = 0;
    if (x1 != x2 && y1 != y2) {
        const double a = std::atan(std::fabs(y2 - y1) / std::fabs(x2 - x1));
        const double dc = d * std::cos(a), ds = d * std::sin(a);
        if (x1 < x2 && y1 < y2) {
            px = mx - dc, py = my - ds;
            w1x = px - ds, w1y = py + dc, w2x = px + ds, w2y = py - dc;
        } else if (x1 > x2 && y1 > y2) {
            px = mx + dc, py = my + ds;
            w1x = px + ds, w1y = py - dc, w2x = px - ds, w2y = py + dc;
        } else if (x1 < x2 && y1 > y2) {
            px = mx - dc, py = my + ds;
            w1x = px - ds, w1y = py - dc, w2x = px + ds, w2y = py + dc;
        } else {
            px = mx + dc, py = my - ds;
            w1x = px - ds, w1y = py - dc, w2x = px + ds, w2y = py + dc;
        }
    } else if (x1 == x2) {
        py = y1 < y2 ? my - d : my + d;
        w1x = px - d, w1y = py, w2x = px + d, w2y = py;
    } else {
        px = x1 < x2 ? mx - d : mx + d;
        w1x = px, w1y = py - d, w2x = px, w2y = py + d;
    }
    t.P = {px, py};
    t.W1 = {w1x, w1y};
    t.W2 = {w2x, w2y};
    return t;
}

std::optional<TeteFleche> DessineFleche(double x1, double y1, double x2, double y2)
{
    ZoneImage& ima = Ima();
    const double d = 10.0 * K.EchelleRonds * K.TraceFleches;
    ima.TracePolyligne(x1, y1, x2, y2);
    const std::optional<TeteFleche> t = CalculeTeteFleche(x1, y1, x2, y2, d);
    if (t) {
        ima.TracePolyligne(t->M.x(), t->M.y(), t->W1.x(), t->W1.y());
        ima.TracePolyligne(t->M.x(), t->M.y(), t->W2.x(), t->W2.y());
    }
    return t;
}

void DessineArcsType(const TypeArc& type)
{
    RegroupeErreursTrace regroupement;
    const FinProgression fin; // gone before any grouped error message shows
    NbFormesMetaFichier = 0;
    const QString message = QStringLiteral("Affiche les arcs ") + type.Nom + QStringLiteral("...");
    const int32_t nbArcs = std::clamp<int32_t>(K.NbArcs, 0, static_cast<int32_t>(K.Arcs.size()) - 1);
    const int32_t nbNoeuds = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1);
    AfficheProgression(nbArcs, 0, message);

    const TableTypes types;
    const ParametresRelief relief = ParametresRelief::Courants(&types);
    const bool compare = K.Formes.TraceArcs.Check3D1;
    const bool couleursNoeuds = K.Menu(QStringLiteral("menCouleursNoeuds")).Checked;
    const bool dxf = K.Formes.TraceArcs.DXFCouleurNoeuds == 1;
    const bool vectoriel = ModeImageVectorielle();
    if (couleursNoeuds && !dxf && PrepareArcsDegrades)
        PrepareArcsDegrades();
    ZoneImage& ima = Ima();
    bool typeTraceConnu = false;
    bool routier = false;
    const double tailleFleche = 10.0 * K.EchelleRonds * K.TraceFleches;

    // The segments of consecutive arcs of one pen go to the picture as one
    // call: tens of thousands of arcs are drawn in a fraction of a second.
    std::vector<QLineF> lot;
    Couleur couleurLot = 0;
    int largeurLot = 1;
    auto videLot = [&] {
        if (lot.empty())
            return;
        const Couleur c = ima.ForeColor;
        const int w = ima.DrawWidth;
        ima.ForeColor = couleurLot;
        ima.DrawWidth = largeurLot;
        ima.TraceSegments(lot.data(), static_cast<int>(lot.size()));
        ima.ForeColor = c;
        ima.DrawWidth = w;
        lot.clear();
    };

    const std::vector<int32_t> arcs = ArcsDuType(type.Code, nbArcs);
    for (std::size_t j = 0; j < arcs.size(); ++j) {
        PrechargeArcs(arcs, j);
        const int32_t i = arcs[j];
        const Arc& a = K.Arcs[i];
        AfficheProgression(nbArcs, i, message);
        try {
            if (!noeudValide(a.IndiceOrigine, nbNoeuds) || !noeudValide(a.IndiceDestination, nbNoeuds))
                continue;
            const Noeud& o = K.Noeuds[a.IndiceOrigine];
            const Noeud& d = K.Noeuds[a.IndiceDestination];
            if (!o.Visible || !d.Visible)
                continue;
            const double x1 = o.XEcran, y1 = o.YEcran, x2 = d.XEcran, y2 = d.YEcran;
            double h = 0;
            double corde = a.Longueur;
            if (!GeometrieArcRelief(relief, h, a.Duree, corde, a.Mode, x1, y1, x2, y2, i, a.IndiceOrigine,
                                    a.IndiceDestination)) {
                // Drawn flat, and told once for the whole drawing.
                h = 0;
                RegroupeErreursTrace::Signale();
            }
            const double xm = (x1 + x2) / 2, ym = (y1 + y2) / 2 - h;

            ima.DrawWidth = epaisseurTrait(type.Epaisseur);
            ima.DrawMode = 13;
            Couleur couleur = type.CouleurCommun;
            if (compare && i < static_cast<int32_t>(K.ComparaisonArcs.size())) {
                const float v = K.ComparaisonArcs[i];
                if (v == -1.0f)
                    couleur = type.CouleurMoins;
                else if (v == 0.0f)
                    couleur = type.CouleurPlus;
            }
            ima.ForeColor = couleur;

            if (!typeTraceConnu) {
                // Every arc drawn here has the same Mode, so one lookup serves.
                TypeArcTrace = TypeArc{};
                TypeArcParCode(a.Mode, TypeArcTrace);
                routier = TypeArcTrace.Routier;
                typeTraceConnu = true;
            }

            if (couleursNoeuds) {
                videLot();
                if (dxf) {
                    if (TraceArcCouleursNoeuds)
                        TraceArcCouleursNoeuds(a.IndiceOrigine, a.IndiceDestination);
                } else if (DessineArcDegrade) {
                    DessineArcDegrade(i);
                }
                continue;
            }

            if (!lot.empty() && (couleur != couleurLot || ima.DrawWidth != largeurLot))
                videLot();
            couleurLot = couleur;
            largeurLot = ima.DrawWidth;
            std::optional<TeteFleche> tete;
            if (routier && a.Oriente && h == 0) {
                // DessineFleche's strokes, in its order
                lot.emplace_back(x1, y1, x2, y2);
                tete = CalculeTeteFleche(x1, y1, x2, y2, tailleFleche);
                if (tete) {
                    lot.emplace_back(tete->M, tete->W1);
                    lot.emplace_back(tete->M, tete->W2);
                }
            } else {
                lot.emplace_back(x1, y1, xm, ym);
                lot.emplace_back(xm, ym, x2, y2);
            }
            if (vectoriel) {
                const Couleur c = ima.ForeColor;
                const int w = ima.DrawWidth;
                LigneMeta(x1, y1, xm, ym, c, w);
                LigneMeta(xm, ym, x2, y2, c, w);
                if (tete) {
                    LigneMeta(tete->M.x(), tete->M.y(), tete->W1.x(), tete->W1.y(), c, w);
                    LigneMeta(tete->M.x(), tete->M.y(), tete->W2.x(), tete->W2.y(), c, w);
                }
            }
        } catch (const std::exception&) {
            RegroupeErreursTrace::Signale();
        } catch (...) {
            RegroupeErreursTrace::Signale();
        }
    }
    try {
        videLot();
    } catch (...) {
        RegroupeErreursTrace::Signale();
    }
    ima.Refresh();
    AfficheProgression(nbArcs, nbArcs, message);
}

void DessineTypesParNom(std::initializer_list<const char16_t*> noms)
{
    const RassembleArcsParType rassemblement;
    for (const char16_t* nom : noms) {
        TypeArc t;
        if (!TypeArcParNom(QString::fromUtf16(nom), t))
            continue;
        K.TypeArcCourant = t;
        DessineArcsType(K.TypeArcCourant);
    }
}

void DessineArcsRoutiers()
{
    RegroupeErreursTrace regroupement;
    if (ModeImageVectorielle())
        DebutMetaFichier();
    DessineTypesParNom({u"Route70", u"Route60", u"Route50", u"Voie express interurb."});
    if (ModeImageVectorielle())
        FinMetaFichier();
}

void DessineArcsUrbains()
{
    RegroupeErreursTrace regroupement;
    if (ModeImageVectorielle())
        DebutMetaFichier();
    DessineTypesParNom({u"Voie rapide urb. 65", u"Boulevard urbain", u"Voie urbaine", u"Artère urbaine",
                        u"Bus 8 urbain dense", u"Bus 15 urbain", u"Bus 25 sub-urbain", u"Tramway 18",
                        u"Tram sub-urbain", u"Marche 3", u"Marche 5"});
    if (ModeImageVectorielle())
        FinMetaFichier();
}

} // namespace kelmo
