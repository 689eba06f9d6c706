#include "physique.h"

#include "calcule.h"
#include "charts.h"
#include "disposition.h"
#include "formes.h"
#include "langue.h"
#include "lecture.h"
#include "orbite.h"
#include "placement.h"
#include "vue.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace orbeline {
namespace {

constexpr Couleur kNoir{0, 0, 0};
constexpr std::array<Reglage, 3> kReglagesVecteurs{Reglage::VecteursVitesse, Reglage::VariationVitesse, Reglage::Force};
constexpr std::array<Reglage, 3> kReglagesVitesse{Reglage::Rejeu10min, Reglage::Rejeu1h, Reglage::Rejeu6h};
constexpr std::array<Texte, 3> kNomsVitesse{Texte::rejeu10min, Texte::rejeu1h, Texte::rejeu6h};

bool actif(const Principale& p, Reglage r) { return p.reglages[static_cast<std::size_t>(r)]; }
std::size_t rang(Vecteur v) { return static_cast<std::size_t>(v); }

Couleur couleurDe(const Releve& r) { return kColoris[static_cast<std::size_t>(r.coloris)].couleur.value_or(kNoir); }
double masseDe(const Releve& r) { return r.textes ? lisNombre(r.textes->masseSatellite) : 0; }
// Metres per user unit of the orbit view, for a launch on it.
double metresParUnite(const Principale& p, const Releve& r) { return static_cast<double>(r.Echelle) * p.etat.Reduction; }
std::size_t k(int i) { return static_cast<std::size_t>(std::clamp(i, 0, kTaille - 1)); }

// A launch's vector of a kind at point i, when it has one.
[[gnu::noinline]] std::optional<std::array<double, 2>> vecteur(const Releve& r, int i, std::size_t sorte)
{
    const VecteursPoint v = vecteursPoint(r, i, masseDe(r));
    switch (static_cast<Vecteur>(sorte)) {
    case Vecteur::Vitesse: return v.vitesse;
    case Vecteur::Variation: return v.variation;
    case Vecteur::Force: return v.force;
    }
    return std::nullopt;
}

// The largest vector of each kind on, at the arrowed points of the launches on the view.
std::array<double, 3> echellesVoulues(const Principale& p)
{
    std::array<double, 3> plusGrand{};
    const std::vector<const Releve*> vus = lancementsVus(p);
    for (std::size_t n = 0; n < kReglagesVecteurs.size(); ++n) {
        if (!actif(p, kReglagesVecteurs[n])) continue;
        for (const Releve* r : vus)
            for (const int i : pointsFleches(*r))
                if (const auto v = vecteur(*r, i, n))
                    if (const double m = std::hypot((*v)[0], (*v)[1]); std::isfinite(m)) plusGrand[n] = std::max(plusGrand[n], m);
        plusGrand[n] = echelleRonde(plusGrand[n]);
    }
    return plusGrand;
}

// The arrows and the exact orbit of one launch, in its colour; then the pen the points are drawn with.
void traceCouches(const Principale& p, Surface& vue, const Releve& r)
{
    const Couleur c = couleurDe(r);
    const double D = metresParUnite(p, r);
    vue.setDrawStyle(StyleTrait::Plein);
    if (actif(p, Reglage::OrbiteExacte)) {
        // As far as the view reaches from the centre, and twice more.
        const double rMax = 2 * (std::hypot(vue.scaleLeft(), vue.scaleTop()) + std::hypot(vue.scaleWidth(), vue.scaleHeight())) * D;
        std::vector<std::pair<double, double>> arc = arcConique(conique(r), r.rayon, rMax);
        for (auto& [x, y] : arc) x /= D, y /= D;
        vue.setDrawWidth(1);
        traceTirets(vue, arc, c);
    }
    for (std::size_t n = 0; n < kReglagesVecteurs.size(); ++n) {
        if (!(p.echelles[n] > 0)) continue;
        // The force thicker: it points where Δv does.
        vue.setDrawWidth(static_cast<Vecteur>(n) == Vecteur::Force ? 2 : 1);
        for (const int i : pointsFleches(r))
            if (const auto v = vecteur(r, i, n))
                traceFleche(vue, flecheEchelle(vue, r.Xt[k(i)] / D, r.Yt[k(i)] / D, (*v)[0], (*v)[1], p.echelles[n], c));
    }
    vue.setDrawWidth(2);
    vue.setDrawStyle(StyleTrait::Tirets);
}

// What a square stands for, a line each from the view's lower left corner upward.
void ecritEchelles(const Principale& p, Surface& vue, std::string_view sep)
{
    int ligne = 0;
    for (const std::string& t : lignesEchelles(p, sep)) {
        const auto [x, y] = pointPx(vue, 4, vue.hauteurPixels() - 3 - ligne++ * (kCorpsTexte + 1));
        vue.texte(x, y, t, Ancre::BasGauche);
    }
}

// Why arrows are missing, after what the fields' reading says; only while an arrow option is on.
void ecritRaisons(const Principale& p, Fenetre& f)
{
    const bool force = actif(p, Reglage::Force), variation = actif(p, Reglage::VariationVitesse);
    const std::vector<const Releve*> vus = lancementsVus(p);
    if (!(force || variation || actif(p, Reglage::VecteursVitesse))) return;
    std::string t = p.lecture;
    const auto ajoute = [&](Texte raison) { (t += t.empty() ? "" : " ") += tr(raison); };
    if (!vus.empty()) {
        const Releve& r = *vus.back();
        bool centre = false;
        for (const int i : pointsFleches(r)) centre = centre || sansForce(r, i, 1) == SansFleche::Centre;
        if ((force || variation) && !(r.GM > 0)) ajoute(Texte::messageSansAttraction);
        else if (force && sansForce(r, 0, masseDe(r)) == SansFleche::MasseNulle) ajoute(Texte::messageMasseNulle);
        if ((force || variation) && centre && r.GM > 0) ajoute(Texte::messageCentre);
        if (variation && r.Nfin < kPas) ajoute(Texte::messageArretImpact);
    }
    f.ecritMessage(t);
}

// The replay paused or resumed, its option checked or not.
[[gnu::noinline]] void metEnPause(Principale& p, Fenetre& f, bool oui)
{
    p.rejeu.pause = oui;
    p.reglages[static_cast<std::size_t>(Reglage::Pause)] = oui;
    f.ecritReglage(Reglage::Pause, oui);
}

const Releve* rejoue(const Principale& p)
{
    for (const Releve* r : lancementsVus(p))
        if (r->numero == p.rejeu.numero) return r;
    return nullptr;
}

// The plotted point at or before computed point m (the start before the first one).
int traceAuPlus(const Releve& r, int m)
{
    const int pas = std::max(1, r.pasTrace);
    return m < 1 ? 0 : 1 + (m - 1) / pas * pas;
}

// The plotted point next to i, or the last point (the impact's, drawn by the star).
int voisin(const Releve& r, int i, int sens)
{
    const int pas = std::max(1, r.pasTrace);
    if (sens > 0) return i >= r.Nfin ? r.Nfin : std::min<int>(i == 0 ? 1 : traceAuPlus(r, i) + pas, r.Nfin);
    if (i <= 1) return 0;
    return i >= r.Nfin ? traceAuPlus(r, r.Nfin - 1) : traceAuPlus(r, i) - pas;
}

// The satellite on point i of the launch replayed: the marker, the read-out, the charts' cursors, its velocity's arrow.
void montrePoint(Principale& p, Fenetre& f, const Releve& r, int i)
{
    p.rejeu.point = i;
    Surface& vue = f.picture(1);
    const double D = metresParUnite(p, r);
    centre(vue, Controle::Sat, r.Xt[k(i)] / D, r.Yt[k(i)] / D);
    montreLectureRejeu(p, f);
    const Couleur c = couleurDe(r);
    const bool dessine = std::find(p.graphes.numeros.begin(), p.graphes.numeros.end(), r.numero) != p.graphes.numeros.end();
    for (const Graphe& g : kGraphes) {
        const bool energie = !g.serie && &r == &p.releve;
        const bool montre = dessine && p.graphes.cases[static_cast<std::size_t>(g.boite)] == 1 && (g.serie || energie);
        Surface& s = f.picture(g.picture);
        s.fleche(0, montre ? curseurGraphe(g, s, r, i, p.graphes.enTemps, c) : std::nullopt);
    }
    if (actif(p, Reglage::Vecteur))
        vue.fleche(1, flecheVitesse(p, vue, r, i, c));
}

void finRejeu(Principale& p, Fenetre& f, const Releve& r)
{
    metEnPause(p, f, true);
    const std::string t = formeLisible(static_cast<double>(r.Nfin) * r.pas, f.separateurDecimal());
    f.ecritMessage(tr(r.Nfin < kPas ? Texte::rejeuImpact : Texte::rejeuFin, {t}));
}

} // namespace

