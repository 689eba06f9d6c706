#pragma once
// The speed of a point from its velocity components, shared by the V(t) chart
// and the exported table so that both show the same number.

namespace orbeline {

/// √(vx² + vy²) as written; hypot takes over where the squares leave the
/// double range: below about 1.5e-154 m/s, where they would lose digits or
/// vanish (so the speed is never below |vx| nor |vy|), and where they
/// overflow. A speed beyond the double range although both components fit
/// stops at the largest double, so a finite velocity never gives an infinite speed.
double vitesseScalaire(double vx, double vy);

} // namespace orbeline
