#pragma once
// The two windows in the room a screen gives them, whatever points on it: the
// same controls, from the layout tables (disposition.h), arranged for it.
// Where the window fits it stays as the layout has it, and a much larger
// screen shows it larger, view and text together, by one scale. Where it does
// not fit, narrow and upright (a phone, a half-screen window), one column: the
// fields, the orbit view as wide as the screen, then what a launch gives (the
// message, the commands, the charts, the legend), then the options. Wide (a
// phone on its side, a short window), two columns: the orbit view on the left,
// staying while the rest scrolls beside it. Their text is at least 12 px, their
// controls 24 px tall, 32 under a finger.
//
// Each window's arrangement is a short table of pieces, each naming rows of
// its layout. Pieces follow one another left to right, then on the next line.

#include "disposition.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orbeline {

/// Rows of a table picked out, in an order of their own; no more than the largest table
/// has. A vector of them would bring its growth into the page for these lists alone.
/// Every table laid out is one of the window's (each checked below) or rows picked from
/// one, so the bound is never reached; a new table gets its line beside the start screen's.
struct ListeRangs {
    std::array<const Disposition*, kDisposition.size()> rangs{};
    std::size_t nombre = 0;
    void ajoute(const Disposition* d)
    {
        if (nombre < rangs.size()) rangs[nombre++] = d;
    }
    const Disposition* const* begin() const { return rangs.data(); }
    const Disposition* const* end() const { return rangs.data() + nombre; }
    std::size_t size() const { return nombre; }
    bool empty() const { return nombre == 0; }
    const Disposition* front() const { return rangs[0]; }
};
static_assert(kDispositionAccueil.size() <= kDisposition.size());

/// How a piece lays out the rows it names.
enum class Piece : std::uint8_t {
    Champ,     ///< a field and the captions under it; the field as tall as a finger
    Bloc,      ///< rows kept where the window has them, enlarged as its text is
    Ligne,     ///< one text across the whole column, on as many lines as it needs
    Options,   ///< a frame, its option buttons in a grid, a finger's height each
    Graphes,   ///< rows kept where the window has them, enlarged to the column's width
    Vue,       ///< the orbit view: the column's width, or beside the rest
    Cadre,     ///< a frame around every piece after it
};

struct PieceCompacte {
    Piece genre;
    std::string_view rangs;   ///< the rows' names, separated by blanks
    double largeur = 0;       ///< at least this wide, CSS px: room for a caption the procedures write
};

/// The main window's pieces: what a launch gives comes right after the view
/// (on a phone, its energy within a screen of it), the options after. Those
/// before the orbit view go across the top of two columns when the view keeps
/// its whole size there. A row hidden takes no room.
inline constexpr auto kPiecesPrincipale = std::to_array<PieceCompacte>({
    {Piece::Champ, "Text1 Label1"},
    {Piece::Champ, "Text2 Label2"},
    {Piece::Champ, "Text3 Label3", 150},   // "X initial en M. de km"
    {Piece::Champ, "Text4 Label4", 150},
    {Piece::Champ, "Text6 Label6_0 Label6_1"},
    {Piece::Champ, "Text5 Label5_0 Label5_1 Label5_2"},
    {Piece::Vue, "Picture1"},
    {Piece::Ligne, "message"},
    {Piece::Bloc, "Command5 Command4 Command1 vitesse xy"},
    {Piece::Bloc, "Command6"},
    {Piece::Bloc, "energie"},
    {Piece::Ligne, "Label11"},
    {Piece::Ligne, "Label12"},
    {Piece::Bloc, "Label10 Label9 Label14"},
    {Piece::Graphes, "Picture7 Label18"},
    {Piece::Graphes, "Picture2 Picture3 Picture4 Label8 Label13 Label15 Picture5 Picture6 Label17 Label16"},
    {Piece::Ligne, "Legende"},
    {Piece::Graphes, "Picture8 Label19"},
    {Piece::Options, "Frame1"},
    {Piece::Options, "Frame3"},
    {Piece::Options, "Frame2"},
    {Piece::Bloc, "Label7 Text7"},
    {Piece::Bloc, "Command2"},
});

