// What a seconde class sees with the Affichage menu's options, on the recording window, from the ready-made
// situations: the force at the points, the exact orbit, Kepler's third law, the replay in time.
#include "FenetreEnregistree.h"
#include "actions.h"
#include "legende.h"
#include "orbite.h"
#include "physique.h"
#include "situation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

namespace {

constexpr double kGM = kG * 6.00e24;

/// A main window on which a ready-made situation was opened.
struct Ouverte : FenetreChargee {
    explicit Ouverte(const std::string& nom)
    {
        std::ifstream in(std::string(ORBELINE_SOURCES) + "/situations/" + nom + ".orbeline");
        const std::string contenu{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(appliqueLecture(p, f, lisFichier(contenu)));
    }
    void lance()
    {
        Command1_Click(p, f);
        f.laisseFiler();
    }
    /// The numbers that follow each occurrence of `avant` in a text.
    static std::vector<double> apres(const std::string& t, const std::string& avant)
    {
        std::vector<double> v;
        for (std::size_t i = t.find(avant); i != std::string::npos; i = t.find(avant, i + 1)) v.push_back(std::strtod(t.c_str() + i + avant.size(), nullptr));
        return v;
    }
    double temps() { return apres(f.etiquettes[Etiquette::LectureUnite], "t = ").at(0); }
};

} // namespace

TEST(Physique, WithForceACircularLaunchFrom40000KmHasEveryArrowToTheCentreAndThePointerReadsGMmOverR2)
{
    Ouverte w("force");
    EXPECT_EQ(w.f.textes[Champ::Text1], "3163.1");   // √(GM/r)
    w.lance();
    const Releve& r = w.p.releve;
    std::size_t fleches = 0;   // the shafts, in the force's 2-px pen, from the plotted points
    for (const Appel& a : w.p1.appelsDe("line"))
        for (const int i : pointsFleches(r))
            if (a.drawWidth == 2 && a.args[0] == float(r.Xt[i] / 1e5) && a.args[1] == float(r.Yt[i] / 1e5)) {
                const double dx = a.args[2] - a.args[0], dy = a.args[3] - a.args[1];
                const double cosinus = -(dx * a.args[0] + dy * a.args[1]) / std::hypot(dx, dy) / std::hypot(a.args[0], a.args[1]);
                EXPECT_GT(cosinus, std::cos(0.5 * std::numbers::pi / 180)) << i;
                ++fleches;
            }
    EXPECT_EQ(fleches, 100u);
    EXPECT_EQ(w.p1.appelsDe("texte").back().texte, "Force (trait épais)\u00a0: 1 carreau pour 10\u00a0000\u00a0N");
    for (const int i : {1, 51, 500, 991}) {
        Picture1_MouseMove(w.p, w.f, 0, 0, float(r.Xt[i] / 1e5), float(r.Yt[i] / 1e5));
        const double d = std::hypot(r.Xt[i], r.Yt[i]);
        EXPECT_NEAR(Ouverte::apres(w.f.bulle, "r² = ").at(0) / (kGM * 30000 / (d * d)), 1, 0.005) << w.f.bulle;
    }
    // Without a mass, no force: no arrow, and the strip says why.
    Command4_Click(w.p, w.f);
    w.f.ecritTexte(Champ::Text7, "0");
    w.lance();
    EXPECT_EQ(w.f.message, tr(Texte::messageMasseNulle));
    const auto cls = std::find_if(w.p1.appels.rbegin(), w.p1.appels.rend(), [](const Appel& a) { return a.op == "cls"; });
    EXPECT_TRUE(std::none_of(w.p1.appels.rbegin(), cls, [](const Appel& a) { return a.op == "line" && a.drawWidth == 2; }));
    Picture1_MouseMove(w.p, w.f, 0, 0, float(r.Xt[51] / 1e5), float(r.Yt[51] / 1e5));
    EXPECT_NE(w.f.bulle.find("F\u00a0: la masse du satellite est nulle"), std::string::npos) << w.f.bulle;
}

TEST(Physique, TheReadyMadeEllipsesExactOrbitIsDashedWithItsPeriodAndAStrayThatShrinksWithTau)
{
    Ouverte w("orbite-exacte");
    w.lance();
    // T against 2π√(a³/GM), a from the start values by vis-viva, within 0.1 %.
    const double a = 1 / (2 / 42164e3 - 2000.0 * 2000 / kGM), T = 2 * std::numbers::pi * std::sqrt(a * a * a / kGM);
    const TableLancements t = tableLancements(w.p, ".");
    EXPECT_NEAR(colonne(t, "a exact").at(0) * 1e3 / a, 1, 1e-5) << texteLancements(t, formatCopie("."));
    EXPECT_NEAR(colonne(t, "T exacte").at(0) / T, 1, 0.001);
    // Dashes of 6 px, in the launch's colour, with the pen of one pixel.
    std::size_t tirets = 0;
    for (const Appel& a : w.p1.appelsDe("line"))
        if (a.drawWidth == 1 && a.couleur == Couleur{0, 0, 0}) {
            EXPECT_LT(std::hypot(a.args[2] - a.args[0], a.args[3] - a.args[1]), 6 * 1000 / 496.0 + 1e-3);
            ++tirets;
        }
    EXPECT_GT(tirets, 100u);
    const double ecart = colonne(t, "Écart").at(0);
    EXPECT_GT(ecart, 10);   // km
    w.f.ecritTexte(Champ::Text6, "86.4");
    w.lance();
    EXPECT_LT(colonne(tableLancements(w.p, "."), "Écart").back(), ecart / 5);
}

TEST(Physique, ThreeLaunchesThatCloseATurnGiveTheirT2OverA3WithinAPerCentInTheLegendTheExportAndTheChart)
{
    Ouverte w("kepler");
    for (const char* vox : {"2000", "2500", "3078"}) {
        w.f.ecritTexte(Champ::Text1, vox);
        w.lance();
    }
    const double k = 4 * std::numbers::pi * std::numbers::pi / kGM;
    const TableLancements t = tableLancements(w.p, ".");
    const std::vector<double> legende = colonne(t, "T²/a³");
    ASSERT_EQ(legende.size(), 3u);
    for (const double v : legende) EXPECT_NEAR(v / k, 1, 0.01);
    EXPECT_EQ(t.notes.back(), "T²/a³ en s²/m³\u00a0; 4π²/GM = 9.865\u00a0×\u00a010⁻¹⁴.");
    const std::string points = textePoints(w.p, formatCopie("."));
    const std::string table = points.substr(points.find("\n\n") + 2);
    EXPECT_TRUE(table.starts_with("Lancement\ta (km)\tT (s)\tT²/a³ (s²/m³)\t4π²/GM (s²/m³)\n")) << table;
    double n, aKm, T, rapport, constante;
    for (std::size_t i = table.find('\n'), ligne = 1; i + 1 < table.size(); i = table.find('\n', i + 1), ++ligne) {
        ASSERT_EQ(std::sscanf(table.c_str() + i + 1, "%lf\t%lf\t%lf\t%lf\t%lf", &n, &aKm, &T, &rapport, &constante), 5);
        EXPECT_EQ(n, ligne);
        EXPECT_NEAR(rapport / k, 1, 0.01);
        EXPECT_NEAR(T * T / std::pow(aKm * 1e3, 3) / rapport, 1, 1e-12);
        EXPECT_NEAR(constante / k, 1, 1e-12);
    }
    EXPECT_EQ(n, 3);
    // The chart in its own box, beside the legend: a point per launch.
    EXPECT_TRUE(w.f.estVisible(zone(kPictureKepler)) && w.f.largeur == kLargeurKepler);
    const auto dernier = std::find_if(w.f.pic(8).appels.rbegin(), w.f.pic(8).appels.rend(), [](const Appel& a) { return a.op == "cls"; });
    EXPECT_EQ(std::count_if(w.f.pic(8).appels.rbegin(), dernier, [](const Appel& a) { return a.op == "pset" && a.drawWidth == 5; }), 3);
}

TEST(Physique, TheReplayRunsTheTimeOverThePointsInOrderTheArrowsStepOneAndItStopsAtTheLastPoint)
{
    Ouverte w("rejeu");
    EXPECT_FALSE(Form_KeyDown(w.p, w.f, "Right", std::nullopt, Bureau));   // no replay: the arrows are the controls'
    w.lance();
    const Releve& r = w.p.releve;
    choisit(w.p, w.f, Action::Rejouer);
    EXPECT_EQ(w.temps(), 0);
    // At 1 h a second, each 40 ms move: the plotted points in order, the marker on them, the time theirs.
    for (int tic = 1; tic <= 20; ++tic) {
        etapeEtoile(w.p, w.f);
        const int i = w.p.rejeu.point;
        EXPECT_EQ(i, 1 + (144 * tic / 86 - 1) / 10 * 10) << tic;
        EXPECT_EQ(w.temps(), i * 86.0);
        const GeometrieControle& sat = w.p1.etat().geo(Controle::Sat);
        EXPECT_NEAR(w.p1.etat().versUserX(sat.gauche + sat.largeur / 2), r.Xt[i] / 1e5, 1e-3);
    }
    EXPECT_TRUE(w.f.pic(4).appelsDe("fleche").back().args.size() == 5);   // the cursor on V(t)
    // A step of the arrow keys: exactly one plotted point, forward or back, and the replay stands still.
    const int i = w.p.rejeu.point;
    ASSERT_TRUE(Form_KeyDown(w.p, w.f, "Right", std::nullopt, Page));
    EXPECT_EQ(std::tuple(w.p.rejeu.point, w.temps(), w.f.reglages[static_cast<std::size_t>(Reglage::Pause)]),
              std::tuple(i + 10, (i + 10) * 86.0, true));
    etapeEtoile(w.p, w.f);
    EXPECT_EQ(w.p.rejeu.point, i + 10);
    Form_KeyDown(w.p, w.f, "Left", std::nullopt, Bureau);
    EXPECT_EQ(w.p.rejeu.point, i);
    // A finger slid 30 px rightward across the view: one point forward.
    const float x = float(r.Xt[0] / 1e5), y = float(r.Yt[0] / 1e5), px = 1000 / 496.0f;
    Picture1_Touche(w.p, w.f, Doigt::Pose, x, y);
    Picture1_Touche(w.p, w.f, Doigt::Glisse, x + 30 * px, y);
    Picture1_Touche(w.p, w.f, Doigt::Leve, x + 30 * px, y);
    EXPECT_EQ(w.p.rejeu.point, i + 10);
    // Resumed, it runs to the last point and stops there, saying so.
    Reglage_Click(w.p, w.f, Reglage::Pause, false);
    while (!w.p.rejeu.pause) etapeEtoile(w.p, w.f);
    EXPECT_EQ(w.p.rejeu.point, r.Nfin);
    EXPECT_EQ(w.f.message, "Rejeu arrivé au dernier point, à t = 85\u00a0914\u00a0s.");
    // "Effacer" ends it: the read-out and the charts are the pointer's again.
    Command4_Click(w.p, w.f);
    EXPECT_FALSE(w.p.rejeu.actif || w.f.pic(4).appelsDe("fleche").back().args.size() > 1);
    EXPECT_EQ(w.f.etiquettes[Etiquette::LectureUnite], " X, Y en km            ");
    EXPECT_FALSE(Form_KeyDown(w.p, w.f, "Left", std::nullopt, Page));
}

TEST(Physique, ASituationSetsEachOptionAndTheReplaysSpeedTheStartingValuesUnsetThem)
{
    FenetreChargee w;
    const std::string lien = "vecteurs=1&variation=1&force=1&exacte=1&kepler=1&valeurs=1&rejeu=6h";
    EXPECT_TRUE(appliqueLecture(w.p, w.f, lisLien(lien)));
    for (const Reglage r : kReglagesPhysique) EXPECT_TRUE(w.f.reglages[static_cast<std::size_t>(r)]);
    EXPECT_TRUE(w.f.reglages[static_cast<std::size_t>(Reglage::Rejeu6h)] && !w.f.reglages[static_cast<std::size_t>(Reglage::Rejeu1h)]);
    EXPECT_TRUE(texteLien(situationCourante(w.p, w.f)).ends_with(lien));
    EXPECT_EQ(lisLien("rejeu=2h").erreur, "«\u00a0rejeu\u00a0» vaut 10min, 1h ou 6h, pas «\u00a02h\u00a0»\u00a0: ignoré.");
    choisit(w.p, w.f, Action::ValeursDepart);   // the options off and 1 h a second, as at the start
    const FenetreChargee neuve;
    EXPECT_EQ(std::tuple(texteLien(situationCourante(w.p, w.f)), w.f.reglages),
              std::tuple(texteLien(situationCourante(neuve.p, neuve.f)), neuve.f.reglages));
}

