#include "relief/RapportAnamorphose.h"
#include "core/FichierNoeuds.h"
#include "core/Modele.h"
#include "core/TableTypes.h"
#include "platform/CodePageAnsi.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace kelmo {
namespace {

// A name as its 20 columns show it; a never-written name holds NULs, which
// have no place in a text file.
void ajouteNom(std::string& sortie, const Noeud& n)
{
    AjouteAnsi(sortie, n.Nom.debut(20).replace(QChar(u'\0'), QLatin1Char(' ')));
}

bool noeudValide(int i) { return i >= 1 && i <= K.NbNoeuds && i < static_cast<int>(K.Noeuds.size()); }

} // namespace

std::string TexteRapportAnamorphose(double vitesseMax)
{
    const TableTypes types;
    const char sep = K.SeparateurDecimal;
    std::string sortie = EnTeteRapportAnamorphose;
    sortie += "\r\n";
    // Both sums are singles, as the stress has always been accumulated.
    float sommeErreurs = 0, sommeVoulues = 0;
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[i];
        if (a.Minimal != 1 || a.Longueur == 0)
            continue;
        const TypeArc* t = types.type(a.Mode);
        if (!t || t->Vitesse <= 0 || !noeudValide(a.IndiceOrigine) || !noeudValide(a.IndiceDestination))
            continue;
        const Noeud& o = K.Noeuds[a.IndiceOrigine];
        const Noeud& d = K.Noeuds[a.IndiceDestination];
        // Every quantity is a single, as its column has always shown it.
        const auto simple = [&](double valeur, const char* colonne) {
            if (!TientDansChamp(valeur, GenreChamp::Simple))
                LeveErreurExpliquee(ErrDepassement, MessageValeurRapportAnamorphose.arg(i)
                                                        .arg(o.Nom.sansBlancsFinaux(), d.Nom.sansBlancsFinaux(),
                                                             QString::fromLatin1(colonne), TexteValeurRefusee(valeur)));
            return static_cast<float>(valeur);
        };
        const double dx = static_cast<double>(o.XAnamorphose) - d.XAnamorphose;
        const double dy = static_cast<double>(o.YAnamorphose) - d.YAnamorphose;
        const float longArc = simple(std::sqrt(dx * dx + dy * dy), "LongArc");
        const float longVoulue = simple(static_cast<double>(a.Longueur) * vitesseMax / t->Vitesse, "LongArcVoulue");
        const float errArc = simple(std::fabs(static_cast<double>(longVoulue) - longArc), "ErrArc");
        sommeErreurs = simple(sommeErreurs + static_cast<double>(errArc) * errArc, "Stress");
        sommeVoulues = simple(sommeVoulues + static_cast<double>(longVoulue) * longVoulue, "Stress");
        const float stress = sommeVoulues != 0 ? simple(static_cast<double>(sommeErreurs) / sommeVoulues, "Stress") : 0;

        ajouteNom(sortie, o);
        sortie += ' ';
        ajouteNom(sortie, d);
        sortie += ' ';
        sortie += FormatMotif(a.Mode, "000", sep);
        sortie += "     ";
        sortie += FormatMotif(longArc, "0000.000", sep);
        sortie += "     ";
        sortie += FormatMotif(longVoulue, "0000.000", sep);
        sortie += "     ";
        sortie += FormatMotif(errArc, "0000.000", sep);
        sortie += "     ";
        sortie += FormatMotif(stress, "000.000", sep);
        sortie += "  ";
        sortie += FormatMotif(a.IndiceOrigine, "0000000000", sep);
        sortie += "  ";
        sortie += FormatMotif(a.IndiceDestination, "0000000000", sep);
        sortie += "\r\n";
    }
    return sortie;
}

void EcritRapportAnamorphose(const QString& chemin, double vitesseMax)
{
    EnregistreFichier(chemin, TexteRapportAnamorphose(vitesseMax));
}

QString CheminRapportAnamorphose()
{
    auto accessible = [](const QString& dossier) {
        const QFileInfo f(dossier);
        return !dossier.isEmpty() && f.isDir() && f.isWritable();
    };
    // The temporary folder's path is empty when TMPDIR names no folder.
    QString dossier = K.RacineDonnees;
    if (!accessible(dossier) && accessible(QDir::tempPath()))
        dossier = QDir::tempPath();
    return QDir(dossier).filePath(NomRapportAnamorphose);
}

void EcritEtMontreRapportAnamorphose(double vitesseMax)
{
    const QString chemin = CheminRapportAnamorphose();
    try {
        EcritRapportAnamorphose(chemin, vitesseMax);
    } catch (const ErreurExecution& e) {
        MessageErreur(MessageErreurRapportAnamorphose + chemin
                      + (e.expliquee() ? QStringLiteral("\r") + e.description() : QString()));
        return;
    }
    Ui().LanceProgramme(VisionneurRapport, {chemin});
}

} // namespace kelmo
