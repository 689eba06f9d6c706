#pragma once
// The program's pictures as it shows them: the PNG files of ui/art, built in
// as a Qt resource (images.qrc) and read when a window is made.

class QIcon;
class QPixmap;

namespace orbeline {

/// The window icon, one picture per size from 16 to 64 px (needs a QGuiApplication).
QIcon iconeOrbeline();
/// The start screen's logo, 160 × 150 (needs a QGuiApplication).
QPixmap logoAccueil();

} // namespace orbeline
