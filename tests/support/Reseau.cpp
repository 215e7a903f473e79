#include "core/TypesArcs.h"
#include "support/Reseau.h"

#include <QFile>

namespace kelmo::test {

void ModeleNeuf()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
}

void Noeud_(const QString& nom, int32_t code, int32_t population, float x, float y, float z)
{
    Noeud n;
    n.Nom = nom;
    n.Code = code;
    n.Population = population;
    n.X = x;
    n.Y = y;
    n.Z = z;
    n.Visible = true;
    K.Noeuds.push_back(n);
    K.NbNoeuds++;
    K.IndexNoeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    K.IndexNoeuds[K.NbNoeuds] = static_cast<int16_t>(K.NbNoeuds);
}

int32_t NoeudAEcran(const QString& nom, int32_t population, float x, float y, float z)
{
    Noeud_(nom, static_cast<int32_t>(K.Noeuds.size()) * 10, population, x, y, z);
    Noeud& n = K.Noeuds[K.NbNoeuds];
    n.XEcran = x;
    n.YEcran = y;
    n.ZEcran = z;
    return K.NbNoeuds;
}

void Arc_(int32_t origine, int32_t destination, int16_t mode, float longueur, float duree, int16_t depart,
          int16_t arrivee)
{
    Arc a;
    a.CodeOrigine = origine;
    a.CodeDestination = destination;
    a.Mode = mode;
    a.Longueur = longueur;
    a.Duree = duree;
    a.HeureDepart = depart;
    a.HeureArrivee = arrivee;
    a.Jours = QStringLiteral("0000000");
    K.Arcs.push_back(a);
    K.NbArcs++;
    K.ComparaisonArcs.resize(K.Arcs.size(), 0.0f);
}

QString EcritFichier(const QTemporaryDir& dir, const QString& nom, const std::string& contenu)
{
    const QString chemin = dir.filePath(nom);
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu.data(), static_cast<qint64>(contenu.size()));
    return chemin;
}

std::string LitOctets(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

} // namespace kelmo::test
