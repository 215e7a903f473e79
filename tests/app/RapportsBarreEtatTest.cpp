// The reports of the relief and of the anamorphosis in the status bar: cut
// to the panel's width, whole in its tool tip.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "relief/formes/frmAnamorphose.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

TEST(RapportsBarreEtat, TheReliefAndAnamorphosisReportsAreWholeInThePanelsToolTip)
{
    struct Cas {
        const char* rapport;
        std::function<void(Kelmo&)> agit;
        const char* debut;
    };
    const Cas cas[] = {
        {"relief", [](Kelmo& k) { k.ExecuteMenu(QStringLiteral("menTraceRelief")); }, "L'espace"},
        {"anamorphose",
         [](Kelmo& k) {
             k.ExecuteMenu(QStringLiteral("menAnamorphose"));
             frmAnamorphose* f = FenetreAnamorphose();
             f->ListeModifiable1->setCurrentIndex(1);
             f->cmdOK->click();
             DetruitFenetresAnamorphose();
         },
         "Anamorphose en 1 pas"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.rapport);
        QTemporaryDir dossier;
        ModeleDemarre();
        DefinitDefautsOptionsRelief();
        K.RacineDonnees = dossier.path(); // where the anamorphosis writes its report file
        ReseauEnMemoire();
        K.Arcs[1].Mode = TypeAutoroute().Code;
        K.Arcs[2].Mode = TypeRoute70().Code;
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            K.Arcs[i].Minimal = 1;
        for (int32_t n = 1; n <= K.NbNoeuds; ++n)
            K.Noeuds[n].Visible = true;
        IndexeArcs();
        RemplitListesNoeuds();
        K.VitesseReference = 220;
        RepondeurScripte r;
        {
            Kelmo k;
            k.resize(420, 500);
            k.show();
            QApplication::processEvents();
            c.agit(k);
            const QString rapport = K.StatusBar.Panneaux[5].trimmed();
            ASSERT_TRUE(rapport.startsWith(QString::fromUtf8(c.debut))) << rapport.toStdString();
            PanneauEtat* p = k.Panneau(5);
            EXPECT_NE(p->TexteAffiche(), p->text()) << "the panel is too narrow for the report";
            EXPECT_EQ(p->toolTip(), rapport);
        }
        ReinitialiseDonnees();
    }
}
