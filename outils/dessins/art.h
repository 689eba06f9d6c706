#pragma once
// The code that draws the program's pictures: the start screen's logo and the
// application icon. orbeline-dessins writes them as the PNG files of ui/art,
// which the program shows and installs; it draws nothing itself.

class QImage;

namespace orbeline {

/// Width of the start screen's logo, in pixels.
inline constexpr int largeurLogo = 160;
/// Height of the start screen's logo, in pixels.
inline constexpr int hauteurLogo = 150;

/// A satellite above the night side of the Earth, largeurLogo × hauteurLogo; the same pixels every call.
QImage logoOrbeline();
/// The application icon drawn at taille × taille pixels (at least 1).
QImage imageIcone(int taille);

} // namespace orbeline
