#include "relief/formes/OptionsRelief.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "relief/CommandesRelief.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>
#include <vector>

namespace kelmo {
namespace {

std::vector<std::pair<QCheckBox*, bool ModeleOptionsRelief::*>> cases(OptionsRelief& f)
{
    return {{f.TGV, &ModeleOptionsRelief::TGV},
            {f.Autoroute, &ModeleOptionsRelief::Autoroute},
            {f.Train, &ModeleOptionsRelief::Train},
            {f.Route, &ModeleOptionsRelief::Route},
            {f.Métro, &ModeleOptionsRelief::Métro},
            {f.ModesMinimaux, &ModeleOptionsRelief::ModesMinimaux},
            {f.GainVirtuel, &ModeleOptionsRelief::GainVirtuel},
            {f.Dual, &ModeleOptionsRelief::Dual},
            {f.ReliefThématique, &ModeleOptionsRelief::ReliefThématique},
            {f.Anamorphose, &ModeleOptionsRelief::Anamorphose}};
}

} // namespace

OptionsRelief::OptionsRelief(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsRelief"));
    setWindowTitle(QStringLiteral("Options du relief"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Etiquette1 = new QLabel(QStringLiteral("Arcs à prendre en compte lors du tracé du relief :"), this);
    Etiquette1->setObjectName(QStringLiteral("Etiquette1"));
    const auto boite = [this](const char* nom, const char* texte) {
        auto* b = new QCheckBox(QString::fromUtf8(texte), this);
        b->setObjectName(QString::fromUtf8(nom));
        return b;
    };
    TGV = boite("TGV", "   T.G.V.");
    Autoroute = boite("Autoroute", "   Auto Route");
    Train = boite("Train", "   Train");
    Route = boite("Route", "   Route");
    Métro = boite("Métro", "   Métro");
    ModesMinimaux = boite("ModesMinimaux", "Avec les modes mimimaux");
    GainVirtuel = boite("GainVirtuel", "Gain virtuel");
    Dual = boite("Dual", "Relief basé sur le dual");
    ReliefThématique = boite("ReliefThématique", "Relief thématique");
    Anamorphose = boite("Anamorphose", "Anamorphose");
    Command3D1 = new QPushButton(QStringLiteral("OK"), this);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D1->setDefault(true);
    Command3D2 = new QPushButton(QStringLiteral("Annuler"), this);
    Command3D2->setObjectName(QStringLiteral("Command3D2"));

    auto* l = new QVBoxLayout(this);
    l->addWidget(Etiquette1);
    auto* colonnes = new QHBoxLayout;
    auto* modes = new QVBoxLayout;
    for (QCheckBox* b : {TGV, Autoroute, Train, Route, Métro})
        modes->addWidget(b);
    auto* genres = new QVBoxLayout;
    for (QCheckBox* b : {ModesMinimaux, GainVirtuel, Dual, ReliefThématique, Anamorphose})
        genres->addWidget(b);
    colonnes->addLayout(modes);
    colonnes->addLayout(genres);
    l->addLayout(colonnes);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Command3D1);
    boutons->addWidget(Command3D2);
    l->addLayout(boutons);

    for (auto [b, champ] : cases(*this)) {
        auto* c = b;
        auto m = champ;
        connect(c, &QCheckBox::toggled, this, [m](bool coche) { K.Formes.OptionsRelief.*m = coche; });
    }
    connect(Command3D1, &QPushButton::clicked, this, Garde(OptionsRelief_Command3D1_Click));
    connect(Command3D2, &QPushButton::clicked, this, Garde(OptionsRelief_Command3D2_Click));
    K.Annule = false; // the form's load
    Rafraichit();
}

void OptionsRelief::Rafraichit()
{
    for (auto [b, champ] : cases(*this)) {
        const QSignalBlocker bloque(b);
        b->setChecked(K.Formes.OptionsRelief.*champ);
    }
}

void OptionsRelief::reject() { OptionsRelief_Command3D2_Click(); }

} // namespace kelmo
