#include "relief/formes/Couts.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"
#include "relief/CommandesRelief.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kelmo {
namespace {

QLabel* etiquette(const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setWordWrap(true);
    return l;
}

QComboBox* liste(const char* nom, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromUtf8(nom));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

void montreListe(QComboBox* c, const Liste& l, const QString& texte)
{
    const QSignalBlocker b(c);
    QStringList actuelles;
    for (int i = 0; i < c->count(); ++i)
        actuelles << c->itemText(i);
    if (actuelles != l.Entrees) {
        c->clear();
        c->addItems(l.Entrees);
    }
    if (c->currentText() != texte)
        c->setEditText(texte);
}

} // namespace

Coûts::Coûts(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Coûts"));
    setWindowTitle(QStringLiteral("Coûts"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    const auto option = [this](int i, const QString& texte, QWidget* parent) {
        auto* o = new QRadioButton(texte, parent);
        o->setObjectName(QStringLiteral("Option3D%1").arg(i));
        Option3D[static_cast<std::size_t>(i)] = o;
        return o;
    };
    const auto groupe = [this](std::initializer_list<int> membres) {
        auto* g = new QButtonGroup(this);
        for (int i : membres)
            g->addButton(Option3D[static_cast<std::size_t>(i)]);
    };

    Frame3D1 = new QGroupBox(QStringLiteral("Passager"), this);
    Frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    auto* l1 = new QGridLayout(Frame3D1);
    Combo1 = liste("Combo1", Frame3D1);
    l1->addWidget(etiquette(QStringLiteral("Nombre de passagers (conducteur compris) :"), Frame3D1), 0, 0);
    l1->addWidget(Combo1, 0, 1);
    l1->addWidget(etiquette(QStringLiteral("Niveau de revenu en\nnombre de SMIC :"), Frame3D1), 1, 0);
    auto* revenus = new QHBoxLayout;
    for (int i = 1; i <= 5; ++i)
        revenus->addWidget(option(i, QString::number(i), Frame3D1));
    l1->addLayout(revenus, 1, 1);
    Frame3D4 = new QGroupBox(QStringLiteral("Nationalité"), Frame3D1);
    Frame3D4->setObjectName(QStringLiteral("Frame3D4"));
    auto* l4 = new QHBoxLayout(Frame3D4);
    l4->addWidget(option(11, QStringLiteral("Français"), Frame3D4));
    l4->addWidget(option(12, QStringLiteral("Allemand"), Frame3D4));
    l1->addWidget(Frame3D4, 2, 0, 1, 2);

    Frame3D2 = new QGroupBox(QStringLiteral("Véhicule"), this);
    Frame3D2->setObjectName(QStringLiteral("Frame3D2"));
    auto* l2 = new QGridLayout(Frame3D2);
    Combo2 = liste("Combo2", Frame3D2);
    l2->addWidget(etiquette(QStringLiteral("Puissance de la voiture en\nchevaux fiscaux :"), Frame3D2), 0, 0);
    l2->addWidget(Combo2, 0, 1);
    l2->addWidget(etiquette(QStringLiteral("Classe du mode ferroviaire équivalent (1ére si voiture>10 ch) :"), Frame3D2),
                  1, 0);
    auto* classes = new QHBoxLayout;
    classes->addWidget(option(6, QStringLiteral("1ére"), Frame3D2));
    classes->addWidget(option(7, QStringLiteral("2ème"), Frame3D2));
    l2->addLayout(classes, 1, 1);

    Frame3D3 = new QGroupBox(QStringLiteral("Déplacement"), this);
    Frame3D3->setObjectName(QStringLiteral("Frame3D3"));
    auto* l3 = new QGridLayout(Frame3D3);
    Combo3 = liste("Combo3", Frame3D3);
    l3->addWidget(etiquette(QStringLiteral("Longueur du déplace-\nment en Km :"), Frame3D3), 0, 0);
    l3->addWidget(Combo3, 0, 1);
    l3->addWidget(option(8, QStringLiteral("Coût direct"), Frame3D3), 1, 0);
    l3->addWidget(option(9, QStringLiteral("Coût généralisé"), Frame3D3), 2, 0);
    l3->addWidget(etiquette(QStringLiteral("(temps)"), Frame3D3), 2, 1);
    l3->addWidget(option(10, QStringLiteral("Coût généralisé pro."), Frame3D3), 3, 0);
    l3->addWidget(etiquette(QStringLiteral("(temps+taxes)"), Frame3D3), 3, 1);

    groupe({1, 2, 3, 4, 5});
    groupe({6, 7});
    groupe({8, 9, 10});
    groupe({11, 12});

    Annuler = new QPushButton(QStringLiteral("Coûts au km"), this);
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Command3D1 = new QPushButton(QStringLiteral("Quitter"), this);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(Frame3D1);
    l->addWidget(Frame3D2);
    l->addWidget(Frame3D3);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Annuler);
    boutons->addWidget(Command3D1);
    l->addLayout(boutons);

    ModeleCouts& m = K.Formes.Coûts;
    for (int i = 1; i <= 12; ++i)
        connect(Option3D[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [i](bool coche) {
            K.Formes.Coûts.Option3D[static_cast<std::size_t>(i)] = coche;
        });
    connect(Combo1, &QComboBox::currentTextChanged, this, [&m](const QString& t) { m.TexteCombo1 = t; });
    connect(Combo3, &QComboBox::currentTextChanged, this, [&m](const QString& t) { m.TexteCombo3 = t; });
    connect(Combo2, &QComboBox::currentTextChanged, this, [this, &m](const QString& t) {
        m.TexteCombo2 = t;
        ExecuteGarde(Coûts_Combo2_Change);
        Rafraichit();
    });
    connect(Annuler, &QPushButton::clicked, this, [this] {
        ExecuteGarde(Coûts_Annuler_Click);
        Rafraichit();
    });
    connect(Command3D1, &QPushButton::clicked, this, Garde(Coûts_Command3D1_Click));
    EntreeSansBoutonImplicite(this);
    Rafraichit();
}

void Coûts::Rafraichit()
{
    const ModeleCouts& m = K.Formes.Coûts;
    montreListe(Combo1, m.Combo1, m.TexteCombo1);
    montreListe(Combo2, m.Combo2, m.TexteCombo2);
    montreListe(Combo3, m.Combo3, m.TexteCombo3);
    for (int i = 1; i <= 12; ++i) {
        QRadioButton* o = Option3D[static_cast<std::size_t>(i)];
        const bool coche = m.Option3D[static_cast<std::size_t>(i)];
        if (o->isChecked() == coche)
            continue;
        const QSignalBlocker b(o);
        // A group without a choice needs its exclusivity lifted to clear.
        QButtonGroup* g = o->group();
        if (g && !coche)
            g->setExclusive(false);
        o->setChecked(coche);
        if (g)
            g->setExclusive(true);
    }
}

// The close box stores and computes, as "Quitter".
void Coûts::reject() { Coûts_Command3D1_Click(); }

} // namespace kelmo
