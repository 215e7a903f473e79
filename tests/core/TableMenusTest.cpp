// Menu states are looked up by name: a name missing from the menu table must
// stop the program at once instead of reading or setting a state nobody
// shows, and no name written in the sources may be missing from it.
#include "core/Menus.h"
#include "core/Modele.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace kelmo;

namespace {

TEST(TableMenusDeathTest, AMisspeltMenuNameStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ReinitialiseDonnees();
    EXPECT_DEATH(K.Menu(QStringLiteral("menImageVectoriele")), "menImageVectoriele");
    // A name of the table is found even before the states are initialised.
    EXPECT_FALSE(K.Menu(QStringLiteral("menImageVectorielle")).Checked);
}

TEST(TableMenus, EveryMenuNameInTheSourcesIsInTheTable)
{
    // Any literal of the program's menu naming ("men" and a capital) in
    // the code or the tests: menu states, commands, actions.
    static const QRegularExpression nom(QStringLiteral("\"(men[A-Z\\x{80}-\\x{FFFF}][^\"]*)\""));
    QStringList inconnus;
    int trouves = 0;
    const QString racine = QStringLiteral(KELMO_SOURCE_DIR);
    for (const char* dossier : {"core", "platform", "relief", "view", "values", "editing", "timetables", "dxf", "app",
                                "tests", "bench"}) {
        QDirIterator it(racine + QLatin1Char('/') + QLatin1String(dossier), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString chemin = it.next();
            if (chemin.endsWith(QStringLiteral("/TableMenusTest.cpp")))
                continue; // the misspelt name above is on purpose
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
            const QString texte = QString::fromUtf8(f.readAll());
            for (auto m = nom.globalMatch(texte); m.hasNext();) {
                const QString n = m.next().captured(1);
                ++trouves;
                if (!DefinitionMenuParNom(n))
                    inconnus << QStringLiteral("%1 (%2)").arg(n, chemin.mid(racine.size() + 1));
            }
        }
    }
    EXPECT_GT(trouves, 100); // the scan does see the sources
    EXPECT_TRUE(inconnus.isEmpty()) << inconnus.join(QStringLiteral(", ")).toStdString();
}

} // namespace
