#include "values/formes/FenetresStatistiques.h"
#include "core/Commandes.h"
#include "core/Modele.h"
#include "platform/formes/PlacementFenetre.h"
#include "values/AspectVisuelArcsAttr.h"
#include "values/CartesNoeuds.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/CrochetsValeurs.h"
#include "values/Exploration.h"
#include "values/ReliefArcsValeurs.h"
#include "values/formes/AspectVisuelArcsAttr.h"
#include "values/formes/Statistiques.h"

#include <QPointer>

namespace kelmo {
namespace {

QPointer<QWidget> parent_;
QPointer<Statistiques> statistiques_;
QPointer<AspectVisuelArcsAttr> arcsAttr_;

void montreStatistiques()
{
    if (!statistiques_)
        return;
    statistiques_->Rafraichit();
    ActiveFenetre(statistiques_);
}

void montreArcsAttr()
{
    if (!arcsAttr_)
        arcsAttr_ = new AspectVisuelArcsAttr(parent_.data());
    arcsAttr_->Rafraichit();
    if (!arcsAttr_->isVisible())
        arcsAttr_->exec();
    K.Formes.AspectVisuelArcsAttr.Visible = false;
}

void Kelmo_menCodeValEnZ_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menCodeValEnZ"));
    m.Checked = !m.Checked;
}

} // namespace

void InstalleStatistiques(QWidget* parent)
{
    parent_ = parent;
    if (!statistiques_)
        statistiques_ = new Statistiques(parent);
    MontreStatistiques = montreStatistiques;
    ActiveStatistiques = [] {
        if (statistiques_ && statistiques_->isVisible())
            ActiveFenetre(statistiques_);
    };
    DefinitMontreAspectVisuelArcsAttr(montreArcsAttr);
    BrancheReliefArcsValeurs();
    const auto commande = [](const char* nom, Commande c) { EnregistreCommande(QString::fromUtf8(nom), std::move(c)); };
    commande("menFichierCodeValeur1", [] { ChargeFichierNoeudValeur(1); });
    commande("menFichierCodeValeur2", [] { ChargeFichierNoeudValeur(2); });
    commande("menStatistiques", PrepareStatistiques);
    commande("menCodeValEnZ", Kelmo_menCodeValEnZ_Click);
    commande("menArcsAttractions", Kelmo_menArcsAttractions_Click);
    commande("menExploration", Kelmo_menExploration_Click);
}

void DetruitFenetresStatistiques()
{
    DefinitMontreAspectVisuelArcsAttr(nullptr);
    MontreStatistiques = nullptr;
    ActiveStatistiques = nullptr;
    delete arcsAttr_.data();
    delete statistiques_.data();
}

Statistiques* FenetreStatistiques() { return statistiques_.data(); }

} // namespace kelmo
