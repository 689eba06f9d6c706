#pragma once
// The printed worksheet, laid out once for every front end: a landscape page
// with a line for the pupil's name, class and date, the orbit view as large
// as the page allows, the charts shown on screen each with its caption, and
// the legend of the launch on screen. Places are millimetres from the page's
// top-left corner; each front end draws the picture areas there by drawing
// their journals again at the printer's resolution.

#include "fenetre.h"
#include "releve.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// A rectangle on the page, mm.
struct CadreMm {
    double gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    friend bool operator==(const CadreMm&, const CadreMm&) = default;
};

/// A picture area on the sheet, with its caption's place under it.
struct ImageFeuille {
    int picture = 1;            ///< 1 (the orbit view) to 6
    CadreMm cadre;
    std::string_view legende;   ///< the chart's caption; "" for the orbit view
    CadreMm cadreLegende;
};

/// A field of the name line: its label at the left of its box, then a dotted
/// rule to write on up to the box's right edge, on the text's baseline.
struct ChampNom {
    std::string_view libelle;
    CadreMm cadre;
};

/// Type sizes, points, and the legend's line spacing, mm.
inline constexpr double kCorpsNom = 12;
inline constexpr double kCorpsGraphe = 9;
inline constexpr double kCorpsLegende = 10;
inline constexpr double kInterligneLegende = 4.6;
// A legend line holds its type and a fifth more (1 pt = 25.4 / 72 mm).
static_assert(kInterligneLegende >= kCorpsLegende * 25.4 / 72 * 1.2);

struct Feuille {
    double largeur = 0, hauteur = 0;   ///< the page, mm
    std::array<ChampNom, 3> nom;       ///< "Nom :", "Classe :", "Date :"
    std::vector<ImageFeuille> images;  ///< the orbit view, then the charts shown, in table order
    CadreMm cadreLegende;              ///< the legend's box, one line every kInterligneLegende
    std::vector<std::string> lignes;   ///< the legend (lignesLegende)
};

/// The sheet for the window as it stands, on a page of the given size (an A4
/// sheet in landscape unless a printer says otherwise).
Feuille feuille(const Fenetre& f, const Releve& r, double largeurMm = 297, double hauteurMm = 210);
struct Principale;
/// The same for the window's procedures' data: when each launch has its
/// colour, the legend is the window's, every launch kept on the view.
Feuille feuilleFenetre(const Fenetre& f, const Principale& p, double largeurMm = 297, double hauteurMm = 210);

} // namespace orbeline
