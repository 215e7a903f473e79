#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Tables.h"
#include "core/Colonnes.h"
#include "core/DonneesDerivees.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TypesArcs.h"
#include "platform/CodePageAnsi.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {
namespace {

QString nomCourt(const QString& chemin)
{
    QString c = chemin;
    c.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype p = c.lastIndexOf(QLatin1Char('/'));
    return p < 0 ? c : c.mid(p + 1);
}

// The pattern of the hhmm columns of the file.
constexpr const char* MotifTemps = "0000";

} // namespace

bool TempsTientDansFichierArcs(double minutes)
{
    std::string champ;
    return FormatMotifDansColonne(MinutesEnHeure(minutes), MotifTemps, '.', champ);
}

QString LimitesTempsFichierArcs() { return QStringLiteral("de -599 à 5999 minutes"); }

void SignaleErreurVitesse(double ligne, double origine, double destination, double mode, double longueur,
                          double duree, double vitesse)
{
    const QChar sep = QLatin1Char(K.SeparateurDecimal);
    const QString texte = QStringLiteral("Erreur de vitesse (>300Km/h) dans ") + K.NomFichierArcs
                          + QStringLiteral("Ligne :") + TexteGeneral(ligne, sep) + QStringLiteral("Vitesse :")
                          + TexteGeneral(vitesse, sep) + QStringLiteral("Codes O.D. :") + TexteAvecSigne(origine)
                          + TexteAvecSigne(destination) + QStringLiteral("Mode-Longueur-Temps :") + TexteAvecSigne(mode)
                          + TexteAvecSigne(longueur, true) + TexteAvecSigne(duree);
    Ui().Message(texte, Boutons::OK, Icone::Aucune, QStringLiteral("Erreur de Vitesse"));
}

