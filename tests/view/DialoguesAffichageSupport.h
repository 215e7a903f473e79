#pragma once
// The display option dialogs under test: a fresh model with the start-up
// values they read, a scripted responder, and links that record what the
// handlers project, clear, draw and show instead of doing it.
#include "core/Defauts.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "view/LiensDialogues.h"
#include "view/Angles.h"
#include "view/AspectVisuelArcs.h"
#include "view/AspectVisuelNoeuds.h"
#include "view/ParamAffichage.h"
#include "view/SaisiesAffichage.h"
#include "view/SeuilsAffichage.h"
#include "view/formes/FenetresDialogues.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace kelmo::testdialogues {

class DialogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DetruitDialoguesAffichage();
        ReinitialiseDonnees();
        RetablitLiensDialogues();
        DefinitTypesArcs();
        repondeur = std::make_unique<RepondeurScripte>();
        DefinitValeursParDefaut();
        enregistre();
    }
    void TearDown() override
    {
        DetruitDialoguesAffichage();
        RetablitLiensDialogues();
        repondeur.reset();
    }

    // Every link records its call; showing a dialog runs `reponse` (the
    // user's part of a modal dialog) when set.
    void enregistre()
    {
        LiensDialogues& l = Liens();
        l.CalculeCoordonneesEcran = [this] { appels << QStringLiteral("Calcule"); };
        l.TourneAutourNoeud = [this](double a, const QString& v) {
            appels << QStringLiteral("Tourne %1 %2").arg(a, 0, 'g', 12).arg(v);
        };
        l.InclineNoeuds = [this](double a) { appels << QStringLiteral("Incline %1").arg(a, 0, 'g', 12); };
        l.TrieNoeudsProfondeur = [this] { appels << QStringLiteral("Trie"); };
        l.EffaceIma = [this] { appels << QStringLiteral("Efface"); };
        l.DessineNoeuds = [this](bool s, bool n) { appels << QStringLiteral("Noeuds %1 %2").arg(s).arg(n); };
        l.Kelmo_Form_Resize = [this] { appels << QStringLiteral("Resize"); };
        l.Montre = [this](FormeDialogue, bool modal) {
            appels << (modal ? QStringLiteral("Montre modal") : QStringLiteral("Montre"));
            if (reponse)
                reponse();
        };
    }

    std::unique_ptr<RepondeurScripte> repondeur;
    QStringList appels;
    std::function<void()> reponse;
};

} // namespace kelmo::testdialogues
