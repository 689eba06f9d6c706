#pragma once
// The main window on a projector: the orbit view on the left, as tall as the
// screen, the rest in a column on the right that scrolls under it when taller
// than the screen, every text at least 24 px on a 1920 × 1080 screen. It is a
// touch screen's arrangement (shell/agencement.h), of the pieces a class
// watches first, for a screen that many times smaller, then enlarged.

#include "agencement.h"

namespace orbeline {

/// The main window's pieces on a projector: what the class watches first at the top of the right column.
inline constexpr auto kPiecesProjection = std::to_array<PieceCompacte>({
    {Piece::Champ, "Text1 Label1"},
    {Piece::Champ, "Text2 Label2"},
    {Piece::Champ, "Text3 Label3", 150},
    {Piece::Champ, "Text4 Label4", 150},
    {Piece::Champ, "Text6 Label6_0 Label6_1"},
    {Piece::Champ, "Text5 Label5_0 Label5_1 Label5_2"},
    {Piece::Vue, "Picture1"},
    {Piece::Bloc, "Command5 Command4 Command1 vitesse xy"},
    {Piece::Bloc, "Command6"},
    {Piece::Bloc, "energie"},
    {Piece::Ligne, "Label11"},
    {Piece::Ligne, "Label12"},
    {Piece::Ligne, "message"},
    {Piece::Graphes, "Picture2 Picture3 Picture4 Label8 Label13 Label15 Picture5 Picture6 Label17 Label16"},
    {Piece::Ligne, "Legende"},
    {Piece::Graphes, "Picture7 Label18"},
    {Piece::Graphes, "Picture8 Label19"},
    {Piece::Bloc, "Label10 Label9 Label14"},
    {Piece::Options, "Frame2"},
    {Piece::Options, "Frame1"},
    {Piece::Options, "Frame3"},
    {Piece::Bloc, "Label7 Text7"},
    {Piece::Bloc, "Command2"},
});

/// The least text size on a projector of 1920 × 1080 px.
inline constexpr double kCorpsProjection = 24;

/// How many times larger than a touch screen's arrangement a projector's
/// is: its least text (kCorpsMin) at 24 px on a 1920 × 1080 screen, larger on a larger one.
double echelleProjection(double largeur, double hauteur);

/// The rows of `table` shown on a projector's screen `e`, with the menu bar
/// at its top (`barre`) or above it: places, texts and pictures' scales in
/// the screen's pixels; `textes` measured as shown there.
Disposee disposeProjection(std::span<const Disposition> table, const Ecran& e, const Naturelle& n, bool barre,
                           std::span<const HauteurTexte> textes = {});

} // namespace orbeline
