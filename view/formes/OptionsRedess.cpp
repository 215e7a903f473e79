#include "view/formes/OptionsRedess.h"

#include "core/Modele.h"
#include "view/Redessin.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {

OptionsRedess::OptionsRedess(QWidget* parent) : FenetreDialogue(FormeDialogue::OptionsRedess, parent)
{
    setObjectName(QStringLiteral("OptionsRedess"));
    setWindowTitle(QStringLiteral("Options pour redessiner"));
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;

    Frame3D2 = new QGroupBox(QStringLiteral("L'image"), this);
    Modes = new QGroupBox(QStringLiteral("Les arcs"), this);
    Frame3D1 = new QGroupBox(QStringLiteral("Les noeuds"), this);
    Frame3D2->setObjectName(QStringLiteral("Frame3D2"));
    Modes->setObjectName(QStringLiteral("Modes"));
    Frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    auto* l2 = new QVBoxLayout(Frame3D2);
    auto* lm = new QVBoxLayout(Modes);
    auto* l1 = new QVBoxLayout(Frame3D1);

    const auto cree = [this](QGroupBox* cadre, QVBoxLayout* l, const char* nom, const QString& texte, CaseACocher& c) {
        auto* b = new QCheckBox(texte, cadre);
        b->setObjectName(QString::fromUtf8(nom));
        l->addWidget(b);
        cases_[b] = &c;
        return b;
    };
    EffaceImage = cree(Frame3D2, l2, "EffaceImage", QStringLiteral("Efface l'image avant"), o.EffaceImage);
    TousModesRoute = cree(Modes, lm, "TousModesRoute", QStringLiteral("Tous modes route"), o.TousModesRoute);
    TousModesUrbains = cree(Modes, lm, "TousModesUrbains", QStringLiteral("Tous modes urbains"), o.TousModesUrbains);
    TousModesFerroviaires = cree(Modes, lm, "TousModesFerroviaires", QStringLiteral("Tous modes ferroviaires"), o.TousModesFerroviaires);
    TGVSeulement = cree(Modes, lm, "TGVSeulement", QStringLiteral("TGV"), o.TGVSeulement);
    Autoroute = cree(Modes, lm, "Autoroute", QStringLiteral("Autoroute"), o.Autoroute);
    ModesCollectifsUrbains = cree(Modes, lm, "ModesCollectifsUrbains", QStringLiteral("Modes urbains collectifs"), o.ModesCollectifsUrbains);
    ModesPresents = cree(Modes, lm, "ModesPrésents", QStringLiteral("Modes présents"), o.ModesPrésents);
    AfficheNoeuds = cree(Frame3D1, l1, "AfficheNoeuds", QStringLiteral("Affiche les noeuds"), o.AfficheNoeuds);
    AfficheNomsNoeuds = cree(Frame3D1, l1, "AfficheNomsNoeuds", QStringLiteral("Affiche les noms"), o.AfficheNomsNoeuds);

    Command3D1 = new QPushButton(QStringLiteral("OK"), this);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D1->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addWidget(Frame3D2);
    l->addWidget(Modes);
    l->addWidget(Frame3D1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Command3D1);
    l->addLayout(boutons);

    for (auto [boite, c] : cases_) {
        CaseACocher* modele = c;
        QCheckBox* b = boite;
        connect(b, &QCheckBox::toggled, this, [this, modele, b](bool coche) {
            agit([&] {
                modele->Value = coche;
                if (b == ModesPresents)
                    OptionsRedess_ModesPrésents_Click(coche);
            });
        });
    }
    connect(Command3D1, &QPushButton::clicked, this, [this] {
        agit([] {
            OptionsRedess_Command3D1_Click();
            CacheForme(FormeDialogue::OptionsRedess);
        });
    });
    Rafraichit();
}

// The dialog has no cancel: closing it leaves the boxes as they are.
void OptionsRedess::Ferme()
{
    OptionsRedess_Command3D1_Click();
    CacheForme(FormeDialogue::OptionsRedess);
}

void OptionsRedess::Rafraichit()
{
    for (auto [b, c] : cases_) {
        montreCoche(b, c->Value);
        b->setEnabled(c->Enabled);
    }
}

} // namespace kelmo
