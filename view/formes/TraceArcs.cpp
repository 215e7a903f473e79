#include "view/formes/TraceArcs.h"

#include "core/Modele.h"
#include "view/Redessin.h"
#include "view/SaisiesAffichage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {

// The rows of a column of choices: the label over them and as many as the
// fourteen choices read by no command, which stand in a column of their own.
constexpr int LignesParColonne = 15;

} // namespace

TraceArcs::TraceArcs(QWidget* parent) : FenetreDialogue(FormeDialogue::TraceArcs, parent)
{
    setObjectName(QStringLiteral("TraceArcs"));
    setWindowTitle(QStringLiteral("Arcs"));
    groupe_ = new QButtonGroup(this);

    Label1 = new QLabel(QStringLiteral("Trace les arcs en :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    const auto option = [this](const char* nom, const QString& texte, ChoixTraceArcs choix) {
        auto* b = new QRadioButton(texte, this);
        b->setObjectName(QString::fromUtf8(nom));
        groupe_->addButton(b);
        fixes_.push_back({b, choix});
        return b;
    };
    TousModesRoute = option("TousModesRoute", QStringLiteral("Tous modes route"), ChoixTraceArcs::TousModesRoute);
    TousModesUrbains = option("TousModesUrbains", QStringLiteral("Voiries urbaines"), ChoixTraceArcs::TousModesUrbains);
    CollectifsUrbains = option("CollectifsUrbains", QStringLiteral("Collectifs urbains"), ChoixTraceArcs::CollectifsUrbains);
    Option3D6 = option("Option3D6", QStringLiteral("Modes minimaux"), ChoixTraceArcs::Option3D6);
    ModesPresents = option("ModesPrésents", QStringLiteral("Modes présents"), ChoixTraceArcs::ModesPrésents);
    const struct {
        const char* nom;
        const char* texte;
        ChoixTraceArcs choix;
    } inertes[] = {
        {"VoieU", "Voie urbaine", ChoixTraceArcs::VoieU},
        {"BldU", "Boulevard urbain", ChoixTraceArcs::BldU},
        {"RocadeU", "Rocade urbaine", ChoixTraceArcs::RocadeU},
        {"TER", "TER, Autorail", ChoixTraceArcs::TER},
        {"TGVSiteClassique", "TGV site class.", ChoixTraceArcs::TGVSiteClassique},
        {"VoieExpress90", "Voie express 90", ChoixTraceArcs::VoieExpress90},
        {"Route50", "Route 50", ChoixTraceArcs::Route50},
        {"Route60", "Route 60", ChoixTraceArcs::Route60},
        {"Option3D7", "Métro", ChoixTraceArcs::Option3D7},
        {"Option3D5", "Ferry", ChoixTraceArcs::Option3D5},
        {"Option3D4", "Autoroute 110", ChoixTraceArcs::Option3D4},
        {"Option3D3", "Train", ChoixTraceArcs::Option3D3},
        {"Option3D2", "Route 70", ChoixTraceArcs::Option3D2},
        {"Option3D1", "T G V", ChoixTraceArcs::Option3D1},
    };
    for (const auto& i : inertes)
        Inertes.push_back(option(i.nom, QString::fromUtf8(i.texte), i.choix));

    Check3D1 = new QCheckBox(QStringLiteral("Compare avec "), this);
    Check3D1->setObjectName(QStringLiteral("Check3D1"));
    Label2 = new QLabel(QStringLiteral("le fichier de référence des arcs"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    DXFCouleurNoeuds = new QCheckBox(QStringLiteral("DXF couleur noeuds"), this);
    DXFCouleurNoeuds->setObjectName(QStringLiteral("DXFCouleurNoeuds"));
    Command3D2 = new QPushButton(QStringLiteral("OK"), this);
    Command3D1 = new QPushButton(QStringLiteral("Annuler"), this);
    Command3D2->setObjectName(QStringLiteral("Command3D2"));
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D2->setDefault(true);

    // The choices read down column after column: with every link type
    // present the dialog still fits a screen of 768 pixels.
    modes_ = new QGridLayout;
    modes_->addWidget(Label1, 0, 0);
    for (QRadioButton* b : {TousModesRoute, TousModesUrbains, CollectifsUrbains, Option3D6, ModesPresents})
        modes_->addWidget(b, modes_->count(), 0);
    modes_->setRowStretch(LignesParColonne, 1);
    auto* droite = new QVBoxLayout;
    for (QRadioButton* b : Inertes)
        droite->addWidget(b);
    droite->addStretch();
    auto* colonnes = new QHBoxLayout;
    colonnes->addLayout(modes_);
    colonnes->addLayout(droite);
    auto* compare = new QHBoxLayout;
    compare->addWidget(Check3D1);
    compare->addWidget(Label2);
    compare->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(DXFCouleurNoeuds);
    boutons->addStretch();
    boutons->addWidget(Command3D2);
    boutons->addWidget(Command3D1);
    auto* l = new QVBoxLayout(this);
    l->addLayout(colonnes);
    l->addLayout(compare);
    l->addLayout(boutons);

    for (auto [b, choix] : fixes_) {
        const ChoixTraceArcs c = choix;
        connect(b, &QRadioButton::toggled, this, [this, c](bool coche) {
            if (coche)
                agit([c] { K.Formes.TraceArcs.Choix = c; });
        });
    }
    connect(Check3D1, &QCheckBox::toggled, this, [this](bool c) { agit([c] { K.Formes.TraceArcs.Check3D1 = c; }); });
    connect(DXFCouleurNoeuds, &QCheckBox::toggled, this, [this](bool c) {
        agit([c] {
            K.Formes.TraceArcs.DXFCouleurNoeuds = c ? 1 : 0;
            TraceArcs_DXFCouleurNoeuds_Change(K.Formes.TraceArcs.DXFCouleurNoeuds);
        });
    });
    connect(Command3D2, &QPushButton::clicked, this, [this] {
        agit([] {
            TraceArcs_Command3D2_Click();
            CacheForme(FormeDialogue::TraceArcs);
        });
    });
    connect(Command3D1, &QPushButton::clicked, this, [this] {
        agit([] {
            TraceArcs_Command3D1_Click();
            CacheForme(FormeDialogue::TraceArcs);
        });
    });
    Rafraichit();
}

void TraceArcs::Ferme()
{
    TraceArcs_Command3D1_Click();
    CacheForme(FormeDialogue::TraceArcs);
}

// The buttons of the link types present follow the captions that
// RemplitListesTypes leaves after each arc file read.
void TraceArcs::construitModes()
{
    const std::vector<QString>& legendes = K.Formes.TraceArcs.Option3DMode;
    if (legendes == legendes_ && !Option3DMode.empty())
        return;
    for (std::size_t i = 1; i < Option3DMode.size(); ++i) {
        groupe_->removeButton(Option3DMode[i]);
        delete Option3DMode[i];
    }
    Option3DMode.assign(1, nullptr);
    legendes_ = legendes;
    for (std::size_t i = 1; i < legendes.size() && static_cast<int>(i) <= K.NbModesPresents; ++i) {
        auto* b = new QRadioButton(legendes[i], this);
        b->setObjectName(QStringLiteral("Option3DMode%1").arg(i));
        groupe_->addButton(b);
        // After the label and the five fixed choices.
        const int place = 5 + static_cast<int>(i);
        modes_->addWidget(b, place % LignesParColonne, place / LignesParColonne);
        Option3DMode.push_back(b);
        const int n = static_cast<int>(i);
        connect(b, &QRadioButton::toggled, this, [this, n](bool coche) {
            if (coche)
                agit([n] {
                    K.Formes.TraceArcs.Choix = ChoixTraceArcs::Option3DMode;
                    K.Formes.TraceArcs.Option3DModeChoisi = n;
                });
        });
    }
}

void TraceArcs::Rafraichit()
{
    construitModes();
    const ModeleTraceArcs& t = K.Formes.TraceArcs;
    for (auto [b, choix] : fixes_)
        if (choix == t.Choix)
            montreCoche(b, true);
    if (t.Choix == ChoixTraceArcs::Option3DMode && t.Option3DModeChoisi >= 1
        && t.Option3DModeChoisi < static_cast<int>(Option3DMode.size()))
        montreCoche(Option3DMode[static_cast<std::size_t>(t.Option3DModeChoisi)], true);
    montreCoche(Check3D1, t.Check3D1);
    montreCoche(DXFCouleurNoeuds, t.DXFCouleurNoeuds == 1);
}

} // namespace kelmo
