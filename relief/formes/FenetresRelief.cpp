#include "relief/formes/FenetresRelief.h"
#include "core/Commandes.h"
#include "core/Modele.h"
#include "platform/formes/PlacementFenetre.h"
#include "relief/CommandesRelief.h"
#include "relief/formes/Couts.h"
#include "relief/formes/CoutsKilometriques.h"
#include "relief/formes/OptionsRelief.h"
#include "relief/formes/frmAnamorphose.h"

#include <QPointer>

namespace kelmo {
namespace {

QPointer<QWidget> parent_;
QPointer<OptionsRelief> options_;
QPointer<Coûts> couts_;
QPointer<CoûtsKilométriques> kilometriques_;

QDialog* fenetre(FenetreRelief f)
{
    switch (f) {
    case FenetreRelief::OptionsRelief:
        if (!options_)
            options_ = new OptionsRelief(parent_.data());
        options_->Rafraichit();
        return options_;
    case FenetreRelief::Coûts:
        if (!couts_)
            couts_ = new Coûts(parent_.data());
        couts_->Rafraichit();
        return couts_;
    case FenetreRelief::CoûtsKilométriques:
        if (!kilometriques_)
            kilometriques_ = new CoûtsKilométriques(parent_.data());
        kilometriques_->Rafraichit();
        return kilometriques_;
    }
    return nullptr;
}

bool& visible(FenetreRelief f)
{
    switch (f) {
    case FenetreRelief::OptionsRelief: return K.Formes.OptionsRelief.Visible;
    case FenetreRelief::Coûts: return K.Formes.Coûts.Visible;
    case FenetreRelief::CoûtsKilométriques: return K.Formes.CoûtsKilométriques.Visible;
    }
    return K.Formes.Coûts.Visible;
}

void montre(FenetreRelief f, bool modal)
{
    QDialog* w = fenetre(f);
    visible(f) = true;
    if (modal) {
        if (!w->isVisible())
            w->exec();
        visible(f) = false;
        return;
    }
    w->show();
    ActiveFenetre(w);
}

void cache(FenetreRelief f)
{
    visible(f) = false;
    QDialog* w = nullptr;
    switch (f) {
    case FenetreRelief::OptionsRelief: w = options_; break;
    case FenetreRelief::Coûts: w = couts_; break;
    case FenetreRelief::CoûtsKilométriques: w = kilometriques_; break;
    }
    if (w)
        w->done(QDialog::Accepted); // also ends a modal run
}

} // namespace

void InstalleCommandesRelief(QWidget* parent)
{
    parent_ = parent;
    FenetresRelief().Montre = montre;
    FenetresRelief().Cache = cache;
    const auto commande = [](const char* nom, void (*c)()) { EnregistreCommande(QString::fromUtf8(nom), c); };
    commande("menTraceRelief", Kelmo_menTraceRelief_Click);
    commande("menOptionsRelief", Kelmo_menOptionsRelief_Click);
    commande("menCoûts", Kelmo_menCoûts_Click);
    commande("menValuationTemps", Kelmo_menValuationTemps_Click);
    commande("menValuationCoût", Kelmo_menValuationCoût_Click);
    commande("menValuationODVal", Kelmo_menValuationODVal_Click);
    commande("menPasDeValuation", Kelmo_menPasDeValuation_Click);
    InstalleFenetresAnamorphose(parent);
}

void DetruitFenetresRelief()
{
    delete options_.data();
    delete couts_.data();
    delete kilometriques_.data();
    DetruitFenetresAnamorphose();
}

} // namespace kelmo