void LitFichierArcs(const QString& chemin)
{
    const std::string contenu = LitFichierEntier(chemin);
    const std::vector<std::string_view> lignes = DecoupeLignes(contenu);
    if (lignes.empty())
        LeveErreur(ErrFinDeFichier);

    const bool ajout = K.AjoutFichierArcs;
    const int32_t premier = ajout ? K.NbArcs + 1 : 1;
    if (static_cast<int64_t>(premier) - 1 + static_cast<int64_t>(lignes.size()) > NbMaxArcsFichier) {
        // The arcs already loaded count only when the file is added to them.
        const QString texte =
            ajout ? QStringLiteral("Le fichier %1 compte %2 arcs : avec les %3 arcs déjà chargés, la table "
                                   "des arcs dépasserait %4 arcs. Il n'a pas été lu.")
                        .arg(chemin)
                        .arg(lignes.size())
                        .arg(premier - 1)
                        .arg(NbMaxArcsFichier)
                  : QStringLiteral("Le fichier %1 compte %2 arcs, plus que les %3 que peut contenir la table "
                                   "des arcs : il n'a pas été lu.")
                        .arg(chemin)
                        .arg(lignes.size())
                        .arg(NbMaxArcsFichier);
        // The command that asked for the file shows this, in its one box.
        LeveErreurExpliquee(ErrTropDeDonnees, texte);
    }

    // Read into a new table so that a failure leaves the loaded one intact.
    std::vector<Arc> arcs;
    arcs.reserve(static_cast<std::size_t>(premier) + lignes.size());
    if (ajout)
        arcs.assign(K.Arcs.begin(), K.Arcs.begin() + premier);
    else
        arcs.resize(1);
    const TexteFixe<7> jours(QStringLiteral("0000000"));
    // The road group by code, for every link type, looked up once per file.
    std::vector<char> routeParCode(65536, 0);
    for (const TypeArc& t : K.TypesArcs)
        routeParCode[static_cast<uint16_t>(t.Code)] = EstModeRoutierGroupe(t.Code);
    for (std::string_view l : lignes) {
        Arc& a = arcs.emplace_back();
        a.CodeOrigine = EnEntier32(ValeurNombre(Colonnes(l, 1, 10), true));
        a.CodeDestination = EnEntier32(ValeurNombre(Colonnes(l, 12, 21), true));
        a.Mode = EnEntier16(ValeurNombre(Colonnes(l, 23, 26), true));
        a.Longueur = EnSimple(ValeurNombre(Colonnes(l, 28, 35), true));
        a.Duree = EnSimple(ValeurNombre(Colonnes(l, 37, 40), true));
        // A time before midnight is written with its sign (-020 for -00:20)
        // and reads back as that time.
        a.HeureDepart = EnEntier16(HeureSigneeEnMinutes(ValeurNombre(Colonnes(l, 42, 45), true)));
        a.HeureArrivee = EnEntier16(HeureSigneeEnMinutes(ValeurNombre(Colonnes(l, 47, 50), true)));
        a.Debit = EnSimple(ValeurNombre(Colonnes(l, 60, 65), true));
        a.Capacite = EnSimple(ValeurNombre(Colonnes(l, 67, 72), true));
        a.Minimal = routeParCode[static_cast<uint16_t>(a.Mode)] ? 1 : 0;
        a.Jours = jours;
    }
    const int32_t nbArcs = static_cast<int32_t>(arcs.size()) - 1;
    const int16_t codeRoute70 = TypeRoute70().Code;
    for (int32_t i = premier; i <= nbArcs; ++i) {
        Arc& a = arcs[i];
        if (a.Mode == 7000)
            a.Mode = codeRoute70;
        // A negative duration (an arrival typed before its departure) is
        // written with its sign too.
        const double minutes = HeureSigneeEnMinutes(a.Duree);
        const double vitesse = minutes != 0 ? a.Longueur / (minutes / 60.0) : 0.0;
        if (a.Mode == 3 && vitesse > 300)
            SignaleErreurVitesse(i, a.CodeOrigine, a.CodeDestination, a.Mode, a.Longueur, minutes, vitesse);
        a.Duree = static_cast<float>(minutes);
    }

    K.Arcs = std::move(arcs);
    K.NbArcs = nbArcs;
    // The comparison classes belong to the table they were computed on.
    if (ajout)
        K.ComparaisonArcs.resize(static_cast<std::size_t>(nbArcs) + 1, 0.0f);
    else
        K.ComparaisonArcs.assign(static_cast<std::size_t>(nbArcs) + 1, 0.0f);

    ModeleModifArcs& m = K.Formes.ModifArcs;
    if (ajout) {
        m.Height = 4185;
    } else {
        m.Height = 2595;
        m.ListeFichArcs.Clear();
    }
    m.ListeFichArcs.AddItem(nomCourt(chemin) + QStringLiteral("  (") + TexteAvecSigne(nbArcs - premier + 1)
                            + QStringLiteral(" arcs)"));

    RemplitListesTypes();
    bool horaire = false;
    for (int32_t i = 1; i <= K.NbArcs && !horaire; ++i)
        horaire = EstHoraire(K.Arcs[i].HeureDepart, K.Arcs[i].HeureArrivee);
    K.Menu(QStringLiteral("menDéveloppmentHoraire")).Enabled = horaire;
    if (K.VitesseReference == 0)
        K.VitesseReference = 100;
    K.StatusBar.Panneaux[2] = QString::number(K.NbArcs) + QStringLiteral(" arcs (") + chemin + QStringLiteral(")  ");
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

void CreeFichierArcs(const QString& chemin)
{
    const QString message = QStringLiteral("Création du fichier d'arcs...");
    const FinProgression fin;
    AfficheProgression(K.NbArcs, 1, message);
    const char sep = K.SeparateurDecimal;
    std::string sortie;
    sortie.reserve(static_cast<std::size_t>(K.NbArcs) * 96);
    std::string champ;
    // An end that matches no node is written as blanks, never as NULs.
    auto nomNoeud = [](int16_t indice) {
        if (indice < 1 || indice > K.NbNoeuds)
            return QString(10, QLatin1Char(' '));
        QString n = K.Noeuds[indice].Nom.debut(10);
        n.replace(QChar(u'\0'), QLatin1Char(' '));
        return n;
    };
    struct Champ {
        const char* nom;
        double valeur;
        const char* motif;
    };
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        AfficheProgression(K.NbArcs, i, message);
        const Arc& a = K.Arcs[i];
        if (K.EliminationArcsDeconnectes && (a.IndiceOrigine == 0 || a.IndiceDestination == 0))
            continue;
        const Champ champs[] = {{"code origine", static_cast<double>(a.CodeOrigine), "0000000000"},
                                {"code destination", static_cast<double>(a.CodeDestination), "0000000000"},
                                {"mode", static_cast<double>(a.Mode), "0000"},
                                {"longueur", a.Longueur, "0000.000"},
                                // An infinite duration has no hhmm: quoted as it is.
                                {"durée", std::isfinite(a.Duree) ? MinutesEnHeure(a.Duree) : a.Duree, MotifTemps},
                                {"départ", MinutesEnHeure(a.HeureDepart), MotifTemps},
                                {"arrivée", MinutesEnHeure(a.HeureArrivee), MotifTemps}};
        bool premierChamp = true;
        auto ecrit = [&](const Champ& c) {
            if (!FormatMotifDansColonne(c.valeur, c.motif, sep, champ)) {
                const QString texte =
                    QStringLiteral("L'arc n° %1 (%2 - %3) a une valeur trop large pour sa colonne (%4 = %5) : "
                                   "le fichier %6 n'a pas été écrit.")
                        .arg(i)
                        .arg(a.CodeOrigine)
                        .arg(a.CodeDestination)
                        .arg(QString::fromUtf8(c.nom), TexteValeurRefusee(c.valeur), chemin);
                MessageErreur(texte);
                LeveErreur(ErrDepassement, texte);
            }
            if (!premierChamp)
                sortie.push_back(' ');
            premierChamp = false;
            sortie += champ;
        };
        for (const Champ& c : champs)
            ecrit(c);
        sortie.push_back(' ');
        QString jours = a.Jours.texte();
        if (a.Jours[0] == u'\0')
            jours = QStringLiteral("0000000");
        AjouteAnsi(sortie, jours);
        ecrit({"débit", a.Debit, "000000"});
        ecrit({"capacité", a.Capacite, "000000"});
        sortie.push_back(' ');
        AjouteAnsi(sortie, nomNoeud(a.IndiceOrigine));
        sortie.push_back(' ');
        AjouteAnsi(sortie, nomNoeud(a.IndiceDestination));
        sortie += "\r\n";
    }
    EnregistreFichier(chemin, sortie);
    AfficheProgression(K.NbArcs, K.NbArcs, message);
}

} // namespace kelmo
