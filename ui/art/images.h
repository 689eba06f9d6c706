#pragma once
// The program's pictures as it shows them: the files of ui/art, built in as
// a Qt resource (images.qrc) and read when a window is made.

class QIcon;
class QPixmap;

namespace orbeline {

/// Width of the start screen's logo, in pixels.
inline constexpr int largeurLogo = 160;
/// Height of the start screen's logo, in pixels.
inline constexpr int hauteurLogo = 150;

/// The window icon, one picture per size from 16 to 64 px (needs a QGuiApplication).
QIcon iconeOrbeline();
/// The start screen's logo, largeurLogo × hauteurLogo (needs a QGuiApplication).
QPixmap logoAccueil();

} // namespace orbeline
