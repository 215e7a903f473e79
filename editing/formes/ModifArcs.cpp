#include "editing/formes/ModifArcs.h"
#include "core/Modele.h"
#include "editing/CrochetsEdition.h"
#include "editing/FichierArcsEdition.h"
#include "editing/ModifArcs.h"
#include "editing/formes/IconesEdition.h"

#include <QComboBox>
#include <QLabel>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace kelmo {
namespace {

constexpr int Twips = 15; // twips to a pixel
constexpr int Largeur = 440;

QRect place(int x, int y, int l, int h) { return QRect(x, y, l, h); }

} // namespace

ModifArcs::ModifArcs(QWidget* parent, std::function<void()> apresCommande)
    : FenetreEdition_(parent, std::move(apresCommande))
{
    setObjectName(QStringLiteral("ModifArcs"));
    setWindowTitle(QStringLiteral("Modification des arcs"));

    auto combo = [this](const char* nom, QRect g) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromUtf8(nom));
        c->setGeometry(g);
        c->setMaxVisibleItems(20);
        // Thousands of node names: every row the same height, no measuring.
        if (auto* v = qobject_cast<QListView*>(c->view()))
            v->setUniformItemSizes(true);
        return c;
    };
    auto boite = [this](const char* nom, QRect g) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(nom));
        e->setGeometry(g);
        e->installEventFilter(this);
        return e;
    };
    auto bouton = [this](const char* nom, const QString& texte, QRect g) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QString::fromUtf8(nom));
        b->setGeometry(g);
        return b;
    };
    auto label = [this](const char* nom, const QString& texte, QRect g) { etiquette(nom, texte, this)->setGeometry(g); };

    label("Etiquette1", QStringLiteral("De"), place(8, 10, 24, 20));
    ListeModifiable1 = combo("ListeModifiable1", place(34, 8, 172, 24));
    label("Etiquette2", QStringLiteral("à"), place(214, 10, 14, 20));
    ListeModifiable2 = combo("ListeModifiable2", place(230, 8, 172, 24));
    label("Etiquette3", QStringLiteral("en"), place(8, 38, 24, 20));
    ListeModifiable3 = combo("ListeModifiable3", place(34, 36, 172, 24));
    label("Etiquette4", QStringLiteral("mode"), place(212, 38, 40, 20));

    Longueur = boite("Longueur", place(8, 66, 64, 22));
    label("Etiquette5", QStringLiteral("km"), place(75, 68, 20, 20));
    Heures = boite("Heures", place(98, 66, 34, 22));
    label("Etiquette6", QStringLiteral("h"), place(135, 68, 10, 20));
    Minutes = boite("Minutes", place(146, 66, 34, 22));
    label("Etiquette7", QStringLiteral("min"), place(183, 68, 24, 20));
    label("Etiquette8", QStringLiteral("Débit"), place(210, 68, 34, 20));
    Débit = boite("Débit", place(246, 66, 56, 22));
    label("Etiquette9", QStringLiteral("Capa."), place(308, 68, 36, 20));
    Capacité = boite("Capacité", place(346, 66, 56, 22));

    Command3D4 = bouton("Command3D4", QStringLiteral("Enregistrer fichier arcs"), place(8, 96, 156, 28));
    BtnCréer = bouton("BtnCréer", QStringLiteral("Créer"), place(2520 / Twips, 96, 1455 / Twips, 28));
    BtnDétruire = bouton("BtnDétruire", QStringLiteral("Détruire"), place(2520 / Twips, 96, 1455 / Twips, 28));
    auto image = [this](const char* nom, const QIcon& icone) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(nom));
        b->setIcon(icone);
        b->setIconSize(QSize(24, 24));
        b->setGeometry(place(2520 / Twips, 96, 480 / Twips, 28));
        return b;
    };
    BtnDoubleArc = image("BtnDoubleArc", IconeDoubleArc());
    BtnDoubleArc->setToolTip(QStringLiteral("Double l'arc en sens inverse"));
    BtnHoraires = image("BtnHoraires", IconeHoraires());
    BtnHoraires->setToolTip(QStringLiteral("Horaires"));
    SSCommand1 = bouton("SSCommand1", QStringLiteral("Ajoute fichier"), place(302, 96, 100, 28));

    Command3D1 = bouton("Command3D1", QStringLiteral("Options"), place(8, 132, 80, 28));
    Command3D3 = bouton("Command3D3", QStringLiteral("Redessiner"), place(92, 132, 92, 28));
    Commande1 = bouton("Commande1", QStringLiteral("Longeur arcs"), place(188, 132, 100, 28));
    Commande1->setToolTip(QStringLiteral("Compare les longueurs des arcs avec les longueurs euclidiennes"));
    Command3D5 = bouton("Command3D5", QStringLiteral("Quitter"), place(322, 132, 80, 28));

    ListeFichArcs = new QListWidget(this);
    ListeFichArcs->setObjectName(QStringLiteral("ListeFichArcs"));
    ListeFichArcs->setGeometry(place(8, 2595 / Twips + 4, Largeur - 16, (4185 - 2595) / Twips - 12));

    connect(ListeModifiable1, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { ModifArcs_DefinitListIndex1(i); }); });
    connect(ListeModifiable2, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { ModifArcs_DefinitListIndex2(i); }); });
    connect(ListeModifiable3, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { agit([i] { ModifArcs_DefinitListIndex3(i); }); });
    connect(Longueur, &QLineEdit::textEdited, this,
            [this](const QString& t) { agit([&t] { ModifArcs_DefinitLongueur(t); }); });
    auto saisie = [this](QLineEdit* e, QString ModeleModifArcs::*champ) {
        connect(e, &QLineEdit::textEdited, this,
                [this, champ](const QString& t) { agit([&t, champ] { K.Formes.ModifArcs.*champ = t; }); });
    };
    saisie(Heures, &ModeleModifArcs::Heures);
    saisie(Minutes, &ModeleModifArcs::Minutes);
    saisie(Débit, &ModeleModifArcs::Débit);
    saisie(Capacité, &ModeleModifArcs::Capacité);
    auto clic = [this](QAbstractButton* b, void (*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { agit(handler); });
    };
    clic(BtnCréer, ModifArcs_BtnCréer_Click);
    clic(BtnDétruire, ModifArcs_BtnDétruire_Click);
    clic(BtnDoubleArc, ModifArcs_BtnDoubleArc_Click);
    clic(BtnHoraires, ModifArcs_BtnHoraires_Click);
    clic(Command3D1, ModifArcs_Command3D1_Click);
    clic(Command3D3, ModifArcs_Command3D3_Click);
    clic(Command3D4, ModifArcs_Command3D4_Click);
    clic(SSCommand1, ModifArcs_SSCommand1_Click);
    clic(Command3D5, ModifArcs_Command3D5_Click);
    clic(Commande1, ModifArcs_Commande1_Click);

    Rafraichit();
}

