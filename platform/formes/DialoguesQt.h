#pragma once
// The dialogues of the running program, over Qt's standard boxes.
#include "platform/Dialogues.h"

class QWidget;

namespace kelmo {

class DialoguesQt final : public Dialogues {
public:
    explicit DialoguesQt(QWidget* parent = nullptr) : parent_(parent) {}
    void definitParent(QWidget* parent) { parent_ = parent; }

    Reponse Message(const QString& texte, Boutons boutons, Icone icone, const QString& titre) override;
    std::optional<QString> Saisie(const QString& invite, const QString& titre, const QString& defaut) override;
    std::optional<QString> FichierOuvrir(const DemandeFichier& demande) override;
    std::optional<QString> FichierEnregistrer(const DemandeFichier& demande) override;
    std::optional<QString> Dossier(const QString& titre, const QString& dossierInitial) override;
    std::optional<QColor> Couleur(const QColor& initiale) override;
    std::optional<Police> ChoixPolice(const Police& initiale) override;
    void Sablier(bool actif) override;
    bool LanceProgramme(const QString& programme, const QStringList& arguments) override;
    void Quitte() override;

private:
    QWidget* parent_;
    int sabliers_ = 0;
};

// "Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt" as Qt filters.
QStringList FiltresQt(const QString& filtre);

} // namespace kelmo
