#include "principale.h"

#include "calcule.h"
#include "formes.h"
#include "charts.h"
#include "disposition.h"
#include "init.h"
#include "masse.h"
#include "phrase.h"
#include "placement.h"
#include "presets.h"
#include "surface.h"
#include "vitesse.h"

#include <cmath>

#include <string>
#include <utility>

namespace orbeline {
namespace {

constexpr std::string_view kMasseTropGrande =
    "La masse du satellite est trop grande pour le calcul\u00a0: elle est remise à 0.";
/// A plotted point's tooltip: its time, position (%5: the unit) and speed.
constexpr std::string_view kBullePoint = "t = %1\u00a0s   X = %2\u00a0%5   Y = %3\u00a0%5   V = %4\u00a0m/s";

// The view's pixels per user unit, along each axis.
std::pair<double, double> pixelsParUnite(const Surface& vue)
{
    return {vue.largeurPixels() / std::fabs(vue.scaleWidth()), vue.hauteurPixels() / std::fabs(vue.scaleHeight())};
}

void normaliseMasse(Fenetre& f)
{
    // The rewrite fires this handler again until the text no longer changes.
    const MasseRecrite m = recritMasse(f.texte(Champ::Text7), f.separateurDecimal());
    if (m.tropGrande) f.ecritMessage(kMasseTropGrande);
    f.ecritTexte(Champ::Text7, m.texte.vue());
}

// What the window shows of a launch as it runs, for the printout's legend.
TextesLancement textesLancement(const Fenetre& f, const ResultatCalcul& r)
{
    TextesLancement t;
    for (std::size_t k = 0; k < t.champs.size(); ++k) t.champs[k] = f.texte(static_cast<Champ>(k));
    for (const Disposition& d : kDisposition)
        if (d.role.sorte == Role::Sorte::Option && f.optionChoisie(static_cast<Groupe>(d.role.numero), d.role.index)) {
            if (static_cast<Groupe>(d.role.numero) == Groupe::Points) t.nbPoints = tr(d.legende);
            if (static_cast<Groupe>(d.role.numero) == Groupe::Echelle) t.echelle = tr(d.legende);
        }
    t.masseSatellite = f.texte(Champ::Text7);
    t.impactTemps = r.label11.vue();
    t.impactVitesse = r.label12.vue();
    return t;
}

void lance(Principale& p, Fenetre& f)
{
    for (const Graphe& g : kGraphes) f.picture(g.picture).cls();
    if (!relitChamps(p, f)) return;
    const ResultatCalcul r = calcule(p.etat);
    f.ecritEtiquette(Etiquette::ImpactTemps, r.label11.vue());
    f.ecritEtiquette(Etiquette::ImpactVitesse, r.label12.vue());
    if (!r.compteRendu.ok) {
        f.ecritMessage(r.compteRendu.message.vue());
        return;
    }
    // Taken at once: the next keystroke in a field clears the record's arrays.
    retiens(p.releve, p.etat, r.pas);
    p.releve.textes = textesLancement(f, r);
    p.pasPoints = pasDeTrace(p.etat.NbPoints);
    TracePoints(p.etat, f);
    if (p.etat.Nfin < kPas) {
        // The star grows one frame at a time, each shown for a while; the
        // charts come after it, as they would after a star drawn at once.
        p.etoile = {true, 0, valeursCases(f)};
        debutImpact(f);
        etapeEtoile(p, f);
        return;
    }
    TraceVitesse(p.etat, f);
}

// The last step of a launch with an impact.
void finLancement(Principale& p, Fenetre& f)
{
    p.etoile.enCours = false;
    finImpact(f);
    TraceVitesse(p.etat, f, p.etoile.cases);
}

// The launch is no longer on the view: the printout's legend and the points'
// tooltips say nothing of it, though its points stay to be exported.
void oublieTrace(Principale& p) { p.releve.textes.reset(); }

void efface(Principale& p, Fenetre& f)
{
    oublieTrace(p);
    efface(p.etat, f);
}

} // namespace

void Form_Load(Principale& p, Fenetre& f)
{
    oublieTrace(p);
    Form_Load(p.etat, f);
    f.pointsDisponibles(false);
}

void Command1_Click(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    // Only a launch that runs to its end leaves points to copy or save: a
    // refused or stopped one draws nothing, so its numbers would stand for
    // nothing the pupil sees.
    p.releve.vide();
    lance(p, f);
    f.pointsDisponibles(!p.releve.estVide());
}

void Command2_Click(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    f.quitte();
}

void Command4_Click(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    efface(p, f);
}

void Command5_Click(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    SatMove(p.etat, f);
}

void Commande_Click(Principale& p, Fenetre& f, Commande c)
{
    switch (c) {
    case Commande::Lancer: return Command1_Click(p, f);
    case Commande::Quitter: return Command2_Click(p, f);
    case Commande::Effacer: return Command4_Click(p, f);
    case Commande::Placer: return Command5_Click(p, f);
    }
}

void toucheEntree(Principale& p, Fenetre& f, std::optional<Commande> avecFocus)
{
    Commande_Click(p, f, avecFocus.value_or(Commande::Lancer));
}

void Option2_Click(Principale& p, Fenetre& f, int index)
{
    if (index < 0 || index >= static_cast<int>(kAttracteurs.size())) return;
    const PresetAttracteur* a = kAttracteurs[static_cast<std::size_t>(index)].preset;
    if (!a) return;   // the other attractors have no preset
    acheveLancement(p, f);
    p.titre = a->titre;
    f.ecritTitre(tr(a->titre));
    p.etat.Rayon = a->Rayon;
    f.ecritTexte(Champ::Text1, a->text1);
    f.ecritTexte(Champ::Text5, a->text5);
    f.ecritTexte(Champ::Text6, a->text6);
    // Selected exactly as if the pupil had clicked it: its handler runs now.
    f.choisitOption(Groupe::Echelle, a->indexEchelle);
    efface(p, f);
}

void Option3_Click(Principale& p, Fenetre& f, int index)
{
    acheveLancement(p, f);
    ++p.nombreEchelles;
    oublieTrace(p);   // the preset ends with efface
    Option3_Click(p.etat, f, static_cast<std::int16_t>(index));
}

void Option3_Press(Principale& p, int index, bool dejaChoisie)
{
    if (index >= 0 && index < static_cast<int>(p.dejaChoisie.size()))
        p.dejaChoisie[static_cast<std::size_t>(index)] = dejaChoisie;
}

void Option3_Change(Principale& p, Fenetre& f, int index, bool choisie)
{
    if (choisie) Option3_Click(p, f, index);
}

void Option3_Clicked(Principale& p, Fenetre& f, int index)
{
    // A click that selected the button has run the preset through the change already.
    if (index < 0 || index >= static_cast<int>(p.dejaChoisie.size())) return;
    bool& deja = p.dejaChoisie[static_cast<std::size_t>(index)];
    if (deja) {
        deja = false;
        Option3_Click(p, f, index);
    }
}

void Option_Click(Principale& p, Fenetre& f, Groupe g, int index, bool dejaChoisie)
{
    if (g == Groupe::Attracteur) Option2_Click(p, f, index);
    if (g != Groupe::Echelle) return;
    Option3_Press(p, index, dejaChoisie);
    if (!dejaChoisie) Option3_Change(p, f, index, true);
    Option3_Clicked(p, f, index);
}

void Text_Change(Principale& p, Fenetre& f, Champ c)
{
    if (c == Champ::Text7) return normaliseMasse(f);
    acheveLancement(p, f);
    relitChamps(p, f);
}

bool relitChamps(Principale& p, Fenetre& f, std::string_view avant)
{
    ++p.nombreInit;
    std::array<std::string, 6> t;
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = f.texte(static_cast<Champ>(k));
    const ChampsSaisis champs{t[0], t[1], t[2], t[3], t[4], t[5], f.optionChoisie(Groupe::Points, 0),
                              f.optionChoisie(Groupe::Points, 1)};
    const CompteRendu r = init(p.etat, champs);
    const Message lecture = r.ok ? messageLecture(champs, f.separateurDecimal()) : r.message;
    std::string m(avant);
    if (!m.empty() && !lecture.estVide()) m += ' ';
    m += lecture.vue();
    f.ecritMessage(m);
    return r.ok;
}

void Case_Click(Principale& p, Fenetre& f, Case c)
{
    acheveLancement(p, f);
    basculeGraphes(f, c);
}

void Picture1_MouseDown(Principale& p, Fenetre& f, int bouton, int shift, float x, float y)
{
    acheveLancement(p, f);
    Picture1_MouseDown(p.etat, f, bouton, shift, x, y);
}

void Picture1_MouseMove(Principale& p, Fenetre& f, int bouton, int shift, float x, float y)
{
    // Only captions change: the star goes on growing under the pointer.
    Picture1_MouseMove(p.etat, f, bouton, shift, x, y);
    p.legendesUnite = true;
    f.montreBulle(bullePoint(p, f.picture(1), x, y));
}

void Picture1_Touche(Principale& p, Fenetre& f, Doigt d, float x, float y)
{
    auto& g = p.doigt;
    if (d == Doigt::Pose) g = {true, false, false, x, y};
    if (!g.pose || d == Doigt::Annule) {
        g = {};
        return;
    }
    if (d != Doigt::Leve) {
        const Surface& vue = f.picture(1);
        const auto [kx, ky] = pixelsParUnite(vue);
        const double dx = (x - g.x) * kx, dy = (y - g.y) * ky;
        g.glisse = g.glisse || dx * dx + dy * dy > kPresDoigt * kPresDoigt;
        Picture1_MouseMove(p.etat, f, 0, 0, x, y);
        p.legendesUnite = true;
        // Between two plotted points the tooltip keeps the last one met.
        const std::string bulle = bullePoint(p, vue, x, y, kPresDoigt);
        if (!bulle.empty()) g.lu = true;
        if (!bulle.empty() || d == Doigt::Pose) f.montreBulle(bulle);
        return;
    }
    const auto geste = g;
    g = {};
    if (!geste.glisse && !geste.lu) Picture1_MouseDown(p, f, 1, 0, geste.x, geste.y);
    if (!geste.lu && !p.astuceDoigt) {
        p.astuceDoigt = true;
        f.montreBulle(tr(Texte::astuceDoigt));
    }
}

std::string bullePoint(const Principale& p, const Surface& vue, float x, float y, double pres)
{
    const Releve& r = p.releve;
    if (!r.textes) return {};
    const std::pair<double, double> parUnite = pixelsParUnite(vue);
    const double kx = parUnite.first, ky = parUnite.second;
    const double D = static_cast<double>(r.Echelle) * p.etat.Reduction;
    int proche = -1;
    double meilleur = pres * pres;
    const auto essaie = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        const double dx = (r.Xt[k] / D - x) * kx, dy = (r.Yt[k] / D - y) * ky;
        if (dx * dx + dy * dy <= meilleur) meilleur = dx * dx + dy * dy, proche = i;
    };
    for (int i = 1; i <= r.Nfin; i += p.pasPoints) essaie(i);
    if (r.Nfin < kPas) essaie(r.Nfin);   // the impact point, drawn by the star
    if (proche < 0) return {};

