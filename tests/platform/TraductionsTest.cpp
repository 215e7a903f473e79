// The toolkit's standard dialogs speak French once its translations are
// loaded, as the program does at start-up.
#include "platform/Traductions.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace kelmo;

TEST(Traductions, TheStandardButtonsOfADialogAreFrench)
{
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    QTranslator* t = ChargeTraductionsQt(*QCoreApplication::instance());
    if (!QFileInfo::exists(catalogue)) {
        EXPECT_EQ(t, nullptr);
        GTEST_SKIP() << "the toolkit's French translations are not installed";
    }
    ASSERT_NE(t, nullptr);
    struct Cas {
        QDialogButtonBox::StandardButton bouton;
        const char* texte;
    } cas[] = {
        {QDialogButtonBox::Cancel, "Annuler"}, {QDialogButtonBox::Yes, "&Oui"},    {QDialogButtonBox::No, "&Non"},
        {QDialogButtonBox::Save, "Enregistrer"},  {QDialogButtonBox::Close, "Fermer"},
    };
    QDialogButtonBox boutons;
    for (const Cas& c : cas)
        EXPECT_EQ(boutons.addButton(c.bouton)->text().toStdString(), c.texte);
    // Later tests of this program see the toolkit as it was.
    QCoreApplication::removeTranslator(t);
    delete t;
}
