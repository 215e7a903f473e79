#pragma once
// A Dialogues that answers from a script and records everything shown, so
// that the handlers run headless in the tests.
#include "platform/Dialogues.h"

#include <deque>
#include <variant>
#include <vector>

namespace kelmo {

struct AppelDialogue {
    enum Genre { Message, Saisie, FichierOuvrir, FichierEnregistrer, Dossier, Couleur, Lancement, Quitte, ChoixPolice };
    Genre genre;
    QString texte;   // message, prompt, or program
    QString titre;
    Boutons boutons = Boutons::OK;
    Icone icone = Icone::Aucune;
    DemandeFichier fichier;  // for the file choosers
    QStringList arguments;   // for a program start
    bool scripte = true;     // false when no answer was queued
};

class RepondeurScripte : public Dialogues {
public:
    using Reponse_ = std::variant<Reponse, std::optional<QString>, std::optional<QColor>, bool, std::optional<Police>>;

    RepondeurScripte();   // installs itself
    ~RepondeurScripte() override; // restores the silent default

    // Queued answers, taken in order by the next dialogues.
    void Repond(Reponse r) { reponses_.push_back(r); }
    void RepondTexte(std::optional<QString> t) { reponses_.push_back(t); }
    void RepondCouleur(std::optional<QColor> c) { reponses_.push_back(c); }
    void RepondLancement(bool ok);
    void RepondPolice(std::optional<Police> p) { reponses_.push_back(p); }

    const std::vector<AppelDialogue>& appels() const { return appels_; }
    std::vector<QString> messages() const; // texts of the message boxes, in order
    int nombreSablier() const { return sablierActive_; }
    bool sablierActif() const { return sablier_; }
    bool reponsesEpuisees() const { return reponses_.empty(); }
    void efface() { appels_.clear(); reponses_.clear(); }

    Reponse Message(const QString& texte, Boutons boutons, Icone icone, const QString& titre) override;
    std::optional<QString> Saisie(const QString& invite, const QString& titre, const QString& defaut) override;
    std::optional<QString> FichierOuvrir(const DemandeFichier& demande) override;
    std::optional<QString> FichierEnregistrer(const DemandeFichier& demande) override;
    std::optional<QString> Dossier(const QString& titre, const QString& dossierInitial) override;
    std::optional<QColor> Couleur(const QColor& initiale) override;
    std::optional<Police> ChoixPolice(const Police& initiale) override;
    Police derniereDemandePolice; // the font the last font choice opened on
    void Sablier(bool actif) override;
    bool LanceProgramme(const QString& programme, const QStringList& arguments) override;
    void Quitte() override;

private:
    template <class T>
    bool prend(T& sortie);
    std::optional<QString> texte(AppelDialogue a);

    std::deque<Reponse_> reponses_;
    std::vector<AppelDialogue> appels_;
    bool sablier_ = false;
    int sablierActive_ = 0;
};

} // namespace kelmo
