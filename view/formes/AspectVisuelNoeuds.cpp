#include "view/formes/AspectVisuelNoeuds.h"

#include "core/Modele.h"
#include "view/AspectVisuelNoeuds.h"
#include "view/formes/ApercuDessin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace kelmo {

AspectVisuelNoeuds::AspectVisuelNoeuds(QWidget* parent) : FenetreDialogue(FormeDialogue::AspectVisuelNoeuds, parent)
{
    AspectVisuelNoeuds_Charge();
    setObjectName(QStringLiteral("AspectVisuelNoeuds"));
    setWindowTitle(QStringLiteral("Paramétres d'affichage des noeuds"));
    const ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;

    Combo1 = listeModifiable(this);
    Combo2 = listeModifiable(this);
    Picture1 = new ApercuDessin(static_cast<int>(n.LargeurApercu), static_cast<int>(n.HauteurApercu),
                                palette().color(QPalette::Base), this);
    Frame3D1 = new QGroupBox(QStringLiteral("Couleurs"), this);
    Command3D1 = new QPushButton(QStringLiteral("Intérieur"), Frame3D1);
    Command3D2 = new QPushButton(QStringLiteral("Bord"), Frame3D1);
    CouleursModes = new QCheckBox(QStringLiteral("Couleur des modes"), this);
    Minuscules = new QCheckBox(QStringLiteral("Noms en minuscules"), this);
    Police = new QPushButton(QStringLiteral("Police"), this);
    Seuils = new QPushButton(QStringLiteral("Seuils d'aff. noms"), this);
    Command3D4 = new QPushButton(QStringLiteral("OK "), this);
    Command3D3 = new QPushButton(QStringLiteral("Annuler"), this);
    Command3D4->setDefault(true);

    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D2->setObjectName(QStringLiteral("Command3D2"));
    CouleursModes->setObjectName(QStringLiteral("CouleursModes"));
    Minuscules->setObjectName(QStringLiteral("Minuscules"));
    Police->setObjectName(QStringLiteral("Police"));
    Seuils->setObjectName(QStringLiteral("Seuils"));
    Command3D4->setObjectName(QStringLiteral("Command3D4"));
    Command3D3->setObjectName(QStringLiteral("Command3D3"));

    auto* couleurs = new QHBoxLayout(Frame3D1);
    couleurs->addWidget(Command3D1);
    couleurs->addWidget(Command3D2);
    auto* g = new QGridLayout(this);
    auto* l1 = new QLabel(QStringLiteral("Rayon du cercle"), this);
    l1->setObjectName(QStringLiteral("Label1"));
    auto* l3 = new QLabel(QStringLiteral("Epaisseur du cercle"), this);
    l3->setObjectName(QStringLiteral("Label3"));
    g->addWidget(l1, 0, 0);
    g->addWidget(Combo1, 0, 1);
    g->addWidget(Picture1, 0, 2, 2, 1);
    g->addWidget(l3, 1, 0);
    g->addWidget(Combo2, 1, 1);
    g->addWidget(Frame3D1, 2, 0, 1, 3);
    g->addWidget(CouleursModes, 3, 0, 1, 2);
    g->addWidget(Police, 3, 2);
    g->addWidget(Minuscules, 4, 0, 1, 2);
    g->addWidget(Seuils, 4, 2);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Command3D4);
    boutons->addWidget(Command3D3);
    g->addLayout(boutons, 5, 0, 1, 3);

    Picture1->Dessin = [](QPainter& p) {
        const ApercuNoeud& a = K.Formes.AspectVisuelNoeuds.Apercu;
        if (!a.Dessine)
            return;
        p.setPen(QPen(VersQColor(a.Bord), a.Epaisseur));
        p.setBrush(VersQColor(a.Interieur));
        p.drawEllipse(QPointF(a.X, a.Y), a.Rayon, a.Rayon);
    };

    connect(Combo1, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { AspectVisuelNoeuds_DefinitTexteCombo1(t); }); });
    connect(Combo2, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { AspectVisuelNoeuds_DefinitTexteCombo2(t); }); });
    connect(Combo1, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { AspectVisuelNoeuds_Combo1_Click(i); }); });
    connect(Combo2, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { AspectVisuelNoeuds_Combo2_Click(i); }); });
    connect(Command3D1, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Command3D1_Click); });
    connect(Command3D2, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Command3D2_Click); });
    connect(Police, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Police_Click); });
    connect(Seuils, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Seuils_Click); });
    connect(Command3D4, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Command3D4_Click); });
    connect(Command3D3, &QPushButton::clicked, this, [this] { agit(AspectVisuelNoeuds_Command3D3_Click); });
    connect(CouleursModes, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.AspectVisuelNoeuds.CouleursModes = c; }); });
    connect(Minuscules, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.AspectVisuelNoeuds.Minuscules = c; }); });
    Rafraichit();
}

void AspectVisuelNoeuds::Ferme() { AspectVisuelNoeuds_Command3D3_Click(); }

void AspectVisuelNoeuds::Rafraichit()
{
    const ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    montreListe(Combo1, n.Combo1.Entrees, n.Combo1.ListIndex);
    montreListe(Combo2, n.Combo2.Entrees, n.Combo2.ListIndex);
    montreTexte(Combo1, n.TexteCombo1);
    montreTexte(Combo2, n.TexteCombo2);
    montreCoche(CouleursModes, K.Formes.AspectVisuelNoeuds.CouleursModes);
    montreCoche(Minuscules, K.Formes.AspectVisuelNoeuds.Minuscules);
    Picture1->update();
}

} // namespace kelmo
