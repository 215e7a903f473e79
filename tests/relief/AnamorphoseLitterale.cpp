#include "AnamorphoseLitterale.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/Vecteurs3D.h"

#include <cmath>
#include <utility>
#include <vector>

namespace kelmo::test {
namespace {

int vitesse(const Arc& a)
{
    TypeArc t; // a code of no link type leaves it empty: speed 0
    TypeArcParCode(a.Mode, t);
    return t.Vitesse;
}

bool noeud(int i) { return i >= 1 && i <= K.NbNoeuds; }

bool gardable(const Arc& a)
{
    return vitesse(a) > 0 && noeud(a.IndiceOrigine) && noeud(a.IndiceDestination)
           && a.IndiceOrigine != a.IndiceDestination;
}

bool memePaire(const Arc& a, const Arc& b)
{
    return (a.CodeOrigine == b.CodeOrigine && a.CodeDestination == b.CodeDestination)
           || (a.CodeOrigine == b.CodeDestination && a.CodeDestination == b.CodeOrigine);
}

} // namespace

int AnamorphoseLitterale(int32_t depart)
{
    const int32_t n = K.NbArcs;
    auto& A = K.Arcs;
    auto& N = K.Noeuds;

    // 1. Neighbours strictly out of order exchanged, pass after pass.
    bool echange = true;
    while (echange) {
        echange = false;
        for (int32_t i = 1; i < n; ++i)
            if (vitesse(A[i]) < vitesse(A[i + 1])) {
                std::swap(A[i], A[i + 1]);
                if (K.ComparaisonArcs.size() > static_cast<std::size_t>(n))
                    std::swap(K.ComparaisonArcs[i], K.ComparaisonArcs[i + 1]);
                echange = true;
            }
    }

    // 2. Every arc against every arc.
    for (int32_t i = 1; i <= n; ++i)
        A[i].Minimal = 1;
    for (int32_t i = 1; i <= n; ++i) {
        if (!gardable(A[i])) {
            A[i].Minimal = 0;
            continue;
        }
        int meilleure = vitesse(A[i]);
        int32_t candidat = i;
        for (int32_t j = 1; j <= n; ++j)
            if (gardable(A[j]) && memePaire(A[i], A[j]) && vitesse(A[j]) >= meilleure) {
                meilleure = vitesse(A[j]);
                A[i].Minimal = 0;
                candidat = j;
            }
        A[candidat].Minimal = 1;
    }

    // 3-4.
    std::vector<int> niveauNoeud(static_cast<std::size_t>(K.NbNoeuds) + 1, -1);
    std::vector<int> niveauArc(static_cast<std::size_t>(n) + 1, -1);
    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        N[i].XAnamorphose = N[i].X;
        N[i].YAnamorphose = N[i].Y;
        N[i].Traite = false;
    }

    // 5.
    float vitesseMinimale = static_cast<float>(K.VitesseReference);
    int vitesseMax = 0;
    for (int32_t j = 1; j <= n; ++j)
        if (A[j].Minimal == 1) {
            const int v = vitesse(A[j]);
            if (v < vitesseMinimale)
                vitesseMinimale = static_cast<float>(v);
            if (v > vitesseMax)
                vitesseMax = v;
            const Noeud& o = N[A[j].IndiceOrigine];
            const Noeud& d = N[A[j].IndiceDestination];
            A[j].Longueur = static_cast<float>(Distance3D(o.X, o.Y, 0, d.X, d.Y, 0));
        }
    K.VitesseMinimale = vitesseMinimale;

    // 6-7.
    niveauNoeud[depart] = 0;
    int courant = 0;
    bool fini = false;
    while (!fini) {
        const int precedent = courant;
        ++courant;
        fini = true;
        bool etiquete = false;
        for (int32_t j = 1; j <= n; ++j) {
            if (A[j].Minimal != 1 || niveauArc[j] != -1)
                continue;
            int32_t autre;
            if (niveauNoeud[A[j].IndiceOrigine] == precedent)
                autre = A[j].IndiceDestination;
            else if (niveauNoeud[A[j].IndiceDestination] == precedent)
                autre = A[j].IndiceOrigine;
            else
                continue;
            niveauNoeud[autre] = courant;
            niveauArc[j] = courant;
            etiquete = true;
        }
        for (int32_t j = 1; j <= n; ++j)
            if (A[j].Minimal == 1 && niveauArc[j] == -1 && niveauNoeud[A[j].IndiceOrigine] == courant
                && niveauNoeud[A[j].IndiceDestination] == courant) {
                niveauArc[j] = courant;
                etiquete = true;
            }
        for (int32_t j = 1; j <= n; ++j)
            if (A[j].Minimal == 1 && niveauArc[j] == -1)
                fini = false;
        if (!etiquete)
            fini = true;
    }
    int nbPas = 0;
    for (int32_t j = 1; j <= n; ++j)
        if (A[j].Minimal == 1 && niveauArc[j] > nbPas)
            nbPas = niveauArc[j];