std::vector<std::string> lignesEchelles(const Principale& p, std::string_view sep)
{
    // By Vecteur: the velocity's line, else the start's arrow's while it is drawn.
    static constexpr std::array<Texte, 3> kLignes{Texte::echelleVitesses, Texte::echelleVariation, Texte::echelleForce};
    std::vector<std::string> l;
    for (std::size_t n = 0; n < kLignes.size(); ++n) {
        if (p.echelles[n] > 0) l.push_back(tr(kLignes[n], {formeLisible(p.echelles[n], sep)}));
        else if (n == rang(Vecteur::Vitesse) && actif(p, Reglage::Vecteur))
            l.push_back(tr(Texte::echelleFleches, {formeGenerale(kVitesseParCarreau, ".").vue()}));
    }
    return l;
}

bool couchesVue(const Principale& p)
{
    return actif(p, Reglage::OrbiteExacte) || std::any_of(kReglagesVecteurs.begin(), kReglagesVecteurs.end(),
                                                          [&](Reglage r) { return actif(p, r); });
}

bool legendeMontree(const Principale& p)
{
    return actif(p, Reglage::Coloris) || actif(p, Reglage::OrbiteExacte) || actif(p, Reglage::Kepler);
}

double vitesseParCarreau(const Principale& p)
{
    const double e = p.echelles[rang(Vecteur::Vitesse)];
    return e > 0 ? e : kVitesseParCarreau;
}

