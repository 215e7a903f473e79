// The toolkit's standard dialogs speak French once its translations are
// loaded, as the program does at start-up.
#include "platform/Traductions.h"
#include "platform/formes/DialoguesQt.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace kelmo;

// Texts shown as text in the failure reports.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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

namespace {

// What a file chooser lists, as the user reads it.
struct Liste {
    QStringList entetes;
    std::map<QString, std::pair<QString, QString>> tailleEtType; // by name
    std::map<QString, QString> dates;
    int largeurType = 0;        // of the type column
    int largeurTypeLePlusLong = 0; // of its longest text, in the list's font
};

// Reads the next file chooser once its folder is listed, then closes it.
class LitEtFermeChoix {
public:
    LitEtFermeChoix(const QString& dossier, Liste& liste)
    {
        minuterie_.setInterval(20);
        QObject::connect(&minuterie_, &QTimer::timeout, [this, dossier, &liste] {
            auto* choix = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!choix)
                return;
            auto* fichiers = choix->findChild<QFileSystemModel*>();
            auto* detail = choix->findChild<QTreeView*>();
            const QAbstractProxyModel* intermediaire = choix->proxyModel();
            const QAbstractItemModel* vue = intermediaire ? static_cast<const QAbstractItemModel*>(intermediaire) : fichiers;
            const QModelIndex racine =
                intermediaire ? intermediaire->mapFromSource(fichiers->index(dossier)) : fichiers->index(dossier);
            bool pret = vue->rowCount(racine) > 0;
            for (int i = 0; i < vue->rowCount(racine); ++i)
                pret = pret && !vue->index(i, 2, racine).data().toString().isEmpty();
            if (!pret && ++attentes_ < 500)
                return;
            if (pret && !vu_) { // once more, for what the listing's end sets off
                vu_ = true;
                return;
            }
            for (int c = 0; c < vue->columnCount(racine); ++c)
                liste.entetes << vue->headerData(c, Qt::Horizontal).toString();
            for (int i = 0; i < vue->rowCount(racine); ++i) {
                const QString nom = vue->index(i, 0, racine).data().toString();
                const QString type = vue->index(i, 2, racine).data().toString();
                liste.tailleEtType[nom] = {vue->index(i, 1, racine).data().toString(), type};
                liste.dates[nom] = vue->index(i, 3, racine).data().toString();
                liste.largeurTypeLePlusLong =
                    std::max(liste.largeurTypeLePlusLong, detail->fontMetrics().horizontalAdvance(type));
            }
            liste.largeurType = detail->header()->sectionSize(2);
            choix->reject();
            minuterie_.stop();
        });
        minuterie_.start();
    }

private:
    QTimer minuterie_;
    int attentes_ = 0;
    bool vu_ = false;
};

const char* const SystemeAnglais = "KELMO_TEST_SYSTEME_ANGLAIS";

} // namespace

TEST(Traductions, AFileChooserOnAnEnglishSystemListsItsFilesInFrench)
{
    // The system's language is read once per run: this test runs again
    // alone, under an English system.
    if (!qEnvironmentVariableIsSet(SystemeAnglais)) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME", "LANGUAGE"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        env.insert(QString::fromLatin1(SystemeAnglais), QStringLiteral("1"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(QString::fromLatin1(t->test_suite_name()),
                                                            QString::fromLatin1(t->name()))});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString sortie = QString::fromLocal8Bit(p.readAll());
        EXPECT_EQ(p.exitCode(), 0) << sortie.toStdString();
        EXPECT_TRUE(sortie.contains(QStringLiteral("[  PASSED  ] 1 test"))) << sortie.toStdString();
        return;
    }
    ASSERT_EQ(QLocale::system().name(), QStringLiteral("en_US"));
    QTranslator* traductions = ChargeTraductionsQt(*QCoreApplication::instance());
    if (!traductions)
        GTEST_SKIP() << "the toolkit's French translations are not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sousdossier")));
    {
        QFile f(dir.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(2000, 'a'));
        f.flush(); // else the write at closing would date the file anew
        f.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7)), QFileDevice::FileModificationTime);
        QFile g(dir.filePath(QStringLiteral("petit.dat")));
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(QByteArray(100, '\0'));
    }
    const QLocale avant;
    DialoguesQt d;
    DemandeFichier f;
    f.dossierInitial = dir.path();
    f.filtre = FiltreFichiersDonnees;
    const std::pair<QString, QString> dossier{QString(), QStringLiteral("Dossier")};
    const std::map<QString, std::pair<QString, QString>> tout = {
        {QStringLiteral("sousdossier"), dossier},
        {QStringLiteral("notes.txt"), {QStringLiteral("1,95 Kio"), QStringLiteral("document texte brut")}},
        {QStringLiteral("petit.dat"), {QStringLiteral("100 octets"), QStringLiteral("inconnu")}},
    };
    struct Cas {
        const char* choix;
        std::function<void()> ouvre;
        std::map<QString, std::pair<QString, QString>> liste;
    };
    const Cas cas[] = {
        {"fichier à ouvrir", [&] { d.FichierOuvrir(f); }, tout},
        {"fichier à enregistrer", [&] { d.FichierEnregistrer(f); }, tout},
        {"dossier", [&] { d.Dossier(QStringLiteral("Dossier"), dir.path()); }, {{QStringLiteral("sousdossier"), dossier}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.choix);
        Liste l;
        {
            LitEtFermeChoix lecture(dir.path(), l);
            c.ouvre();
        }
        EXPECT_EQ(l.entetes, (QStringList{QStringLiteral("Nom"), QStringLiteral("Taille"), QStringLiteral("Type"),
                                          QStringLiteral("Dernière modification")}));
        EXPECT_EQ(l.tailleEtType, c.liste);
        if (c.liste.count(QStringLiteral("notes.txt"))) {
            EXPECT_EQ(l.dates[QStringLiteral("notes.txt")].toStdString(), "05/03/2024 14:07");
        }
        EXPECT_GE(l.largeurType, l.largeurTypeLePlusLong);
        // The program's number rules read no chooser's language.
        EXPECT_EQ(QLocale(), avant);
    }
    QCoreApplication::removeTranslator(traductions);
    delete traductions;
}
