// Situations in a link or a file: the same keys, a round trip, and what a hostile text becomes.
#include "FenetreEnregistree.h"
#include "legende.h"
#include "principale.h"
#include "situation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

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
    f.choisitOption(Groupe::Echelle, 6);
    f.choisitOption(Groupe::Points, 0);
    f.ecritCase(Case::Vitesse, true);
    f.ecritCase(Case::Xy, true);
    f.ecritCase(Case::Energie, true);
    Reglage_Click(w.p, f, Reglage::Vecteur, true);
    Reglage_Click(w.p, f, Reglage::Coloris, true);
    for (const auto& [c, t] : {std::pair{Champ::Text1, "7800"}, {Champ::Text4, "6 880,5"}, {Champ::Text5, "1e-3 & <b>"}, {Champ::Text7, "1"}})
        f.ecritTexte(c, t);
    w.p.consignes[0] = "Que vaut t ?";
    const Situation s = situationCourante(w.p, f);
    EXPECT_EQ(texteLien(s), "vox=7800&voy=0&x=-30000&y=6%20880%2C5&masse=1e-3%20%26%20%3Cb%3E&tau=864&msat=1&"
                            "echelle=500km&points=100&vitesse=1&xy=1&energie=1&coloris=1&vecteur=1&observer=Que%20vaut%20t%20%3F");

    choisitLangue(Langue::en);
    const std::string anglais = texteFichier(s);   // a teacher's English file, opened in French
    choisitLangue(Langue::fr);
    for (const LectureSituation& l : {lisLien(texteLien(s)), lisFichier(texteFichier(s)), lisFichier(anglais)}) {
        EXPECT_EQ(l.erreur, "");
        FenetreChargee v;
        appliqueLecture(v.p, v.f, l);
        EXPECT_EQ(std::tie(v.f.textes, v.f.choisies, v.f.cases), std::tie(f.textes, f.choisies, f.cases));
        EXPECT_TRUE(v.f.estVisible(zone(5)));   // the box ran its handler
        EXPECT_EQ(v.s.Yo, 6880.5e3);                     // read as typed
        EXPECT_EQ(v.f.message, f.message);               // what was read is said as if typed
        EXPECT_EQ(v.f.consignes, std::vector<std::string>{"Que vaut t ?"});
        EXPECT_EQ(situationCourante(v.p, v.f), s);
    }
    // The starting values, written and read back: the window as it opens, the first scale, the options off.
    appliqueSituation(w.p, f, lisLien(texteLien(situationDepart())).situation);
    FenetreChargee neuve;
    EXPECT_EQ(std::tie(f.textes, f.choisies, f.cases), std::tie(neuve.f.textes, neuve.f.choisies, neuve.f.cases));
    EXPECT_EQ(std::tuple(situationCourante(w.p, f), w.s.Reduction), std::tuple(situationCourante(neuve.p, neuve.f), 100));
    EXPECT_EQ(situationCourante(w.p, f).echelle, 0);
}

TEST(Situation, WhatIsSavedAlwaysReopensWithoutTheCharactersAFieldCannotHold)
{
    const std::string long_(2000, '9');
    const struct { const char* texte; std::string relu; } cas[] = {
        {"30\n000", "30 000"}, {"1\r2\x01\x7f\u0085", "12"}, {"1\nechelle=50Mkm\r\npoints=100", "1 echelle=50Mkm points=100"},
        {long_.c_str(), long_.substr(0, kLongueurValeurMax)}, {"\t5\t", "5"}, {"a\xff" "b\xc3", "ab"},
    };
    for (const auto& c : cas) {
        Situation s = situationDepart();
        s.champs[0] = c.texte;
        s.consignes[0] = c.texte;
        for (const LectureSituation& l : {lisLien(texteLien(s)), lisFichier(texteFichier(s))}) {
            EXPECT_EQ(l.erreur, "") << c.texte;
            EXPECT_EQ(l.situation.champs[0], c.relu) << c.texte;
            EXPECT_EQ(l.situation.consignes[0], c.relu) << c.texte;
            EXPECT_EQ(l.situation.echelle, 0) << c.texte;   // nothing injected
        }
    }
}

