#pragma once
// A model after start-up on two recording pictures, with a view where the
// picture and map coordinates coincide, for the tests of the value maps.
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

namespace kelmo::testcartes {

class CarteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitTypesArcs();
        EffaceMetaFichier();
        images = std::make_unique<ImagesDeTest>();
        repondeur = std::make_unique<RepondeurScripte>();
        DefinitValeursParDefaut();
        K.Echelle = 1;
        K.VitesseReference = 220;
    }
    void TearDown() override
    {
        EffaceMetaFichier();
        repondeur.reset();
        images.reset();
    }

    // Node coded 10 x its number, its picture position (x, y).
    static int32_t noeud(float x, float y, int32_t population = 0)
    {
        return test::NoeudAEcran(QStringLiteral("N"), population, x, y);
    }

    // Appends a pair of Arcs1 between node numbers o and d, red as read.
    static ArcValeur& paire(int32_t o, int32_t d, float valeur)
    {
        const int32_t i = ++K.NombreArcs1;
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        a = ArcValeur{};
        a.IndiceOrigine = static_cast<int16_t>(o);
        a.IndiceDestination = static_cast<int16_t>(d);
        a.CodeOrigine = o >= 1 && o <= K.NbNoeuds ? K.Noeuds[o].Code : 0;
        a.CodeDestination = d >= 1 && d <= K.NbNoeuds ? K.Noeuds[d].Code : 0;
        a.Valeur = valeur;
        a.Couleur = RGB(255, 0, 0);
        return a;
    }

    static void classes(std::initializer_list<Classe> liste)
    {
        K.Classes.assign(11, Classe{});
        int i = 0;
        for (const Classe& c : liste)
            K.Classes[static_cast<std::size_t>(++i)] = c;
        K.NbClasses = static_cast<int16_t>(i);
    }

    std::vector<AppelZoneImage> traits() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline); }
    std::vector<AppelZoneImage> cercles() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse); }
    std::vector<AppelZoneImage> textes() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Texte); }
    std::vector<AppelZoneImage> polygones() const
    {
        return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polygon);
    }

    static void vectoriel(bool oui) { K.Menu(QStringLiteral("menImageVectorielle")).Checked = oui; }

    std::unique_ptr<ImagesDeTest> images;
    std::unique_ptr<RepondeurScripte> repondeur;
};

// The two ends of a recorded line call.
inline std::vector<int> Bouts(const AppelZoneImage& a)
{
    return {a.points.at(0).x(), a.points.at(0).y(), a.points.at(1).x(), a.points.at(1).y()};
}

using test::CerclesEnregistres;
using test::LignesEnregistrees;
using test::NombreEnregistrements;
using test::TextesEnregistres;

} // namespace kelmo::testcartes
