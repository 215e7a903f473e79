#include "view/formes/Angles.h"

#include "core/Modele.h"
#include "platform/formes/BoutonRotatif.h"
#include "platform/formes/Jauge.h"
#include "view/Angles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {


// A compass rose beside the horizontal angle.
QPixmap rose()
{
    QPixmap p(48, 48);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.drawEllipse(QRectF(4, 4, 40, 40));
    g.drawLine(QPointF(24, 2), QPointF(24, 46));
    g.drawLine(QPointF(2, 24), QPointF(46, 24));
    g.drawText(QRectF(19, 4, 10, 12), Qt::AlignCenter, QStringLiteral("N"));
    return p;
}

} // namespace

Angles::Angles(QWidget* parent) : FenetreDialogue(FormeDialogue::Angles, parent)
{
    setObjectName(QStringLiteral("Angles"));
    setWindowTitle(QStringLiteral("Angles de vue de la représentation"));

    Cadre1 = new QGroupBox(QStringLiteral("Rotation verticale"), this);
    Texte1 = new QLineEdit(this);
    Spin1 = new BoutonRotatif(this);
    Gauge1 = new Jauge(0, Gauge1AnglesMax, this);
    Coche1 = new QCheckBox(QStringLiteral("Seulement les données"), this);
    {
        auto* g = new QGridLayout(Cadre1);
        g->addWidget(etiquette("Etiquette9", QStringLiteral("Angle vertical"), this), 0, 0);
        g->addWidget(Texte1, 0, 1);
        g->addWidget(Spin1, 0, 2);
        g->addWidget(etiquette("Etiquette3", QStringLiteral("Angle perpendiculaire au plan des villes (plan géographique)"), this), 1, 0, 1, 3);
        g->addWidget(Gauge1, 2, 0, 1, 3);
        auto* echelle = new QHBoxLayout;
        echelle->addWidget(etiquette("Etiquette8", QStringLiteral("0"), this));
        echelle->addStretch();
        echelle->addWidget(etiquette("Etiquette2", QStringLiteral("90"), this));
        echelle->addStretch();
        echelle->addWidget(etiquette("Etiquette1", QStringLiteral("180"), this));
        g->addLayout(echelle, 3, 0, 1, 3);
        g->addWidget(Coche1, 4, 0, 1, 3);
    }

    Cadre2 = new QGroupBox(QStringLiteral("Rotation  horizontale"), this);
    Texte3 = new QLineEdit(this);
    Spin3 = new BoutonRotatif(this);
    Gauge3 = new Jauge(0, Gauge3AnglesMax, this);
    Dessin1 = new QLabel(this);
    Dessin1->setPixmap(rose());
    {
        auto* g = new QGridLayout(Cadre2);
        g->addWidget(etiquette("Etiquette10", QStringLiteral("Angle horizontal"), this), 0, 0);
        g->addWidget(Texte3, 0, 1);
        g->addWidget(Spin3, 0, 2);
        g->addWidget(Dessin1, 0, 3, 2, 1);
        g->addWidget(etiquette("Etiquette4", QStringLiteral("Angle s'inscrivant dans le plan géographique"), this), 1, 0, 1, 3);
        g->addWidget(Gauge3, 2, 0, 1, 4);
        auto* echelle = new QHBoxLayout;
        echelle->addWidget(etiquette("Etiquette6", QStringLiteral("-180"), this));
        echelle->addStretch();
        echelle->addWidget(etiquette("Etiquette5", QStringLiteral("0"), this));
        echelle->addStretch();
        echelle->addWidget(etiquette("Etiquette7", QStringLiteral("+180"), this));
        g->addLayout(echelle, 3, 0, 1, 4);
    }

    ListeModifiable1 = listeModifiable(this);
    Option1 = new QCheckBox(QStringLiteral("Trie les villes"), this);
    Commande1 = new QPushButton(QStringLiteral("OK"), this);
    Commande2 = new QPushButton(QStringLiteral("Annuler"), this);
    Commande1->setDefault(true);

    Texte1->setObjectName(QStringLiteral("Texte1"));
    Texte3->setObjectName(QStringLiteral("Texte3"));
    Spin1->setObjectName(QStringLiteral("Spin1"));
    Spin3->setObjectName(QStringLiteral("Spin3"));
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge3->setObjectName(QStringLiteral("Gauge3"));
    Coche1->setObjectName(QStringLiteral("Coche1"));
    Option1->setObjectName(QStringLiteral("Option1"));
    ListeModifiable1->setObjectName(QStringLiteral("ListeModifiable1"));
    Dessin1->setObjectName(QStringLiteral("Dessin1"));
    Commande1->setObjectName(QStringLiteral("Commande1"));
    Commande2->setObjectName(QStringLiteral("Commande2"));
    Cadre1->setObjectName(QStringLiteral("Cadre1"));
    Cadre2->setObjectName(QStringLiteral("Cadre2"));

    auto* bas = new QGridLayout;
    bas->addWidget(etiquette("Etiquette11", QStringLiteral("Rotation centrée sur :"), this), 0, 0);
    bas->addWidget(ListeModifiable1, 0, 1);
    bas->addWidget(etiquette("Etiquette12", QStringLiteral("Effectue à nouveau le tri des villes :"), this), 1, 0);
    bas->addWidget(Option1, 1, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Commande1);
    boutons->addWidget(Commande2);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Cadre1);
    l->addWidget(Cadre2);
    l->addLayout(bas);
    l->addLayout(boutons);

    connect(Texte1, &QLineEdit::textEdited, this, [this](const QString& t) { agit([&] { Angles_DefinitTexte1(t); }); });
    connect(Texte3, &QLineEdit::textEdited, this, [this](const QString& t) { agit([&] { Angles_DefinitTexte3(t); }); });
    connect(Spin1, &BoutonRotatif::SpinDown, this, [this] { agit(Angles_Spin1_SpinDown); });
    connect(Spin1, &BoutonRotatif::SpinUp, this, [this] { agit(Angles_Spin1_SpinUp); });
    connect(Spin3, &BoutonRotatif::SpinDown, this, [this] { agit(Angles_Spin3_SpinDown); });
    connect(Spin3, &BoutonRotatif::SpinUp, this, [this] { agit(Angles_Spin3_SpinUp); });
    connect(Coche1, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.Angles.Coche1 = c; }); });
    connect(Option1, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.Angles.Option1 = c; }); });
    connect(ListeModifiable1, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { Angles_DefinitListIndex(i); }); });
    connect(ListeModifiable1, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { K.Formes.Angles.TexteListeModifiable1 = t; }); });
    connect(Commande1, &QPushButton::clicked, this, [this] { agit(Angles_Commande1_Click); });
    connect(Commande2, &QPushButton::clicked, this, [this] { agit(Angles_Commande2_Click); });
    Rafraichit();
}

void Angles::Ferme() { Angles_Commande2_Click(); }

void Angles::Rafraichit()
{
    const ModeleAngles& a = K.Formes.Angles;
    montreTexte(Texte1, a.Texte1);
    montreTexte(Texte3, a.Texte3);
    Gauge1->definitValeur(a.Gauge1);
    Gauge3->definitValeur(a.Gauge3);
    montreCoche(Coche1, a.Coche1);
    montreCoche(Option1, a.Option1);
    const Liste& l = K.Formes.Angles.ListeModifiable1;
    montreListe(ListeModifiable1, l.Entrees, l.ListIndex);
    montreTexte(ListeModifiable1, a.TexteListeModifiable1);
}

} // namespace kelmo
