#pragma once
// The program's pictures as it shows them: the build draws them once with
// orbeline-art and compiles the pixels in (rendus.h), so that start-up draws,
// decodes and loads nothing (the logo alone is a tenth of a second of drawing).

class QIcon;
class QPixmap;

namespace orbeline {

/// The window icon, one rendering per size from 16 to 64 px (needs a QGuiApplication).
QIcon iconeOrbeline();
/// The start screen's logo, largeurLogo × hauteurLogo (needs a QGuiApplication).
QPixmap logoAccueil();

} // namespace orbeline