    // The captions' signed form; lengths to a tenth of the display unit, speeds to a tenth of a m/s.
    const auto k = static_cast<std::size_t>(proche);
    const auto dixieme = [](double v) { return formeSignee(std::round(v * 10) / 10); };
    const std::string_view u(r.Unite.data(), r.Unite.size());
    std::string_view unite = u.substr(0, u.find_last_not_of(' ') + 1);
    while (unite.starts_with(' ')) unite.remove_prefix(1);
    std::string t;
    ajoutePhrase(t, kBullePoint,
                 {formeSignee(static_cast<double>(proche) * r.pas).vue(), dixieme(r.Xt[k] / r.Echelle).vue(),
                  dixieme(r.Yt[k] / r.Echelle).vue(), dixieme(vitesseScalaire(r.Vxt[k], r.Vyt[k])).vue(), unite});
    return t;
}

void changeLangue(Principale& p, Fenetre& f, Langue l)
{
    acheveLancement(p, f);
    choisitLangue(l);
    f.retraduit();
    f.ecritTitre(tr(p.titre));
    // The unit of the scale in force, in the new language.
    for (const PresetEchelle& e : kPresets)
        if (e.Echelle == p.etat.Echelle && e.Reduction == p.etat.Reduction) assigneUnite(p.etat, tr(e.Unite));
    if (p.legendesUnite) {
        label(p.etat, f);
    } else {
        for (const Etiquette e : {Etiquette::LegendeX, Etiquette::LegendeY, Etiquette::LectureUnite})
            f.ecritEtiquette(e, tr(cherche(role(e))->legende));
    }
    // The impact captions of the launch on screen, written again as calcule wrote them.
    if (p.releve.textes && !p.releve.textes->impactTemps.empty()) {
        const auto n = static_cast<std::size_t>(p.releve.Nfin);
        Libelle temps, vitesse;
        remplis(temps, tr(Texte::impactTemps), {formeSignee(static_cast<double>(p.releve.Nfin) * p.releve.pas).vue()});
        remplis(vitesse, tr(Texte::impactVitesse),
                {formeSignee(std::floor(p.releve.Vxt[n])).vue(), formeSignee(std::floor(p.releve.Vyt[n])).vue()});
        p.releve.textes->impactTemps = temps.vue();
        p.releve.textes->impactVitesse = vitesse.vue();
        f.ecritEtiquette(Etiquette::ImpactTemps, temps.vue());
        f.ecritEtiquette(Etiquette::ImpactVitesse, vitesse.vue());
    }
    relitChamps(p, f);
}

void etapeEtoile(Principale& p, Fenetre& f)
{
    if (!p.etoile.enCours) return;   // finished early by another event
    if (p.etoile.image < kImagesEtoile) {
        imageImpact(p.etat, f);
        ++p.etoile.image;
        f.programmeEtape(kDureeImageEtoile);
        return;
    }
    finLancement(p, f);
}

void acheveLancement(Principale& p, Fenetre& f)
{
    if (!p.etoile.enCours) return;
    for (; p.etoile.image < kImagesEtoile; ++p.etoile.image) imageImpact(p.etat, f);
    finLancement(p, f);
}

} // namespace orbeline