TEST(Situation, WhatToObserveIsCutToAThousandCharactersInEachLanguageWithAMessageThenReopensAsShown)
{
    std::string e600;
    for (int i = 0; i < 600; ++i) e600 += "é";   // 1200 bytes, 600 characters: kept
    const std::string b600(600, 'b');
    const LectureSituation l = lisFichier("# À observer : " + e600 + "\n# À observer : " + b600 + "\n# What to observe: " + e600);
    EXPECT_EQ(l.erreur, "Le texte «\u00a0À observer\u00a0» a plus de 1000\u00a0caractères\u00a0: seuls les 1000 premiers sont gardés.");
    const std::string coupe = e600 + " " + b600.substr(0, 399);
    EXPECT_EQ(l.situation.consignes, (Consignes{coupe, e600}));
    FenetreChargee w;
    appliqueLecture(w.p, w.f, l);
    EXPECT_EQ(w.f.consignes, std::vector<std::string>{coupe});   // shown as kept, in the window's language
    const Situation s = situationCourante(w.p, w.f);
    for (const LectureSituation& relue : {lisLien(texteLien(s)), lisFichier(texteFichier(s))})
        EXPECT_EQ(std::tie(relue.erreur, relue.situation.consignes), std::tie("", s.consignes));
    // A language without a text of its own shows the French one, else the one given.
    EXPECT_EQ(std::tuple(consigneDans({"", "Look"}, Langue::fr), consigneDans({"Voir", ""}, Langue::en)), std::tuple("Look", "Voir"));
    EXPECT_EQ(lisLien("observer.EN=Look&observer.de=Sieh").situation.consignes, (Consignes{"", "Look"}));
}

TEST(Situation, WhatIsRightAppliesAndEachRefusedKeyOrValueIsNamedWithItsLine)
{
    const std::string long_(10000, '9');
    const std::string utf16("\xFF\xFEv\0o\0x\0=\0" "1\0", 12), binaire("\x7f" "ELF\x01\x00\x00", 7);
    const struct { bool lien; std::string texte; const char* erreur; const char* vox; } cas[] = {
        {true, "vox=%3Cscript%3Ealert(1)%3C%2Fscript%3E&inconnue=1&%3Cb%3E=" + std::string(2000, 'x') + "&&=&vox",
         "«\u00a0inconnue\u00a0» n'est pas un réglage d'Orbeline, il est ignoré. «\u00a0<b>\u00a0» n'est pas",
         "<script>alert(1)</script>"},
        {true, "?Vox=3078&%c3%89CHELLE=50000KM&Y=1", "", "3078"},   // as the page's address has it; hex digits in either case
        {true, "vox=" + long_ + "&voy=1", "La valeur de «\u00a0vox\u00a0» a plus de 1000\u00a0caractères", nullptr},
        {true, "echelle=9&vox=5", "L'échelle «\u00a09\u00a0» n'existe pas, elle est ignorée. Échelles possibles\u00a0: "
                                  "10000km, 50000km, 100000km, 50Mkm, 100Mkm, 500Mkm, 500km.", "5"},
        {true, "points=1%C2%A00&vitesse=oui&a=1&b=2&c=3&vox=2", "«\u00a0points\u00a0» vaut 100 ou 1000, pas «\u00a01\u00a00\u00a0»"
                                                      "\u00a0: ignoré. «\u00a0vitesse\u00a0» vaut 0 ou 1", "2"},
        {true, "points=1%C2%A00&vitesse=oui&a=1&b=2&c=3&vox=2", "b\u00a0» n'est pas un réglage d'Orbeline, il est ignoré. Et une autre erreur.", "2"},
        {true, "vox=1%0A2", "«\u00a0vox\u00a0» contient un caractère de commande invisible (U+000A), elle est ignorée.",
         nullptr},
        {false, "# commentaire\r\nvox = 12 \r\n\r\n", "", "12"},
        {false, "\xEF\xBB\xBF\xEF\xBB\xBFvox=1\n\u00e9cHelle=500KM\rvoy\nvitesse = 2", "Ligne 3\u00a0: il manque le signe "
         "«\u00a0=\u00a0» entre le réglage et sa valeur, la ligne est ignorée. Ligne 4\u00a0: «\u00a0vitesse\u00a0» vaut 0", "1"},
        // Not a situation at all: nothing applies.
        {false, "vox=1\nvoy=\xC3\x28", "Ce fichier n'est pas en UTF-8 (ligne 2)", nullptr},
        {false, utf16, "Ce fichier est enregistré en UTF-16", nullptr},
        {false, utf16.substr(2), "Ce fichier est enregistré en UTF-16", nullptr},
        {false, std::string("x\0=\0" "1\0\n\0", 8), "Ce fichier est enregistré en UTF-16", nullptr},   // the shortest told
        {false, binaire, "Ce fichier n'est pas un texte", nullptr},
        {false, "<html><body>vox</body></html>", "il n'a aucune ligne «\u00a0clé=valeur\u00a0» connue. Ligne 1\u00a0: "
                                                 "il manque le signe", nullptr},
        {false, std::string(kTailleFichierMax + 1, '#'), "Ce fichier est trop grand pour être une situation d'Orbeline.",
         nullptr},
    };
    for (const auto& c : cas) {
        const LectureSituation l = c.lien ? lisLien(c.texte) : lisFichier(c.texte);
        EXPECT_NE(l.erreur.find(c.erreur), std::string::npos) << c.texte.substr(0, 40) << " : " << l.erreur;
        EXPECT_EQ(l.erreur.empty(), !*c.erreur) << c.texte.substr(0, 40);
        EXPECT_EQ(l.situation.champs[0], c.vox ? std::optional<std::string>(c.vox) : std::nullopt) << c.texte.substr(0, 40);
    }
    EXPECT_TRUE(lisLien("a=1&b=2&c=3&d=4").erreur.ends_with("«\u00a0d\u00a0» n'est pas un réglage d'Orbeline, il est ignoré."));   // four: all named
}

