#pragma once
// Small timetable networks built in memory, with the arc editor's lists set
// as a user would set them.
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

#include <ostream>

// Texts shown as text in the failure reports.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kelmo::testhoraires {

// A fresh model; nodes are added with codes 10 times their number.
class HorairesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        K.AfficheMessagesElimination = true;
    }
    void TearDown() override { ReinitialiseDonnees(); }

    int noeud(const QString& nom) { return noeud(nom, (K.NbNoeuds + 1) * 10); }
    int noeud(const QString& nom, int32_t code)
    {
        test::Noeud_(nom, code);
        RemplitListesNoeuds();
        return K.NbNoeuds;
    }
    // A service between nodes o and d (node numbers), indexed.
    int32_t service(int o, int d, int dep, int arr, int16_t mode = -1, float duree = -1, float debit = 0,
                    const QString& jours = QStringLiteral("LMMJV"))
    {
        if (mode < 0)
            mode = TypeTER().Code;
        AjouteArc(K.Noeuds[o].Code, K.Noeuds[d].Code, o, d, mode, 10, duree < 0 ? arr - dep : duree, dep, arr, jours,
                  debit, 100);
        return K.NbArcs;
    }
    // The arc editor on link o-d in the link type of that name.
    void liaison(int o, int d, const QString& type = QStringLiteral("TER"))
    {
        ModeleModifArcs& e = K.Formes.ModifArcs;
        e.ListeModifiable1.Choisit(o);
        e.ListeModifiable2.Choisit(d);
        e.ListeModifiable3.Choisit(static_cast<int>(e.ListeModifiable3.Entrees.indexOf(type)));
    }
    QStringList textes(const ListeServices& l) const
    {
        QStringList r;
        for (const LigneService& x : l.Lignes)
            r << x.Texte;
        return r;
    }

    RepondeurScripte ui;
};

} // namespace kelmo::testhoraires
