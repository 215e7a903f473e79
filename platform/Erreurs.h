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
    ErreurExecution(int numero, const QString& description);
    int numero() const { return numero_; }
    const QString& description() const { return description_; }

private:
    int numero_;
    QString description_;
};

// The French description of a runtime error number.
QString DescriptionErreur(int numero);

[[noreturn]] void LeveErreur(int numero, const QString& detail = QString());

} // namespace kelmo
