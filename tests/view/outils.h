#pragma once
// Helpers shared by the view tests.

#include "FenetreEnregistree.h"
#include "SimulationState.h"
#include "init.h"
#include "vue.h"

#include <string>
#include <utility>

namespace orbeline::test {

/// The window right after loading, Text1..Text6 wired to init as in the real window.
struct FenetreChargee {
    SimulationState s;                  ///< the record
    FenetreEnregistree f;               ///< the recording window
    SurfaceEnregistree& p1 = f.pic(1);  ///< the orbit view

    FenetreChargee()
    {
        f.surChangement = [this](Champ) {
            init(s, {f.texte(Champ::Text1), f.texte(Champ::Text2), f.texte(Champ::Text3),
                     f.texte(Champ::Text4), f.texte(Champ::Text5), f.texte(Champ::Text6), false, true});
        };
        Form_Load(s, f);
    }
};

/// Centre of a control in user units (left + w/2, top − h/2).
inline std::pair<double, double> centreDe(const SurfaceEnregistree& p, Controle c)
{
    return {p.etat.gauche(c) + p.etat.largeur(c) / 2.0, p.etat.haut(c) - p.etat.hauteur(c) / 2.0};
}

} // namespace orbeline::test
