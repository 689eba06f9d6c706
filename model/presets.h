#pragma once
// Attractor presets: what the buttons of the "Attracteur central" frame load,
// indexed like those buttons. Only "Terre" has a preset; the others have
// none and stay disabled.

#include "langue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbeline {

/// Values loaded by an attractor button.
struct PresetAttracteur {
    Texte titre;                   ///< the main window's new caption
    double Rayon;                  ///< attractor radius, km
    std::string_view text1;        ///< initial velocity along x, m/s
    std::string_view text5;        ///< attractor mass, 10^24 kg
    std::string_view text6;        ///< seconds between two placed points
    std::int16_t indexEchelle;     ///< scale option selected afterwards
};

/// The Earth: radius 6380 km, a velocity that nearly closes a geostationary orbit.
inline constexpr PresetAttracteur kTerre{Texte::titreTerre, 6380, "3078", "6.00", "864", 0};

/// One attractor button.
struct Attracteur {
    Texte legende;                       ///< the button's caption
    std::optional<Texte> bulle;          ///< its tooltip, if any
    const PresetAttracteur* preset;      ///< what it loads; null: disabled, loads nothing
};

/// The attractor buttons by index (the order of the option array, not the frame's top-to-bottom order).
inline constexpr std::array<Attracteur, 4> kAttracteurs{{
    {Texte::terre, Texte::bulleTerre, &kTerre},
    {Texte::lune, Texte::bulleLune, nullptr},
    {Texte::soleil, Texte::bulleSoleil, nullptr},
    {Texte::autre, std::nullopt, nullptr},
}};

} // namespace orbeline
