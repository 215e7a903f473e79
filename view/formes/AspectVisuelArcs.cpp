#include "view/formes/AspectVisuelArcs.h"

#include "core/Modele.h"
#include "platform/formes/BoutonRotatif.h"
#include "view/AspectVisuelArcs.h"
#include "view/formes/ApercuDessin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {

QString styleFond(Couleur c) { return QStringLiteral("background-color: %1;").arg(VersQColor(c).name()); }

// The colour number stands on its own colour: written in black or white,
// whichever stands out more, so that it can be read on any colour.
QString styleNombreCouleur(Couleur c)
{
    const QColor q = VersQColor(c);
    const double luminance = 0.299 * q.red() + 0.587 * q.green() + 0.114 * q.blue();
    return styleFond(c) + QStringLiteral(" color: %1;").arg(luminance < 128 ? QStringLiteral("#ffffff")
                                                                              : QStringLiteral("#000000"));
}

} // namespace

AspectVisuelArcs::AspectVisuelArcs(QWidget* parent) : FenetreDialogue(FormeDialogue::AspectVisuelArcs, parent)
{
    AspectVisuelArcs_Charge();
    setObjectName(QStringLiteral("AspectVisuelArcs"));
    setWindowTitle(QStringLiteral("Aspect visuel des arcs"));
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;

    ListeDesModes = new QComboBox(this);
    Fleches = new QCheckBox(QStringLiteral("Traces des flèches sur les arcs orientés"), this);
    Cadre1 = new QGroupBox(QStringLiteral("Caractéristiques du trait"), this);
    Text1 = new QLineEdit(Cadre1);
    Text2 = new QLineEdit(Cadre1);
    Spin1 = new BoutonRotatif(Cadre1);
    Spin2 = new BoutonRotatif(Cadre1);
    Image1 = new QLabel(Cadre1);
    Image1->setFixedSize(60, 20);
    Image1->setAutoFillBackground(true);
    Text3 = new QLineEdit(Cadre1);
    Text3->setReadOnly(true);
    Combo1 = listeModifiable(Cadre1);
    Commande2 = new QPushButton(QStringLiteral("Changer la couleur"), Cadre1);
    Picture1 = new ApercuDessin(static_cast<int>(a.LargeurApercu), static_cast<int>(a.HauteurApercu),
                                VersQColor(0xE0E0E0), this);
    Frame3D1 = new QGroupBox(QStringLiteral("Comparaison des hypothèses"), this);
    Option3D6 = new QRadioButton(QStringLiteral("Arc commun"), Frame3D1);
    Option3D7 = new QRadioButton(QStringLiteral("Arc en plus"), Frame3D1);
    Option3D8 = new QRadioButton(QStringLiteral("Arc en moins"), Frame3D1);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Commande1 = new QPushButton(QStringLiteral("Annuler"), this);
    Command1->setDefault(true);
    // None of the three is selected at design: the group is not exclusive
    // until the code selects one.
    auto* genres = new QButtonGroup(this);
    genres->setExclusive(false);
    for (QRadioButton* b : {Option3D6, Option3D7, Option3D8})
        genres->addButton(b);

    ListeDesModes->setObjectName(QStringLiteral("ListeDesModes"));
    Fleches->setObjectName(QStringLiteral("Flèches"));
    Cadre1->setObjectName(QStringLiteral("Cadre1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Spin1->setObjectName(QStringLiteral("Spin1"));
    Spin2->setObjectName(QStringLiteral("Spin2"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Commande2->setObjectName(QStringLiteral("Commande2"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Frame3D1->setObjectName(QStringLiteral("Frame3D1"));
    Option3D6->setObjectName(QStringLiteral("Option3D6"));
    Option3D7->setObjectName(QStringLiteral("Option3D7"));
    Option3D8->setObjectName(QStringLiteral("Option3D8"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Commande1->setObjectName(QStringLiteral("Commande1"));

    auto* c = new QGridLayout(Cadre1);
    c->addWidget(etiquette("Etiquette2", QStringLiteral("Epaisseur du trait blanc de fond :"), Cadre1), 0, 0);
    c->addWidget(Text1, 0, 1);
    c->addWidget(Spin1, 0, 2);
    c->addWidget(etiquette("Etiquette3", QStringLiteral("Epaisseur du trait :"), Cadre1), 1, 0);
    c->addWidget(Text2, 1, 1);
    c->addWidget(Spin2, 1, 2);
    c->addWidget(etiquette("Etiquette4", QStringLiteral("Couleur du trait :"), Cadre1), 2, 0);
    auto* couleur = new QHBoxLayout;
    couleur->addWidget(Image1);
    couleur->addWidget(Text3);
    c->addLayout(couleur, 2, 1, 1, 2);
    c->addWidget(Combo1, 3, 0);
    c->addWidget(Commande2, 3, 1, 1, 2);
    auto* f = new QVBoxLayout(Frame3D1);
    f->addWidget(Option3D6);
    f->addWidget(Option3D7);
    f->addWidget(Option3D8);

    auto* haut = new QHBoxLayout;
    haut->addWidget(etiquette("Etiquette1", QStringLiteral("Arcs en :"), this));
    haut->addWidget(ListeDesModes, 1);
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(Picture1);
    milieu->addWidget(Frame3D1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Command1);
    boutons->addWidget(Commande1);
    auto* l = new QVBoxLayout(this);
    l->addLayout(haut);
    l->addWidget(Fleches);
    l->addWidget(Cadre1);
    l->addLayout(milieu);
    l->addLayout(boutons);

    Picture1->Dessin = [](QPainter& p) {
        for (const SegmentApercu& s : K.Formes.AspectVisuelArcs.Apercu) {
            p.setPen(QPen(VersQColor(s.Couleur_), s.Epaisseur, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y2));
        }
    };

    connect(ListeDesModes, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { AspectVisuelArcs_DefinitListIndex(i); }); });
    connect(Fleches, &QCheckBox::toggled, this, [this](bool v) { agit([v] { AspectVisuelArcs_Flèches_Click(v); }); });
    connect(Text1, &QLineEdit::textEdited, this, [this](const QString& t) { agit([&] { AspectVisuelArcs_DefinitText1(t); }); });
    connect(Text2, &QLineEdit::textEdited, this, [this](const QString& t) { agit([&] { AspectVisuelArcs_DefinitText2(t); }); });
    connect(Spin1, &BoutonRotatif::SpinDown, this, [this] { agit(AspectVisuelArcs_Spin1_SpinDown); });
    connect(Spin1, &BoutonRotatif::SpinUp, this, [this] { agit(AspectVisuelArcs_Spin1_SpinUp); });
    connect(Spin2, &BoutonRotatif::SpinDown, this, [this] { agit(AspectVisuelArcs_Spin2_SpinDown); });
    connect(Spin2, &BoutonRotatif::SpinUp, this, [this] { agit(AspectVisuelArcs_Spin2_SpinUp); });
    connect(Combo1, &QComboBox::editTextChanged, this,
            [this](const QString& t) { agit([&] { AspectVisuelArcs_Combo1_Change(t); }); });
    connect(Commande2, &QPushButton::clicked, this, [this] { agit(AspectVisuelArcs_Commande2_Click); });
    const auto genre = [this](int g) {
        return [this, g](bool coche) {
            if (coche)
                agit([g] { K.Formes.AspectVisuelArcs.GenreChoisi = g; });
        };
    };
    connect(Option3D6, &QRadioButton::toggled, this, genre(6));
    connect(Option3D7, &QRadioButton::toggled, this, genre(7));
    connect(Option3D8, &QRadioButton::toggled, this, genre(8));
    connect(Command1, &QPushButton::clicked, this, [this] { agit(AspectVisuelArcs_Command1_Click); });
    connect(Commande1, &QPushButton::clicked, this, [this] { agit(AspectVisuelArcs_Commande1_Click); });
    Rafraichit();
}

void AspectVisuelArcs::Ferme() { AspectVisuelArcs_Commande1_Click(); }

void AspectVisuelArcs::Rafraichit()
{
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    const Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
    montreListe(ListeDesModes, l.Entrees, l.ListIndex);
    montreCoche(Fleches, a.Flèches);
    montreTexte(Text1, a.Text1);
    montreTexte(Text2, a.Text2);
    montreTexte(Text3, a.Text3);
    montreTexte(Combo1, a.Combo1);
    Image1->setStyleSheet(styleFond(a.Image1));
    if (a.Text3 == QString::number(a.Image1))
        Text3->setStyleSheet(styleNombreCouleur(a.Image1));
    montreCoche(Option3D6, a.GenreChoisi == 6);
    montreCoche(Option3D7, a.GenreChoisi == 7);
    montreCoche(Option3D8, a.GenreChoisi == 8);
    Picture1->update();
}

} // namespace kelmo
