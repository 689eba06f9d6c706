#pragma once
// Layout helpers shared by the two windows: twips to pixels, the substitute
// faces for the layout's fonts, and centring on the screen.

#include <QFont>
#include <QRect>

class QWidget;

namespace orbeline {

/// A rectangle given in twips (15 twips make one pixel at 96 dpi; Qt scales
/// logical pixels on HiDPI screens).
QRect twips(int l, int t, int w, int h);
/// The nearest installed face for "Arial" or "MS Sans Serif" (Liberation
/// Sans is metric-compatible with Arial), at the same point size.
QFont police(const char* famille, double points, bool gras = false);
/// Starts reading the system's font configuration on a second thread, while
/// the toolkit connects to the display; the first police() waits for it.
/// Nothing is started under an address-space limit. Call it once, before
/// the QApplication is made.
void prechauffePolices();
/// Moves a top-level window so that it is centred on the primary screen.
void centreSurEcran(QWidget* fenetre);

} // namespace orbeline
