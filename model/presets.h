#pragma once
// Attractor presets: what the "Terre" button loads. The other attractors
// shown in the window ("Lune", "Soleil", "Autre") have no preset and stay
// disabled.

#include <cstdint>
#include <string_view>

namespace orbeline {

/// Values loaded by an attractor button.
struct PresetAttracteur {
    std::string_view titre;        ///< the main window's new caption
    double Rayon;                  ///< attractor radius, km
    std::string_view text1;        ///< initial velocity along x, m/s
    std::string_view text5;        ///< attractor mass, 10^24 kg
    std::string_view text6;        ///< seconds between two placed points
    std::int16_t indexEchelle;     ///< scale option selected afterwards
};

/// The Earth: radius 6380 km, a velocity that nearly closes a geostationary orbit.
inline constexpr PresetAttracteur kTerre{"Terre. R = 6380 km ", 6380, "3078", "6.00", "864", 0};

} // namespace orbeline
