#pragma once
// Placing the initial position with the mouse on the orbit view, the pointer
// read-out, the "Placer" button's move of the marker, and the unit captions.

#include "SimulationState.h"

namespace orbeline {

class Fenetre;

/// Mouse press on Picture1 at (X, Y) user units: centres the marker there and
/// writes the rounded-down position, in display units, into Text3 and Text4.
/// Any button places the position.
void Picture1_MouseDown(SimulationState& s, Fenetre& f, int bouton, int shift, float X, float Y);

/// Pointer move over Picture1: shows its position in display units in Label9 and Label10.
void Picture1_MouseMove(SimulationState& s, Fenetre& f, int bouton, int shift, float X, float Y);

/// Centres the marker on the position typed in Text3 and Text4; changes neither fields nor record.
void SatMove(SimulationState& s, Fenetre& f);

/// Writes the current unit into the captions of the position fields and of the read-out.
void label(SimulationState& s, Fenetre& f);

} // namespace orbeline
