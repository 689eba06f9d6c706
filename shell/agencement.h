#pragma once
// The two windows on a screen they do not fit, or on a touch screen: the
// same controls, from the layout tables (disposition.h), arranged for it.
// Narrow and upright (a phone), one column: the fields, the orbit view as
// wide as the screen, the commands, the options, the charts. Wide (a phone
// on its side, a tablet, a short window), two columns: the orbit view on the
// left, as tall as the screen allows, the rest on the right. Their text is at
// least 12 px and their controls are as tall as a finger needs. A mouse keeps
// the window as it is wherever it fits.
//
// Each window's arrangement is a short table of pieces, each naming rows of
// its layout. Pieces follow one another left to right, then on the next line.

#include "disposition.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orbeline {

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

/// The main window's pieces. Those before the orbit view go across the top
/// of two columns when the view keeps its whole size there.
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
    {Piece::Bloc, "energie"},
    {Piece::Ligne, "Label11"},
    {Piece::Ligne, "Label12"},
    {Piece::Bloc, "Label10 Label9 Label14"},
    {Piece::Options, "Frame1"},
    {Piece::Options, "Frame3"},
    {Piece::Options, "Frame2"},
    {Piece::Bloc, "Label7 Text7"},
    {Piece::Graphes, "Picture2 Picture3 Picture4 Label8 Label13 Label15 Picture5 Picture6 Label17 Label16"},
    {Piece::Ligne, "Legende"},
    {Piece::Graphes, "Picture7 Label18"},
    {Piece::Bloc, "Command2"},
    // The program's own, after everything the window had.
    {Piece::Graphes, "Picture8 Label19"},
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
    Fenetre,        ///< the window as the layout has it
    Colonne,        ///< one column
    DeuxColonnes,   ///< the orbit view on the left, the rest on the right
};

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
    double largeur = 0, hauteur = 0;   ///< the window's area, menu bar included
    Cadre menus;                       ///< the menu bar, in that area
    std::vector<PlaceCompacte> places;
};

/// The least height of a control a finger takes, CSS px (24 asked).
inline constexpr double kDoigt = 32;
/// The least text size, CSS px.
inline constexpr double kCorpsMin = 12;

/// The arrangement of a screen of largeur × hauteur CSS px: the window as
/// it is where it fits and a mouse points; otherwise two columns where they
/// fit beside each other (a short screen, or one held sideways), else one for
/// a finger; a mouse on a window too narrow keeps the window (the browser's
/// zoom does that, and its pupil scrolls).
Agencement choisitAgencement(double largeur, double hauteur, bool doigt);

/// The rows of `table` placed for that screen by `pieces` (no place for the
/// window as it is); `barre`: the window has a menu bar.
Disposee dispose(std::span<const Disposition> table, std::span<const PieceCompacte> pieces, double largeur,
                 double hauteur, bool doigt, bool barre);

} // namespace orbeline
