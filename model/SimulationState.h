#pragma once
// The one record of everything the simulation knows. Owned by the main
// window; the procedures of the orbit model, the orbit view and the charts
// read and write its fields directly. Fixed arrays: nothing is allocated
// after construction.

#include <array>
#include <cstdint>
#include <string_view>

namespace orbeline {

/// Number of entries of each result array (indices 0 to 1000).
inline constexpr int kTaille = 1001;
/// Gravitational constant, m³ kg⁻¹ s⁻².
inline constexpr double kG = 6.67e-11;
/// Width of the fixed unit text.
inline constexpr int kLargeurUnite = 15;

using Tableau = std::array<double, kTaille>;

struct SimulationState {
    double Xo = 0;           ///< initial abscissa, m
    double Yo = 0;           ///< initial ordinate, m
    double Masse = 0;        ///< attractor mass, kg
    double dt = 0;           ///< seconds between two placed points (step = dt / 10)
    double Reduction = 0;    ///< display units per user unit of the orbit view
    Tableau Xt{};            ///< abscissa of each computed point, m
    Tableau Yt{};            ///< ordinate of each computed point, m
    Tableau Vxt{};           ///< x velocity of each computed point, m/s
    Tableau Vyt{};           ///< y velocity of each computed point, m/s
    Tableau Vt{};            ///< speed of each computed point, m/s (written by the charts)
    double x = 0;            ///< current abscissa during the integration, m
    double y = 0;            ///< current ordinate during the integration, m
    double vx = 0;           ///< current x velocity (initial one after init), m/s
    double vy = 0;           ///< current y velocity (initial one after init), m/s
    double ax = 0;           ///< current x acceleration, m/s²
    double ay = 0;           ///< current y acceleration, m/s²
    double GM = 0;           ///< G × Masse, m³/s²
    double Rayon = 0;        ///< attractor radius, km
    std::int16_t NbPoints = 0;   ///< points plotted on the trajectory: 100 or 1000
    std::int32_t Echelle = 0;    ///< metres per display unit: 1000 or 10^9
    std::array<char, kLargeurUnite> Unite{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                          ' ', ' ', ' ', ' ', ' ', ' ', ' '}; ///< unit text, blank-padded
    std::int16_t Nfin = 0;       ///< index of the last computed point

    /// Field-by-field equality (used to check that a refused call changed nothing).
    friend bool operator==(const SimulationState&, const SimulationState&) = default;
};

/// Assigns the unit text left-justified, padded with blanks (cut at 15 characters).
void assigneUnite(SimulationState& s, std::string_view texte);
/// The 15 characters of the unit text, trailing blanks included.
std::string_view unite(const SimulationState& s);

} // namespace orbeline