/// The start screen's pieces, all in its frame.
inline constexpr auto kPiecesAccueil = std::to_array<PieceCompacte>({
    {Piece::Cadre, "fraMainFrame"},
    {Piece::Bloc, "picLogo"},
    {Piece::Bloc, "lblCompanyProduct lblProductName"},
    {Piece::Bloc, "lblPlatform lblVersion"},
    {Piece::Ligne, "lblLicenseTo"},
    {Piece::Ligne, "Label1"},
    {Piece::Ligne, "lblWarning"},
    {Piece::Ligne, "lblCompany"},
    {Piece::Bloc, "Command1"},
});

/// What a screen gets.
enum class Agencement : std::uint8_t {
    Fenetre,        ///< the window as the layout has it, at a scale (`Disposee::echelle`)
    Colonne,        ///< one column
    DeuxColonnes,   ///< the orbit view on the left, the rest on the right
};

/// The room a window is arranged in: the viewport, CSS px, and what points on it.
struct Ecran {
    double largeur = 0, hauteur = 0;
    bool doigt = false;   ///< a finger is the main pointer
};

/// A window as its layout has it, CSS px: its area as wide as the columns it
/// shows, with its menu bar or its margin.
struct Naturelle {
    double largeur = 0, hauteur = 0;
};
/// The menu bar's line over the window as the layout has it, CSS px.
inline constexpr double kBarreFenetre = 20;
/// The main window at a client width (twips), and the start screen with its margin above.
constexpr Naturelle naturellePrincipale(int largeurTwips)
{
    return {largeurTwips / 15.0, kHauteurPrincipale / 15.0 + kBarreFenetre};
}
inline constexpr Naturelle kNaturelleAccueil{kLargeurAccueil / 15.0, kHauteurAccueil / 15.0 + 40};

/// A window shown larger where the screen has room for this many times it: much larger.
inline constexpr double kAgrandissement = 1.5;

/// A rectangle in CSS pixels.
struct Cadre {
    double gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};

/// Where a row goes: its box in its container (the window's area, or its
/// frame); the size of its text; a picture area shows its drawing at
/// `echelle` times its size in the layout, the box being the one seen.
struct PlaceCompacte {
    const Disposition* rang;
    Cadre cadre;
    double corps;          ///< text size, CSS px
    double echelle = 1;
    bool retour = false;   ///< its text goes on the next line at the box's edge
};

/// A window arranged for a screen.
struct Disposee {
    Agencement agencement = Agencement::Fenetre;
    /// The window as the layout has it: every place, text and drawing this many
    /// times larger (1: its own pixels). A projector's mode is the same with another threshold.
    double echelle = 1;
    double largeur = 0, hauteur = 0;   ///< the window's area, menu bar included (arranged)
    Cadre menus;                       ///< the menu bar, in that area
    std::vector<PlaceCompacte> places; ///< none for the window as the layout has it
};

/// The least height of a control a finger takes, and of one a mouse points at, CSS px.
inline constexpr double kDoigt = 32;
inline constexpr double kCible = 24;
/// The least text size, CSS px.
inline constexpr double kCorpsMin = 12;

/// The arrangement of a screen for a window: the window as it is where it
/// fits and a mouse points; otherwise two columns where they fit beside each
/// other on a screen wider than tall, else one.
Agencement choisitAgencement(const Ecran& e, const Naturelle& n);

/// How much larger the window as the layout has it is shown: as many times as
/// the screen holds it, once that reaches `seuil`, else 1.
double echelleFenetre(const Ecran& e, const Naturelle& n, double seuil = kAgrandissement);

/// A text across the column (a `Ligne` piece) as tall as it is where it was placed (a front end measures
/// it): its row's name, CSS px; 0 for no text, no room.
struct HauteurTexte {
    std::string_view nom;
    double hauteur;
};

/// The rows of `table` (those shown) placed for that screen by `pieces`;
/// `barre`: the window has a menu bar; `textes`: the heights of texts measured.
Disposee dispose(std::span<const Disposition> table, std::span<const PieceCompacte> pieces, const Ecran& e,
                 const Naturelle& n, bool barre, std::span<const HauteurTexte> textes = {});

} // namespace orbeline
