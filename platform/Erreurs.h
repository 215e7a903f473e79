#pragma once
// Run-time errors of the old runtime, kept with their numbers because the
// messages shown to the user quote them ("L'erreur inattendue no. 6 ...").
#include <QString>
#include <stdexcept>

namespace kelmo {

enum NumeroErreur : int {
    ErrAppelIncorrect = 5,     // invalid procedure call (a column window outside the line)
    ErrDepassement = 6,        // overflow
    ErrTypeIncompatible = 13,  // type mismatch (a text that is not a number)
    ErrFichierIntrouvable = 53,
    ErrFinDeFichier = 62,      // input past end of file
    ErrPeripherique = 68,      // device unavailable
    ErrDisqueNonPret = 71,
    ErrAccesChemin = 75,
    ErrCheminIntrouvable = 76,
    ErrEcriture = 57,          // device I/O error (disk full, rename failed)
    ErrTropDeDonnees = 9,      // subscript out of range: a table limit reached
};

class ErreurExecution : public std::runtime_error {
public:
    ErreurExecution(int numero, const QString& description, bool expliquee = false);
    int numero() const { return numero_; }
    const QString& description() const { return description_; }
    // The description is written for the user and says what went wrong
    // better than the general message of the command that caught it.
    bool expliquee() const { return expliquee_; }

private:
    int numero_;
    QString description_;
    bool expliquee_;
};

// The French description of a runtime error number.
QString DescriptionErreur(int numero);

[[noreturn]] void LeveErreur(int numero, const QString& detail = QString());
// Raises an error whose text the command that catches it shows as it is, in
// its one message box (a file refused whole, naming the file and the limit).
[[noreturn]] void LeveErreurExpliquee(int numero, const QString& texte);
// What a command shows for an error it caught: the error's own text when it
// is written for the user, else the command's general message.
QString TexteErreurPourCommande(const std::exception& e, const QString& messageCommande);

} // namespace kelmo
