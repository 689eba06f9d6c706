// Situations from outside: a link's query or a file, read, written back in
// both forms and read again (the same situation, nothing refused), then
// opened on the recording window (what was read is what the window holds,
// nothing changes for what is not a situation, every drawing finite).
// Input: one byte (bit 0: a link, else a file), then the text.
#include "commun.h"

#include "FenetreEnregistree.h"
#include "principale.h"
#include "situation.h"
#include "verifications.h"

#include <cstdint>
#include <memory>
#include <string>

using namespace orbeline;
using orbeline::fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille)
{
    if (taille == 0) return 0;
    const bool lien = data[0] & 1;
    const std::string texte(reinterpret_cast<const char*>(data + 1), taille - 1);
    const LectureSituation l = lien ? lisLien(texte) : lisFichier(texte);
    exige(l.rien == (l.situation == Situation{}), "une situation vide qui s'applique, ou l'inverse");
    exige(!l.rien || lien || !l.erreur.empty(), "un fichier refusé sans un mot");

    // Written back in either form, it reads again the same, with nothing refused.
    if (!l.rien) {
        for (const LectureSituation& relue : {lisLien(texteLien(l.situation)), lisFichier(texteFichier(l.situation))}) {
            exige(relue.situation == l.situation, "relue, la situation n'est plus la même");
            exige(relue.erreur.empty() && !relue.rien, "ce qui est écrit n'est pas relu");
        }
    }

    auto p = std::make_unique<Principale>();
    test::FenetreEnregistree f(p.get());
    Form_Load(*p, f);
    const auto avant = f.textes;
    const bool appliquee = appliqueLecture(*p, f, l);
    exige(appliquee == !l.rien, "appliquée sans être une situation");
    if (!appliquee) {
        exige(f.textes == avant && f.consignes.empty(), "ce qui n'est pas une situation a changé la fenêtre");
        return 0;
    }
    for (std::size_t k = 0; k < 6; ++k)
        if (l.situation.champs[k]) exige(f.textes[static_cast<Champ>(k)] == *l.situation.champs[k], "champ mal rempli");
    exige(!l.situation.echelle || f.choisies[2] == *l.situation.echelle, "échelle mal choisie");
    exige(f.consignes.size() == (consigneDans(l.situation.consignes, langue()).empty() ? 0u : 1u), "consigne non montrée");
    exige(l.erreur.empty() || f.message.starts_with(l.erreur), "refus non signalé");
    // The window's situation now is saved and reopens as it is.
    const Situation courante = situationCourante(*p, f);
    exige(lisFichier(texteFichier(courante)).situation == courante, "la situation de la fenêtre ne se rouvre pas");
    const std::string dessin = test::ecartDessin(f);
    exige(dessin.empty(), dessin);
    return 0;
}