    // 8.
    int classe = vitesseMax;
    int precedente;
    do {
        for (int s = 1; s - 1 <= nbPas; ++s) {
            for (int32_t j = 1; j <= n; ++j) {
                const Arc& a = A[j];
                if (vitesse(a) != classe || a.Minimal != 1 || a.Longueur == 0)
                    continue;
                const int32_t o = a.IndiceOrigine, d = a.IndiceDestination;
                int32_t cible = 0, source = 0;
                if (niveauArc[j] == s && niveauNoeud[d] == s && !N[d].Traite && niveauNoeud[o] == s - 1) {
                    cible = d;
                    source = o;
                } else if (niveauArc[j] == s && niveauNoeud[o] == s && !N[o].Traite && niveauNoeud[d] == s - 1) {
                    cible = o;
                    source = d;
                }
                if (cible == 0)
                    continue;
                const double x =
                    N[source].XAnamorphose + (static_cast<double>(N[cible].X) - N[source].X) * vitesseMax / vitesse(a);
                const double y =
                    N[source].YAnamorphose + (static_cast<double>(N[cible].Y) - N[source].Y) * vitesseMax / vitesse(a);
                if (std::isfinite(static_cast<float>(x)) && std::isfinite(static_cast<float>(y))) {
                    N[cible].XAnamorphose = static_cast<float>(x);
                    N[cible].YAnamorphose = static_cast<float>(y);
                }
            }
            for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
                if (niveauNoeud[i] != s || N[i].Traite)
                    continue;
                for (int32_t j = 1; j <= n; ++j) {
                    const Arc& a = A[j];
                    if (vitesse(a) < classe || a.Minimal != 1 || a.Longueur == 0 || niveauArc[j] != s)
                        continue;
                    int32_t autre;
                    if (a.IndiceDestination == i)
                        autre = a.IndiceOrigine;
                    else if (a.IndiceOrigine == i)
                        autre = a.IndiceDestination;
                    else
                        continue;
                    if (niveauNoeud[autre] != s - 1 && niveauNoeud[autre] != s)
                        continue;
                    const double dx = static_cast<double>(N[i].XAnamorphose) - N[autre].XAnamorphose;
                    const double dy = static_cast<double>(N[i].YAnamorphose) - N[autre].YAnamorphose;
                    const double l = Distance3D(0, 0, 0, dx, dy, 0);
                    N[i].Traite = true;
                    if (l == 0)
                        continue;
                    const double e = l - static_cast<double>(a.Longueur) * vitesseMax / vitesse(a);
                    const double x = N[i].XAnamorphose - dx * e / l;
                    const double y = N[i].YAnamorphose - dy * e / l;
                    if (std::isfinite(static_cast<float>(x)) && std::isfinite(static_cast<float>(y))) {
                        N[i].XAnamorphose = static_cast<float>(x);
                        N[i].YAnamorphose = static_cast<float>(y);
                    }
                }
            }
        }
        precedente = classe;
        classe = 0;
        for (int32_t j = 1; j <= n; ++j)
            if (A[j].Minimal == 1 && vitesse(A[j]) < precedente && vitesse(A[j]) > classe)
                classe = vitesse(A[j]);
    } while (precedente > vitesseMinimale && precedente > 0);

    // 10, and the levels into the records.
    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        N[i].X = N[i].XAnamorphose;
        N[i].Y = N[i].YAnamorphose;
        N[i].Niveau = static_cast<int16_t>(niveauNoeud[i]);
    }
    for (int32_t j = 1; j <= n; ++j)
        if (A[j].Minimal == 1)
            A[j].Niveau = static_cast<int16_t>(niveauArc[j]);
    return nbPas;
}

} // namespace kelmo::test