Fleche flecheVitesse(const Principale& p, const Surface& vue, const Releve& r, int i, Couleur c)
{
    const double D = metresParUnite(p, r);
    return flecheEchelle(vue, r.Xt[k(i)] / D, r.Yt[k(i)] / D, r.Vxt[k(i)], r.Vyt[k(i)], vitesseParCarreau(p), c);
}

void ecritNumero(Surface& vue, const Releve& r, std::optional<Couleur> c)
{
    const auto [x, y] = pointPx(vue, (vue.currentX() - vue.scaleLeft()) * vue.largeurPixels() / vue.scaleWidth() + 4,
                                (vue.currentY() - vue.scaleTop()) * vue.hauteurPixels() / vue.scaleHeight() - 3);
    vue.texte(x, y, std::to_string(r.numero), Ancre::BasGauche, c);
}

void apresLancement(Principale& p, Fenetre& f)
{
    if (!couchesVue(p)) return;
    const std::array<double, 3> e = echellesVoulues(p);
    if (e != p.echelles) {
        p.echelles = e;
        retraceVue(p, f);
    } else {
        traceCouches(p, f.picture(1), p.releve);
    }
    ecritRaisons(p, f);
}

void retraceVue(Principale& p, Fenetre& f)
{
    Surface& vue = f.picture(1);
    vue.cls();
    traceCadre(p.etat, vue);
    const std::vector<const Releve*> vus = lancementsVus(p);
    // Each launch as it was drawn: its points, its number, its start's arrow, its impact's point.
    for (const Releve* r : vus) {
        const std::optional<Couleur> c = kColoris[static_cast<std::size_t>(r->coloris)].couleur;
        const double D = metresParUnite(p, *r);
        for (int i = 1; i <= std::min<int>(r->Nfin, kTaille - 1); i += std::max(1, r->pasTrace))
            vue.pset(enFloat(r->Xt[k(i)] / D), enFloat(r->Yt[k(i)] / D), c);
        if (r->numerote) ecritNumero(vue, *r, c);
        if (r->flecheDepart) traceFleche(vue, flecheVitesse(p, vue, *r, 0, c.value_or(kNoir)));
        if (r->Nfin < kPas)
            vue.pset(enFloat(r->Xt[k(r->Nfin)] / p.etat.Reduction / r->Echelle),
                     enFloat(r->Yt[k(r->Nfin)] / p.etat.Reduction / r->Echelle));
    }
    for (const Releve* r : vus) traceCouches(p, vue, *r);
    ecritEchelles(p, vue, f.separateurDecimal());
}

void reglePhysique(Principale& p, Fenetre& f, Reglage r)
{
    if (r == Reglage::Kepler) return traceKepler(p, f);
    p.echelles = echellesVoulues(p);
    if (!lancementsVus(p).empty()) retraceVue(p, f);
    // What the fields' reading says, then why an arrow is missing.
    f.ecritMessage(p.lecture);
    ecritRaisons(p, f);
}

