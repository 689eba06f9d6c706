#include "legende.h"

#include "calcule.h"
#include "formes.h"
#include "lecture.h"
#include "langue.h"
#include "orbite.h"
#include "physique.h"
#include "principale.h"
#include "surface.h"
#include "vitesse.h"

#include <algorithm>
#include <cmath>

namespace orbeline {
namespace {

bool actif(const Principale& p, Reglage r) { return p.reglages[static_cast<std::size_t>(r)]; }
std::size_t k(int i) { return static_cast<std::size_t>(std::clamp(i, 0, kTaille - 1)); }

// A column: its header (its unit after " (" when it has one, "%1" the display unit), how its numbers are rounded.
struct Colonne {
    Texte entete;
    double pas;                          // shown rounded to this step; 0: 4 significant digits, times a power of ten
    std::optional<Reglage> reglage = {}; // only with this option on
};

// The columns in table order; a launch's numbers come in that order from `mesures`.
constexpr std::array kColonnes{
    Colonne{Texte::colonneVox, 0.001}, Colonne{Texte::colonneVoy, 0.001}, Colonne{Texte::colonneX, 0.001},
    Colonne{Texte::colonneY, 0.001}, Colonne{Texte::colonneMasse, 0.0001}, Colonne{Texte::colonneTau, 0.001},
    Colonne{Texte::colonneImpactT, 1}, Colonne{Texte::colonneImpactV, 1}, Colonne{Texte::colonnePeriode, 1},
    Colonne{Texte::colonneRMin, 0.1}, Colonne{Texte::colonneVMin, 1}, Colonne{Texte::colonneRMax, 0.1},
    Colonne{Texte::colonneVMax, 1}, Colonne{Texte::colonneA, 0.1, Reglage::Kepler}, Colonne{Texte::colonneKepler, 0, Reglage::Kepler},
    Colonne{Texte::colonneOrbite, 0, Reglage::OrbiteExacte}, Colonne{Texte::colonneAExacte, 0.1, Reglage::OrbiteExacte},
    Colonne{Texte::colonneE, 0.001, Reglage::OrbiteExacte}, Colonne{Texte::colonneTExacte, 1, Reglage::OrbiteExacte},
    Colonne{Texte::colonneEcart, 0, Reglage::OrbiteExacte}, Colonne{Texte::colonneImpactExact, 1, Reglage::OrbiteExacte},
};

// A launch's numbers, column by column (NaN where it has none): its start as
// read, its impact or its first turn, Kepler's a and T²/a³, its exact orbit.
std::array<double, kColonnes.size()> mesures(const Releve& r)
{
    const double e = r.Echelle, rien = NAN;
    const bool impact = r.Nfin < kPas;
    const Tour t = mesureTour(r);
    const Kepler m = mesureKepler(r);
    const Conique c = conique(r);
    const bool orbite = c.forme != FormeOrbite::Aucune, fermee = c.forme == FormeOrbite::Cercle || c.forme == FormeOrbite::Ellipse;
    const auto exact = impactExact(c, r.rayon);
    return {r.Vxt[0], r.Vyt[0], r.Xt[0] / e, r.Yt[0] / e, r.masse / 1e24, r.dt,
            impact ? static_cast<double>(r.Nfin) * r.pas : rien, impact ? vitesseScalaire(r.Vxt[k(r.Nfin)], r.Vyt[k(r.Nfin)]) : rien,
            t.boucle ? t.periode : rien, t.rProche / e, t.vProche, t.rLoin / e, t.vLoin,
            m.tour ? m.a / e : rien, m.tour ? m.rapport : rien, rien, fermee ? c.a / e : rien, orbite ? c.e : rien,
            fermee ? c.periode : rien, orbite ? ecartConique(r, c, finPremierTour(r)).distance / e : rien, exact ? exact->temps : rien};
}

std::string lisible(double v, double pas, std::string_view sep)
{
    if (std::isnan(v)) return {};
    return pas > 0 ? formeLisible(std::round(v / pas) * pas, sep) : ecritureScientifique(v, 4, sep);
}

} // namespace

TableLancements tableLancements(const Principale& p, std::string_view sep)
{
    const std::vector<const Releve*> vus = lancementsVus(p);
    // The columns shown. The table's columns and rows made at their number rather than grown: a growth
    // of these vectors' own would come into the page for this alone (a row's cells grow as other lists of theirs do).
    std::array<std::size_t, kColonnes.size()> montrees{};
    std::size_t n = 0;
    for (std::size_t c = 0; c < kColonnes.size(); ++c)
        if (!kColonnes[c].reglage || actif(p, *kColonnes[c].reglage)) montrees[n++] = c;
    TableLancements t{.colonnes = std::vector<TableLancements::Colonne>(n), .rangees = std::vector<TableLancements::Rangee>(vus.size()),
                      .notes = {}};
    // The launches on one view share its scale; without any, the scale in force.
    const std::string_view u = vus.empty() ? sansBlancs(unite(p.etat)) : uniteAffichee(*vus.front());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string entete = tr(kColonnes[montrees[i]].entete, {u});
        const std::size_t par = entete.find(" (");
        t.colonnes[i] = {entete.substr(0, par), par == std::string::npos ? "" : entete.substr(par + 2, entete.size() - par - 3)};
    }
    static constexpr std::array<Texte, 6> kFormes{Texte::formeAucune, Texte::formeCercle, Texte::formeEllipse,
                                                  Texte::formeParabole, Texte::formeHyperbole, Texte::formeDroite};
    for (std::size_t j = 0; j < vus.size(); ++j) {
        const Releve* r = vus[j];
        const Coloris& c = kColoris[static_cast<std::size_t>(r->coloris)];
        TableLancements::Rangee& l = t.rangees[j];
        l = {.numero = r->numero, .couleur = c.couleur.value_or(Couleur{}), .nomCouleur = std::string(tr(c.nom)),
             .pointee = r->numero == p.survole};
        const auto valeurs = mesures(*r);
        for (std::size_t i = 0; i < n; ++i) {
            const Colonne& k = kColonnes[montrees[i]];
            const double v = valeurs[montrees[i]];
            l.valeurs.push_back(v);
            l.cellules.push_back(k.entete == Texte::colonneOrbite ? std::string(tr(kFormes[static_cast<std::size_t>(conique(*r).forme)]))
                                                            : lisible(v, k.pas, sep));
        }
    }
    if (!vus.empty() && vus.front()->numero > 1) {
        const int dernier = vus.front()->numero - 1;
        const std::string gardes = std::to_string(kLancementsGardes);
        t.notes.push_back(dernier == 1 ? tr(Texte::legendeOublie, {gardes}) : tr(Texte::legendeOublies, {"1", std::to_string(dernier), gardes}));
    }
    if (actif(p, Reglage::OrbiteExacte) && !vus.empty()) t.notes.emplace_back(tr(Texte::legendeEcartNote));
    const double GM = vus.empty() ? 0 : vus.back()->GM;
    if (actif(p, Reglage::Kepler) && GM > 0)
        t.notes.push_back(tr(Texte::legendeConstanteKepler, {ecritureScientifique(constanteKepler(GM), 4, sep)}));
    return t;
}

void ecritLegende(const Principale& p, Fenetre& f)
{
    if (!legendeMontree(p)) return;
    TableLancements t = tableLancements(p, f.separateurDecimal());
    // On a projector the swatches darkened as the view's lines are.
    if (actif(p, Reglage::Projection))
        for (TableLancements::Rangee& r : t.rangees) r.couleur = contrastee(r.couleur);
    f.ecritLancements(t);
}

void survoleLancement(Principale& p, Fenetre& f, int numero)
{
    if (numero == p.survole) return;
    p.survole = numero;
    ecritLegende(p, f);
}

} // namespace orbeline
