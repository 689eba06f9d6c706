#pragma once
// The code that draws the program's pictures: the start screen's logo and the
// application icon. orbeline-dessins writes them as the files of ui/art,
// which the program shows and installs; it draws nothing itself.

#include "images.h"   // the logo's size

class QImage;

namespace orbeline {

/// A satellite above the night side of the Earth, largeurLogo × hauteurLogo; the same pixels every call.
QImage logoOrbeline();
/// The application icon drawn at taille × taille pixels (at least 1).
QImage imageIcone(int taille);

} // namespace orbeline
