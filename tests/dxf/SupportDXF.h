#pragma once
// The DXF export under test: a fresh model with the link types, a scripted
// responder, drawings written into a temporary folder, and for each drawing
// the manifest of what it must hold, which tests/dxf/verifie_dxf.py checks
// with an independent reader (ezdxf) when KELMO_DXF_SORTIES names a folder.
#include "core/Images.h"
#include "core/Modele.h"
#include "platform/RepondeurScripte.h"

#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace kelmo::testdxf {

using Point = std::array<double, 3>;

// What a drawing must hold, entity by entity in file order, and its layer
// table. Numbers are compared within tolerance (relative and absolute).
class Manifeste {
public:
    Manifeste& Calque(const std::string& nom, int couleur);
    // The LAYER table is not part of the file (the node-colour file).
    Manifeste& SansTables();
    Manifeste& Texte(const std::string& calque, Point insertion, double hauteur, const std::string& texte,
                     double rotation, const std::string& style);
    Manifeste& Cercle(const std::string& calque, int couleur, Point centre, double rayon);
    Manifeste& Face(const std::string& calque, int couleur, Point p1, Point p2, Point p3, Point p4);
    Manifeste& Polyligne(const std::string& calque, int couleur, double largeur, Point p1, Point p2);
    // Only the counts by type are given beyond the entities listed.
    Manifeste& Compte(const std::string& type, int nombre);
    Manifeste& SeulementLesPremieres();
    Manifeste& Tolerance(double relative, double absolue);
    // The eleven layers of the initial grid.
    Manifeste& CalquesInitiaux();
    std::string Json() const;

private:
    std::vector<std::string> calques_, entites_, comptes_;
    bool tables_ = true, prefixe_ = false;
    double rel_ = 1e-6, abs_ = 1e-6;
};

// Keeps a copy of a drawing and its manifest for the reader check.
void ConserveDXF(const QString& chemin, const Manifeste& manifeste);

class DXFTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs "Ecrit le fichier DXF" with the file chosen in the temporary
    // folder and returns the bytes written ("" when no file was written).
    std::string Exporte(const Manifeste& manifeste, const QString& nom = QStringLiteral("sortie.dxf"));
    // The node-colour file at the end of a drawing.
    std::string ExporteCouleursNoeuds(const Manifeste& manifeste, const QString& nom = QStringLiteral("couleurs.dxf"));
    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    QTemporaryDir dossier;
    std::unique_ptr<RepondeurScripte> repondeur;
    std::unique_ptr<ImagesDeTest> images;
};

// The bytes of a drawing written by hand: lines joined by CR LF, each
// line ended.
std::string Lignes(std::initializer_list<std::string> lignes);
std::string Lignes(const std::vector<std::string>& lignes);
// The HEADER and the TABLES of the initial grid, as the Parts write them.
std::vector<std::string> EnteteEtTablesInitiales();

} // namespace kelmo::testdxf
