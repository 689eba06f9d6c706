#pragma once
// How the program ends when its surroundings fail it: no display, a Qt
// installation that cannot show windows, memory running out. A short French
// message and exit code 1 rather than a toolkit trace or a crash; Qt's own
// diagnostics still reach whoever asks for them.

#include <string>

namespace orbeline {

/// True when a graphical display can be tried: one named in the environment
/// (DISPLAY, WAYLAND_DISPLAY), or a Qt platform or display asked for
/// (QT_QPA_PLATFORM, Qt's -platform and -display options).
bool affichageDisponible(int argc, const char* const argv[]);
/// The message printed when no display is available (its line ended).
std::string messageSansAffichage();
/// Qt's messages go out as Qt writes them (QT_DEBUG_PLUGINS and the logging
/// rules included), but a fatal one ends the program with a French message:
/// no display when the display could not be reached, else a failed start of
/// Qt's display, after Qt's own text.
void installeGardeAffichage();
/// Memory running out (an allocation refused, std::bad_alloc from Qt, a
/// crash close to the address-space limit) ends with a French message.
void installeGardeMemoire();

} // namespace orbeline
