// A whole launch from six arbitrary field texts, through the main window's
// procedures on the recording window: "Lancer" with its star run to the end,
// for either point count and each of the seven scale presets.
// Input: one byte (bit 0: 100 points; bits 1–3: scale preset; bits 4–5: the
// check boxes), then the texts of Text1 to Text6 separated by '|'.
#include "commun.h"

#include "FenetreEnregistree.h"
#include "calcule.h"
#include "init.h"
#include "principale.h"
#include "verifications.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

using namespace orbeline;
using orbeline::fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille)
{
    if (taille == 0) return 0;
    const std::uint8_t reglage = data[0];
    std::array<std::string, 6> textes;
    std::size_t champ = 0;
    for (std::size_t i = 1; i < taille; ++i) {
        if (data[i] == '|' && champ < textes.size() - 1) ++champ;
        else textes[champ] += static_cast<char>(data[i]);
    }

    auto p = std::make_unique<Principale>();
    test::FenetreEnregistree f(p.get());
    Form_Load(*p, f);
    f.choisitOption(Groupe::Echelle, (reglage >> 1 & 7) % static_cast<int>(kPresets.size()));
    const bool cent = reglage & 1;
    f.choisies[0] = cent ? 0 : 1;
    f.cases = {reglage >> 4 & 1, reglage >> 5 & 1};
    for (int n = 1; n <= 6; ++n) f.pic(n).oublie();
    // Written as a paste would leave them, without a handler per field: the launch reads them.
    for (std::size_t k = 0; k < textes.size(); ++k) f.textes[static_cast<Champ>(k)] = textes[k];

    // What init alone makes of them.
    auto attendu = std::make_unique<SimulationState>(p->etat);
    const bool lu = init(*attendu, {textes[0], textes[1], textes[2], textes[3], textes[4], textes[5], cent, !cent}).ok;
    const SimulationState avant = p->etat;

    Command1_Click(*p, f);
    acheveLancement(*p, f);
    const std::string_view arret = tr(kCalculArrete);
    const bool arrete = f.message.starts_with(arret.substr(0, arret.find('%')));
    if (!f.points && !arrete) {
        exige(!f.message.empty(), "lancement sans points ni message");
        exige(p->etat == (lu ? *attendu : avant), "un lancement refusé a changé l'état");
        exige(f.etiquettes[Etiquette::ImpactTemps].empty() && f.etiquettes[Etiquette::ImpactVitesse].empty(),
              "légende d'impact d'un lancement refusé");
        return 0;
    }
    exige(p->etat.NbPoints == (cent ? 100 : 1000), "NbPoints");
    const std::string ecart = test::ecartCalcul(p->etat, f.etiquettes[Etiquette::ImpactTemps],
                                                f.etiquettes[Etiquette::ImpactVitesse], arrete);
    exige(ecart.empty(), ecart);
    if (arrete) return 0;   // the window draws nothing after a stopped run

    for (std::size_t i = 0; i <= static_cast<std::size_t>(p->etat.Nfin); ++i) {
        const SimulationState& s = p->etat;
        exige(std::isfinite(s.Vt[i]), "Vt non fini");
        exige(s.Vt[i] >= std::max(std::fabs(s.Vxt[i]), std::fabs(s.Vyt[i])), "V plus petit que |Vx| ou |Vy|");
    }
    const std::string dessin = test::ecartDessin(f);
    exige(dessin.empty(), dessin);
    return 0;
}
