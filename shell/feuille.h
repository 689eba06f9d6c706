#pragma once
// The printed worksheet, laid out once for every front end: landscape pages
// with a line for the pupil's name, class and date, the orbit view as large
// as the sheet allows, the charts shown on screen each with the values of
// its axes and its caption, the scale of the grid and of the arrows, M and
// τ, what the situation asks to observe, the table of the launches whole and
// lines for the pupil's answers. What does not fit goes on a second sheet,
// never off the edge. Places are millimetres from the page's top-left corner;
// each front end draws the picture areas there by drawing their journals
// again at the printer's resolution, and every text in its box.

#include "fenetre.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// A rectangle on the page, mm.
struct CadreMm {
    double gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    friend bool operator==(const CadreMm&, const CadreMm&) = default;
};

/// A field of the name line: its label at the left of its box, then a dotted
/// rule to write on up to the box's right edge, on the text's baseline.
struct ChampNom {
    std::string_view libelle;
    CadreMm cadre;
};

/// What stands on a page in its box: a line of text, which stays within it;
/// a picture area; the box filled with a colour (a launch's swatch); a rule
/// along its top edge, solid or dotted.
struct ElementFeuille {
    enum class Sorte : unsigned char { Texte, Image, Pave, Regle, Pointille };
    enum class Alignement : unsigned char { Gauche, Centre, Droite };
    Sorte sorte = Sorte::Texte;
    int page = 0;
    CadreMm cadre = {};
    std::string texte = {};
    double corps = 9;   ///< the text's size, pt
    bool gras = false;
    Alignement alignement = Alignement::Gauche;
    int picture = 0;      ///< an image's picture area: 1 (the orbit view) to 8
    Couleur couleur = {}; ///< a filled box's
};

/// Type sizes, points.
inline constexpr double kCorpsNom = 12;
inline constexpr double kCorpsGraphe = 9;
inline constexpr double kCorpsFeuille = 9;
inline constexpr double kCorpsTableau = 8;
/// A line of text of `corps` points, mm: its type and a fifth more (1 pt = 25.4 / 72 mm).
constexpr double interligne(double corps) { return corps * 25.4 / 72 * 1.25; }

struct Feuille {
    double largeur = 0, hauteur = 0;   ///< a page, mm
    int pages = 1;
    std::array<ChampNom, 3> nom;       ///< "Nom :", "Classe :", "Date :", at the top of every page
    std::vector<ElementFeuille> elements;   ///< the orbit view first, then the rest, page by page as placed
};

struct Principale;
/// The sheet for the window as it stands, on pages of the given size (an A4
/// sheet in landscape unless a printer says otherwise).
Feuille feuilleFenetre(const Fenetre& f, const Principale& p, double largeurMm = 297, double hauteurMm = 210);

} // namespace orbeline
