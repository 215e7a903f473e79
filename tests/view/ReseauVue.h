#pragma once
// A small network on two recording pictures, with the start-up appearance
// settings that the drawing reads.
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "platform/Wmf.h"
#include "support/Enregistrements.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <memory>

namespace kelmo::testvue {

class VueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitTypesArcs();
        EffaceMetaFichier();
        images = std::make_unique<ImagesDeTest>();
        repondeur = std::make_unique<RepondeurScripte>();
        DefinitValeursParDefaut();
        K.VitesseReference = 220;
        // A view where picture and map coordinates coincide.
        K.Echelle = 1;
        K.OrigineY = 0;
        K.CouleurNoms = RGB(10, 20, 30);
    }
    void TearDown() override
    {
        EffaceMetaFichier();
        repondeur.reset();
        images.reset();
    }

    // Picture and map coordinates coincide in these tests.
    int32_t noeud(const QString& nom, int32_t population, float x, float y, float z = 0)
    {
        return test::NoeudAEcran(nom, population, x, y, z);
    }

    int32_t arc(int io, int id, int16_t mode, bool oriente = false)
    {
        Arc a;
        a.IndiceOrigine = static_cast<int16_t>(io);
        a.IndiceDestination = static_cast<int16_t>(id);
        a.CodeOrigine = io * 10;
        a.CodeDestination = id * 10;
        a.Mode = mode;
        a.Oriente = oriente;
        a.Longueur = 10;
        a.Duree = 10;
        K.Arcs.push_back(a);
        K.NbArcs = static_cast<int32_t>(K.Arcs.size()) - 1;
        K.ComparaisonArcs.resize(K.Arcs.size(), 1.0f);
        return K.NbArcs;
    }

    std::vector<AppelZoneImage> traits() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline); }
    std::vector<AppelZoneImage> cercles() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse); }
    std::vector<AppelZoneImage> textes() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Texte); }

    static void vectoriel(bool oui) { K.Menu(QStringLiteral("menImageVectorielle")).Checked = oui; }

    std::unique_ptr<ImagesDeTest> images;
    std::unique_ptr<RepondeurScripte> repondeur;
};

using test::CerclesEnregistres;
using test::LignesEnregistrees;
using test::NombreEnregistrements;
using test::TextesEnregistres;

} // namespace kelmo::testvue
