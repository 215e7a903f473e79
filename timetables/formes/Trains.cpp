#include "timetables/formes/Trains.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"
#include "timetables/EditionTrains.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/ListeAffichee.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {

Trains::Trains(QWidget* parent) : QWidget(parent, Qt::Window)
{
    EchapFermeFenetre(this);
    setObjectName(QStringLiteral("Trains"));
    setWindowTitle(QStringLiteral("Trains"));
    Info = new QLabel(this);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setFrameShape(QFrame::Panel);
    Info->setFrameShadow(QFrame::Sunken);
    Etiquette1 = new QLabel(this);
    Etiquette1->setObjectName(QStringLiteral("Etiquette1"));
    ListeTrains = new QListWidget(this);
    ListeTrains->setObjectName(QStringLiteral("ListeTrains"));
    ListeTrains->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListeTrains->setToolTip(QStringLiteral("Double cliquez pour afficher les horaires sur une liaison"));
    const QFont fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ListeTrains->setFont(fixe);
    Etiquette1->setFont(fixe);
    // The copy of the selected lines, as a list's usual shortcut.
    auto* copie = new QAction(QStringLiteral("Copier"), ListeTrains);
    copie->setShortcut(QKeySequence::Copy);
    copie->setShortcutContext(Qt::WidgetShortcut);
    ListeTrains->addAction(copie);
    ListeTrains->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copie, &QAction::triggered, this, [this] {
        ExecuteGarde([this] {
            LitSelection(ListeTrains, K.Formes.Trains.ListeTrains);
            CopieSelectionTrains();
        });
    });

    auto bouton = [this](const char* nom, const QString& texte, const QString& bulle) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setToolTip(bulle);
        return b;
    };
    Reculer = bouton("Reculer", QStringLiteral("Reculer"), QStringLiteral("Reculer le train sélectionné"));
    Avancer = bouton("Avancer", QStringLiteral("Avancer"), QStringLiteral("Avancer le train sélectionné"));
    Dupliquer = bouton("Dupliquer", QStringLiteral("Dupliquer"), QStringLiteral("Dupliquer le train sélectionné"));
    Supprimer = bouton("Supprimer", QStringLiteral("Supprimer"), QStringLiteral("Supprimer le train sélectionné"));
    Quitter = bouton("Quitter", QStringLiteral("Quitter"), QString());

    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {Reculer, Avancer, Dupliquer, Supprimer, Quitter})
        boutons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Info);
    v->addWidget(Etiquette1);
    v->addWidget(ListeTrains, 1);
    v->addLayout(boutons);

    auto commande = [this](void (*handler)()) {
        return [this, handler] {
            ExecuteGarde([&] {
                LitSelection(ListeTrains, K.Formes.Trains.ListeTrains);
                handler();
            });
            ActualiseFenetresHoraires();
        };
    };
    connect(Reculer, &QPushButton::clicked, this, commande(Trains_Reculer_Click));
    connect(Avancer, &QPushButton::clicked, this, commande(Trains_Avancer_Click));
    connect(Dupliquer, &QPushButton::clicked, this, commande(Trains_Dupliquer_Click));
    connect(Supprimer, &QPushButton::clicked, this, commande(Trains_Supprimer_Click));
    connect(Quitter, &QPushButton::clicked, this, commande(Trains_Quitter_Click));
    connect(ListeTrains, &QListWidget::itemSelectionChanged, this,
            [this] { LitSelection(ListeTrains, K.Formes.Trains.ListeTrains); });
    connect(ListeTrains, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ExecuteGarde([&] { Trains_ListeTrains_DblClick(ListeTrains->row(item)); });
        ActualiseFenetresHoraires();
    });
    resize(640, 400);
}

void Trains::Rafraichit()
{
    const ModeleTrains& m = K.Formes.Trains;
    Info->setText(m.Info);
    Etiquette1->setText(m.Etiquette1);
    MontreListe(ListeTrains, m.ListeTrains);
}

void Trains::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    ModeleTrains& m = K.Formes.Trains;
    m.Height = height() * TwipsParPixel;
    m.HauteurEtiquette1 = Etiquette1->height() * TwipsParPixel;
    m.HauteurInfo = Info->height() * TwipsParPixel;
    Trains_Form_Resize();
}

void Trains::closeEvent(QCloseEvent* e)
{
    e->ignore();
    Trains_Quitter_Click();
    ActualiseFenetresHoraires();
}

} // namespace kelmo
