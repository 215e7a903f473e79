#include "view/formes/ParamAffichage.h"

#include "core/Modele.h"
#include "view/ParamAffichage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {


QLineEdit* boite(const char* nom, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromUtf8(nom));
    return e;
}

} // namespace

ParamAffichage::ParamAffichage(QWidget* parent) : FenetreDialogue(FormeDialogue::ParamAffichage, parent)
{
    setObjectName(QStringLiteral("ParamAffichage"));
    setWindowTitle(QStringLiteral("Paramètres d'affichage"));

    Frame3D3 = new QGroupBox(QStringLiteral("Paramètres prédéfinis"), this);
    ListeDesEspaces = listeModifiable(Frame3D3);
    ListeDesEspaces->setObjectName(QStringLiteral("ListeDesEspaces"));
    auto* f3 = new QHBoxLayout(Frame3D3);
    f3->addWidget(etiquette("Etiquette7", QStringLiteral("Espace"), Frame3D3));
    f3->addWidget(ListeDesEspaces, 1);

    Frame3D2 = new QGroupBox(QStringLiteral("Zoom"), this);
    CoefficientZoom = boite("CoefficientZoom", Frame3D2);
    xZoom = boite("xZoom", Frame3D2);
    yZoom = boite("yZoom", Frame3D2);
    auto* f2 = new QGridLayout(Frame3D2);
    f2->addWidget(etiquette("Etiquette3", QStringLiteral("Coefficient"), Frame3D2), 0, 0);
    f2->addWidget(CoefficientZoom, 0, 1);
    f2->addWidget(etiquette("Etiquette4", QStringLiteral("Abscisse (x)"), Frame3D2), 1, 0);
    f2->addWidget(xZoom, 1, 1);
    f2->addWidget(etiquette("Etiquette5", QStringLiteral("Ordonnée (y)"), Frame3D2), 2, 0);
    f2->addWidget(yZoom, 2, 1);

    Frame3D1 = new QGroupBox(QStringLiteral("Dimensions de l'image"), this);
    HauteurImage = boite("HauteurImage", Frame3D1);
    LargeurImage = boite("LargeurImage", Frame3D1);
    auto* f1 = new QGridLayout(Frame3D1);
    f1->addWidget(etiquette("Etiquette1", QStringLiteral("Hauteur"), Frame3D1), 0, 0);
    f1->addWidget(HauteurImage, 0, 1);
    f1->addWidget(etiquette("Etiquette6", QStringLiteral("cm"), Frame3D1), 0, 2);
    f1->addWidget(etiquette("Etiquette2", QStringLiteral("Largeur"), Frame3D1), 1, 0);
    f1->addWidget(LargeurImage, 1, 1);
    f1->addWidget(etiquette("cm", QStringLiteral("cm"), Frame3D1), 1, 2);

    PasDeRecalcul = new QCheckBox(QStringLiteral("ne re-calcule pas les coordonnées"), this);
    PasDeRecalcul->setObjectName(QStringLiteral("PasDeRecalcul"));
    Command3D2 = new QPushButton(QStringLiteral("Ok"), this);
    Command3D1 = new QPushButton(QStringLiteral("Annuler"), this);
    Command3D2->setObjectName(QStringLiteral("Command3D2"));
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D2->setDefault(true);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(PasDeRecalcul);
    boutons->addStretch();
    boutons->addWidget(Command3D2);
    boutons->addWidget(Command3D1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Frame3D3);
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(Frame3D2);
    milieu->addWidget(Frame3D1);
    l->addLayout(milieu);
    l->addLayout(boutons);

    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    const auto lie = [this](QLineEdit* e, QString ModeleParamAffichage::*champ) {
        connect(e, &QLineEdit::textEdited, this, [this, champ](const QString& t) { agit([&] { K.Formes.ParamAffichage.*champ = t; }); });
    };
    (void)p;
    lie(CoefficientZoom, &ModeleParamAffichage::CoefficientZoom);
    lie(xZoom, &ModeleParamAffichage::xZoom);
    lie(yZoom, &ModeleParamAffichage::yZoom);
    lie(HauteurImage, &ModeleParamAffichage::HauteurImage);
    lie(LargeurImage, &ModeleParamAffichage::LargeurImage);
    connect(ListeDesEspaces, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { ParamAffichage_DefinitListIndex(i); }); });
    connect(ListeDesEspaces, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { K.Formes.ParamAffichage.TexteListeDesEspaces = t; }); });
    connect(PasDeRecalcul, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.ParamAffichage.PasDeRecalcul = c; }); });
    connect(Command3D2, &QPushButton::clicked, this, [this] { agit(ParamAffichage_Command3D2_Click); });
    connect(Command3D1, &QPushButton::clicked, this, [this] { agit(ParamAffichage_Command3D1_Click); });
    Rafraichit();
}

void ParamAffichage::Ferme() { ParamAffichage_Command3D1_Click(); }

void ParamAffichage::Rafraichit()
{
    const ModeleParamAffichage& p = K.Formes.ParamAffichage;
    const Liste& l = K.Formes.ParamAffichage.ListeDesEspaces;
    montreListe(ListeDesEspaces, l.Entrees, l.ListIndex);
    montreTexte(ListeDesEspaces, p.TexteListeDesEspaces);
    montreTexte(CoefficientZoom, p.CoefficientZoom);
    montreTexte(xZoom, p.xZoom);
    montreTexte(yZoom, p.yZoom);
    montreTexte(HauteurImage, p.HauteurImage);
    montreTexte(LargeurImage, p.LargeurImage);
    montreCoche(PasDeRecalcul, p.PasDeRecalcul);
}

} // namespace kelmo
