// A whole launch from six arbitrary field texts, on the recording window:
// init, calcule, Trace (with TraceImpact on impact) and TraceVitesse, for
// either point count and each of the seven scale presets.
// Input: one byte (bit 0: 100 points; bits 1–3: scale preset; bits 4–5: the
// check boxes), then the texts of Text1 to Text6 separated by '|'.
#include "commun.h"

#include "FenetreEnregistree.h"
#include "SimulationState.h"
#include "calcule.h"
#include "charts.h"
#include "init.h"
#include "verifications.h"
#include "vue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

using namespace orbeline;
using orbeline::fuzz::exige;

namespace {

void exigeVide(const std::string& ecart)
{
    exige(ecart.empty(), ecart);
}

} // namespace

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

    auto s = std::make_unique<SimulationState>();
    test::FenetreEnregistree f;
    Form_Load(*s, f);
    Option3_Click(*s, f, static_cast<std::int16_t>((reglage >> 1 & 7) % kPresets.size()));
    f.cases = {reglage >> 4 & 1, reglage >> 5 & 1};
    for (int n = 1; n <= 6; ++n) f.pic(n).oublie();

    const bool cent = reglage & 1;
    const ChampsSaisis champs{textes[0], textes[1], textes[2], textes[3], textes[4], textes[5], cent, !cent};
    const SimulationState avant = *s;
    if (!init(*s, champs).ok) {
        exige(*s == avant, "init refusé a changé l'état");
        return 0;
    }
    exige(s->NbPoints == (cent ? 100 : 1000), "NbPoints");
    const SimulationState initialise = *s;
    const ResultatCalcul r = calcule(*s);
    const bool arrete = r.compteRendu.message.vue().starts_with("Calcul arrêté");
    if (!r.compteRendu.ok && !arrete) {
        exige(*s == initialise, "calcul refusé a changé l'état");
        exige(r.label11.estVide() && r.label12.estVide(), "légende d'impact d'un calcul refusé");
        return 0;
    }
    exigeVide(test::ecartCalcul(*s, r.label11.vue(), r.label12.vue(), arrete));
    if (arrete) return 0;   // the window draws nothing after a stopped run

    for (int n = 2; n <= 6; ++n) f.pic(n).cls();
    Trace(*s, f);
    TraceVitesse(*s, f);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(s->Nfin); ++i) {
        exige(std::isfinite(s->Vt[i]), "Vt non fini");
        exige(s->Vt[i] >= std::max(std::fabs(s->Vxt[i]), std::fabs(s->Vyt[i])), "V plus petit que |Vx| ou |Vy|");
    }
    exigeVide(test::ecartDessin(f));
    return 0;
}
