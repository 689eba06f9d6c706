#pragma once
// Reading the main window's six numeric fields into the simulation state.
// The core knows no widgets: the window hands over the texts.

#include "Rappel.h"
#include "SimulationState.h"
#include "TexteFixe.h"
#include "langue.h"

#include <array>
#include <string>
#include <string_view>

namespace orbeline {

/// What init reads: the texts of Text1 to Text6 and the point-count choice.
struct ChampsSaisis {
    std::string_view text1;   ///< initial velocity along x, m/s
    std::string_view text2;   ///< initial velocity along y, m/s
    std::string_view text3;   ///< initial abscissa, display units
    std::string_view text4;   ///< initial ordinate, display units
    std::string_view text5;   ///< attractor mass, 10^24 kg
    std::string_view text6;   ///< seconds between two placed points
    bool option100 = false;   ///< Option1(0) "100" selected
    bool option1000 = true;   ///< Option1(1) "1000" selected
};

/// Outcome of a core procedure: ok, or a French message for the pupil.
struct CompteRendu {
    bool ok = true;           ///< false when the procedure met an arithmetic error
    Message message;          ///< the pupil's explanation when !ok
};

/// How the messages name Text1 to Text6 (the captions under the fields).
inline constexpr std::array<Texte, 6> kNomsChamps{Texte::champVox, Texte::champVoy, Texte::champX,
                                                 Texte::champY,   Texte::nomMasse, Texte::champTau};

/// Copies the fields into the record (display units to metres, mass to kg),
/// with the current Echelle. A reading or product that is not a finite
/// double leaves the record exactly as it was and names the field.
CompteRendu init(SimulationState& s, const ChampsSaisis& champs);

/// What the pupil should know of how the fields were read, for the first
/// field in order that has something to say: a text that is empty or not a
/// number (it reads 0), a character that stopped the number (named, the
/// invisible ones in words), or a τ that moves nothing. The number read is
/// written with the decimal separator `separateur` gives, asked only then (the
/// page's costs the browser its number formats). Empty when every field reads
/// as typed.
using Separateur = Rappel<std::string()>;
Message messageLecture(const ChampsSaisis& champs, const Separateur& separateur);

/// A value of the mass field from which the mass was surely typed in kg or
/// with its power of ten ("6,00E24"): 10^39 kg, half a billion Suns.
inline constexpr double kMasseTapeeMax = 1e15;

/// What the message strip says of the fields once init has read them into
/// `s`: messageLecture's message, then the first value the launch will run
/// with though it makes no sense (a start inside the attractor; a mass zero
/// or negative, or typed with its power of ten; a τ longer than a turn of the
/// orbit), unless that field already has a reading message.
std::string messageChamps(const SimulationState& s, const ChampsSaisis& champs, const Separateur& separateur);

} // namespace orbeline
