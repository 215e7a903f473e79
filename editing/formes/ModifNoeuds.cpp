#include "editing/formes/ModifNoeuds.h"
#include "core/Modele.h"
#include "editing/CrochetsEdition.h"
#include "editing/ModifNoeuds.h"
#include "editing/formes/IconesEdition.h"

#include <QComboBox>
#include <QLabel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelmo {

ModifNoeuds::ModifNoeuds(QWidget* parent, std::function<void()> apresCommande)
    : FenetreEdition_(parent, std::move(apresCommande))
{
    setObjectName(QStringLiteral("ModifNoeuds"));
    setWindowTitle(QStringLiteral("Modifie les noeuds"));

    ListeModifiable1 = new QComboBox(this);
    ListeModifiable1->setObjectName(QStringLiteral("ListeModifiable1"));
    ListeModifiable1->setMaxVisibleItems(20);
    ListeModifiable1->setMinimumWidth(180);
    if (auto* v = qobject_cast<QListView*>(ListeModifiable1->view()))
        v->setUniformItemSizes(true);

    Frame3D1 = new QGroupBox(QStringLiteral("Caractéristques"), this);
    Frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    auto boite = [this](const char* nom) {
        auto* e = new QLineEdit(Frame3D1);
        e->setObjectName(QString::fromUtf8(nom));
        return e;
    };
    Texte1 = boite("Texte1");
    Texte2 = boite("Texte2");
    Texte3 = boite("Texte3");
    Texte4 = boite("Texte4");
    Texte5 = boite("Texte5");
    Texte6 = boite("Texte6");
    Texte7 = boite("Texte7");
    Texte8 = boite("Texte8");
    // Computed from the network, shown only.
    Texte7->setReadOnly(true);
    Texte8->setReadOnly(true);
    {
        auto* g = new QGridLayout(Frame3D1);
        g->addWidget(etiquette("Etiquette1", QStringLiteral("Nom"), Frame3D1), 0, 0);
        g->addWidget(Texte1, 0, 1, 1, 3);
        g->addWidget(etiquette("Etiquette5", QStringLiteral("Code"), Frame3D1), 1, 0);
        g->addWidget(Texte2, 1, 1);
        g->addWidget(etiquette("Etiquette2", QStringLiteral("Population"), Frame3D1), 2, 0);
        g->addWidget(Texte3, 2, 1);
        g->addWidget(etiquette("Etiquette3", QStringLiteral("Coord. (x, y, z)"), Frame3D1), 3, 0);
        g->addWidget(Texte4, 3, 1);
        g->addWidget(Texte5, 3, 2);
        g->addWidget(Texte6, 3, 3);
        g->addWidget(etiquette("Etiquette6", QStringLiteral("Liens"), Frame3D1), 4, 0);
        g->addWidget(Texte7, 4, 1, 1, 3);
        g->addWidget(etiquette("Etiquette7", QStringLiteral("Valeur"), Frame3D1), 5, 0);
        g->addWidget(Texte8, 5, 1);
    }

    auto bouton = [this](const char* nom, const QString& texte) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QString::fromUtf8(nom));
        return b;
    };
    Command3D2 = bouton("Command3D2", QStringLiteral("Créer"));
    Command3D5 = bouton("Command3D5", QStringLiteral("Modifier"));
    Command3D1 = bouton("Command3D1", QStringLiteral("Supprimer"));
    Command3D4 = bouton("Command3D4", QStringLiteral("Enregistrer le fichier"));
    Command3D3 = bouton("Command3D3", QStringLiteral("Quitter"));
    Command3D6 = bouton("Command3D6", QStringLiteral("Options"));
    BtnHoraires = new QToolButton(this);
    BtnHoraires->setObjectName(QStringLiteral("BtnHoraires"));
    BtnHoraires->setIcon(IconeHoraires());
    BtnHoraires->setIconSize(QSize(24, 24));
    BtnHoraires->setToolTip(QStringLiteral("Horaires"));

    auto* haut = new QHBoxLayout;
    haut->addWidget(etiquette("Etiquette4", QStringLiteral("Noeuds existants :"), this));
    haut->addWidget(ListeModifiable1, 1);
    auto* boutons1 = new QHBoxLayout;
    boutons1->addWidget(Command3D2);
    boutons1->addWidget(Command3D5);
    boutons1->addWidget(Command3D1);
    boutons1->addWidget(Command3D4);
    auto* boutons2 = new QHBoxLayout;
    boutons2->addWidget(Command3D6);
    boutons2->addWidget(BtnHoraires);
    boutons2->addStretch();
    boutons2->addWidget(Command3D3);
    auto* l = new QVBoxLayout(this);
    l->addLayout(haut);
    l->addWidget(Frame3D1);
    l->addLayout(boutons1);
    l->addLayout(boutons2);

    connect(ListeModifiable1, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { ModifNoeuds_DefinitListIndex(i); }); });
    QLineEdit* textes[] = {Texte1, Texte2, Texte3, Texte4, Texte5, Texte6};
    QString ModeleModifNoeuds::*champs[] = {&ModeleModifNoeuds::Texte1, &ModeleModifNoeuds::Texte2,
                                            &ModeleModifNoeuds::Texte3, &ModeleModifNoeuds::Texte4,
                                            &ModeleModifNoeuds::Texte5, &ModeleModifNoeuds::Texte6};
    for (int k = 0; k < 6; ++k) {
        QString ModeleModifNoeuds::*champ = champs[k];
        connect(textes[k], &QLineEdit::textEdited, this,
                [this, champ](const QString& t) { agit([&t, champ] { K.Formes.ModifNoeuds.*champ = t; }); });
    }
    auto clic = [this](QAbstractButton* b, void (*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { agit(handler); });
    };
    clic(Command3D2, ModifNoeuds_Command3D2_Click);
    clic(Command3D5, ModifNoeuds_Command3D5_Click);
    clic(Command3D1, ModifNoeuds_Command3D1_Click);
    clic(Command3D4, ModifNoeuds_Command3D4_Click);
    clic(Command3D3, ModifNoeuds_Command3D3_Click);
    clic(Command3D6, ModifNoeuds_Command3D6_Click);
    clic(BtnHoraires, ModifNoeuds_BtnHoraires_Click);
    Rafraichit();
}

void ModifNoeuds::Quitte() { ModifNoeuds_Command3D3_Click(); }

void ModifNoeuds::Rafraichit()
{
    const ModeleModifNoeuds& m = K.Formes.ModifNoeuds;
    montreListe(ListeModifiable1, montree_, m.ListeModifiable1.Entrees, m.ListeModifiable1.ListIndex);
    montreTexte(Texte1, m.Texte1);
    montreTexte(Texte2, m.Texte2);
    montreTexte(Texte3, m.Texte3);
    montreTexte(Texte4, m.Texte4);
    montreTexte(Texte5, m.Texte5);
    montreTexte(Texte6, m.Texte6);
    montreTexte(Texte7, m.Texte7);
    montreTexte(Texte8, m.Texte8);
    BtnHoraires->setVisible(m.BtnHoraires.Visible);
    BtnHoraires->setEnabled(m.BtnHoraires.Enabled && static_cast<bool>(AfficheHorairesNoeud));
}

} // namespace kelmo
