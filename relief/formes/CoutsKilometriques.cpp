#include "relief/formes/CoutsKilometriques.h"
#include "core/Modele.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace kelmo {

CoûtsKilométriques::CoûtsKilométriques(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CoûtsKilométriques"));
    setWindowTitle(QStringLiteral("Coûts kilométriques"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    auto* l = new QGridLayout(this);
    const auto etiquette = [this](const char* texte) { return new QLabel(QString::fromUtf8(texte), this); };
    Dessin1 = new QLabel(this);
    Dessin1->setObjectName(QStringLiteral("Dessin1"));
    Dessin1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->addWidget(etiquette("Coût :"), 0, 0);
    l->addWidget(etiquette("Autoroute"), 0, 1);
    l->addWidget(etiquette("Route"), 0, 2);
    l->addWidget(etiquette("TGV"), 0, 3);
    l->addWidget(etiquette("Train"), 0, 4);
    l->addWidget(etiquette("France"), 1, 0);
    l->addWidget(etiquette("Allemagne"), 2, 0);
    l->addWidget(etiquette("Espagne"), 3, 0);
    // Boxes 1-4: France motorway, road, TGV, train; 5-6 and 7-8: motorway
    // and road of the other two sets.
    const int lignes[9] = {0, 1, 1, 1, 1, 2, 2, 3, 3};
    const int colonnes[9] = {0, 1, 2, 3, 4, 1, 2, 1, 2};
    for (int i = 1; i <= 8; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Texte%1").arg(i));
        e->setReadOnly(true);
        Texte[static_cast<std::size_t>(i)] = e;
        l->addWidget(e, lignes[i], colonnes[i]);
    }
    l->addWidget(Dessin1, 4, 0, 1, 5);
    Rafraichit();
}

void CoûtsKilométriques::Rafraichit()
{
    for (std::size_t i = 1; i <= 8; ++i) {
        QLineEdit* e = Texte[i];
        const QString& texte = K.Formes.CoûtsKilométriques.Texte[i];
        if (e->text() == texte)
            continue;
        e->setText(texte);
        // A cost of double precision has up to fifteen digits: the box widens
        // to hold them all, two digits to spare for its frame and margins,
        // and shows the number from its first digit.
        e->setMinimumWidth(std::max(e->minimumWidth(), e->fontMetrics().horizontalAdvance(texte + QStringLiteral("00"))));
        e->setCursorPosition(0);
    }
}

} // namespace kelmo
