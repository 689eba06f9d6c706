#pragma once
// What a seconde class studies beside the trajectory, each an option of the
// menu and off by default: the vectors a pupil constructs at the plotted
// points (the velocity, its change between the neighbouring points, the
// force), the exact orbit the start values give, Kepler's third law, and the
// replay of a launch in time. The main window's procedures call these at a
// few places; with every option off none of them draws or writes anything.

#include "principale.h"

#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// The picture area of Kepler's third law.
inline constexpr int kPictureKepler = 8;

/// One of the view's own options is on: an arrow at the points or the exact orbit.
bool couchesVue(const Principale& p);
/// The legend of the launches is shown: one colour per launch, the exact orbit or Kepler's law.
bool legendeMontree(const Principale& p);
/// What a square stands for in the velocity arrows: the view's scale while
/// the velocity is drawn at the points, else kVitesseParCarreau.
double vitesseParCarreau(const Principale& p);
/// A launch's velocity at its point i, as an arrow on the view in colour c.
Fleche flecheVitesse(const Principale& p, const Surface& vue, const Releve& r, int i, Couleur c);

/// What a square stands for in the arrows drawn on the view, a line per kind ("Flèches : 1 carreau pour 2000 m/s").
std::vector<std::string> lignesEchelles(const Principale& p, std::string_view separateurDecimal);
/// A launch's number 4 px right of its last plotted point (the pen's current position) and 3 px above, in its colour.
void ecritNumero(Surface& vue, const Releve& r, std::optional<Couleur> c);
/// A new launch is on the view: its arrows and exact orbit, the whole view
/// drawn again when their scales change, and why an arrow is missing.
void apresLancement(Principale& p, Fenetre& f);
/// Draws the orbit view again from the launches kept on it, with the
/// options now on; the marker, the star and the arrows over the drawing stay.
void retraceVue(Principale& p, Fenetre& f);
/// A vector or the exact orbit turned on or off: the view drawn again.
void reglePhysique(Principale& p, Fenetre& f, Reglage r);
/// The replay's pause or speed chosen; false for any other option.
bool regleRejeu(Principale& p, Fenetre& f, Reglage r, bool oui);
/// The chart of Kepler's third law, drawn again when it is shown.
void traceKepler(Principale& p, Fenetre& f);

/// The tooltip's lines at point i of a launch while an arrow option is on:
/// the velocity's components, Δv and its angle to the centre's direction, F;
/// or why one is missing. "" with those options off.
std::string bulleVecteurs(const Principale& p, const Releve& r, int i, std::string_view separateurDecimal);
/// With Kepler's law on, what the points' export adds: a blank line, a
/// header, then a row per launch that closed a turn (its number, a, T,
/// T²/a³ and 4π²/GM); "" otherwise.
std::string tableKepler(const Principale& p, const FormatTable& f);

/// "Rejouer": the launch last pointed at since the last launch, or the last
/// one, replayed from its start at the speed chosen.
void Rejouer(Principale& p, Fenetre& f);
/// One plotted point forward (1) or back (−1); the replay then stands still.
void pointRejeu(Principale& p, Fenetre& f, int sens);
/// The replay's next move, on the window's timer.
void etapeRejeu(Principale& p, Fenetre& f);
/// The replay ends ("Effacer", a launch, a scale): its cursors go, the read-out shows the pointer's again.
void arreteRejeu(Principale& p, Fenetre& f);
/// The read-out during a replay: the satellite's position and time.
void montreLectureRejeu(Principale& p, Fenetre& f);

} // namespace orbeline
