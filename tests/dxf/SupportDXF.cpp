#include "SupportDXF.h"
#include "core/TypesArcs.h"
#include "dxf/DonneesDXF.h"
#include "dxf/CouleursNoeudsDXF.h"
#include "dxf/SortieDXF.h"
#include "support/Reseau.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace kelmo::testdxf {

namespace {

std::string nombre(double v)
{
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

std::string chaine(const std::string& s)
{
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            r += b;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

std::string point(const Point& p) { return "[" + nombre(p[0]) + "," + nombre(p[1]) + "," + nombre(p[2]) + "]"; }

} // namespace

Manifeste& Manifeste::Calque(const std::string& nom, int couleur)
{
    calques_.push_back("{\"name\":" + chaine(nom) + ",\"color\":" + std::to_string(couleur) + "}");
    return *this;
}

Manifeste& Manifeste::SansTables()
{
    tables_ = false;
    return *this;
}

Manifeste& Manifeste::CalquesInitiaux()
{
    const int couleurs[] = {7, 7, 7, 4, 1, 3, 2, 6, 5, 4, 249};
    for (int i = 1; i <= 11; ++i)
        Calque(std::to_string(i), couleurs[i - 1]);
    return *this;
}

Manifeste& Manifeste::Texte(const std::string& calque, Point insertion, double hauteur, const std::string& texte,
                            double rotation, const std::string& style)
{
    entites_.push_back("{\"type\":\"TEXT\",\"layer\":" + chaine(calque) + ",\"insert\":" + point(insertion)
                       + ",\"height\":" + nombre(hauteur) + ",\"text\":" + chaine(texte)
                       + ",\"rotation\":" + nombre(rotation) + ",\"style\":" + chaine(style) + "}");
    return *this;
}

Manifeste& Manifeste::Cercle(const std::string& calque, int couleur, Point centre, double rayon)
{
    entites_.push_back("{\"type\":\"CIRCLE\",\"layer\":" + chaine(calque) + ",\"color\":" + std::to_string(couleur)
                       + ",\"center\":" + point(centre) + ",\"radius\":" + nombre(rayon) + "}");
    return *this;
}

Manifeste& Manifeste::Face(const std::string& calque, int couleur, Point p1, Point p2, Point p3, Point p4)
{
    entites_.push_back("{\"type\":\"3DFACE\",\"layer\":" + chaine(calque) + ",\"color\":" + std::to_string(couleur)
                       + ",\"vertices\":[" + point(p1) + "," + point(p2) + "," + point(p3) + "," + point(p4) + "]}");
    return *this;
}

Manifeste& Manifeste::Polyligne(const std::string& calque, int couleur, double largeur, Point p1, Point p2)
{
    entites_.push_back("{\"type\":\"POLYLINE\",\"layer\":" + chaine(calque) + ",\"color\":" + std::to_string(couleur)
                       + ",\"width\":" + nombre(largeur) + ",\"vertices\":[" + point(p1) + "," + point(p2) + "]}");
    return *this;
}

Manifeste& Manifeste::Compte(const std::string& type, int n)
{
    comptes_.push_back(chaine(type) + ":" + std::to_string(n));
    return *this;
}

Manifeste& Manifeste::SeulementLesPremieres()
{
    prefixe_ = true;
    return *this;
}

Manifeste& Manifeste::Tolerance(double relative, double absolue)
{
    rel_ = relative;
    abs_ = absolue;
    return *this;
}

std::string Manifeste::Json() const
{
    auto liste = [](const std::vector<std::string>& v) {
        std::string r;
        for (std::size_t i = 0; i < v.size(); ++i)
            r += (i ? ",\n  " : "\n  ") + v[i];
        return r;
    };
    std::string j = "{\"tables\":" + std::string(tables_ ? "true" : "false");
    j += ",\"prefix\":" + std::string(prefixe_ ? "true" : "false");
    j += ",\"rel\":" + nombre(rel_) + ",\"abs\":" + nombre(abs_);
    j += ",\"layers\":[" + liste(calques_) + "]";
    j += ",\"counts\":{" + liste(comptes_) + "}";
    j += ",\"entities\":[" + liste(entites_) + "]}\n";
    return j;
}

void ConserveDXF(const QString& chemin, const Manifeste& manifeste)
{
    const char* sorties = std::getenv("KELMO_DXF_SORTIES");
    if (!sorties || !*sorties || !QFileInfo::exists(chemin))
        return;
    QDir().mkpath(QString::fromLocal8Bit(sorties));
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    QString base = QString::fromLatin1(t ? std::string(t->test_suite_name()) + "." + t->name() : std::string("hors_test"))
                   + QLatin1Char('.') + QFileInfo(chemin).completeBaseName();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString cible = QDir(QString::fromLocal8Bit(sorties)).filePath(base);
    QFile::remove(cible + QStringLiteral(".dxf"));
    QFile::copy(chemin, cible + QStringLiteral(".dxf"));
    QFile j(cible + QStringLiteral(".json"));
    if (j.open(QIODevice::WriteOnly)) {
        const std::string s = manifeste.Json();
        j.write(s.data(), static_cast<qint64>(s.size()));
    }
}

void DXFTest::SetUp()
{
    test::ModeleNeuf();
    LiensDXF() = LiensSortieDXF{};
    repondeur = std::make_unique<RepondeurScripte>();
    images = std::make_unique<ImagesDeTest>();
    ASSERT_TRUE(dossier.isValid());
}

void DXFTest::TearDown()
{
    images.reset();
    repondeur.reset();
    LiensDXF() = LiensSortieDXF{};
}

std::string DXFTest::Exporte(const Manifeste& manifeste, const QString& nom)
{
    const QString chemin = Chemin(nom);
    repondeur->RepondTexte(chemin);
    SortieDXF_ecritleDXF_Click();
    ConserveDXF(chemin, manifeste);
    return test::LitOctets(chemin);
}

std::string DXFTest::ExporteCouleursNoeuds(const Manifeste& manifeste, const QString& nom)
{
    const QString chemin = Chemin(nom);
    repondeur->RepondTexte(chemin);
    EcritArcsCouleursNoeudsDXFFichier();
    ConserveDXF(chemin, manifeste);
    return test::LitOctets(chemin);
}

std::string Lignes(const std::vector<std::string>& lignes)
{
    std::string r;
    for (const std::string& l : lignes)
        r += l + "\r\n";
    return r;
}

std::string Lignes(std::initializer_list<std::string> lignes) { return Lignes(std::vector<std::string>(lignes)); }

std::vector<std::string> EnteteEtTablesInitiales()
{
    std::vector<std::string> l = {"0", "SECTION", "2", "HEADER", "9", "$PLINEGEN", "70", "1", "0", "ENDSEC",
                                  "0", "SECTION", "2", "TABLES",
                                  "0", "TABLE", "2", "LTYPE", "70", "1",
                                  "0", "LTYPE", "2", "CONTINUOUS", "70", "64", "3", "Solid line", "72", "65", "73", "0",
                                  "40", "0.0", "0", "ENDTAB",
                                  "0", "TABLE", "2", "LAYER", "70", "11"};
    const char* couleurs[] = {"7", "7", "7", "4", "1", "3", "2", "6", "5", "4", "249"};
    for (int i = 1; i <= 11; ++i)
        for (const std::string& s : {std::string("0"), std::string("LAYER"), std::string("2"), std::to_string(i),
                                     std::string("70"), std::string("64"), std::string("62"),
                                     std::string(couleurs[i - 1]), std::string("6"), std::string("CONTINUOUS")})
            l.push_back(s);
    for (const char* s : {"0", "ENDTAB", "0", "ENDSEC"})
        l.push_back(s);
    return l;
}

} // namespace kelmo::testdxf
