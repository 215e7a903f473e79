#include "relief/formes/frmAnamorphose.h"
#include "core/Commandes.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/Dialogues.h"
#include "platform/formes/PlacementFenetre.h"
#include "relief/Anamorphose.h"
#include "relief/DessinRelief.h"
#include "relief/FacettesGPS.h"
#include "relief/LiensCarte.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace kelmo {
namespace {

QPointer<QWidget> parent_;
QPointer<frmAnamorphose> fenetre_;

void cache()
{
    K.Formes.frmAnamorphose.Visible = false;
    if (fenetre_)
        fenetre_->hide();
}

} // namespace

frmAnamorphose::frmAnamorphose(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAnamorphose"));
    setWindowTitle(QStringLiteral("Anamorphose"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    EtiquetteAnam = new QLabel(QStringLiteral("Choix du noeud de départ de l'anamorphose"), this);
    EtiquetteAnam->setObjectName(QStringLiteral("EtiquetteAnam"));
    Etiquette4 = new QLabel(QStringLiteral("Noeuds existants :"), this);
    Etiquette4->setObjectName(QStringLiteral("Etiquette4"));
    ListeModifiable1 = new QComboBox(this);
    ListeModifiable1->setObjectName(QStringLiteral("ListeModifiable1"));
    ListeModifiable1->setMinimumContentsLength(15);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    cmdAnnuler->setObjectName(QStringLiteral("cmdAnnuler"));

    auto* g = new QGridLayout(this);
    g->addWidget(EtiquetteAnam, 0, 0, 1, 2);
    g->addWidget(Etiquette4, 1, 0);
    g->addWidget(ListeModifiable1, 1, 1);
    g->addWidget(cmdOK, 2, 0);
    g->addWidget(cmdAnnuler, 2, 1);

    connect(ListeModifiable1, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [](int i) { K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = i; });
    connect(cmdOK, &QPushButton::clicked, this, Garde(frmAnamorphose_cmdOK_Click));
    connect(cmdAnnuler, &QPushButton::clicked, this, Garde(frmAnamorphose_cmdAnnuler_Click));
}

void frmAnamorphose::Rafraichit()
{
    const Liste& l = K.Formes.frmAnamorphose.ListeModifiable1;
    const QSignalBlocker bloque(ListeModifiable1);
    bool memes = ListeModifiable1->count() == l.Entrees.size();
    for (int i = 0; memes && i < l.Entrees.size(); ++i)
        memes = ListeModifiable1->itemText(i) == l.Entrees[i];
    if (!memes) {
        ListeModifiable1->clear();
        ListeModifiable1->addItems(l.Entrees);
    }
    ListeModifiable1->setCurrentIndex(l.ListIndex < ListeModifiable1->count() ? l.ListIndex : -1);
}

void frmAnamorphose::reject() { frmAnamorphose_cmdAnnuler_Click(); }

void frmAnamorphose::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Rafraichit();
    QDialog::changeEvent(e);
}

frmAnamorphose* FenetreAnamorphose()
{
    if (!fenetre_)
        fenetre_ = new frmAnamorphose(parent_.data());
    return fenetre_.data();
}

void Kelmo_menAnamorphose_Click()
{
    Sablier sablier;
    frmAnamorphose* f = FenetreAnamorphose();
    f->Rafraichit();
    K.Formes.frmAnamorphose.Visible = true;
    f->show();
    ActiveFenetre(f);
}

void frmAnamorphose_cmdOK_Click()
{
    // A relief being drawn lets events in between its nodes, and walks the
    // arc table that the anamorphosis would sort under it.
    if (ReliefEnCours())
        return;
    cache();
    Sablier sablier;
    CalculeAnamorphose();
}

void frmAnamorphose_cmdAnnuler_Click()
{
    cache();
    LiensVersCarte().CurseurIma(K.Menu(QStringLiteral("menZoomSouris")).Checked);
}

void InstalleFenetresAnamorphose(QWidget* parent)
{
    parent_ = parent;
    EnregistreCommande(QStringLiteral("menAnamorphose"), [] { Kelmo_menAnamorphose_Click(); });
    EnregistreCommande(QStringLiteral("menLectFichFacettes"), [] { Kelmo_menLectFichFacettes_Click(); });
}

void DetruitFenetresAnamorphose()
{
    delete fenetre_.data();
    fenetre_ = nullptr;
}

} // namespace kelmo
