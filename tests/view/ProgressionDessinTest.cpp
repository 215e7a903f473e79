// Drawing the arcs of a link type leaves no progress report in the status
// bar, however few arcs there were.
#include "ReseauVue.h"
#include "view/DessinArcs.h"

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

class ProgressionDessin : public VueTest {};

TEST_F(ProgressionDessin, DrawingNoneOneOrManyArcsLeavesNoProgressReport)
{
    for (int nbArcs : {0, 1, 2, 30}) {
        K.Arcs.resize(1);
        K.NbArcs = 0;
        if (K.NbNoeuds == 0) {
            noeud(QStringLiteral("A"), 0, 10, 10);
            noeud(QStringLiteral("B"), 0, 90, 40);
        }
        for (int i = 0; i < nbArcs; ++i)
            arc(1, 2, TypeTrain().Code);
        DessineArcsType(TypeTrain());
        EXPECT_FALSE(K.StatusBar.ProgressionVisible) << nbArcs << " arcs";
        EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty()) << nbArcs << " arcs: " << K.StatusBar.Panneaux[5].toStdString();
    }
}

} // namespace