TEST(Situation, ALinkOrFileShowsWhatItRefusedThenWhatItsFieldsReadAndChangesNothingWhenItIsNoSituation)
{
    FenetreChargee w;
    EXPECT_TRUE(appliqueLecture(w.p, w.f, lisLien("Vox=3078&zz=1&x=1e999&Y=42164&observer=&observer=Regardez")));
    EXPECT_EQ(std::tuple(w.f.textes[Champ::Text1], w.f.textes[Champ::Text4]), std::tuple("3078", "42164"));
    EXPECT_EQ(w.f.message, "«\u00a0zz\u00a0» n'est pas un réglage d'Orbeline, il est ignoré. «\u00a0X initial\u00a0»\u00a0: "
                           "ce nombre est trop grand pour le calcul, il n'est pas pris en compte. Tapez un nombre plus petit.");
    EXPECT_EQ(w.f.consignes, std::vector<std::string>{"Regardez"});
    const auto textes = w.f.textes;
    EXPECT_FALSE(appliqueLecture(w.p, w.f, lisFichier("titre=Chute\n")));
    EXPECT_EQ(w.f.textes, textes);
    EXPECT_EQ(w.f.consignes.size(), 1u);
}

TEST(Situation, EachReadyMadeSituationShowsWhatItsLineSaysOnTheView)
{
    enum class Promesse { Tombe, Boucle, Echappe };
    const struct { const char* fichier; Promesse promesse; } cas[] = {
        {"chute", Promesse::Tombe}, {"geostationnaire", Promesse::Boucle}, {"ellipse", Promesse::Boucle},
        {"orbite-basse", Promesse::Boucle}, {"echappement", Promesse::Echappe}, {"comparer-vitesses", Promesse::Boucle}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        // The built-in one, which both front ends offer before the file chooser, is the file.
        const auto pretes = situationsPretes();
        const auto s = std::find_if(pretes.begin(), pretes.end(), [&](const SituationPrete& p) { return p.nom == c.fichier; });
        const std::string contenu = lis(std::string("situations/") + c.fichier + ".orbeline");
        ASSERT_TRUE(s != pretes.end() && s->contenu == contenu);
        FenetreChargee w;
        ASSERT_TRUE(appliqueLecture(w.p, w.f, lisFichier(contenu)));
        Reglage_Click(w.p, w.f, Reglage::Coloris, true);   // the legend, for every one
        w.lance();
        // Whether a turn closes, said by its period; Kepler's third law for the extremes given, within 0.5 %.
        const TableLancements t = tableLancements(w.p, ".");
        const double periode = colonne(t, "Période T").at(0), proche = colonne(t, "Au plus près").at(0),
                     loin = colonne(t, "Au plus loin").at(0);
        EXPECT_EQ(!std::isnan(periode), c.promesse == Promesse::Boucle) << texteLancements(t, formatCopie("."));
        if (!std::isnan(periode)) {
            EXPECT_NEAR(periode / (2 * M_PI * std::sqrt(std::pow((proche + loin) * 500, 3) / w.s.GM)), 1, 0.005);
        }
        EXPECT_EQ(w.f.message, "");
        const std::size_t courbes = w.f.pic(2).appels.size();
        changeLangue(w.p, w.f, Langue::en);   // the captions written again, in English: none where it does not land
        EXPECT_EQ(w.f.etiquettes[Etiquette::ImpactTemps].starts_with("Impact at"), c.promesse == Promesse::Tombe);
        EXPECT_EQ(w.f.pic(7).appelsDe("texte").back().texte, "launch");   // the energy's unticked box, the curves left
        changeLangue(w.p, w.f, Langue::fr);
        EXPECT_EQ(w.f.pic(2).appels.size(), courbes);
        EXPECT_EQ(w.f.etapes.empty(), c.promesse != Promesse::Tombe);   // the star only where it lands
        // The plotted points as the pupil sees them on the view.
        const SurfaceEnregistree& v = w.p1;
        std::vector<std::pair<double, double>> points;
        for (const Appel& a : v.appelsDe("pset")) points.emplace_back(a.args[0], a.args[1]);
        ASSERT_GT(points.size(), 50u);
        const auto dedans = [&](std::pair<double, double> q) {
            return q.first >= v.scaleLeft() && q.first <= v.scaleLeft() + v.scaleWidth() &&
                   q.second <= v.scaleTop() && q.second >= v.scaleTop() + v.scaleHeight();
        };
        const auto rayon = [](std::pair<double, double> q) { return std::hypot(q.first, q.second); };
        double tours = 0, retour = rayon(points[0]);
        for (std::size_t i = 1; i < points.size(); ++i) {
            const auto [x0, y0] = points[i - 1];
            const auto [x1, y1] = points[i];
            tours += std::remainder(std::atan2(y1, x1) - std::atan2(y0, x0), 2 * M_PI) / (2 * M_PI);
            if (std::fabs(tours) > 0.9) retour = std::min(retour, std::hypot(x1 - points[0].first, y1 - points[0].second));
        }
        EXPECT_TRUE(dedans(points.front()));
        // A turn closes inside the view; an escape leaves it going ever further; a fall stays in it.
        EXPECT_EQ(std::all_of(points.begin(), points.end(), dedans), c.promesse != Promesse::Echappe);
        EXPECT_EQ(std::fabs(tours) > 0.95 && retour < 0.05 * rayon(points[0]), c.promesse == Promesse::Boucle) << tours;
        EXPECT_EQ(std::is_sorted(points.begin(), points.end(), [&](auto a, auto b) { return rayon(a) < rayon(b); }),
                  c.promesse == Promesse::Echappe);
        // What to observe is shown as the situation opens, word for word as in the pupil's guide (its lines wrapped).
        const auto ligneDe = [&](const std::string& marque) {
            const auto debut = contenu.find(marque) + marque.size();
            return contenu.substr(debut, contenu.find('\n', debut) - debut);
        };
        const std::string ligne = ligneDe("# À observer\u00a0: ");
        EXPECT_EQ(w.f.consignes, std::vector<std::string>{ligne});
        std::string guide = lis("README.md");
        for (std::size_t i; (i = guide.find("\n  ")) != std::string::npos;) guide.replace(i, 3, " ");
        EXPECT_NE(guide.find(std::string(c.fichier) + "**\u00a0: " + ligne), std::string::npos) << ligne;
        choisitLangue(Langue::en);   // in English, its English line, as the English guide has it
        EXPECT_EQ(consigneDans(w.p.consignes, langue()), ligneDe("# What to observe: "));
        EXPECT_NE(guideHtml().find(ligneDe("# What to observe: ")), std::string_view::npos);
        choisitLangue(Langue::fr);
    }
}

TEST(Langue, OnATouchScreenTheGuideTheHintsAndTheMessagesSayTouchNeverClickNorPointer)
{
    // Every word of a mouse's, but the desktop's double click on a file; the placement by a press held.
    const std::regex souris("[Cc]li(c|qu|ck)|[Pp]ointe(u)?r|[Ss]ouris|mouse"), fichier("double[ -]cli(c|ck)");
    for (const Langue l : {Langue::fr, Langue::en}) {
        choisitLangue(l);
        std::string textes = std::regex_replace(pourLeDoigt(guideHtml()), fichier, "");
        for (const Texte t : {Texte::rejeuAucun, Texte::astuceDoigt, Texte::departPlace}) textes += pourLeDoigt(tr(t));
        std::smatch m;
        EXPECT_FALSE(std::regex_search(textes, m, souris)) << m.str() << " after: " << m.prefix().str().substr(std::max<long>(m.prefix().length(), 60) - 60);
        EXPECT_NE(textes.find(l == Langue::fr ? "appuyez longuement sur le quadrillage" : "press and hold on the grid"), std::string::npos);
    }
    choisitLangue(Langue::fr);
}
