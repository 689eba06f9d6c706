#pragma once
// The speed of a point from its velocity components, shared by the V(t) chart
// and the exported table so that both show the same number.

namespace orbeline {

/// √(vx² + vy²) as written; hypot takes over only when the squares overflow,
/// and a speed beyond the double range although both components fit stops at
/// the largest double, so a finite velocity never gives an infinite speed.
double vitesseScalaire(double vx, double vy);

} // namespace orbeline
