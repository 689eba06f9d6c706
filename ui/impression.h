#pragma once
// The printed worksheet drawn by a painter on a printer, a PDF or an image,
// at that device's resolution: the places are the shell's (shell/feuille.h),
// each picture area drawn again from its journal.

#include "feuille.h"

class QPagedPaintDevice;
class QPainter;

namespace orbeline {

class FrmSat;

/// Draws the sheet of the window's picture areas with `pxParMm` device
/// pixels to the millimetre, the painter's origin at the page's top-left
/// corner, a new page of the device for each page after the first; `gris`
/// prints in shades of grey. False when the device refuses a page.
bool dessineFeuille(QPainter& p, QPagedPaintDevice& pages, const Feuille& f, double pxParMm, const FrmSat& w, bool gris);

} // namespace orbeline