void ModifArcs::Quitte() { ModifArcs_Command3D5_Click(); }

bool ModifArcs::eventFilter(QObject* objet, QEvent* evenement)
{
    // A press on a value box changes that value of the arc shown; so does
    // Enter typed in it, offering what was typed, so that the keyboard alone
    // reaches the arc. Without an arc shown the handlers do nothing, and the
    // boxes keep what is typed for a new arc.
    bool entree = false;
    if (evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        entree = (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter)
                 && (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    }
    if (evenement->type() == QEvent::MouseButtonPress || entree) {
        void (*handler)() = nullptr;
        if (objet == Capacité)
            handler = ModifArcs_Capacité_MouseDown;
        else if (objet == Débit)
            handler = ModifArcs_Débit_MouseDown;
        else if (objet == Longueur)
            handler = ModifArcs_Longueur_MouseDown;
        else if (objet == Heures)
            handler = ModifArcs_Heures_MouseDown;
        else if (objet == Minutes)
            handler = ModifArcs_Minutes_MouseDown;
        if (handler) {
            agit(handler);
            if (entree)
                return true;
        }
    }
    return FenetreEdition_::eventFilter(objet, evenement);
}

void ModifArcs::Rafraichit()
{
    const ModeleModifArcs& m = K.Formes.ModifArcs;
    montreListe(ListeModifiable1, montrees_[0], m.ListeModifiable1.Entrees, m.ListeModifiable1.ListIndex);
    montreListe(ListeModifiable2, montrees_[1], m.ListeModifiable2.Entrees, m.ListeModifiable2.ListIndex);
    montreListe(ListeModifiable3, montrees_[2], m.ListeModifiable3.Entrees, m.ListeModifiable3.ListIndex);
    montreTexte(Longueur, m.Longueur);
    montreTexte(Heures, m.Heures);
    montreTexte(Minutes, m.Minutes);
    montreTexte(Débit, m.Débit);
    montreTexte(Capacité, m.Capacité);

    auto montreBouton = [](QWidget* w, const Bouton& b) {
        w->setVisible(b.Visible);
        w->setEnabled(b.Enabled);
    };
    montreBouton(BtnCréer, m.BtnCréer);
    montreBouton(BtnDoubleArc, m.BtnDoubleArc);
    montreBouton(BtnHoraires, m.BtnHoraires);
    // The timetable stands disabled until its subsystem is there.
    BtnHoraires->setEnabled(m.BtnHoraires.Enabled && static_cast<bool>(AfficheHorairesArc));
    const Bouton& d = m.BtnDétruire;
    montreBouton(BtnDétruire, d);
    if (d.Left > 0 && d.Width > 0)
        BtnDétruire->setGeometry(d.Left / Twips, BtnDétruire->y(), d.Width / Twips, BtnDétruire->height());
    QFont f = BtnDétruire->font();
    f.setBold(true);
    if (d.FontSize > 0)
        f.setPointSizeF(d.FontSize);
    BtnDétruire->setFont(f);

    if (fichiersMontres_ != m.ListeFichArcs.Entrees) {
        ListeFichArcs->clear();
        ListeFichArcs->addItems(m.ListeFichArcs.Entrees);
        fichiersMontres_ = m.ListeFichArcs.Entrees;
    }
    setFixedSize(Largeur, std::max(1, m.Height / Twips));
}

} // namespace kelmo
