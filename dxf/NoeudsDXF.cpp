#include "dxf/NoeudsDXF.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "dxf/DonneesDXF.h"
#include "dxf/GrilleDXF.h"
#include "dxf/ValeursNoeudsDXF.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

int32_t nbNoeuds() { return std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1); }

// A cell whose whole text must be one number: its refusal, if any.
std::optional<QString> refusNombre(const QString& texte, const QString& boite, const QString& pasNombre)
{
    switch (LitNombre(texte, {Etendue::Texte, true, GenreChamp::Double}).lu) {
    case Lu::Nombre: return std::nullopt;
    case Lu::PasNombre: return pasNombre;
    case Lu::HorsChamp: break;
    }
    return MessageHorsChamp(texte, boite, GenreChamp::Double);
}

// The height goes into the drawing as the user typed it, with the point
// that DXF requires.
QString hauteurTexte(const QString& texte)
{
    QString h = texte.trimmed();
    h.replace(QLatin1Char(','), QLatin1Char('.'));
    return h;
}

// The first class holding v, 0 when none does.
int classeDe(float v)
{
    const int n = std::min<int>(K.NbClasses, static_cast<int>(K.Classes.size()) - 1);
    for (int c = 1; c <= n; ++c) {
        const Classe& k = K.Classes[static_cast<std::size_t>(c)];
        if (k.BorneInf <= v && v < k.BorneSup)
            return c;
    }
    return 0;
}

} // namespace

std::optional<QString> RefusNomsNoeudsDXF()
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    if (auto refus = refusNombre(s.NomVilleDxf[3], QStringLiteral("Hauteur du texte"),
                                 QStringLiteral("La hauteur du texte n'est pas un nombre.")))
        return refus;
    if (auto refus = refusNombre(s.NomVilleDxf[2], QStringLiteral("Angle de rotation"),
                                 QStringLiteral("L'angle de rotation n'est pas un nombre.")))
        return refus;
    return refusNombre(s.cadcircle[2], QStringLiteral("Valeur de R"), QStringLiteral("La valeur de R n'est pas un nombre."));
}

std::optional<QString> RefusCerclesNoeudsDXF()
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    const bool parValeur = s.Rayon == RayonCerclesDXF::FonctionNoeudVal
                           || (s.Rayon == RayonCerclesDXF::RayonFixe && s.CouleursClasses.Value);
    if (parValeur && !ValeursNoeudsChargees())
        return QStringLiteral("Aucune valeur de noeud n'est chargée.");
    const NombreLu facteur = LitNombre(s.cadcircle[1], CelluleDXF);
    if (!facteur)
        return MessageHorsChamp(s.cadcircle[1], QStringLiteral("Facteur d'échelle"), GenreChamp::Double);
    // A circle keeps its radius as a single.
    const GenreChamp champRayon = s.Rayon == RayonCerclesDXF::RayonFixe ? GenreChamp::Simple : GenreChamp::Double;
    if (!LitNombre(s.cadcircle[2], {CelluleDXF.etendue, CelluleDXF.virgule, champRayon}))
        return MessageHorsChamp(s.cadcircle[2], QStringLiteral("Valeur de R"), champRayon);
    if (s.Rayon == RayonCerclesDXF::RayonFixe)
        return std::nullopt;
    // The largest root that the factor multiplies.
    double racine = 0;
    for (int32_t i = 1; i <= nbNoeuds(); ++i) {
        const double p = static_cast<double>(K.Noeuds[static_cast<std::size_t>(i)].Population);
        if (s.Rayon == RayonCerclesDXF::FonctionPopulation)
            racine = std::max(racine, std::sqrt(std::max(0.0, p)));
        else if (ValeurNoeudAffichee(i).present)
            racine = std::max(racine, std::sqrt(std::fabs(static_cast<double>(TailleSymboleDXF(i)))));
    }
    if (!TientDansChamp(racine * *facteur, GenreChamp::Simple))
        return QStringLiteral("Le facteur d'échelle n'est pas un nombre valable.");
    return std::nullopt;
}

void PrepareNoeudsDXF()
{
    const int16_t calque = PlanCelluleDXF(K.Formes.SortieDXF.plancad[1]).value_or(0);
    const int32_t n = nbNoeuds();
    DXF.NoeudsDXF.assign(static_cast<std::size_t>(n) + 1, NoeudDXF{});
    for (int32_t i = 1; i <= n; ++i) {
        const Noeud& s = K.Noeuds[static_cast<std::size_t>(i)];
        DXF.NoeudsDXF[static_cast<std::size_t>(i)] = {calque, s.X, s.Y, s.Z};
    }
}

