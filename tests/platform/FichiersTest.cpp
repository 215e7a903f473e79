// Whole files in and out: the bytes read are the bytes stored, and the lines
// are cut at every kind of line end.
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;

TEST(DecoupeLignes, LinesEndWithCrLfLoneLfOrLoneCr)
{
    struct Cas {
        std::string_view contenu;
        std::vector<std::string_view> lignes;
    } cas[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\n", {""}},
        {"\r\r\n\n", {"", "", ""}},          // CR, then CR LF, then LF
        {"x\ry\rz", {"x", "y", "z"}},        // a file of lone CRs
        {"sans fin", {"sans fin"}},
        {std::string_view("a\0b\r\nc", 6), {std::string_view("a\0b", 3), "c"}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(DecoupeLignes(c.contenu), c.lignes) << c.contenu;
}

TEST(DecoupeLignes, ALongFileWithOneKindOfLineEndGivesEveryLine)
{
    for (const char* fin : {"\r\n", "\n", "\r"}) {
        std::string contenu;
        for (int i = 0; i < 20000; ++i)
            contenu += std::to_string(i) + fin;
        const auto lignes = DecoupeLignes(contenu);
        ASSERT_EQ(lignes.size(), 20000u) << fin;
        EXPECT_EQ(lignes[12345], "12345");
        EXPECT_EQ(lignes.back(), "19999");
    }
}

TEST(LitFichierEntier, GivesTheStoredBytesAndRefusesAMissingFile)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("octets.dat"));
    std::string octets;
    for (int i = 0; i < 300000; ++i)
        octets.push_back(static_cast<char>(i * 7 % 256)); // NULs, CRs and bytes above 127 included
    EnregistreFichier(chemin, octets);
    EXPECT_EQ(LitFichierEntier(chemin), octets);
    EnregistreFichier(chemin, std::string());
    EXPECT_EQ(LitFichierEntier(chemin), std::string());
    try {
        LitFichierEntier(dir.filePath(QStringLiteral("absent.dat")));
        FAIL();
    } catch (const ErreurExecution& e) {
        EXPECT_EQ(e.numero(), ErrFichierIntrouvable);
    }
}
