#include "values/BandesStatistiques.h"
#include "core/Couleurs.h"
#include "core/Modele.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/ClassesValeurs.h"
#include "values/CrochetsValeurs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kelmo {

namespace {
int differes = 0;
bool apercuEnAttente = false;
} // namespace
namespace {

// The values of a strip with the base and scale of their abscissae.
struct Serie {
    std::vector<float> valeurs;
    double base = 0;
    double echelle = 0;
};

double largeurUtile(const Bande& b) { return b.ScaleWidth - 4; }

// Equal ends leave the scale at 0: every tick then stands at the right end.
double echelle(double w, double etendue) { return etendue != 0 ? w / etendue : 0.0; }

void trait(Bande& b, double x) { b.Traits.push_back({x, b.ForeColor, b.DrawWidth}); }

const std::vector<ArcValeur>& tableArcs(int numero, int32_t& n)
{
    const std::vector<ArcValeur>& t = numero == 1 ? K.Arcs1 : K.Arcs2;
    n = std::max<int32_t>(0, std::min<int32_t>(numero == 1 ? K.NombreArcs1 : K.NombreArcs2,
                                               static_cast<int32_t>(t.size()) - 1));
    return t;
}

// Node values in table order (decreasing magnitude). A first value of 0
// counts as 1 here, so that the strip has a width; the table keeps its 0.
Serie serieNoeuds(double w)
{
    Serie s;
    const int32_t n = std::max<int32_t>(
        0, std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.ValeursNoeuds.size()) - 1));
    s.valeurs.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 1; i <= n; ++i)
        s.valeurs.push_back(K.ValeursNoeuds[static_cast<std::size_t>(i)].Valeur);
    if (s.valeurs.empty())
        return s;
    if (s.valeurs.front() == 0)
        s.valeurs.front() = 1;
    s.base = s.valeurs.back();
    s.echelle = echelle(w, static_cast<double>(s.valeurs.front()) - s.valeurs.back());
    return s;
}

// An extreme of the values, which are singles, as its box shows it: the
// class bounds are built from what the box reads back, and must take in
// the extreme itself.
QString texteExtreme(double v)
{
    if (!TientDansChamp(v, GenreChamp::Simple))
        return TexteAvecSigne(v, true);
    return TexteSimpleRelu(static_cast<float>(v), [](double x, bool court) { return TexteAvecSigne(x, court); },
                           false);
}

// The blue minimum mark at the left end, the red maximum mark at the right
// end, and the pen the next ticks use.
void termineBande(Bande& b, double min, double max)
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    b.DrawWidth = 2;
    b.ForeColor = QBColor(1);
    s.Text1 = texteExtreme(min);
    trait(b, 2);
    b.ForeColor = QBColor(4);
    s.Text2 = texteExtreme(max);
    trait(b, largeurUtile(b));
    b.DrawWidth = 1;
    b.ForeColor = QBColor(0);
}

void statistiquesArcs(int numero)
{
    Bande& b = K.Formes.Statistiques.Picture2;
    b.Traits.clear();
    int32_t n = 0;
    const std::vector<ArcValeur>& t = tableArcs(numero, n);
    double min = 1e11, max = -1e11;
    for (int32_t i = 1; i <= n; ++i) {
        const double v = t[static_cast<std::size_t>(i)].Valeur;
        min = std::min(min, v);
        max = std::max(max, v);
    }
    const double w = largeurUtile(b);
    const double s = echelle(w, max - min);
    b.Traits.reserve(static_cast<std::size_t>(n) + 2);
    for (int32_t i = 1; i <= n; ++i)
        trait(b, AbscisseBande(t[static_cast<std::size_t>(i)].Valeur, s, min, w));
    termineBande(b, min, max);
}

} // namespace

double AbscisseBande(double v, double s, double base, double w)
{
    return s > 0 ? 2 + s * (v - base) : w + 2 + std::fabs(s) * (v - base);
}

void CalculeStatistiquesArcs1() { statistiquesArcs(1); }
void CalculeStatistiquesArcs2() { statistiquesArcs(2); }

void CalculeStatistiquesNoeuds()
{
    Bande& b = K.Formes.Statistiques.Picture2;
    b.Traits.clear();
    const double w = largeurUtile(b);
    const Serie serie = serieNoeuds(w);
    double max = 0, min = K.RefRonds;
    b.Traits.reserve(serie.valeurs.size() + 2);
    for (const float v : serie.valeurs) {
        trait(b, AbscisseBande(v, serie.echelle, serie.base, w));
        max = std::max<double>(max, v);
        min = std::min<double>(min, v);
    }
    termineBande(b, min, max);
}

void DessineClasses()
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    Bande& b = s.Picture1;
    b.Traits.clear();
    b.ForeColor = QBColor(0);
    s.EffectifsClasses.fill(0);

    const double w = largeurUtile(b);
    Serie serie;
    if (s.SourceArcs()) {
        int32_t n = 0;
        const std::vector<ArcValeur>& t = tableArcs(s.ArcVale1 ? 1 : 2, n);
        double min = 1e9, max = -1e9;
        serie.valeurs.reserve(static_cast<std::size_t>(n));
        for (int32_t i = 1; i <= n; ++i) {
            const float v = t[static_cast<std::size_t>(i)].Valeur;
            serie.valeurs.push_back(v);
            min = std::min<double>(min, v);
            max = std::max<double>(max, v);
        }
        serie.base = min;
        serie.echelle = echelle(w, max - min);
    } else {
        serie = serieNoeuds(w);
    }

    // A value in no class is drawn in the colour of the last classed one.
    b.Traits.reserve(serie.valeurs.size());
    for (const float v : serie.valeurs) {
        if (const int c = ClasseDeValeur(v); c > 0) {
            ++s.EffectifsClasses[static_cast<std::size_t>(c)];
            b.ForeColor = K.Classes[static_cast<std::size_t>(c)].Couleur;
        }
        trait(b, AbscisseBande(v, serie.echelle, serie.base, w));
    }

    const int n = std::clamp<int>(K.NbClasses, 0, 10);
    s.Graph1.Points.assign(s.EffectifsClasses.begin() + 1, s.EffectifsClasses.begin() + 1 + n);
    if (s.ApercuCarte && RedessineValeurs) {
        if (differes > 0)
            apercuEnAttente = true;
        else
            RedessineValeurs();
    }
}

ApercuDiffere::ApercuDiffere() { ++differes; }

ApercuDiffere::~ApercuDiffere()
{
    if (--differes == 0 && apercuEnAttente) {
        apercuEnAttente = false;
        if (K.Formes.Statistiques.ApercuCarte && RedessineValeurs)
            RedessineValeurs();
    }
}

} // namespace kelmo
