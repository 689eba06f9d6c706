// Situations in a link or a file: the same keys, a round trip, and what a
// hostile text becomes.
#include "FenetreEnregistree.h"
#include "principale.h"
#include "situation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

using namespace orbeline;
using namespace orbeline::test;

namespace {

/// A file of the source tree.
std::string lis(const std::string& chemin)
{
    std::ifstream in(std::string(ORBELINE_SOURCES) + "/" + chemin);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(Situation, SavedThenReadBackByLinkOrFileGivesTheSameWindow)
{
    FenetreChargee w;
    FenetreEnregistree& f = w.f;
    f.choisitOption(Groupe::Option3, 6);
    f.choisitOption(Groupe::Option1, 0);
    f.ecritCase(Case::Xy, true);
    for (const auto& [c, t] : {std::pair{Champ::Text1, "7800"}, {Champ::Text4, "6 880,5"}, {Champ::Text5, "1e-3 & <b>"}})
        f.ecritTexte(c, t);
    const Situation s = situationCourante(f);
    EXPECT_EQ(texteLien(s), "vox=7800&voy=0&x=-30000&y=6%20880%2C5&masse=1e-3%20%26%20%3Cb%3E&tau=864&msat=30000&"
                            "echelle=500km&points=100&vitesse=0&xy=1");

    for (const LectureSituation& l : {lisLien(texteLien(s)), lisFichier(texteFichier(s))}) {
        EXPECT_EQ(l.erreur.vue(), "");
        FenetreChargee v;
        appliqueSituation(v.p, v.f, l.situation);
        EXPECT_EQ(v.f.textes, f.textes);
        EXPECT_EQ(v.f.choisies, f.choisies);
        EXPECT_EQ(v.f.cases, f.cases);
        EXPECT_TRUE(v.f.estVisible(Element::Picture5));   // the box ran its handler
        EXPECT_EQ(v.s.Yo, 6880.5e3);                     // read as typed
        EXPECT_EQ(v.f.message, f.message);               // what was read is said as if typed
    }
}

TEST(Situation, HostileTextsAreNamedInFrenchAndNeverTakenForMore)
{
    const std::string long_(10000, '9');
    const struct { bool lien; std::string texte; const char* erreur; const char* vox; } cas[] = {
        {true, "vox=%3Cscript%3Ealert(1)%3C%2Fscript%3E&inconnue=1&%3Cb%3E=" + std::string(2000, 'x'), "",
         "<script>alert(1)</script>"},
        {true, "vox=NaN&&=&vox", "", "NaN"},
        {true, "vox=" + long_ + "&voy=1", "Valeur trop longue pour « vox ».", nullptr},
        {true, "echelle=9&vox=5", "Échelle inconnue dans « echelle » : 10000km, 50000km, 100000km, 50Mkm, 100Mkm, "
                                  "500Mkm, 500km.", "5"},
        {true, "points=10&vitesse=oui", "« points » vaut 100 ou 1000.", nullptr},
        {true, "vox=1%0A2", "Caractère non permis dans la valeur de « vox ».", nullptr},
        {false, "# commentaire\r\nvox = 12 \r\n\r\n", "", "12"},
        {false, "\xEF\xBB\xBFvox=1\nvoy=\xC3\x28", "Caractère non permis dans la valeur de « voy ».", "1"},
        {false, std::string("\x7f" "ELF\x01\x00\x00", 7), "Ligne 1 : une situation d'Orbeline n'a que des lignes "
                                                          "« clé=valeur ».", nullptr},
        {false, "<html><body>vox</body></html>", "Ligne 1 : une situation d'Orbeline n'a que des lignes « clé=valeur ».",
         nullptr},
        {false, "titre=Chute\n", "Ce fichier n'est pas une situation d'Orbeline.", nullptr},
        {false, std::string(kTailleFichierMax + 1, '#'), "Ce fichier est trop grand pour être une situation d'Orbeline.",
         nullptr},
    };
    for (const auto& c : cas) {
        const LectureSituation l = c.lien ? lisLien(c.texte) : lisFichier(c.texte);
        EXPECT_EQ(l.erreur.vue(), c.erreur) << c.texte.substr(0, 40);
        EXPECT_EQ(l.situation.champs[0], c.vox ? std::optional<std::string>(c.vox) : std::nullopt) << c.texte.substr(0, 40);
    }
}

TEST(Situation, StartingValuesAreTheWindowsAsItOpens)
{
    FenetreChargee w;
    const FenetreEnregistree neuve;
    w.f.choisitOption(Groupe::Option3, 4);
    w.f.ecritCase(Case::Vitesse, true);
    w.f.ecritTexte(Champ::Text7, "1");
    appliqueSituation(w.p, w.f, situationDepart());
    EXPECT_EQ(w.f.textes, neuve.textes);
    EXPECT_EQ(w.f.choisies, neuve.choisies);
    EXPECT_EQ(w.f.cases, neuve.cases);
    EXPECT_EQ(w.s.Reduction, 100);
}

TEST(Situation, EachReadyMadeSituationDoesWhatItsLineSays)
{
    enum class Promesse { Tombe, Boucle, Echappe };
    const struct { const char* fichier; Promesse promesse; } cas[] = {
        {"chute", Promesse::Tombe}, {"geostationnaire", Promesse::Boucle}, {"ellipse", Promesse::Boucle},
        {"orbite-basse", Promesse::Boucle}, {"echappement", Promesse::Echappe}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        const std::string contenu = lis(std::string("situations/") + c.fichier + ".orbeline");
        const LectureSituation l = lisFichier(contenu);
        ASSERT_EQ(l.erreur.vue(), "");
        FenetreChargee w;
        appliqueSituation(w.p, w.f, l.situation);
        Command1_Click(w.p, w.f);
        w.f.laisseFiler();
        EXPECT_EQ(w.f.message, "");
        const SimulationState& s = w.s;
        const auto distance = [&](int i, int j) { return std::hypot(s.Xt[i] - s.Xt[j], s.Yt[i] - s.Yt[j]); };
        const double r0 = std::hypot(s.Xt[0], s.Yt[0]);
        // Closes: after a whole turn at least, a point comes back within 0.2 % of the radius of its start.
        double retour = r0;
        for (int i = 50; i <= s.Nfin; ++i) retour = std::min(retour, distance(i, 0));
        EXPECT_EQ(w.f.etiquettes[Etiquette::Label11].empty(), c.promesse != Promesse::Tombe);
        EXPECT_EQ(retour < 0.002 * r0, c.promesse == Promesse::Boucle);
        EXPECT_EQ(std::hypot(s.Xt[s.Nfin], s.Yt[s.Nfin]) > 5 * r0, c.promesse == Promesse::Echappe);
        // What to observe, word for word in the pupil's guide (its lines wrapped).
        const std::string marque = "# À observer : ";
        const auto debut = contenu.find(marque) + marque.size();
        const std::string ligne = contenu.substr(debut, contenu.find('\n', debut) - debut);
        std::string guide = lis("README.md");
        for (std::size_t i; (i = guide.find("\n  ")) != std::string::npos;) guide.replace(i, 3, " ");
        EXPECT_NE(guide.find(std::string(c.fichier) + "** : " + ligne), std::string::npos) << ligne;
    }
}
