#include "timetables/formes/HorairesArcs.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"
#include "timetables/HorairesArcs.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/ListeAffichee.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, const QString& bulle = QString())
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    if (!bulle.isEmpty())
        b->setToolTip(bulle);
    return b;
}

} // namespace

HorairesArcs::HorairesArcs(QWidget* parent) : QWidget(parent, Qt::Window)
{
    EchapFermeFenetre(this);
    setObjectName(QStringLiteral("HorairesArcs"));
    setWindowTitle(QStringLiteral("Horaires (arcs)"));
    OriDest = new QLabel(this);
    OriDest->setObjectName(QStringLiteral("OriDest"));
    OriDest->setFrameShape(QFrame::Panel);
    OriDest->setFrameShadow(QFrame::Sunken);
    Etiquette1 = new QLabel(this);
    Etiquette1->setObjectName(QStringLiteral("Etiquette1"));
    ListeHoraires = new QListWidget(this);
    ListeHoraires->setObjectName(QStringLiteral("ListeHoraires"));
    // Fixed columns: the lines line up only in a fixed-pitch font.
    const QFont fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ListeHoraires->setFont(fixe);
    Etiquette1->setFont(fixe);
    Command3D2 = bouton(this, "Command3D2", QStringLiteral("Nouveau"));
    Command3D1 = bouton(this, "Command3D1", QStringLiteral("Supprimer"));
    Modifier = bouton(this, "Modifier", QStringLiteral("Modifier"), QStringLiteral("Pour modifier un horaire"));
    AfficheTrain = bouton(this, "AfficheTrain", QStringLiteral("Train"));
    DetecteErreurs = bouton(this, "DetecteErreurs", QStringLiteral("Vérifier"),
                            QStringLiteral("Vérifie les erreurs d'horaires dans le fichier"));
    DévHor = bouton(this, "DévHor", QStringLiteral("Dév. hor."),
                    QStringLiteral("Reconstruit tous les arcs horaires directs possibles (graphe maximum) "));
    Optimise = bouton(this, "Optimise", QStringLiteral("Optimise"),
                      QStringLiteral("Supprime les arcs horaires redondants (graphe minimum) et supprime les noeuds "
                                     "non terminus"));
    Command3D3 = bouton(this, "Command3D3", QStringLiteral("Quitter"));

    auto* boutons = new QGridLayout;
    int colonne = 0;
    for (QPushButton* b : {Command3D2, Command3D1, Modifier, AfficheTrain})
        boutons->addWidget(b, 0, colonne++);
    colonne = 0;
    for (QPushButton* b : {DetecteErreurs, DévHor, Optimise, Command3D3})
        boutons->addWidget(b, 1, colonne++);
    auto* v = new QVBoxLayout(this);
    v->addWidget(OriDest);
    v->addWidget(Etiquette1);
    v->addWidget(ListeHoraires, 1);
    v->addLayout(boutons);

    auto apres = [this](void (*handler)()) {
        return [handler] {
            ExecuteGarde(handler);
            ActualiseFenetresHoraires();
        };
    };
    connect(Command3D2, &QPushButton::clicked, this, apres(HorairesArcs_Command3D2_Click));
    connect(Command3D1, &QPushButton::clicked, this, apres(HorairesArcs_Command3D1_Click));
    connect(Modifier, &QPushButton::clicked, this, apres(HorairesArcs_Modifier_Click));
    connect(AfficheTrain, &QPushButton::clicked, this, apres(HorairesArcs_AfficheTrain_Click));
    connect(DetecteErreurs, &QPushButton::clicked, this, apres(HorairesArcs_DetecteErreurs_Click));
    connect(DévHor, &QPushButton::clicked, this, apres(HorairesArcs_DévHor_Click));
    connect(Optimise, &QPushButton::clicked, this, apres(HorairesArcs_Optimise_Click));
    connect(Command3D3, &QPushButton::clicked, this, apres(HorairesArcs_Command3D3_Click));
    // The list's click comes with every change of its chosen line, by the
    // mouse or by the keys. The refresh sets the lines with the list's
    // signals blocked, so a refill, or a line chosen by code, runs nothing.
    const auto choisit = [](int ligne) {
        ExecuteGarde([ligne] { HorairesArcs_ListeHoraires_Click(ligne); });
        ActualiseFenetresHoraires();
    };
    connect(ListeHoraires, &QListWidget::itemSelectionChanged, this, [this, choisit] {
        const QList<QListWidgetItem*> choisies = ListeHoraires->selectedItems();
        choisit(choisies.isEmpty() ? -1 : ListeHoraires->row(choisies.front()));
    });
    // The mouse's click itself chooses its line, unless the selection change
    // of the same press has already done so.
    connect(ListeHoraires, &QListWidget::itemClicked, this, [this, choisit](QListWidgetItem* item) {
        const ModeleHorairesArcs& m = K.Formes.HorairesArcs;
        const int ligne = ListeHoraires->row(item);
        if (!m.LigneEstChoisie || m.ListeHoraires.ListIndex != ligne)
            choisit(ligne);
    });
    resize(560, 300);
}

void HorairesArcs::Rafraichit()
{
    const ModeleHorairesArcs& m = K.Formes.HorairesArcs;
    OriDest->setText(m.OriDest);
    Etiquette1->setText(m.Etiquette1);
    MontreListe(ListeHoraires, m.ListeHoraires);
    const std::pair<QPushButton*, const Bouton*> boutons[] = {
        {Command3D2, &m.Command3D2}, {Command3D1, &m.Command3D1},         {Modifier, &m.Modifier},
        {AfficheTrain, &m.AfficheTrain}, {DetecteErreurs, &m.DetecteErreurs}, {DévHor, &m.DévHor},
        {Optimise, &m.Optimise},     {Command3D3, &m.Command3D3}};
    for (const auto& [w, b] : boutons) {
        w->setVisible(b->Visible);
        w->setEnabled(b->Enabled);
    }
}

void HorairesArcs::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    ModeleHorairesArcs& m = K.Formes.HorairesArcs;
    m.Height = height() * TwipsParPixel;
    m.HauteurEtiquette1 = Etiquette1->height() * TwipsParPixel;
    m.HauteurOriDest = OriDest->height() * TwipsParPixel;
    HorairesArcs_Form_Resize();
}

void HorairesArcs::closeEvent(QCloseEvent* e)
{
    // Closing the window is its "Quitter".
    e->ignore();
    HorairesArcs_Command3D3_Click();
    ActualiseFenetresHoraires();
}

} // namespace kelmo
