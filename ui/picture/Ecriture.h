#pragma once
// What every Qt surface draws the same way besides lines and points: a text
// anchored on a point, and an arrow with its head.

#include "surface.h"

#include <QColor>
#include <QPointF>

#include <string_view>

class QPainter;

namespace orbeline {

/// Writes `t` in the areas' sans-serif of kCorpsTexte logical pixels, the
/// anchor's corner on `point` (the painter's units being logical pixels).
void dessineTexte(QPainter& p, QPointF point, std::string_view t, Ancre a, const QColor& c, double corps = kCorpsTexte);
/// An arrow from `a` to `b`, its head at `b`, with a pen of `largeur` logical pixels.
void dessineFleche(QPainter& p, QPointF a, QPointF b, const QColor& c, double largeur);

} // namespace orbeline
