#pragma once
// Start-up checks of the display, so that a missing display ends with a short
// French message instead of a toolkit trace.

namespace orbeline {

/// True when a graphical display (or an explicit Qt platform) is available.
bool affichageDisponible();
/// Routes the toolkit's fatal start-up messages to a French message and exit code 1.
void installeGardeAffichage();
/// The French message printed when no display is available.
const char* messageSansAffichage();

} // namespace orbeline
