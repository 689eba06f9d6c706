#include "feuille.h"

#include "charts.h"
#include "disposition.h"
#include "physique.h"
#include "principale.h"

#include <algorithm>

namespace orbeline {

namespace {

constexpr double kMarge = 10;          // page margin, wider than any printer's unprintable edge
constexpr double kHauteurNom = 8;      // the name line's box
constexpr double kSousNom = 6;         // between the name line and the pictures
constexpr double kEntreColonnes = 8;   // between the orbit view and the charts
constexpr double kEntreGraphes = 4;    // between two charts, and two rows of them
constexpr double kHauteurLegendeGraphe = 5;
constexpr double kPartVueMax = 0.64;   // of the width inside the margins
constexpr double kLargeurKeplerMm = 60;   // Kepler's chart, at most
// A legend line's characters take about this many mm each (Arial's mean width).
constexpr double kLargeurCaractere = kCorpsLegende * 25.4 / 72 * 0.5;

// A line longer than the legend's box goes on as many lines as it needs, cut between words.
std::vector<std::string> coupe(const std::vector<std::string>& lignes, double largeurMm)
{
    const auto n = static_cast<std::size_t>(std::max(10.0, largeurMm / kLargeurCaractere));
    const auto longueur = [](std::string_view t) {
        return static_cast<std::size_t>(std::count_if(t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
    };
    std::vector<std::string> r;
    for (std::string_view l : lignes) {
        while (longueur(l) > n) {
            std::size_t i = 0, blanc = std::string_view::npos;   // the last blank before the n-th character
            for (std::size_t vus = 0; i < l.size() && vus <= n; ++i) {
                if (l[i] == ' ') blanc = i;
                vus += (static_cast<unsigned char>(l[i]) & 0xc0) != 0x80;
            }
            if (blanc == std::string_view::npos || blanc == 0) break;
            r.emplace_back(l.substr(0, blanc));
            l.remove_prefix(blanc + 1);
        }
        r.emplace_back(l);
    }
    return r;
}

// Each field's share of the line: room for a name, a class, a date.
constexpr std::array<std::pair<double, double>, 3> kChampsNom{{{0, 0.5}, {0.53, 0.75}, {0.78, 1}}};

} // namespace

Feuille feuille(const Fenetre& f, const Releve& r, double largeurMm, double hauteurMm)
{
    Feuille s;
    s.largeur = largeurMm;
    s.hauteur = hauteurMm;
    const double utile = largeurMm - 2 * kMarge;
    constexpr std::array<Texte, 3> kLibelles{Texte::feuilleNom, Texte::feuilleClasse, Texte::feuilleDate};
    for (std::size_t i = 0; i < s.nom.size(); ++i)
        s.nom[i] = {tr(kLibelles[i]), {kMarge + kChampsNom[i].first * utile, kMarge,
                                   (kChampsNom[i].second - kChampsNom[i].first) * utile, kHauteurNom}};

    // The orbit view, square, the whole height under the name line.
    const double haut = kMarge + kHauteurNom + kSousNom;
    const double cote = std::max(0.0, std::min(hauteurMm - kMarge - haut, kPartVueMax * utile));
    s.images.push_back({1, {kMarge, haut, cote, cote}, "", {}});

    // Beside it, a row of charts per group shown (a group: the table's charts
    // under one box), each chart in its group's column as on screen, then the
    // legend under them.
    std::size_t parRangee = 1;
    for (std::size_t debut = 0, fin = 0; debut < kGraphes.size(); debut = fin) {
        while (fin < kGraphes.size() && kGraphes[fin].boite == kGraphes[debut].boite) ++fin;
        parRangee = std::max(parRangee, fin - debut);
    }
    const double gauche = kMarge + cote + kEntreColonnes, colonne = largeurMm - kMarge - gauche;
    const auto n = static_cast<double>(parRangee);
    const double c = std::max(0.0, (colonne - (n - 1) * kEntreGraphes) / n);
    double y = haut;
    for (std::size_t debut = 0, fin = 0; debut < kGraphes.size(); debut = fin) {
        bool montre = false;
        for (fin = debut; fin < kGraphes.size() && kGraphes[fin].boite == kGraphes[debut].boite; ++fin) {
            const Graphe& g = kGraphes[fin];
            if (!f.estVisible(zone(g.picture))) continue;
            const double x = gauche + static_cast<double>(fin - debut) * (c + kEntreGraphes);
            s.images.push_back({g.picture, {x, y, c, c}, tr(g.titre), {x, y + c, c, kHauteurLegendeGraphe}});
            montre = true;
        }
        if (montre) y += c + kHauteurLegendeGraphe + kEntreGraphes;
    }
    // Kepler's third law under them when shown, as the window has it but smaller: its text stays readable.
    if (const Disposition* d = cherche(zone(kPictureKepler)); d && f.estVisible(zone(kPictureKepler))) {
        const double l = std::min(colonne, kLargeurKeplerMm), h = l * d->place.hauteur / d->place.largeur;
        s.images.push_back({kPictureKepler, {gauche, y, l, h}, tr(Texte::grapheKepler), {gauche, y + h, l, kHauteurLegendeGraphe}});
        y += h + kHauteurLegendeGraphe + kEntreGraphes;
    }
    s.cadreLegende = {gauche, y, colonne, std::max(0.0, hauteurMm - kMarge - y)};
    s.lignes = lignesLegende(r);
    return s;
}

Feuille feuilleFenetre(const Fenetre& f, const Principale& p, double largeurMm, double hauteurMm)
{
    Feuille s = feuille(f, p.releve, largeurMm, hauteurMm);
    if (p.reglages[static_cast<std::size_t>(Reglage::Coloris)]) {
        s.lignes = lignesLancements(p, f.separateurDecimal());
    } else if (!s.lignes.empty()) {
        // The launch on screen's exact orbit and Kepler's law, when asked for.
        for (std::string& l : lignesPhysique(p, p.releve, f.separateurDecimal())) s.lignes.push_back(std::move(l));
        for (std::string& l : lignesKeplerFin(p, f.separateurDecimal())) s.lignes.push_back(std::move(l));
    }
    // The window's legend has lines as long as its box holds: on paper they go on the next line.
    if (legendeMontree(p)) s.lignes = coupe(s.lignes, s.cadreLegende.largeur);
    return s;
}

} // namespace orbeline
