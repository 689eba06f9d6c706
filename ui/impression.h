#pragma once
// The printed worksheet drawn by a painter on a printer, a PDF or an image,
// at that device's resolution: the places are the shell's (shell/feuille.h),
// each picture area drawn again from its journal.

#include "feuille.h"

#include <array>

class QPainter;

namespace orbeline {

class PictureBox;

/// Draws the sheet with `pxParMm` device pixels to the millimetre, the
/// painter's origin at the page's top-left corner; `gris` prints the
/// pictures in shades of grey.
void dessineFeuille(QPainter& p, const Feuille& f, double pxParMm, const std::array<const PictureBox*, 6>& zones,
                    bool gris);

} // namespace orbeline
