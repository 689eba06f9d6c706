#pragma once
// The program's own pictures, all drawn in code so that nothing is shipped as
// a binary asset: the start screen's logo and the application icon. The build
// renders them once with orbeline-art; the program shows those renderings
// (images.h) and draws nothing itself.

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
