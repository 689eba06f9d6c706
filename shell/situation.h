#pragma once
// A situation: what a teacher hands out (the fields, the scale, the point
// count, the chart boxes, what to observe), as a link's query
// ("?vox=3078&y=42164&…") or a small text file (one "clé=valeur" a line, "#"
// comments, "# À observer : …"). The same keys and the same rule for both:
// what is right applies, each refused key or value is named. Both come from
// outside, so the reading trusts nothing: values are kept as text and go into
// the fields as if typed, where the lenient reading and its messages take them.

#include "fenetre.h"
#include "langue.h"
#include "situations_pretes.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbeline {

struct Principale;

/// The keys of the fields Text1 to Text7, in that order. Keys are matched
/// without regard to case or accents ("Vox", "Échelle").
inline constexpr std::array<std::string_view, 7> kClesChamps{"vox", "voy", "x", "y", "masse", "tau", "msat"};
/// The other keys: the scale (a preset's `cle`), the point count (100 or 1000), the boxes (0 or 1), what to observe.
inline constexpr std::string_view kCleEchelle = "echelle";
inline constexpr std::string_view kClePoints = "points";
inline constexpr std::string_view kCleVitesse = "vitesse";
inline constexpr std::string_view kCleXy = "xy";
inline constexpr std::string_view kCleObserver = "observer";
/// What to observe in another language: "observer.en" (plain `observer`, or
/// "observer.fr", is the French text). A file gives each language a line of
/// its own, in that language's words: "# À observer : …", "# What to observe: …".
inline constexpr char kSeparateurLangue = '.';
/// The language of the texts (a language's code: "fr", "en").
inline constexpr std::string_view kCleLangue = "langue";
/// The program's own options (0 or 1): the energy chart's box, one colour per launch, the velocity arrows.
inline constexpr std::string_view kCleEnergie = "energie";
inline constexpr std::string_view kCleColoris = "coloris";
inline constexpr std::string_view kCleVecteur = "vecteur";
/// The options of what a seconde class studies (0 or 1): the velocity, its
/// change and the force at the points, the exact orbit, Kepler's law; the
/// values on the charts; the replay's speed ("10min", "1h" or "6h").
inline constexpr std::array<std::string_view, 6> kClesPhysique{"vecteurs", "variation", "force", "exacte", "kepler", "valeurs"};
inline constexpr std::array<Reglage, 6> kReglagesPhysique{Reglage::VecteursVitesse, Reglage::VariationVitesse, Reglage::Force,
                                                         Reglage::OrbiteExacte, Reglage::Kepler, Reglage::Valeurs};
inline constexpr std::string_view kCleRejeu = "rejeu";
inline constexpr std::array<std::string_view, 3> kValeursRejeu{"10min", "1h", "6h"};
/// The title of the box that shows what to observe.
inline constexpr Texte kTitreConsigne = Texte::titreConsigne;
/// A value longer than this, in characters, is refused: no number needs it.
/// What to observe (its lines joined) is cut there, and the reading says so:
/// what is shown is what is saved.
inline constexpr std::size_t kLongueurValeurMax = 1000;
/// A situation file larger than this is not one.
inline constexpr std::size_t kTailleFichierMax = 64 * 1024;

/// What a situation asks the pupil to observe, in each language it gives it in ("" where none).
using Consignes = std::array<std::string, kCodesLangues.size()>;
/// The text to show in a language: its own, else the French, else the first one given.
std::string_view consigneDans(const Consignes& c, Langue l);

/// What a situation sets; what it leaves out stays as it is.
struct Situation {
    std::array<std::optional<std::string>, 7> champs;   ///< texts of Text1 … Text7
    std::optional<int> echelle;                         ///< index of the scale button
    std::optional<int> points;                          ///< index of the point-count button (0: 100, 1: 1000)
    std::optional<bool> vitesse, xy;                    ///< the chart boxes
    std::optional<bool> energie;                        ///< the energy chart's box
    std::optional<bool> coloris, vecteur;               ///< the menu's options
    std::array<std::optional<bool>, kClesPhysique.size()> physique;   ///< the options of kClesPhysique, in order
    std::optional<int> rejeu;                           ///< the replay's speed, a row of kValeursRejeu
    Consignes consignes;                                ///< what the teacher asks the pupil to observe
    std::optional<Langue> langue;                       ///< the language of the texts
    friend bool operator==(const Situation&, const Situation&) = default;
};

/// A reading: the situation, and what was refused.
struct LectureSituation {
    Situation situation;   ///< what could be read
    std::string erreur;    ///< each refused key or value, in French ("" when none)
    bool rien = true;      ///< not a situation at all: nothing to apply, `erreur` says why
};

/// Reads a link's query (after "?", "key=value" pairs joined by "&", percent-encoded).
LectureSituation lisLien(std::string_view requete);
/// Reads a situation file. A file that is too large, binary, UTF-16 or not
/// UTF-8, or has no known key, is not a situation.
LectureSituation lisFichier(std::string_view contenu);

/// The window's fields and options as it opens.
Situation situationDepart();
/// The window's situation now: its fields, scale, point count and boxes, and
/// what to observe in the situation last opened; the energy box and the
/// menu's options only when they are on, so that a situation saved without
/// them reads as it always did.
Situation situationCourante(const Principale& p, const Fenetre& f);
/// The query of a link to a situation (without "?").
std::string texteLien(const Situation& s);
/// The text of a situation file.
/// Both write only what the reader takes back: a value loses its control
/// characters (a tab or a line feed becomes a blank) and is cut to the longest allowed.
/// What to observe goes in every language it is given in.
std::string texteFichier(const Situation& s);

/// Applies a situation as the pupil would: the scale, the point count, the
/// fields (each runs its handler), the boxes, then "Effacer", so that the
/// marker stands on the position and the view is fresh.
void appliqueSituation(Principale& p, Fenetre& f, const Situation& s);

/// The situations the program comes with (situations/, built in), which "Ouvrir
/// une situation" offers before the file chooser, by their names.
inline std::span<const SituationPrete> situationsPretes() { return kSituationsPretes; }
/// What to observe in one of them, in the window's language.
std::string consignePrete(const SituationPrete& s);

/// Opens what was read from a file or a link. A situation is applied; the
/// message strip then shows what was refused followed by what the fields'
/// reading has to say, and what to observe is shown to the pupil. False, with
/// nothing changed, when it is not a situation at all: the caller says why.
bool appliqueLecture(Principale& p, Fenetre& f, const LectureSituation& l);

} // namespace orbeline
