#include "timetables/formes/HorairesNoeuds.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"
#include "timetables/HorairesNoeuds.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/ListeAffichee.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kelmo {

HorairesNoeuds::HorairesNoeuds(QWidget* parent) : QWidget(parent, Qt::Window)
{
    EchapFermeFenetre(this);
    setObjectName(QStringLiteral("HorairesNoeuds"));
    setWindowTitle(QStringLiteral("Horaires (noeud)"));
    Frame1 = new QGroupBox(QStringLiteral("Horaires"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    HArrivées = new QRadioButton(QStringLiteral("Arrivées"), Frame1);
    HArrivées->setObjectName(QStringLiteral("HArrivées"));
    HDéparts = new QRadioButton(QStringLiteral("Départs"), Frame1);
    HDéparts->setObjectName(QStringLiteral("HDéparts"));
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(HDéparts);
    options->addWidget(HArrivées);
    DépartDe = new QLabel(this);
    DépartDe->setObjectName(QStringLiteral("DépartDe"));
    DépartDe->setFrameShape(QFrame::Panel);
    DépartDe->setFrameShadow(QFrame::Sunken);
    Etiquette1 = new QLabel(this);
    Etiquette1->setObjectName(QStringLiteral("Etiquette1"));
    ListeHorairesNoeud = new QListWidget(this);
    ListeHorairesNoeud->setObjectName(QStringLiteral("ListeHorairesNoeud"));
    const QFont fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ListeHorairesNoeud->setFont(fixe);
    Etiquette1->setFont(fixe);
    Command3D3 = new QPushButton(QStringLiteral("Quitter"), this);
    Command3D3->setObjectName(QStringLiteral("Command3D3"));

    auto* haut = new QHBoxLayout;
    haut->addWidget(Frame1);
    haut->addStretch(1);
    haut->addWidget(Command3D3);
    auto* v = new QVBoxLayout(this);
    v->addLayout(haut);
    v->addWidget(DépartDe);
    v->addWidget(Etiquette1);
    v->addWidget(ListeHorairesNoeud, 1);

    connect(HDéparts, &QRadioButton::clicked, this, [] {
        ExecuteGarde(HorairesNoeuds_HDéparts_Click);
        ActualiseFenetresHoraires();
    });
    connect(HArrivées, &QRadioButton::clicked, this, [] {
        ExecuteGarde(HorairesNoeuds_HArrivées_Click);
        ActualiseFenetresHoraires();
    });
    connect(Command3D3, &QPushButton::clicked, this, [] {
        ExecuteGarde(HorairesNoeuds_Command3D3_Click);
        ActualiseFenetresHoraires();
    });
    connect(ListeHorairesNoeud, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ExecuteGarde([&] { HorairesNoeuds_ListeHorairesNoeud_DblClick(ListeHorairesNoeud->row(item)); });
        ActualiseFenetresHoraires();
    });
    resize(640, 320);
}

void HorairesNoeuds::Rafraichit()
{
    const ModeleHorairesNoeuds& m = K.Formes.HorairesNoeuds;
    {
        const QSignalBlocker b1(HArrivées), b2(HDéparts);
        HArrivées->setChecked(m.HArrivées);
        HDéparts->setChecked(!m.HArrivées);
    }
    DépartDe->setText(m.DépartDe);
    Etiquette1->setText(m.Etiquette1);
    MontreListe(ListeHorairesNoeud, m.ListeHorairesNoeud);
}

void HorairesNoeuds::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    ModeleHorairesNoeuds& m = K.Formes.HorairesNoeuds;
    m.Height = height() * TwipsParPixel;
    m.HauteurEtiquette1 = Etiquette1->height() * TwipsParPixel;
    m.HauteurDépartDe = DépartDe->height() * TwipsParPixel;
    HorairesNoeuds_Form_Resize();
}

void HorairesNoeuds::closeEvent(QCloseEvent* e)
{
    e->ignore();
    HorairesNoeuds_Command3D3_Click();
    ActualiseFenetresHoraires();
}

} // namespace kelmo
