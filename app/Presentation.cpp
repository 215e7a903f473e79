#include "app/Presentation.h"
#include "app/Icones.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {

Présentation::Présentation(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Présentation"));
    setWindowTitle(QStringLiteral("A propos de KELMO..."));
    auto* grille = new QGridLayout(this);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(DessineEmbleme(96, false));
    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(DessineEmbleme(96, true));

    static const char* const textes[11] = {
        "",
        "KELMO",
        "Cartes du réseau de transport, reliefs espace-temps et anamorphoses",
        "Aménagement du territoire et planification des transports",
        "Réseaux de noeuds et d'arcs, horaires, valeurs et flux",
        "Relief espace-temps : chaque arc devient une tente dont la pente mesure le temps de parcours",
        "Cartes thématiques des valeurs et des flux",
        "Édition du réseau, digitalisation sur image de fond",
        "Exports : DXF, métafichier Windows, bitmap",
        "Logiciel libre de cartographie des transports",
        "Version 1.0 pour Linux",
    };
    auto* colonne = new QVBoxLayout;
    for (int i = 1; i <= 10; ++i) {
        etiquettes_[i] = new QLabel(QString::fromUtf8(textes[i]), this);
        etiquettes_[i]->setObjectName(QStringLiteral("Etiquette%1").arg(i));
        etiquettes_[i]->setWordWrap(true);
        colonne->addWidget(etiquettes_[i]);
    }
    QFont titre = etiquettes_[1]->font();
    titre.setPointSize(28);
    titre.setBold(true);
    etiquettes_[1]->setFont(titre);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command3D1"));
    connect(ok_, &QPushButton::clicked, this, [this] { hide(); });

    grille->addWidget(image1, 0, 0, Qt::AlignTop);
    grille->addLayout(colonne, 0, 1);
    grille->addWidget(image2, 0, 2, Qt::AlignBottom);
    grille->addWidget(ok_, 1, 2);
    setMinimumWidth(560);
}

void Présentation::MontreAPropos()
{
    ok_->setVisible(true);
    exec();
}

} // namespace kelmo