bool regleRejeu(Principale& p, Fenetre& f, Reglage r, bool oui)
{
    if (const auto v = std::find(kReglagesVitesse.begin(), kReglagesVitesse.end(), r); v != kReglagesVitesse.end()) {
        // A speed is chosen, never unchosen: the others go off.
        p.rejeu.vitesse = static_cast<int>(v - kReglagesVitesse.begin());
        for (const Reglage autre : kReglagesVitesse) {
            p.reglages[static_cast<std::size_t>(autre)] = autre == r;
            f.ecritReglage(autre, autre == r);
        }
        return true;
    }
    if (r != Reglage::Pause) return false;
    const Releve* enCours = p.rejeu.actif ? rejoue(p) : nullptr;
    if (!enCours) {
        f.ecritReglage(Reglage::Pause, false);
        f.ecritMessage(tr(Texte::rejeuInactif));
        return true;
    }
    metEnPause(p, f, oui);
    if (oui) return true;
    // Resumed at the last point: from the start again.
    if (p.rejeu.point >= enCours->Nfin) {
        p.rejeu.temps = 0;
        montrePoint(p, f, *enCours, 0);
    }
    f.programmeEtape(kDureeImageRejeu);
    return true;
}

void traceKepler(Principale& p, Fenetre& f)
{
    if (!actif(p, Reglage::Kepler) || f.nombrePictures() < kPictureKepler) return;
    Surface& s = f.picture(kPictureKepler);
    s.cls();
    const std::vector<const Releve*> vus = lancementsVus(p);
    // Sized at once: a vector, even sized so, would bring its own code for this type alone.
    const std::unique_ptr<PointKepler[]> points(new PointKepler[vus.size()]);
    std::size_t n = 0;
    for (const Releve* r : vus)
        if (const Kepler m = mesureKepler(*r); m.tour)
            points[n++] = {r->numero, m.a, m.T, kColoris[static_cast<std::size_t>(r->coloris)].couleur};
    TraceKepler(s, std::span(points.get(), n), vus.empty() ? p.etat.GM : vus.back()->GM, f.separateurDecimal());
}

std::string bulleVecteurs(const Principale& p, const Releve& r, int i, std::string_view sep)
{
    if (std::none_of(kReglagesVecteurs.begin(), kReglagesVecteurs.end(), [&](Reglage g) { return actif(p, g); })) return {};
    const VecteursPoint v = vecteursPoint(r, i, masseDe(r));
    std::string t;
    const auto ligne = [&](const std::string& l) { (t += t.empty() ? "" : "\n") += l; };
    // The components, unless the velocity arrow's line gives them already.
    if (!actif(p, Reglage::Vecteur)) ligne(tr(Texte::bulleVitessePoint, {dixieme(v.vitesse[0], sep), dixieme(v.vitesse[1], sep)}));
    const auto raison = [](SansFleche s) {
        switch (s) {
        case SansFleche::PremierPoint: return Texte::sansPremier;
        case SansFleche::DernierPoint: return Texte::sansDernier;
        case SansFleche::Centre: return Texte::sansCentre;
        case SansFleche::MasseNulle: return Texte::sansMasse;
        default: return Texte::sansAttraction;
        }
    };
    if (v.variation) {
        const auto& dv = *v.variation;
        const double x = r.Xt[k(i)], y = r.Yt[k(i)], n = std::hypot(dv[0], dv[1]), d = std::hypot(x, y);
        // The angle between Δv and the direction from the point to the centre.
        const double angle = n > 0 && d > 0 ? std::acos(std::clamp(-(dv[0] * x + dv[1] * y) / (n * d), -1.0, 1.0)) * 180 / std::numbers::pi : 0;
        ligne(tr(Texte::bulleVariation, {dixieme(n, sep), formeLisible(static_cast<double>(v.precedent) * r.pas, sep),
                                         formeLisible(static_cast<double>(v.suivant) * r.pas, sep), dixieme(angle, sep)}));
    } else {
        ligne(tr(Texte::bulleVariationSans, {tr(raison(sansVariation(r, i)))}));
    }
    if (v.force) ligne(tr(Texte::bulleForce, {formeLisible(significatifs(std::hypot((*v.force)[0], (*v.force)[1]), 4), sep)}));
    else ligne(tr(Texte::bulleForceSans, {tr(raison(sansForce(r, i, masseDe(r))))}));
    return t;
}

