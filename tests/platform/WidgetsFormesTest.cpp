// The platform's widgets of the option dialogs: spin arrows, the clamped
// gauge, the grouped masked box and the font chooser with its colour.
#include "platform/RepondeurScripte.h"
#include "platform/formes/BoutonRotatif.h"
#include "platform/formes/DialoguePolice.h"
#include "platform/formes/Jauge.h"
#include "platform/Nombres.h"
#include "platform/formes/SaisieMasquee.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelmo;

namespace {

TEST(WidgetsFormesTest, SpinArrowsEmitUpAndDownAndHoldNoValue)
{
    BoutonRotatif b;
    int haut = 0, bas = 0;
    QObject::connect(&b, &BoutonRotatif::SpinUp, [&] { ++haut; });
    QObject::connect(&b, &BoutonRotatif::SpinDown, [&] { ++bas; });
    b.flecheHaut()->click();
    b.flecheHaut()->click();
    b.flecheBas()->click();
    EXPECT_EQ(haut, 2);
    EXPECT_EQ(bas, 1);
    EXPECT_TRUE(b.flecheHaut()->autoRepeat());
}

TEST(WidgetsFormesTest, GaugeRoundsToEvenAndClampsInsteadOfFailing)
{
    Jauge j(0, 1400);
    struct Cas {
        double valeur;
        int attendu;
    } cas[] = {{0.8, 1}, {8.5, 8}, {9.5, 10}, {1400, 1400}, {1e9, 1400}, {-3, 0}, {std::nan(""), 0}};
    for (const Cas& c : cas) {
        j.definitValeur(c.valeur);
        EXPECT_EQ(j.value(), c.attendu) << c.valeur;
    }
}

TEST(WidgetsFormesTest, MaskedBoxShowsGroupedDigitsButKeepsItsText)
{
    SaisieMasquee s;
    QString recu;
    QObject::connect(&s, &SaisieMasquee::Change, [&](const QString& t) { recu = t; });
    s.definitTexte(QStringLiteral(" 12000000"));
    EXPECT_EQ(s.texte(), QStringLiteral(" 12000000"));
    EXPECT_EQ(s.text(), QString::fromUtf16(u"12\u202F000\u202F000"));
    EXPECT_TRUE(recu.isEmpty()); // the program's own text is not a user change
    EXPECT_EQ(s.placeholderText(), QStringLiteral("_"));
    s.setText(QStringLiteral("450"));
    emit s.textEdited(QStringLiteral("450"));
    EXPECT_EQ(recu, QStringLiteral("450"));
    EXPECT_EQ(s.texte(), QStringLiteral("450"));
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral("999"), QChar(u' ')), QStringLiteral("999"));
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral("1000"), QChar(u' ')), QStringLiteral("1 000"));
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral("10.5"), QChar(u' ')), QStringLiteral("10.5"));
}

TEST(WidgetsFormesTest, MaskedBoxGroupsThousandsTheFrenchWayWhateverTheSystemLocale)
{
    const QLocale avant;
    for (const QLocale& systeme : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German),
                                   QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
        QLocale::setDefault(systeme);
        SaisieMasquee s;
        s.definitTexte(QStringLiteral(" 1234567"));
        EXPECT_EQ(s.text(), QString::fromUtf16(u"1\u202F234\u202F567")) << systeme.name().toStdString();
        // What the box shows reads back as the same threshold.
        EXPECT_EQ(ValeurNombre(TexteSansMilliers(s.text())), 1234567) << systeme.name().toStdString();
    }
    QLocale::setDefault(avant);
}

TEST(WidgetsFormesTest, FontChooserReturnsTheFontAndTheColourOrNothingWhenCancelled)
{
    Police initiale;
    initiale.nom = QStringLiteral("Arial");
    initiale.taille = 10;
    initiale.italique = true;
    initiale.couleur = QColor(255, 0, 0);
    {
        DialoguePolice d(initiale);
        EXPECT_EQ(d.choixCouleur()->currentText(), QStringLiteral("Rouge"));
        EXPECT_EQ(d.choixCouleur()->count(), 16);
        const Police p = d.police();
        EXPECT_TRUE(p.italique);
        EXPECT_EQ(p.taille, 10);
        EXPECT_EQ(p.couleur, QColor(255, 0, 0));
    }
    initiale.couleur = QColor(1, 2, 3);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<DialoguePolice*>(w); d && d->isVisible()) {
                EXPECT_EQ(d->choixCouleur()->currentText(), QStringLiteral("Personnalisée"));
                d->choixCouleur()->setCurrentIndex(12);
                d->accept();
            }
    });
    const std::optional<Police> p = DialoguePolice::Demande(initiale, nullptr);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->couleur, QColor(0, 0, 255));
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<DialoguePolice*>(w); d && d->isVisible())
                d->reject();
    });
    EXPECT_FALSE(DialoguePolice::Demande(initiale, nullptr).has_value());
}

TEST(WidgetsFormesTest, ScriptedResponderAnswersTheFontChoice)
{
    RepondeurScripte r;
    Police p;
    p.nom = QStringLiteral("Courier");
    r.RepondPolice(p);
    Police demande;
    demande.nom = QStringLiteral("Arial");
    EXPECT_EQ(Ui().ChoixPolice(demande)->nom, QStringLiteral("Courier"));
    EXPECT_EQ(r.derniereDemandePolice.nom, QStringLiteral("Arial"));
    EXPECT_FALSE(Ui().ChoixPolice(demande).has_value()); // nothing queued: cancelled
    ASSERT_EQ(r.appels().size(), 2u);
    EXPECT_EQ(r.appels()[0].genre, AppelDialogue::ChoixPolice);
    EXPECT_FALSE(r.appels()[1].scripte);
}

} // namespace
