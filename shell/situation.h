#pragma once
// A situation: what a teacher hands out (the fields, the scale, the point
// count, the chart boxes), as a link's query ("?vox=3078&y=42164&…") or a
// small text file (one "clé=valeur" a line, "#" comments). The same keys and
// the same reading for both; both come from outside, so the reading trusts
// nothing: values are kept as text and go into the fields as if typed, where
// the lenient reading and its messages take them.

#include "TexteFixe.h"
#include "fenetre.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbeline {

struct Principale;

/// The keys of the fields Text1 to Text7, in that order.
inline constexpr std::array<std::string_view, 7> kClesChamps{"vox", "voy", "x", "y", "masse", "tau", "msat"};
/// The other keys: the scale (a preset's `cle`), the point count (100 or 1000), the boxes (0 or 1).
inline constexpr std::string_view kCleEchelle = "echelle";
inline constexpr std::string_view kClePoints = "points";
inline constexpr std::string_view kCleVitesse = "vitesse";
inline constexpr std::string_view kCleXy = "xy";
/// A value longer than this is refused: no number needs it.
inline constexpr std::size_t kLongueurValeurMax = 1000;
/// A situation file larger than this is not one.
inline constexpr std::size_t kTailleFichierMax = 64 * 1024;

/// What a situation sets; what it leaves out stays as it is.
struct Situation {
    std::array<std::optional<std::string>, 7> champs;   ///< texts of Text1 … Text7
    std::optional<int> echelle;                         ///< index of the scale button
    std::optional<int> points;                          ///< index of the point-count button (0: 100, 1: 1000)
    std::optional<bool> vitesse, xy;                    ///< the chart boxes
};

/// A reading: the situation, and the first fault met ("" when none).
struct LectureSituation {
    Situation situation;   ///< what could be read
    Message erreur;        ///< in French, for the pupil
    bool rien = true;      ///< no known key at all
};

/// Reads a link's query (after "?", "key=value" pairs joined by "&", percent-encoded).
/// Unknown keys are ignored; a bad value is left out and named in `erreur`.
LectureSituation lisLien(std::string_view requete);
/// Reads a situation file. Unknown keys are ignored; a text that is not
/// UTF-8, too large, or a bad value is named in `erreur`.
LectureSituation lisFichier(std::string_view contenu);

/// The window's fields and options as it opens.
Situation situationDepart();
/// The window's situation now: its fields, scale, point count and boxes.
Situation situationCourante(const Fenetre& f);
/// The query of a link to a situation (without "?").
std::string texteLien(const Situation& s);
/// The text of a situation file.
std::string texteFichier(const Situation& s);

/// Applies a situation as the pupil would: the scale, the point count, the
/// fields (each runs its handler), the boxes, then "Effacer", so that the
/// marker stands on the position and the view is fresh.
void appliqueSituation(Principale& p, Fenetre& f, const Situation& s);

} // namespace orbeline
