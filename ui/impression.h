#pragma once
// The printed worksheet drawn by a painter on a printer, a PDF or an image,
// at that device's resolution: the places are the shell's (shell/feuille.h),
// each picture area drawn again from its journal.

#include "feuille.h"

class QPainter;

namespace orbeline {

class FrmSat;

/// Draws the sheet of the window's picture areas with `pxParMm` device
/// pixels to the millimetre, the painter's origin at the page's top-left
/// corner; `gris` prints the pictures in shades of grey.
void dessineFeuille(QPainter& p, const Feuille& f, double pxParMm, const FrmSat& w, bool gris);

} // namespace orbeline
