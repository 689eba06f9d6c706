#pragma once
// Reproducible randomness for the pictures: the logo must come out identical
// on every run and every machine, so no std distributions (their output is
// left to each library) and no time-based seeds.

#include <cmath>
#include <cstdint>

namespace orbeline::art {

/// Mixes a 64-bit value into a well-spread one (splitmix64 finaliser).
constexpr std::uint64_t melange(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

/// Maps 64 random bits to [0, 1).
constexpr double versUnite(std::uint64_t x)
{
    return static_cast<double>(x >> 11) * (1.0 / 9007199254740992.0);
}

/// A fixed-seed generator; the same seed gives the same sequence everywhere.
struct Hasard {
    std::uint64_t etat = 0;  ///< current state

    /// Next value in [0, 1).
    double suivant() { etat += 0x9E3779B97F4A7C15ull; return versUnite(melange(etat)); }
    /// Next value in [a, b).
    double entre(double a, double b) { return a + (b - a) * suivant(); }
};

/// A value in [0, 1) fixed by three integers (a lattice point, a pixel, a layer).
constexpr double bruitEntier(std::int64_t i, std::int64_t j, std::int64_t k)
{
    std::uint64_t h = melange(static_cast<std::uint64_t>(i) * 0x8CB92BA72F3D8DD7ull);
    h = melange(h ^ static_cast<std::uint64_t>(j) * 0xD6E8FEB86659FD93ull);
    h = melange(h ^ static_cast<std::uint64_t>(k) * 0xA0761D6478BD642Full);
    return versUnite(h);
}

/// Smooth value noise in 3-D, in [0, 1), on a unit lattice.
inline double bruitValeur(double x, double y, double z, std::int64_t couche)
{
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const auto i = static_cast<std::int64_t>(fx), j = static_cast<std::int64_t>(fy),
               k = static_cast<std::int64_t>(fz);
    auto lisse = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double u = lisse(x - fx), v = lisse(y - fy), w = lisse(z - fz);
    auto coin = [&](int a, int b, int c) { return bruitEntier(i + a, j + b, (k + c) * 7919 + couche); };
    auto mix = [](double a, double b, double t) { return a + (b - a) * t; };
    const double x00 = mix(coin(0, 0, 0), coin(1, 0, 0), u), x10 = mix(coin(0, 1, 0), coin(1, 1, 0), u);
    const double x01 = mix(coin(0, 0, 1), coin(1, 0, 1), u), x11 = mix(coin(0, 1, 1), coin(1, 1, 1), u);
    return mix(mix(x00, x10, v), mix(x01, x11, v), w);
}

/// Fractal sum of `octaves` layers of value noise, in [0, 1).
inline double bruitFractal(double x, double y, double z, int octaves, std::int64_t couche)
{
    double somme = 0, poids = 0, amplitude = 1, frequence = 1;
    for (int o = 0; o < octaves; ++o) {
        somme += amplitude * bruitValeur(x * frequence, y * frequence, z * frequence, couche + o);
        poids += amplitude;
        amplitude *= 0.5;
        frequence *= 2.03;  // not 2, so the layers' lattices never line up
    }
    return somme / poids;
}

} // namespace orbeline::art
