#include "dxf/formes/FenetresDXF.h"
#include "core/Commandes.h"
#include "dxf/CrochetsDessinCarte.h"
#include "dxf/SortieDXF.h"
#include "dxf/formes/CouleursDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "platform/formes/PlacementFenetre.h"

#include <QPointer>

namespace kelmo {

namespace {
QPointer<QWidget> parent_;
QPointer<SortieDXF> sortie_;
QPointer<CouleursDXF> couleurs_;
} // namespace

SortieDXF* FenetreSortieDXF()
{
    if (!sortie_)
        sortie_ = new SortieDXF(parent_.data());
    return sortie_.data();
}

CouleursDXF* FenetreCouleursDXF()
{
    if (!couleurs_)
        couleurs_ = new CouleursDXF(FenetreSortieDXF());
    return couleurs_.data();
}

void DetruitFenetresDXF()
{
    delete couleurs_.data();
    delete sortie_.data();
}

void InstalleSortieDXF(QWidget* parent)
{
    parent_ = parent;
    LiensSortieDXF& l = LiensDXF();
    l.MontreSortieDXF = [] {
        SortieDXF* w = FenetreSortieDXF();
        w->Rafraichit();
        w->show();
        ActiveFenetre(w);
    };
    l.MontreCouleursDXF = [] {
        CouleursDXF* w = FenetreCouleursDXF();
        if (!w->isVisible())
            w->exec();
    };
    l.CacheCouleursDXF = [] {
        if (couleurs_)
            couleurs_->done(QDialog::Accepted);
    };
    EnregistreCommande(QStringLiteral("menCréeFichDXF"), [] { Kelmo_menCréeFichDXF_Click(); });
    InstalleCrochetsDessinCarteDXF();
}

} // namespace kelmo