std::string tableKepler(const Principale& p, const FormatTable& f)
{
    if (!actif(p, Reglage::Kepler)) return {};
    std::vector<const Releve*> l = lancementsVus(p);
    if (l.empty() && !p.releve.estVide()) l.push_back(&p.releve);
    const std::string_view sep = f.separateurChamp;
    std::string lignes;
    for (const Releve* r : l) {
        const Kepler m = mesureKepler(*r);
        if (!m.tour) continue;
        lignes += std::to_string(r->numero);
        for (const double v : {m.a / r->Echelle, m.T, m.rapport, constanteKepler(r->GM)})
            lignes.append(sep).append(formeGenerale(v, f.separateurDecimal).vue());
        lignes += '\n';
    }
    if (lignes.empty()) return {};
    std::string t = "\n";
    t.append(tr(Texte::colonneLancement)).append(sep).append("a (").append(uniteAffichee(*l.front())).append(")").append(sep);
    t.append("T (s)").append(sep).append("T²/a³ (s²/m³)").append(sep).append("4π²/GM (s²/m³)\n");
    t += lignes;
    return t;
}

void Rejouer(Principale& p, Fenetre& f)
{
    acheveLancement(p, f);
    const std::vector<const Releve*> vus = lancementsVus(p);
    const Releve* r = vus.empty() ? nullptr : vus.back();
    for (const Releve* v : vus)
        if (v->numero == p.pointe) r = v;
    if (!r) {
        f.ecritMessage(tr(Texte::rejeuAucun));
        return;
    }
    p.rejeu.actif = true;
    p.rejeu.numero = r->numero;
    p.rejeu.temps = 0;
    metEnPause(p, f, false);
    montrePoint(p, f, *r, 0);
    f.ecritMessage(tr(Texte::rejeuDebut, {std::to_string(r->numero), tr(kNomsVitesse[static_cast<std::size_t>(p.rejeu.vitesse)])}));
    f.programmeEtape(kDureeImageRejeu);
}

void pointRejeu(Principale& p, Fenetre& f, int sens)
{
    const Releve* r = p.rejeu.actif ? rejoue(p) : nullptr;
    if (!r) {
        f.ecritMessage(tr(Texte::rejeuInactif));
        return;
    }
    metEnPause(p, f, true);
    const int i = voisin(*r, p.rejeu.point, sens);
    p.rejeu.temps = static_cast<double>(i) * r->pas;
    montrePoint(p, f, *r, i);
}

void etapeRejeu(Principale& p, Fenetre& f)
{
    if (!p.rejeu.actif || p.rejeu.pause) return;
    const Releve* r = rejoue(p);
    if (!r) return arreteRejeu(p, f);
    p.rejeu.temps += kVitessesRejeu[static_cast<std::size_t>(p.rejeu.vitesse)] * kDureeImageRejeu / 1000.0;
    const double pas = std::fabs(static_cast<double>(r->pas));
    const int i = pas > 0 && p.rejeu.temps < r->Nfin * pas ? traceAuPlus(*r, static_cast<int>(p.rejeu.temps / pas)) : r->Nfin;
    if (i != p.rejeu.point) montrePoint(p, f, *r, i);
    if (i >= r->Nfin) return finRejeu(p, f, *r);
    f.programmeEtape(kDureeImageRejeu);
}

void arreteRejeu(Principale& p, Fenetre& f)
{
    if (!p.rejeu.actif) return;
    p.rejeu.actif = false;
    metEnPause(p, f, false);
    for (const Graphe& g : kGraphes) f.picture(g.picture).fleche(0, std::nullopt);
    if (actif(p, Reglage::Vecteur)) f.picture(1).fleche(1, std::nullopt);
    // The read-out's unit as the pointer leaves it.
    if (p.legendesUnite) label(p.etat, f);
    else f.ecritEtiquette(Etiquette::LectureUnite, tr(cherche(role(Etiquette::LectureUnite))->legende));
}

void montreLectureRejeu(Principale& p, Fenetre& f)
{
    const Releve* r = p.rejeu.actif ? rejoue(p) : nullptr;
    if (!r) return;
    const int i = p.rejeu.point;
    const std::string sep = f.separateurDecimal();
    f.ecritEtiquette(Etiquette::LectureX, tr(Texte::lectureX, {dixieme(r->Xt[k(i)] / r->Echelle, sep)}));
    f.ecritEtiquette(Etiquette::LectureY, tr(Texte::lectureY, {dixieme(r->Yt[k(i)] / r->Echelle, sep)}));
    f.ecritEtiquette(Etiquette::LectureUnite, tr(Texte::rejeuTemps, {formeLisible(static_cast<double>(i) * r->pas, sep)}));
}

} // namespace orbeline
