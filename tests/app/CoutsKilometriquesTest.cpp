// "Coûts kilométriques" shows each cost whole, from its first digit.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "platform/RepondeurScripte.h"
#include "relief/CoutsGeneralises.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace kelmo;
using namespace kelmo::test;

TEST(CoutsKilometriques, EachBoxShowsItsWholeCostFromTheFirstDigit)
{
    ModeleDemarre();
    DefinitDefautsCouts();
    K.NombrePassagers = 1;
    K.PuissanceFiscale = 7;
    K.LongueurDeplacementKm = 200;
    K.NiveauRevenuSmic = 1;
    K.TypeCout = QStringLiteral("Généralisé professionnel");
    InitialiseCouts();
    RepondeurScripte r;
    {
        Kelmo k;
        k.show();
        k.ExecuteMenu(QStringLiteral("menCoûts"));
        auto* couts = k.findChild<QDialog*>(QStringLiteral("Coûts"));
        ASSERT_TRUE(couts);
        couts->findChild<QPushButton*>(QStringLiteral("Annuler"))->click(); // "Coûts au km"
        auto* fenetre = k.findChild<QDialog*>(QStringLiteral("CoûtsKilométriques"));
        ASSERT_TRUE(fenetre && fenetre->isVisible());
        QApplication::processEvents();
        // The TGV cost below 1 franc: the leading "0" was the first thing cut.
        EXPECT_EQ(fenetre->findChild<QLineEdit*>(QStringLiteral("Texte3"))->text(), QStringLiteral("0.96418730859323"));
        for (int i = 1; i <= 8; ++i) {
            QLineEdit* e = fenetre->findChild<QLineEdit*>(QStringLiteral("Texte%1").arg(i));
            SCOPED_TRACE(e->objectName().toStdString());
            EXPECT_EQ(e->text(), K.Formes.CoûtsKilométriques.Texte[static_cast<std::size_t>(i)]);
            EXPECT_EQ(e->cursorPosition(), 0);
            // Unscrolled from the first digit to the last: the whole text fits.
            const int debut = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            e->setCursorPosition(static_cast<int>(e->text().size()));
            const int fin = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            EXPECT_EQ(fin - debut, e->fontMetrics().horizontalAdvance(e->text()));
        }
    }
    ReinitialiseDonnees();
}
