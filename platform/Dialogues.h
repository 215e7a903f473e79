#pragma once
// Every message box, input box, file or folder chooser, program start and
// quit goes through this one interface: the windows use the Qt
// implementation, the tests a scripted responder.
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelmo {

enum class Boutons { OK, OKAnnuler, OuiNon, OuiNonAnnuler };
enum class Icone { Aucune, Exclamation, Critique, Question, Information };
enum class Reponse { OK, Annuler, Oui, Non };

// A file chooser as the old common dialog took it: the filter is written
// "Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt", the index counts
// its pairs from 1.
struct DemandeFichier {
    QString titre;
    QString dossierInitial;
    QString filtre;
    int indexFiltre = 1;
    QString nomFichier;
    // Save dialogs: whether the chooser itself asks before replacing a file.
    bool confirmeRemplacement = true;
};

// The filter of every data file chooser.
inline const QString FiltreFichiersDonnees = QStringLiteral("Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt");

// A font choice with the text colour, as the old font dialog gave them.
struct Police {
    QString nom = QStringLiteral("Arial");
    double taille = 8.25;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    QColor couleur = QColor(0, 0, 0);
};

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // An empty title means the program's own ("KELMO").
    virtual Reponse Message(const QString& texte, Boutons boutons, Icone icone, const QString& titre) = 0;
    // std::nullopt when the box is cancelled.
    virtual std::optional<QString> Saisie(const QString& invite, const QString& titre, const QString& defaut) = 0;
    virtual std::optional<QString> FichierOuvrir(const DemandeFichier& demande) = 0;
    virtual std::optional<QString> FichierEnregistrer(const DemandeFichier& demande) = 0;
    virtual std::optional<QString> Dossier(const QString& titre, const QString& dossierInitial) = 0;
    virtual std::optional<QColor> Couleur(const QColor& initiale) = 0;
    // std::nullopt when the box is cancelled.
    virtual std::optional<Police> ChoixPolice(const Police& initiale)
    {
        (void)initiale;
        return std::nullopt;
    }
    // The hourglass pointer over the whole application.
    virtual void Sablier(bool actif) = 0;
    // Starts a program without waiting for it; false when it cannot start.
    virtual bool LanceProgramme(const QString& programme, const QStringList& arguments) = 0;
    // Ends the program at once: no window is asked to close, nothing is saved.
    virtual void Quitte() = 0;
};

// What Quitte does in the program: the event loop ends, whatever windows are
// open. Asking each window to close first would let a window whose close box
// is its own "Quitter" (a timetable) refuse, and the program would go on with
// no map.
void TermineBoucleEvenements();

Dialogues& Ui();
// Installs the implementation in use (not owned); nullptr restores the silent
// default, which answers OK, Non and "cancelled" to everything.
void DefinitUi(Dialogues* dialogues);

// Shorthands for the common cases.
inline void MessageOK(const QString& texte, Icone icone = Icone::Aucune, const QString& titre = QString())
{
    Ui().Message(texte, Boutons::OK, icone, titre);
}
inline void MessageErreur(const QString& texte) { Ui().Message(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur")); }

// Sets the hourglass for the life of the object.
class Sablier {
public:
    Sablier() { Ui().Sablier(true); }
    ~Sablier() { Ui().Sablier(false); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

} // namespace kelmo