void EcritNomsNoeudsDXF(TamponDXF& t)
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    const int32_t n = std::min<int32_t>(nbNoeuds(), static_cast<int32_t>(DXF.NoeudsDXF.size()) - 1);
    const double r = NombreCelluleDXF(s.cadcircle[2]);
    const QString hauteur = hauteurTexte(s.NomVilleDxf[3]);
    const double rotation = NombreCelluleDXF(s.NomVilleDxf[2]);
    std::string texteRotation = rotation >= 0 ? " " : "";
    AjouteDoubleDXF(texteRotation, rotation);
    // A TEXT must name a style.
    const QString style = s.NomVilleDxf[0].isEmpty() ? QStringLiteral("Standard") : s.NomVilleDxf[0];
    const QString message = QStringLiteral("Ecrit les noms des noeuds en DXF (ATTDEF)...");
    AfficheProgression(n, 1, QStringLiteral("Ecrit les noms des noeuds en DXF..."));
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        const Noeud& noeud = K.Noeuds[static_cast<std::size_t>(i)];
        const NoeudDXF& p = DXF.NoeudsDXF[static_cast<std::size_t>(i)];
        QString texte;
        if (s.CocheNoeud[1].Value)
            texte = noeud.Nom.texte();
        if (s.CocheNoeud[2].Value)
            texte += QLatin1Char(' ') + QString::number(noeud.Code);
        if (s.CocheNoeud[3].Value)
            texte += QLatin1Char(' ') + QString::number(noeud.Population);
        t.Groupe(0, "TEXT");
        t.GroupeEntier(8, p.Calque);
        t.GroupeDouble(10, static_cast<double>(p.X) + r);
        t.GroupeSimple(20, p.Y);
        t.GroupeSimple(30, p.Z);
        t.GroupeTexte(40, hauteur);
        t.GroupeTexte(1, texte);
        t.Groupe(50, texteRotation);
        t.GroupeTexte(7, style);
    }
    AfficheProgression(n, n, message);
}

void PrepareCerclesDXF()
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    const double facteur = NombreCelluleDXF(s.cadcircle[1]);
    const double rayonFixe = NombreCelluleDXF(s.cadcircle[2]);
    const int32_t n = nbNoeuds();
    DXF.CerclesDXF.assign(static_cast<std::size_t>(n) + 1, CercleDXF{});
    for (int32_t i = 1; i <= n; ++i) {
        CercleDXF& c = DXF.CerclesDXF[static_cast<std::size_t>(i)];
        const Noeud& noeud = K.Noeuds[static_cast<std::size_t>(i)];
        c.X = noeud.X;
        c.Y = noeud.Y;
        c.Z = static_cast<float>(noeud.Z + 6.2);
        // The node whose value the i-th displayed value is.
        const auto auNoeudDeLaValeur = [&c](const ValeurNoeudDXF& v) {
            const Noeud& m = K.Noeuds[static_cast<std::size_t>(v.IndiceNoeud)];
            c.X = m.X;
            c.Y = m.Y;
            c.Z = static_cast<float>(m.Z + 10.0);
        };
        double rayon = 0;
        switch (s.Rayon) {
        case RayonCerclesDXF::RayonFixe:
            rayon = rayonFixe;
            if (s.CouleursClasses.Value) {
                const ValeurNoeudDXF v = ValeurNoeudAffichee(i);
                if (!v.present) {
                    c.Present = false;
                    continue;
                }
                auNoeudDeLaValeur(v);
                if (const int k = classeDe(v.Valeur)) {
                    c.Calque = static_cast<int16_t>(k + 30);
                    c.Couleur = static_cast<int16_t>(k);
                }
            }
            break;
        case RayonCerclesDXF::FonctionPopulation:
            // A negative population has no square root: no circle to speak of.
            rayon = noeud.Population > 0 ? std::sqrt(static_cast<double>(noeud.Population)) * facteur : 0.0;
            break;
        case RayonCerclesDXF::FonctionNoeudVal: {
            const ValeurNoeudDXF v = ValeurNoeudAffichee(i);
            if (!v.present) {
                c.Present = false;
                continue;
            }
            auNoeudDeLaValeur(v);
            rayon = std::sqrt(std::fabs(static_cast<double>(TailleSymboleDXF(i)))) * facteur;
            if (!s.CoulNVal2.Value) {
                if (const int k = classeDe(v.Valeur)) {
                    c.Calque = static_cast<int16_t>(k + 30);
                    c.Couleur = static_cast<int16_t>(k == 8 ? 1 : (k == 9 ? 2 : k));
                }
            } else {
                const int marque = v.Marque >= 1 && v.Marque <= 3 ? v.Marque : 0;
                if (marque == 0) {
                    c.Calque = 37;
                    c.Couleur = 7;
                } else {
                    const int base = v.Valeur >= 0 ? 3 : 0;
                    c.Calque = static_cast<int16_t>(30 + base + marque);
                    c.Couleur = static_cast<int16_t>(base + marque);
                }
            }
            break;
        }
        }
        c.Rayon = static_cast<float>(rayon);
    }
}

void EcritCerclesNoeudsDXF(TamponDXF& t)
{
    const int32_t n = std::min<int32_t>(nbNoeuds(), static_cast<int32_t>(DXF.CerclesDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les noeuds en DXF...");
    AfficheProgression(n, 1, message);
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        const CercleDXF& c = DXF.CerclesDXF[static_cast<std::size_t>(i)];
        if (!c.Present)
            continue;
        t.Groupe(0, "CIRCLE");
        t.GroupeEntier(8, c.Calque);
        t.GroupeEntier(62, c.Couleur);
        t.GroupeSimple(10, c.X);
        t.GroupeSimple(20, c.Y);
        t.GroupeSimple(30, c.Z);
        t.GroupeSimple(40, c.Rayon);
    }
    AfficheProgression(n, n, message);
}

} // namespace kelmo
