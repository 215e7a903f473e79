#include "app/Application.h"
#include "app/Kelmo.h"
#include "app/Presentation.h"
#include "core/Defauts.h"
#include "core/Demarrage.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "platform/Dialogues.h"
#include "platform/formes/PlacementFenetre.h"
#include "relief/CoutsGeneralises.h"
#include "values/Statistiques.h"
#include "view/DessinNoeuds.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace kelmo {
namespace {
std::unique_ptr<Présentation> presentation;
std::unique_ptr<Kelmo> kelmo;

void installeCrochets(Kelmo& k)
{
    CrochetsDemarrage c;
    c.PrepareImages = [&k] {
        for (ZoneImage* z : {static_cast<ZoneImage*>(&k.ImaZone()), static_cast<ZoneImage*>(&k.ImaVecZone())}) {
            z->DefinitHauteur(HauteurImaDefaut);
            z->DefinitLargeur(LargeurImaDefaut);
            z->AutoRedraw = true;
            z->FontName = QStringLiteral("Arial");
        }
        k.ImaVec()->setVisible(false);
    };
    c.PrepareControles = [&k] { k.Ima()->setCursor(Qt::ArrowCursor); };
    c.ProjetteNoeuds = [] {
        CalculeCoordonneesEcran();
        TrieNoeudsProfondeur();
    };
    c.DessineNoeuds = [] { DessineNoeuds(true, false); };
    c.ChargeStatistiques = [] { ChargeStatistiques(); };
    c.TailleIma = [&k](double& hauteur, double& largeur) {
        hauteur = k.ImaZone().Height();
        largeur = k.ImaZone().Width();
    };
    c.MiseEnPage = [&k] { k.Kelmo_Form_Resize(); };
    c.CalculeCouts = [] { InitialiseCouts(); };
    DefinitCrochetsDemarrage(std::move(c));
}
} // namespace

Présentation* FenetrePresentation() { return presentation.get(); }

Kelmo& DemarreKelmo()
{
    ArreteKelmo();
    Ui().Sablier(true);
    presentation = std::make_unique<Présentation>();
    presentation->setWindowTitle(QStringLiteral("Chargement de KELMO..."));
    presentation->Command3D1()->setVisible(false);
    presentation->show();
    presentation->setCursor(Qt::WaitCursor);
    presentation->repaint();
    QApplication::processEvents();

    kelmo = std::make_unique<Kelmo>();
    installeCrochets(*kelmo);
    InitialiseKelmo();
    kelmo->SynchroniseMenus();
    kelmo->SynchroniseEtat();

    presentation->hide();
    presentation->Command3D1()->setVisible(true);
    presentation->unsetCursor();
    kelmo->show();
    PlaceDansEcran(kelmo.get());
    kelmo->Kelmo_Form_Resize();
    presentation->setWindowTitle(QStringLiteral("A propos de KELMO..."));
    Ui().Sablier(false);
    return *kelmo;
}

void ArreteKelmo()
{
    DefinitCrochetsDemarrage({});
    kelmo.reset();
    presentation.reset();
}

} // namespace kelmo
