#include "feuille.h"

#include "charts.h"

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
constexpr int kGraphesParRangee = 3;

// Each field's share of the line: room for a name, a class, a date.
constexpr std::array<std::pair<double, double>, 3> kChampsNom{{{0, 0.5}, {0.53, 0.75}, {0.78, 1}}};

} // namespace

Feuille feuille(const Fenetre& f, const Releve& r, double largeurMm, double hauteurMm)
{
    Feuille s;
    s.largeur = largeurMm;
    s.hauteur = hauteurMm;
    const double utile = largeurMm - 2 * kMarge;
    constexpr std::array<std::string_view, 3> kLibelles{"Nom\u00a0:", "Classe\u00a0:", "Date\u00a0:"};
    for (std::size_t i = 0; i < s.nom.size(); ++i)
        s.nom[i] = {kLibelles[i], {kMarge + kChampsNom[i].first * utile, kMarge,
                                   (kChampsNom[i].second - kChampsNom[i].first) * utile, kHauteurNom}};

    // The orbit view, square, the whole height under the name line.
    const double haut = kMarge + kHauteurNom + kSousNom;
    const double cote = std::max(0.0, std::min(hauteurMm - kMarge - haut, kPartVueMax * utile));
    s.images.push_back({1, {kMarge, haut, cote, cote}, "", {}});

    // Beside it, a row of charts per group shown, each chart in its group's
    // column as on screen, then the legend under them.
    const double gauche = kMarge + cote + kEntreColonnes, colonne = largeurMm - kMarge - gauche;
    const double c = std::max(0.0, (colonne - (kGraphesParRangee - 1) * kEntreGraphes) / kGraphesParRangee);
    double y = haut;
    for (const Case groupe : {Case::Vitesse, Case::Xy}) {
        int rang = 0;
        bool montre = false;
        for (const Graphe& g : kGraphes) {
            if (g.boite != groupe) continue;
            if (f.estVisible(g.image)) {
                const double x = gauche + rang * (c + kEntreGraphes);
                s.images.push_back({g.picture, {x, y, c, c}, g.titre, {x, y + c, c, kHauteurLegendeGraphe}});
                montre = true;
            }
            ++rang;
        }
        if (montre) y += c + kHauteurLegendeGraphe + kEntreGraphes;
    }
    s.cadreLegende = {gauche, y, colonne, std::max(0.0, hauteurMm - kMarge - y)};
    s.lignes = lignesLegende(r);
    return s;
}

} // namespace orbeline
