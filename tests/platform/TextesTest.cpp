// Text fields, the code page of the stored files and the path rules.
#include "platform/Chemins.h"
#include "platform/CodePageAnsi.h"
#include "platform/TexteFixe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;

TEST(TexteFixe, ShortTextsArePaddedLongOnesCutNeverAssignedHoldsNul)
{
    TexteFixe<50> nom;
    EXPECT_EQ(nom.texte(), QString(50, QChar(u'\0')));
    nom = QString(60, QLatin1Char('A')) + QStringLiteral("B");
    EXPECT_EQ(nom.texte(), QString(50, QLatin1Char('A')));
    nom = QStringLiteral("ABC");
    EXPECT_EQ(nom.texte(), QStringLiteral("ABC") + QString(47, QLatin1Char(' ')));
    EXPECT_EQ(nom.sansBlancsFinaux(), QStringLiteral("ABC"));
    EXPECT_EQ(nom.debut(2), QStringLiteral("AB"));
}

TEST(CodePageAnsi, AccentsAndTheEuroSurviveARoundTrip)
{
    const QString texte = QStringLiteral("BESANÇON Métro 5 € œ “x”");
    const std::string octets = EncodeAnsi(texte);
    EXPECT_EQ(octets.size(), static_cast<std::size_t>(texte.size())); // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(octets[5]), 0xC7);          // Ç
    EXPECT_EQ(static_cast<unsigned char>(octets[17]), 0x80);         // €
    EXPECT_EQ(DecodeAnsi(octets), texte);
    EXPECT_EQ(EncodeAnsi(QStringLiteral("日")), "?");
}

TEST(Chemins, WindowsSubPathsAndNamesInAnotherCase)
{
    EXPECT_EQ(Joint(QStringLiteral("/home/u/kelmo"), QStringLiteral("\\data\\noeuds")),
              QStringLiteral("/home/u/kelmo/data/noeuds"));
    EXPECT_EQ(Joint(QStringLiteral("/"), QStringLiteral("\\data")), QStringLiteral("/data"));
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data/noeuds"));
    QFile f(dir.filePath(QStringLiteral("Data/noeuds/n157eu.dat")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(CheminExistant(dir.path() + QStringLiteral("\\data\\NOEUDS\\N157EU.DAT")),
              dir.filePath(QStringLiteral("Data/noeuds/n157eu.dat")));
    const QString absent = dir.path() + QStringLiteral("/data/absent.dat");
    EXPECT_EQ(CheminExistant(absent), absent);
}
