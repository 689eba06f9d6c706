#include "principale.h"

#include "calcule.h"
#include "formes.h"
#include "charts.h"
#include "disposition.h"
#include "init.h"
#include "lecture.h"
#include "masse.h"
#include "langue.h"
#include "legende.h"
#include "physique.h"
#include "placement.h"
#include "presets.h"
#include "surface.h"
#include "vitesse.h"

#include <algorithm>
#include <cmath>

#include <string>
#include <utility>

namespace orbeline {
namespace {

constexpr Texte kMasseTropGrande = Texte::masseTropGrande;
/// A plotted point's tooltip: its time, position (%5: the unit) and speed.
constexpr Texte kBullePoint = Texte::bullePoint;

// The view's pixels per user unit, along each axis.
std::pair<double, double> pixelsParUnite(const Surface& vue)
{
    return {vue.largeurPixels() / std::fabs(vue.scaleWidth()), vue.hauteurPixels() / std::fabs(vue.scaleHeight())};
}

void normaliseMasse(Fenetre& f)
{
    // The rewrite fires this handler again until the text no longer changes.
    const MasseRecrite m = recritMasse(f.texte(Champ::Text7), f.separateurDecimal());
    if (m.tropGrande) f.ecritMessage(tr(kMasseTropGrande));
    f.ecritTexte(Champ::Text7, m.texte.vue());
}

bool actif(const Principale& p, Reglage r) { return p.reglages[static_cast<std::size_t>(r)]; }

// No placement left to undo: its button goes.
[[gnu::noinline]] void oubliePlacement(Principale& p, Fenetre& f)
{
    p.placement = {};
    if (f.estVisible(role(Commande::Annuler))) f.setVisible(role(Commande::Annuler), false);
}

// The velocity arrows' pen when a launch keeps the window's colours.
constexpr Couleur kNoir{0, 0, 0};

// The column beyond the layout: the window grows while one of its controls is shown.
void ajusteLargeur(Fenetre& f)
{
    bool etendue = false, seconde = false;   // the column beyond the layout, and the one beyond it
    for (const Disposition& d : kDisposition)
        if (d.cadre.empty() && d.place.gauche >= kLargeurPrincipale && d.role.sorte != Role::Sorte::Aucune) {
            const bool vu = f.estVisible(d.role);
            etendue = etendue || vu;
            seconde = seconde || (vu && d.place.gauche + d.place.largeur > kLargeurEtendue);
        }
    f.largeurClient(seconde ? kLargeurKepler : etendue ? kLargeurEtendue : kLargeurPrincipale);
}

// The arrow of the velocity typed, from the position typed, in the next launch's colour.
void montreFlecheDepart(const Principale& p, Fenetre& f)
{
    if (!actif(p, Reglage::Vecteur)) return;
    Surface& vue = f.picture(1);
    const double R = p.etat.Reduction != 0 ? p.etat.Reduction : 1;
    const Couleur c = actif(p, Reglage::Coloris) ? colorisLancement(p.numeroLancement + 1).couleur.value_or(kNoir) : kNoir;
    vue.fleche(0, flecheEchelle(vue, lisNombre(f.texte(Champ::Text3)) / R, lisNombre(f.texte(Champ::Text4)) / R,
                                lisNombre(f.texte(Champ::Text1)), lisNombre(f.texte(Champ::Text2)), vitesseParCarreau(p), c));
}

// How long the arrows are, in a language.
std::string texteEchelleFleches(Langue l)
{
    std::string t;
    remplis(t, tr(Texte::echelleFleches, l), {formeGenerale(kVitesseParCarreau, ".").vue()});
    return t;
}

// How long the arrows are, in the view's lower left corner.
void ecritEchelleFleches(Surface& vue)
{
    const auto [x, y] = pointPx(vue, 4, vue.hauteurPixels() - 3);
    vue.texte(x, y, texteEchelleFleches(langue()), Ancre::BasGauche);
}

// What the charts say while they show no launch.
void noteGraphes(Fenetre& f, Texte t, const ValeursCases* seulementSansCase = nullptr)
{
    for (const Graphe& g : kGraphes)
        if (!seulementSansCase || (*seulementSansCase)[static_cast<std::size_t>(g.boite)] != 1)
            noteGraphe(f.picture(g.picture), t);
}

// The launches the charts draw: with one colour per launch, every launch
// kept on the view in its colour (the first one black, as the view draws
// it); else the last one, in the charts' own colours.
std::vector<CourbeLancement> courbes(const Principale& p)
{
    std::vector<CourbeLancement> c;
    if (actif(p, Reglage::Coloris))
        for (const Releve* r : lancementsVus(p)) c.push_back({r, kColoris[static_cast<std::size_t>(r->coloris)].couleur.value_or(kNoir)});
    else if (!p.releve.estVide()) c.push_back({&p.releve, {}});
    return c;
}

// The energy chart of the launches the charts draw.
[[gnu::noinline]] void traceEnergie(const Principale& p, Fenetre& f) { TraceEnergie(courbes(p), f, f.separateurDecimal()); }

// The charts of the launch that just ended, with the boxes as they were when
// it began, as the window draws them; against the time in seconds from the
// launches kept when each launch has its colour, the values are written or
// they are drawn again (`redessin`: the record may have been cleared since);
// the energy; a word in the others.
void traceGraphes(Principale& p, Fenetre& f, const ValeursCases& cases, bool redessin = false)
{
    const std::vector<CourbeLancement> c = courbes(p);   // the launch cleared what the charts read
    p.graphes.numeros.clear();
    for (const CourbeLancement& x : c) p.graphes.numeros.push_back(x.releve->numero);
    p.graphes.enTemps = redessin || actif(p, Reglage::Coloris) || actif(p, Reglage::Valeurs);
    const std::string sep = f.separateurDecimal();
    if (p.graphes.enTemps) {
        if (!redessin) TraceVitesse(p.etat, f, ValeursCases{});   // the speeds, which the record keeps
        TraceLancements(c, f, cases, actif(p, Reglage::Valeurs) ? std::optional<std::string_view>(sep) : std::nullopt);
    } else {
        TraceVitesse(p.etat, f, cases);
    }
    p.graphes.cases = cases;
    if (cases[static_cast<std::size_t>(Case::Energie)] == 1) TraceEnergie(c, f, sep);
    noteGraphes(f, Texte::grapheCocheApres, &cases);
    traceKepler(p, f);
}

// The charts drawn again from the launches kept, as the options now want them.
void retraceGraphes(Principale& p, Fenetre& f)
{
    if (p.graphes.numeros.empty()) return;
    for (const Graphe& g : kGraphes) f.picture(g.picture).cls();
    traceGraphes(p, f, p.graphes.cases, true);
}

// The charts' words in the language now chosen, each chart as the last
// launch left it: what it says while it shows no launch, the energy chart's
// texts, the values; the window's curves have none.
void retraduitGraphes(Principale& p, Fenetre& f)
{
    const bool lance = !p.graphes.numeros.empty();
    if (lance && actif(p, Reglage::Valeurs)) return retraceGraphes(p, f);
    for (const Graphe& g : kGraphes) {
        const bool trace = lance && p.graphes.cases[static_cast<std::size_t>(g.boite)] == 1;
        if (trace && g.serie) continue;
        f.picture(g.picture).cls();
        if (trace) traceEnergie(p, f);
        else noteGraphe(f.picture(g.picture), lance ? Texte::grapheCocheApres : Texte::grapheVide);
    }
}

void lance(Principale& p, Fenetre& f)
{
    for (const Graphe& g : kGraphes) f.picture(g.picture).cls();
    p.graphes = {};
    if (!relitChamps(p, f)) return noteGraphes(f, Texte::grapheVide);
    const ResultatCalcul r = calcule(p.etat);
    f.ecritEtiquette(Etiquette::ImpactTemps, r.label11.vue());
    f.ecritEtiquette(Etiquette::ImpactVitesse, r.label12.vue());
    if (!r.compteRendu.ok) {
        f.ecritMessage(r.compteRendu.message.vue());
        return noteGraphes(f, Texte::grapheVide);
    }
    // Taken at once: the next keystroke in a field clears the record's arrays.
    retiens(p.releve, p.etat, r.pas);
    p.releve.textes = TextesLancement{.masseSatellite = f.texte(Champ::Text7)};
    p.releve.numero = ++p.numeroLancement;
    p.pasPoints = p.releve.pasTrace = pasDeTrace(p.etat.NbPoints);
    if (actif(p, Reglage::Coloris))
        p.releve.coloris = static_cast<int>(&colorisLancement(p.releve.numero) - kColoris.data());
    const std::optional<Couleur> couleur = kColoris[static_cast<std::size_t>(p.releve.coloris)].couleur;
    TracePoints(p.etat, f, couleur);
    Surface& vue = f.picture(1);
    // The launch's number by its last point, in its colour.
    p.releve.numerote = actif(p, Reglage::Coloris);
    if (p.releve.numerote) ecritNumero(vue, p.releve, couleur);
    p.releve.flecheDepart = actif(p, Reglage::Vecteur);
    if (p.releve.flecheDepart) {
        const double D = static_cast<double>(p.etat.Echelle) * p.etat.Reduction;
        traceFleche(vue, flecheEchelle(vue, p.etat.Xt[0] / D, p.etat.Yt[0] / D, p.etat.Vxt[0], p.etat.Vyt[0],
                                       vitesseParCarreau(p), couleur.value_or(kNoir)));
    }
    apresLancement(p, f);
    ecritLegende(p, f);
    montreFlecheDepart(p, f);
    if (p.etat.Nfin < kPas) {
        // The star grows one frame at a time, each shown for a while; the
        // charts come after it, as they would after a star drawn at once.
        p.etoile = {true, 0, valeursCases(f)};
        debutImpact(f);
        etapeEtoile(p, f);
        return;
    }
    traceGraphes(p, f, valeursCases(f));
}

// The last step of a launch with an impact. `relance`: another launch
// follows at once, which clears the charts and their record: they are left
// as they are rather than drawn to be wiped (Kepler's chart, which that
// launch does not clear, is drawn).
void finLancement(Principale& p, Fenetre& f, bool relance = false)
{
    p.etoile.enCours = false;
    finImpact(f);
    if (relance) traceKepler(p, f);
    else traceGraphes(p, f, p.etoile.cases);
}

// The launches are no longer on the view: the printout's legend and the
// points' tooltips say nothing of them, though the last one's points stay
// to be exported.
void oublieTrace(Principale& p)
{
    p.releve.textes.reset();
    p.nombrePrecedents = 0;
    p.numeroLancement = 0;
    p.graphes = {};
    p.echelles = {};
}

// After the view and the charts were cleared: what the charts say, the
// arrows' scale, the legend emptied.
void apresEffacement(Principale& p, Fenetre& f)
{
    noteGraphes(f, Texte::grapheVide);
    if (actif(p, Reglage::Vecteur)) {
        ecritEchelleFleches(f.picture(1));
        f.picture(1).fleche(1, std::nullopt);
    }
    montreFlecheDepart(p, f);
    ecritLegende(p, f);
    traceKepler(p, f);
}

void efface(Principale& p, Fenetre& f)
{
    arreteRejeu(p, f);
    oublieTrace(p);
    efface(p.etat, f);
    apresEffacement(p, f);
}

// A launch still on the view stays among the kept ones, the oldest going past the bound.
void garde(Principale& p)
{
    if (!p.releve.textes) return;
    if (p.nombrePrecedents == kLancementsGardes - 1)
        std::move(p.precedents.begin() + 1, p.precedents.end(), p.precedents.begin());
    else
        ++p.nombrePrecedents;
    p.precedents[static_cast<std::size_t>(p.nombrePrecedents - 1)] = std::move(p.releve);
    p.releve = {};
}

// The plotted point nearest (x, y), within 4 pixels, of the launches on the view.
std::optional<std::pair<const Releve*, int>> pointProche(const Principale& p, const Surface& vue, float x, float y,
                                                         double pres = kPresSouris)
{
    const std::pair<double, double> parUnite = pixelsParUnite(vue);   // not a binding: the lambda below uses it
    const double kx = parUnite.first, ky = parUnite.second;
    std::optional<std::pair<const Releve*, int>> proche;
    double meilleur = pres * pres;
    const std::vector<const Releve*> vus = lancementsVus(p);
    // The newest first: where two launches pass, the pointer reads the one drawn over.
    for (auto it = vus.rbegin(); it != vus.rend(); ++it) {
        const Releve& r = **it;
        const double D = static_cast<double>(r.Echelle) * p.etat.Reduction;
        const auto essaie = [&](int i) {
            const auto k = static_cast<std::size_t>(i);
            const double dx = (r.Xt[k] / D - x) * kx, dy = (r.Yt[k] / D - y) * ky;
            if (dx * dx + dy * dy < meilleur || (!proche && dx * dx + dy * dy <= meilleur))
                meilleur = dx * dx + dy * dy, proche = std::pair(&r, i);
        };
        for (int i = 1; i <= r.Nfin; i += std::max(1, r.pasTrace)) essaie(i);
        if (r.Nfin < kPas) essaie(r.Nfin);   // the impact point, drawn by the star
    }
    return proche;
}

using Proche = std::optional<std::pair<const Releve*, int>>;
std::string bulleDe(const Principale& p, const Proche& proche, std::string_view sep);

/// The pointer or a finger over the view: the point within `pres` px and its tooltip ("" off the points).
struct Survol {
    std::string bulle;
    std::optional<std::pair<const Releve*, int>> proche;
};
// The captions as the state's handler writes them, a replay's read-out, then
// the launch of the point there pointed at and hovered.
Survol survole(Principale& p, Fenetre& f, int bouton, int shift, float x, float y, double pres)
{
    Picture1_MouseMove(p.etat, f, bouton, shift, x, y);
    p.legendesUnite = true;
    montreLectureRejeu(p, f);   // a replay keeps the read-out
    const Surface& vue = f.picture(1);
    Survol s{{}, pointProche(p, vue, x, y, pres)};   // the point found once, for the tooltip too
    s.bulle = bulleDe(p, s.proche, f.separateurDecimal());
    if (s.proche) p.pointe = s.proche->first->numero;
    survoleLancement(p, f, s.proche ? s.proche->first->numero : 0);
    return s;
}

} // namespace

void Form_Load(Principale& p, Fenetre& f)
{
    oublieTrace(p);
    Form_Load(p.etat, f);
    apresEffacement(p, f);
    f.pointsDisponibles(false);
    regleRejeu(p, f, Reglage::Rejeu1h, true);   // the replay's speed until another is chosen
}

void Command1_Click(Principale& p, Fenetre& f)
{
    acheveLancement(p, f, true);
    arreteRejeu(p, f);
    p.pointe = 0;
    // Only a launch that runs to its end leaves points to copy or save: a
    // refused or stopped one draws nothing, so its numbers would stand for
    // nothing the pupil sees. The one on the view stays among those kept.
    garde(p);
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
    case Commande::Annuler: return annulePlacement(p, f);
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
    arreteRejeu(p, f);
    ++p.nombreEchelles;
    oublieTrace(p);   // the preset ends with efface
    Option3_Click(p.etat, f, static_cast<std::int16_t>(index));
    apresEffacement(p, f);
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
    // X or Y changed otherwise than by the placement: there is none to undo.
    const auto& q = p.placement;
    if (q.possible && (f.texte(Champ::Text3) != q.x || f.texte(Champ::Text4) != q.y)) oubliePlacement(p, f);
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
    const std::string lecture =
        r.ok ? messageChamps(p.etat, champs, [&f] { return f.separateurDecimal(); }) : std::string(r.message.vue());
    std::string m(avant);
    if (!m.empty() && !lecture.empty()) m += ' ';
    m += lecture;
    f.ecritMessage(m);
    p.lecture = std::move(m);
    montreFlecheDepart(p, f);
    return r.ok;
}

void Case_Click(Principale& p, Fenetre& f, Case c)
{
    acheveLancement(p, f);
    basculeGraphes(f, c);
    ajusteLargeur(f);
    // The energy of the launch on the view, at once: its chart is the program's own.
    auto& dessine = p.graphes.cases[static_cast<std::size_t>(Case::Energie)];
    if (c == Case::Energie && f.valeurCase(c) == 1 && dessine != 1 && p.releve.textes) {
        for (const Graphe& g : kGraphes)
            if (g.boite == Case::Energie) f.picture(g.picture).cls();
        traceEnergie(p, f);
        dessine = 1;
    }
}

void Picture1_MouseDown(Principale& p, Fenetre& f, int bouton, int shift, float x, float y)
{
    acheveLancement(p, f);
    std::string avantX = f.texte(Champ::Text3), avantY = f.texte(Champ::Text4);
    Picture1_MouseDown(p.etat, f, bouton, shift, x, y);
    p.placement = {true, f.texte(Champ::Text3), f.texte(Champ::Text4), std::move(avantX), std::move(avantY)};
}

void annulePlacement(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    if (!p.placement.possible) {
        f.ecritMessage(tr(Texte::aucunPlacement));
        return;
    }
    const auto q = p.placement;
    f.ecritTexte(Champ::Text3, q.avantX);   // which ends the placement's undo
    f.ecritTexte(Champ::Text4, q.avantY);
    oubliePlacement(p, f);
    SatMove(p.etat, f);
}

void Picture1_MouseMove(Principale& p, Fenetre& f, int bouton, int shift, float x, float y)
{
    // Only captions change: the star goes on growing under the pointer.
    const Survol s = survole(p, f, bouton, shift, x, y, kPresSouris);
    f.montreBulle(s.bulle);
    const auto& proche = s.proche;
    Surface& vue = f.picture(1);
    if (!actif(p, Reglage::Vecteur)) return;
    // The pointed point's velocity, in its launch's colour.
    std::optional<Fleche> fleche;
    if (proche) {
        const Releve& r = *proche->first;
        fleche = flecheVitesse(p, vue, r, proche->second, kColoris[static_cast<std::size_t>(r.coloris)].couleur.value_or(kNoir));
    }
    vue.fleche(1, fleche);
}

void Picture1_Touche(Principale& p, Fenetre& f, Doigt d, float x, float y, double echelle)
{
    auto& g = p.doigt;
    if (d == Doigt::Pose) g = {true, false, false, false, x, y};
    if (!g.pose || d == Doigt::Annule) {
        g = {};
        return;
    }
    const Surface& vue = f.picture(1);
    // Distances on the screen, whatever size the view is shown at.
    const auto [kx, ky] = pixelsParUnite(vue);
    const double ex = kx * echelle, ey = ky * echelle, pres = kPresDoigt / echelle;
    if (d == Doigt::Appui) {
        // Held where it landed, reading nothing: the start goes there.
        if (g.glisse || g.lu || g.place) return;
        g.place = true;
        Picture1_MouseDown(p, f, 1, 0, g.x, g.y);
        f.setVisible(role(Commande::Annuler), true);
        f.montreBulle(tr(Texte::departPlace));
        return;
    }
    if (d != Doigt::Leve) {
        const double dx = (x - g.x) * ex, dy = (y - g.y) * ey;
        g.glisse = g.glisse || dx * dx + dy * dy > kPresDoigt * kPresDoigt;
        // Between two plotted points the tooltip keeps the last one met.
        const std::string bulle = survole(p, f, 0, 0, x, y, pres).bulle;
        if (!bulle.empty()) g.lu = true;
        if (!bulle.empty() || d == Doigt::Pose) f.montreBulle(bulle);
        return;
    }
    const auto geste = g;
    g = {};
    if (p.rejeu.actif && geste.glisse) {
        // Sideways, a replay's step: forward to the right, back to the left.
        const double dx = (x - geste.x) * ex, dy = (y - geste.y) * ey;
        if (std::fabs(dx) >= kGlissementRejeu && std::fabs(dx) > 2 * std::fabs(dy)) pointRejeu(p, f, dx > 0 ? 1 : -1);
    }
    // A tap that read nothing changes nothing, and says what a finger does.
    if (!geste.lu && !geste.place && !geste.glisse) f.montreBulle(tr(Texte::astuceDoigt));
}

namespace {

// The tooltip of a point found ("" for none).
std::string bulleDe(const Principale& p, const Proche& proche, std::string_view sep)
{
    if (!proche) return {};
    const Releve& r = *proche->first;

    // Lengths to a tenth of the display unit, speeds to a tenth of a m/s.
    const auto k = static_cast<std::size_t>(proche->second);
    std::string t = tr(kBullePoint, {formeLisible(static_cast<double>(proche->second) * r.pas, sep), dixieme(r.Xt[k] / r.Echelle, sep),
                                     dixieme(r.Yt[k] / r.Echelle, sep), dixieme(vitesseScalaire(r.Vxt[k], r.Vyt[k]), sep), uniteAffichee(r)});
    // Several launches on the view: which one it is.
    if (lancementsVus(p).size() > 1) t = tr(Texte::bulleLancement, {std::to_string(r.numero), t});
    if (actif(p, Reglage::Vecteur))
        (t += '\n') += tr(Texte::bulleVitessePoint, {dixieme(r.Vxt[k], sep), dixieme(r.Vyt[k], sep)});
    if (const std::string v = bulleVecteurs(p, r, proche->second, sep); !v.empty()) (t += '\n') += v;
    return t;
}

} // namespace

std::string bullePoint(const Principale& p, const Surface& vue, float x, float y, std::string_view sep, double pres)
{
    return bulleDe(p, pointProche(p, vue, x, y, pres), sep);
}

std::vector<CourbeLancement> courbesGraphes(const Principale& p)
{
    std::vector<CourbeLancement> courbes;
    const std::vector<const Releve*> vus = lancementsVus(p);
    for (const int n : p.graphes.numeros) {
        if (n == p.releve.numero && !p.releve.estVide()) courbes.push_back({&p.releve, {}});
        else
            for (const Releve* r : vus)
                if (r->numero == n) courbes.push_back({r, {}});
    }
    return courbes;
}

void Graphe_MouseMove(Principale& p, Fenetre& f, int picture, float x, float y)
{
    (void)y;   // the value read is the launch's at the pointer's time, not the pointer's height
    const Graphe* g = graphe(picture);
    std::vector<CourbeLancement> courbes;
    if (g && p.graphes.cases[static_cast<std::size_t>(g->boite)] == 1 && !p.etoile.enCours) courbes = courbesGraphes(p);
    f.montreBulle(g && !courbes.empty() ? bulleGraphe(*g, courbes, p.graphes.enTemps, x, f.separateurDecimal()) : std::string(), picture);
}

void Reglage_Click(Principale& p, Fenetre& f, Reglage r, bool oui)
{
    acheveLancement(p, f);
    if (regleRejeu(p, f, r, oui)) return;   // the replay's pause and speed
    p.reglages[static_cast<std::size_t>(r)] = oui;
    f.ecritReglage(r, oui);
    if (r == Reglage::Coloris || r == Reglage::OrbiteExacte || r == Reglage::Kepler) {
        f.setVisible(role(Etiquette::Legende), legendeMontree(p));
        if (r == Reglage::Kepler)
            for (const Role z : {zone(kPictureKepler), legendeGraphe(kPictureKepler)}) f.setVisible(z, oui);
        ecritLegende(p, f);
        ajusteLargeur(f);
    }
    if (r == Reglage::Coloris || r == Reglage::Valeurs) retraceGraphes(p, f);
    if (r == Reglage::Projection) {
        f.modeProjection(oui);
        ecritLegende(p, f);   // its swatches as the view now draws
    }
    if (r == Reglage::Vecteur) {
        if (oui && p.echelles[static_cast<std::size_t>(Vecteur::Vitesse)] > 0) retraceVue(p, f);   // its line among the others
        else if (oui) ecritEchelleFleches(f.picture(1));
        else
            for (int n = 0; n < kNombreFleches; ++n) f.picture(1).fleche(n, std::nullopt);
    } else if (r != Reglage::Coloris && r != Reglage::Valeurs && r != Reglage::Projection) {
        reglePhysique(p, f, r);
    }
    montreFlecheDepart(p, f);
}

void basculeReglage(Principale& p, Fenetre& f, Reglage r) { Reglage_Click(p, f, r, !actif(p, r)); }

std::vector<const Releve*> lancementsVus(const Principale& p)
{
    std::vector<const Releve*> v;
    for (int i = 0; i < p.nombrePrecedents; ++i) v.push_back(&p.precedents[static_cast<std::size_t>(i)]);
    if (p.releve.textes && !p.releve.estVide()) v.push_back(&p.releve);
    return v;
}

std::string textePoints(const Principale& p, const FormatTable& f)
{
    const std::vector<const Releve*> vus = lancementsVus(p);
    std::string t = vus.size() > 1 ? texteTable(vus, f) : texteTable(p.releve, f);
    t += tableKepler(p, f);
    return t;
}

void changeLangue(Principale& p, Fenetre& f, Langue l)
{
    acheveLancement(p, f);
    const Langue avant = langue();
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
    if (const Releve& r = p.releve; r.textes && r.Nfin < kPas && !r.estVide()) {
        const auto n = static_cast<std::size_t>(r.Nfin);
        Libelle temps, vitesse;
        remplis(temps, tr(Texte::impactTemps), {formeSignee(static_cast<double>(r.Nfin) * r.pas).vue()});
        remplis(vitesse, tr(Texte::impactVitesse), {formeSignee(std::floor(r.Vxt[n])).vue(), formeSignee(std::floor(r.Vyt[n])).vue()});
        f.ecritEtiquette(Etiquette::ImpactTemps, temps.vue());
        f.ecritEtiquette(Etiquette::ImpactVitesse, vitesse.vue());
    }
    ecritLegende(p, f);
    retraduitGraphes(p, f);
    // The only words drawn on the view: how long the arrows are; the points' arrows' lines are drawn again.
    if (couchesVue(p) && !lancementsVus(p).empty()) {
        retraceVue(p, f);
    } else if (actif(p, Reglage::Vecteur)) {
        const std::string ancien = texteEchelleFleches(avant), nouveau = texteEchelleFleches(l);
        f.picture(1).retraduitDessin([&](std::string_view t) { return t == ancien ? nouveau : std::string(t); });
    }
    relitChamps(p, f);
}

void etapeEtoile(Principale& p, Fenetre& f)
{
    if (!p.etoile.enCours) return etapeRejeu(p, f);   // or finished early by another event
    if (p.etoile.image < kImagesEtoile) {
        imageImpact(p.etat, f);
        ++p.etoile.image;
        f.programmeEtape(kDureeImageEtoile);
        return;
    }
    finLancement(p, f);
}

void acheveLancement(Principale& p, Fenetre& f, bool relance)
{
    if (!p.etoile.enCours) return;
    for (; p.etoile.image < kImagesEtoile; ++p.etoile.image) imageImpact(p.etat, f);
    finLancement(p, f, relance);
}

} // namespace orbeline
