#include "view/formes/SeuilsAffichage.h"

#include "core/Modele.h"
#include "platform/formes/BoutonRotatif.h"
#include "platform/formes/Jauge.h"
#include "platform/formes/SaisieMasquee.h"
#include "view/SeuilsAffichage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelmo {
SeuilsAffichage::SeuilsAffichage(QWidget* parent) : FenetreDialogue(FormeDialogue::SeuilsAffichage, parent)
{
    setObjectName(QStringLiteral("SeuilsAffichage"));
    setWindowTitle(QStringLiteral("Seuil d'affichage des noms des villes"));

    ListeModifiable1 = listeModifiable(this);
    MaskedEdit1 = new SaisieMasquee(this);
    MaskedEdit2 = new SaisieMasquee(this);
    Texte1 = new QLineEdit(this);
    Texte2 = new QLineEdit(this);
    Texte1->hide();
    Texte2->hide();
    Gauge1 = new Jauge(0, GaugeSeuilsMax, this);
    Gauge2 = new Jauge(0, GaugeSeuilsMax, this);
    Spin1 = new BoutonRotatif(this);
    Spin2 = new BoutonRotatif(this);
    Command3D3 = new QPushButton(QStringLiteral("Test d'affichage"), this);
    Command3D1 = new QPushButton(QStringLiteral("OK"), this);
    Command3D2 = new QPushButton(QStringLiteral("Annuler"), this);
    Command3D1->setDefault(true);

    ListeModifiable1->setObjectName(QStringLiteral("ListeModifiable1"));
    MaskedEdit1->setObjectName(QStringLiteral("MaskedEdit1"));
    MaskedEdit2->setObjectName(QStringLiteral("MaskedEdit2"));
    Texte1->setObjectName(QStringLiteral("Texte1"));
    Texte2->setObjectName(QStringLiteral("Texte2"));
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge2->setObjectName(QStringLiteral("Gauge2"));
    Spin1->setObjectName(QStringLiteral("Spin1"));
    Spin2->setObjectName(QStringLiteral("Spin2"));
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D2->setObjectName(QStringLiteral("Command3D2"));
    Command3D3->setObjectName(QStringLiteral("Command3D3"));

    auto* g = new QGridLayout(this);
    g->addWidget(ListeModifiable1, 0, 0);
    g->addWidget(etiquette("Etiquette5", QStringLiteral("Nombre de lettres à afficher"), this), 0, 1, 1, 2);
    g->addWidget(Command3D3, 0, 3);
    g->addWidget(etiquette("Etiquette1", QStringLiteral("Seuil d'affichage supérieur"), this), 1, 0);
    g->addWidget(MaskedEdit1, 1, 1);
    g->addWidget(etiquette("Etiquette3", QStringLiteral("habitants"), this), 1, 2);
    g->addWidget(Gauge1, 2, 0, 1, 2);
    g->addWidget(Spin1, 2, 2);
    g->addWidget(Command3D1, 2, 3);
    g->addWidget(etiquette("Etiquette2", QStringLiteral("Seuil d'affichage inférieur  "), this), 3, 0);
    g->addWidget(MaskedEdit2, 3, 1);
    g->addWidget(etiquette("Etiquette4", QStringLiteral("habitants"), this), 3, 2);
    g->addWidget(Command3D2, 3, 3, 2, 1);
    g->addWidget(Gauge2, 4, 0, 1, 2);
    g->addWidget(Spin2, 4, 2);

    connect(MaskedEdit1, &SaisieMasquee::Change, this,
            [this](const QString& t) { agit([&] { SeuilsAffichage_DefinitMaskedEdit1(t); }); });
    connect(MaskedEdit2, &SaisieMasquee::Change, this,
            [this](const QString& t) { agit([&] { SeuilsAffichage_DefinitMaskedEdit2(t); }); });
    connect(Texte1, &QLineEdit::textEdited, this,
            [this](const QString& t) { agit([&] { SeuilsAffichage_DefinitTexte1(t); }); });
    connect(Texte2, &QLineEdit::textEdited, this,
            [this](const QString& t) { agit([&] { SeuilsAffichage_DefinitTexte2(t); }); });
    connect(ListeModifiable1, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { SeuilsAffichage_ListeModifiable1_Click(i); }); });
    connect(ListeModifiable1, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { SeuilsAffichage_DefinitTexteListe(t); }); });
    connect(Spin1, &BoutonRotatif::SpinDown, this, [this] { agit(SeuilsAffichage_Spin1_SpinDown); });
    connect(Spin1, &BoutonRotatif::SpinUp, this, [this] { agit(SeuilsAffichage_Spin1_SpinUp); });
    connect(Spin2, &BoutonRotatif::SpinDown, this, [this] { agit(SeuilsAffichage_Spin2_SpinDown); });
    connect(Spin2, &BoutonRotatif::SpinUp, this, [this] { agit(SeuilsAffichage_Spin2_SpinUp); });
    connect(Command3D1, &QPushButton::clicked, this, [this] { agit(SeuilsAffichage_Command3D1_Click); });
    connect(Command3D2, &QPushButton::clicked, this, [this] { agit(SeuilsAffichage_Command3D2_Click); });
    connect(Command3D3, &QPushButton::clicked, this, [this] { agit(SeuilsAffichage_Command3D3_Click); });
    Rafraichit();
}

void SeuilsAffichage::Ferme() { SeuilsAffichage_Command3D2_Click(); }

void SeuilsAffichage::Rafraichit()
{
    const ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const Liste& l = s.ListeModifiable1;
    montreListe(ListeModifiable1, l.Entrees, l.ListIndex);
    montreTexte(ListeModifiable1, K.Formes.SeuilsAffichage.TexteListeModifiable1);
    if (MaskedEdit1->texte() != s.MaskedEdit1)
        MaskedEdit1->definitTexte(s.MaskedEdit1);
    if (MaskedEdit2->texte() != s.MaskedEdit2)
        MaskedEdit2->definitTexte(s.MaskedEdit2);
    montreTexte(Texte1, s.Texte1);
    montreTexte(Texte2, s.Texte2);
    Gauge1->definitValeur(s.Gauge1);
    Gauge2->definitValeur(s.Gauge2);
}

} // namespace kelmo
