#pragma once
// The impact mark: a blue five-pointed star, drawn from a vector outline so
// that it stays sharp however far the animation stretches it.

class QPainter;
class QPainterPath;
class QRectF;

namespace orbeline {

/// Outline of the star on its 14 × 12 pixel design grid.
const QPainterPath& cheminEtoile();
/// Draws the star stretched to fill `cadre`; nothing else is painted.
void dessineEtoile(QPainter& p, const QRectF& cadre);
/// `chemin` cut to the painter's clip when it reaches far beyond it.
QPainterPath seulementVisible(const QPainter& p, const QPainterPath& chemin);

} // namespace orbeline
