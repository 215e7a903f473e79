#include "relief/DessinRelief.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TypesArcs.h"
#include "platform/Nombres.h"
#include "relief/ContexteRelief.h"
#include "relief/OrdreFacettes.h"
#include "relief/TablesFacettes.h"
#include "relief/TrianglesRelief.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <optional>

namespace kelmo {
namespace {

const QString Message = QStringLiteral("Dessine le relief...");

double surfacePrecedente = 0;
bool enCours = false;
bool arretDemande = false;

const bool enregistre = (EnregistreReinitialisation([] {
                             surfacePrecedente = 0;
                             arretDemande = false;
                         }),
                         true);

// The pen and brush of a picture, given back when the relief ends.
class EtatTraceImage {
public:
    explicit EtatTraceImage(ZoneImage& z)
        : z_(z), fore_(z.ForeColor), fill_(z.FillColor), fillStyle_(z.FillStyle), width_(z.DrawWidth),
          mode_(z.DrawMode), style_(z.DrawStyle)
    {
    }
    ~EtatTraceImage()
    {
        z_.ForeColor = fore_;
        z_.FillColor = fill_;
        z_.FillStyle = fillStyle_;
        z_.DrawWidth = width_;
        z_.DrawMode = mode_;
        z_.DrawStyle = style_;
    }
    EtatTraceImage(const EtatTraceImage&) = delete;
    EtatTraceImage& operator=(const EtatTraceImage&) = delete;

private:
    ZoneImage& z_;
    int32_t fore_, fill_;
    int fillStyle_, width_, mode_, style_;
};

// Marks the relief as running for its whole drawing, however it ends.
struct Marque {
    Marque()
    {
        enCours = true;
        arretDemande = false;
    }
    ~Marque()
    {
        enCours = false;
        arretDemande = false;
    }
};

// The user interface is given its pending events once per node, but not more
// often than this: the nodes of a large network take microseconds each.
constexpr auto IntervalleEvenements = std::chrono::milliseconds(20);

struct Sommet {
    double x = 0, y = 0, z = 0;
};

// One arc of the star as the chains keep it.
struct Branche {
    int32_t position = 0;
    Sommet apex;
    int mode = 0;
};

void dessineNoeud(ContexteRelief& ctx, int32_t n)
{
    const Noeud& centre = K.Noeuds[static_cast<std::size_t>(n)];
    const Sommet N{centre.XEcran, centre.YEcran, 0};
    const bool dual = K.Formes.OptionsRelief.Dual;
    const int32_t nombre = EtoileNoeud(n, &ctx.arcs);
    TrieEtoileParAngle(nombre, N.x, N.y);

    Branche droite, gauche;
    bool droiteVue = false, gaucheVue = false;
    const auto centroide = [&](const Branche& b1, const Branche& b2) {
        const Noeud& m1 = K.Noeuds[static_cast<std::size_t>(EtoileArcs[static_cast<std::size_t>(b1.position)].NoeudVoisin)];
        const Noeud& m2 = K.Noeuds[static_cast<std::size_t>(EtoileArcs[static_cast<std::size_t>(b2.position)].NoeudVoisin)];
        Sommet g{(N.x + m1.XEcran + m2.XEcran) / 3, (N.y + m1.YEcran + m2.YEcran) / 3, 0};
        FermeTrianglesNoeud(ctx, g.z, n, b1.position, b2.position);
        return g;
    };
    for (int32_t k = 1; k <= nombre; ++k) {
        const int32_t j = EtoileTriee[static_cast<std::size_t>(k)];
        const EtoileArc e = EtoileArcs[static_cast<std::size_t>(j)];
        const Noeud& m = K.Noeuds[static_cast<std::size_t>(e.NoeudVoisin)];
        const Arc& a = K.Arcs[static_cast<std::size_t>(e.NumeroArc)];
        Branche b;
        b.position = j;
        b.mode = a.Mode;
        b.apex.z = ctx.hauteur(a.Duree, a.Longueur, a.Mode, N.x, N.y, m.XEcran, m.YEcran, e.NumeroArc, a.IndiceOrigine,
                               a.IndiceDestination);
        b.apex.x = (N.x + m.XEcran) / 2;
        b.apex.y = (N.y + m.YEcran) / 2;
        if (k == 1) {
            droite = b;
            gauche = b;
            continue;
        }
        Branche precedente;
        if (b.apex.x > N.x) {
            precedente = droite;
            droite = b;
            droiteVue = true;
        } else {
            precedente = gauche;
            gauche = b;
            gaucheVue = true;
        }
        const Sommet& A = b.apex;
        const Sommet& Ap = precedente.apex;
        if (!dual) {
            Sommet P;
            bool nouveau = false;
            TriangleEntreArcs(ctx, precedente.position, j, n, P.x, P.y, P.z, nouveau);
            if (nouveau)
                DessineTriangleRelief(ctx, P.x, P.y, P.z, A.x, A.y, A.z, Ap.x, Ap.y, Ap.z, QStringLiteral("P"), 0, 0);
            DessineTriangleRelief(ctx, N.x, N.y, N.z, A.x, A.y, A.z, Ap.x, Ap.y, Ap.z, QStringLiteral("G"), b.mode,
                                  precedente.mode);
        } else {
            const Sommet G = centroide(precedente, b);
            DessineTriangleRelief(ctx, N.x, N.y, N.z, A.x, A.y, A.z, G.x, G.y, G.z, QStringLiteral("G"), b.mode, 0);
            DessineTriangleRelief(ctx, N.x, N.y, N.z, G.x, G.y, G.z, Ap.x, Ap.y, Ap.z, QStringLiteral("G"), 0,
                                  precedente.mode);
        }
    }
    if (!(droiteVue && gaucheVue))
        return;
    const Sommet& R = droite.apex;
    const Sommet& L = gauche.apex;
    if (!dual) {
        DessineTriangleRelief(ctx, N.x, N.y, N.z, R.x, R.y, R.z, L.x, L.y, L.z, QStringLiteral("A"), droite.mode,
                              gauche.mode);
        Sommet P;
        bool nouveau = false;
        TriangleEntreArcs(ctx, gauche.position, droite.position, n, P.x, P.y, P.z, nouveau);
        if (nouveau)
            DessineTriangleRelief(ctx, P.x, P.y, P.z, R.x, R.y, R.z, L.x, L.y, L.z, QStringLiteral("P"), 0, 0);
    } else {
        const Sommet G = centroide(gauche, droite);
        DessineTriangleRelief(ctx, N.x, N.y, N.z, R.x, R.y, R.z, G.x, G.y, G.z, QStringLiteral("G"), droite.mode, 0);
        DessineTriangleRelief(ctx, N.x, N.y, N.z, G.x, G.y, G.z, L.x, L.y, L.z, QStringLiteral("G"), 0, gauche.mode);
    }
}

} // namespace

bool ReliefEnCours() { return enCours; }
void DemandeArretRelief() { arretDemande = true; }
double SurfaceDernierRelief() { return surfacePrecedente; }

QString RapportContraction(double t, double t0, char separateurDecimal)
{
    const double p = t0 == 0 ? 100.0 : (t - t0) * 100.0 / t0;
    QString texte;
    const auto pourcent = [&](double v) {
        return QString::fromStdString(FormatMotif(std::fabs(v), "0.00", separateurDecimal)) + QStringLiteral(" %");
    };
    if (p > 0)
        texte = QStringLiteral("L'espace s'est contracté de ") + pourcent(p);
    else if (p < 0)
        texte = QStringLiteral("L'espace s'est dilaté de ") + pourcent(p);
    else
        texte = QStringLiteral("Pas de contraction de l'espace.");
    return texte + QStringLiteral(" / ") + QStringLiteral("Nouvelle surface totale du relief : ")
           + QString::fromStdString(FormatMotif(t, "0.00", separateurDecimal));
}

void DessineRelief(int32_t premier, int32_t dernier)
{
    if (enCours)
        return; // one relief at a time: a yield cannot start another
    Marque marque;
    const bool vectoriel = ModeImageVectorielle();
    const bool fichier3D = ValuationDe(K.TypeValuationRelief) == ValuationRelief::FichierRelief3D;
    if (fichier3D) {
        // The relief is built in network coordinates for the 3-D export.
        for (int32_t i = 1; i <= K.NbNoeuds && i < static_cast<int32_t>(K.Noeuds.size()); ++i) {
            Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
            n.XEcran = n.X;
            n.YEcran = n.Y;
            n.ZEcran = n.Z;
        }
        PrepareTablesFacettes();
    }
    // The vector picture shows the triangles as they are drawn; its pen is
    // given back afterwards.
    std::optional<EtatTraceImage> traceImaVec;
    if (vectoriel) {
        traceImaVec.emplace(ImaVec());
        PrepareTablesFacettes();
    }
    if (K.Formes.OptionsRelief.Anamorphose) {
        K.VitesseMinimale = static_cast<float>(K.VitesseReference);
        TypeArc t;
        for (int32_t a = 1; a <= K.NbArcs && a < static_cast<int32_t>(K.Arcs.size()); ++a) {
            const Arc& arc = K.Arcs[static_cast<std::size_t>(a)];
            if (arc.Minimal == 1 && TypeArcParCode(arc.Mode, t) && t.Vitesse < K.VitesseMinimale)
                K.VitesseMinimale = t.Vitesse;
        }
    }

    ContexteRelief ctx;
    ctx.totalProgression = dernier;
    AfficheProgression(dernier, 0, Message);
    auto dernierAppel = std::chrono::steady_clock::time_point{};
    const int32_t nbIndex = static_cast<int32_t>(K.IndexNoeuds.size());
    for (int32_t i = premier; i <= dernier; ++i) {
        if (i % 5 == 0)
            AfficheProgression(dernier, i, Message);
        const auto maintenant = std::chrono::steady_clock::now();
        if (K.StatusBar.TraiteEvenements && maintenant - dernierAppel >= IntervalleEvenements) {
            dernierAppel = maintenant;
            K.StatusBar.TraiteEvenements();
        }
        if (arretDemande)
            break;
        try {
            const int32_t n = i >= 1 && i < nbIndex ? K.IndexNoeuds[static_cast<std::size_t>(i)] : 0;
            if (n >= 1 && n <= K.NbNoeuds && n < static_cast<int32_t>(K.Noeuds.size())
                && K.Noeuds[static_cast<std::size_t>(n)].Visible)
                dessineNoeud(ctx, n);
        } catch (const std::exception&) {
            ctx.signaleErreur();
        }
        if (vectoriel)
            ImaVec().Refresh(); // the picture shows the relief growing node by node
    }
    AfficheProgression(dernier, dernier, Message);

    if (vectoriel) {
        // The metafile holds the facets alone, in painter's order.
        traceImaVec.reset();
        EffaceMetaFichier();
        ImaVec().Cls();
        DebutMetaFichier();
        // A facet takes at most about 90 words: its brush, its pen, the
        // triangle and two ridges.
        ReserveMetaFichier(static_cast<std::size_t>(std::max(K.NbFacettes, 0)) * 96 + 64);
        try {
            OrdonneFacettes();
            RedessineFacettes();
        } catch (const std::exception&) {
            ctx.signaleErreur();
        }
        FinMetaFichier();
    }
    K.StatusBar.Panneaux[5] = RapportContraction(ctx.surface, surfacePrecedente, K.SeparateurDecimal);
    surfacePrecedente = ctx.surface;
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
    Ima().Refresh();
}

} // namespace kelmo
