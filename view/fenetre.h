#pragma once
// What the procedures of the main window need from it: its picture areas,
// field texts, captions, option buttons, check boxes, the visibility of the
// charts, the title, the message strip, what to observe and a timer. Each front end (the Qt
// window, the browser page) implements it; the tests use a recording double.

#include "releve.h"
#include "surface.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// Input fields of the main window.
enum class Champ { Text1, Text2, Text3, Text4, Text5, Text6, Text7 };
/// Captions the procedures write.
enum class Etiquette {
    LegendeX,        ///< `Label3`, the caption of X initial
    LegendeY,        ///< `Label4`, the caption of Y initial
    LectureX,        ///< `Label9`, the pointer's abscissa
    LectureY,        ///< `Label10`, the pointer's ordinate
    ImpactTemps,     ///< `Label11`, the time of the impact
    ImpactVitesse,   ///< `Label12`, the velocity at the impact
    LectureUnite,    ///< `Label14`, the unit of the read-out
    Legende,         ///< the legend of the launches on the view
};
/// The command buttons.
enum class Commande {
    Lancer,    ///< `Command1`
    Quitter,   ///< `Command2`
    Effacer,   ///< `Command4`
    Placer,    ///< `Command5`
    Annuler,   ///< `Command6`, the program's own: puts back the start a placement replaced
};
/// The check boxes that show the charts.
enum class Case {
    Vitesse,   ///< `vitesse`: Vx(t), Vy(t), V(t)
    Xy,        ///< `xy`: X(t), Y(t)
    Energie,   ///< the energy chart
};
/// The options the window's menu turns on and off.
enum class Reglage : std::uint8_t {
    Coloris,            ///< each launch in its own colour, with a legend
    Vecteur,            ///< the velocity as an arrow
    VecteursVitesse,    ///< the velocity at the plotted points
    VariationVitesse,   ///< the change of velocity between the neighbouring plotted points
    Force,              ///< the attractor's force at the plotted points
    OrbiteExacte,       ///< the conic the start values give, with its numbers
    Kepler,             ///< Kepler's third law: its chart and the launches' T²/a³
    Pause,              ///< the replay stands still
    Rejeu10min,         ///< the replay's speed: 1 s on screen for 10 min of the launch
    Rejeu1h,            ///< … for 1 h
    Rejeu6h,            ///< … for 6 h
    Valeurs,            ///< the values of the charts' axes written in them
    Projection,         ///< the window arranged for a projector: the screen filled, large text, thick lines
};
inline constexpr int kNombreReglages = 13;
/// The option-button arrays.
enum class Groupe {
    Points,       ///< `Option1`: number of points plotted
    Attracteur,   ///< `Option2`: the central attractor
    Echelle,      ///< `Option3`: the scale of the grid
};

/// What a control is to the procedures. Each row of the layout table says
/// its control's role, and each front end derives from the table which of its
/// controls plays which role: the procedures never name a control by number.
struct Role {
    enum class Sorte : unsigned char {
        Aucune,          ///< a caption nobody writes, a frame
        Champ,           ///< `numero`: a Champ
        Etiquette,       ///< `numero`: an Etiquette
        Commande,        ///< `numero`: a Commande
        Option,          ///< `numero`: its Groupe, `index`: its index in the array
        Case,            ///< `numero`: a Case
        Zone,            ///< a picture area; `numero`: n of Picture n (1, the orbit view)
        LegendeGraphe,   ///< the caption under a chart; `numero`: its picture area's n
        Message,         ///< the strip where errors and hints show
    };
    Sorte sorte = Sorte::Aucune;
    // Bytes: every row of the layout tables holds one, and no number here passes 127.
    signed char numero = 0;
    signed char index = 0;
    friend constexpr auto operator<=>(const Role&, const Role&) = default;
};

constexpr Role role(Champ c) { return {Role::Sorte::Champ, static_cast<signed char>(c)}; }
constexpr Role role(Etiquette e) { return {Role::Sorte::Etiquette, static_cast<signed char>(e)}; }
constexpr Role role(Commande c) { return {Role::Sorte::Commande, static_cast<signed char>(c)}; }
constexpr Role role(Case c) { return {Role::Sorte::Case, static_cast<signed char>(c)}; }
constexpr Role option(Groupe g, int index) { return {Role::Sorte::Option, static_cast<signed char>(g), static_cast<signed char>(index)}; }
/// Picture area n (1 the orbit view, 2 and up the charts).
constexpr Role zone(int picture) { return {Role::Sorte::Zone, static_cast<signed char>(picture)}; }
/// The caption under the chart drawn in picture area n.
constexpr Role legendeGraphe(int picture) { return {Role::Sorte::LegendeGraphe, static_cast<signed char>(picture)}; }
inline constexpr Role kRoleMessage{Role::Sorte::Message};

/// The table of the launches kept on the view, the legend: a column per
/// quantity, a row per launch (its number and colour heading it), notes
/// under it. The shell writes every cell; the front ends only show it.
struct TableLancements {
    struct Colonne {
        std::string nom, unite;   ///< "Vox", "m/s"; the unit "" for none
    };
    struct Rangee {
        int numero = 0;
        Couleur couleur{};          ///< its colour on the view and the charts
        std::string nomCouleur;     ///< "orange"
        std::vector<std::string> cellules = {};   ///< a cell per column as shown, "" for none
        std::vector<double> valeurs = {};         ///< the same numbers unrounded (NaN: the cell's text)
        bool pointee = false;       ///< the launch of the point under the pointer
    };
    std::vector<Colonne> colonnes;
    std::vector<Rangee> rangees;
    std::vector<std::string> notes;   ///< what the rows do not say, a line each
};
/// The table as text, a line per row under a line of headers (the launch,
/// its colour, each column with its unit), then the notes: a spreadsheet
/// splits it (numbers in the general form, unrounded).
std::string texteLancements(const TableLancements& t, const FormatTable& f);

class Fenetre {
public:
    virtual ~Fenetre() = default;

    /// Picture area number 1 (the orbit view) to nombrePictures() (the charts after it).
    virtual Surface& picture(int numero) = 0;
    /// How many picture areas the window has.
    virtual int nombrePictures() const = 0;
    /// Current text of a field (UTF-8).
    virtual std::string texte(Champ c) const = 0;
    /// Sets a field's text; its change handler runs at once, only if the text changes.
    virtual void ecritTexte(Champ c, std::string_view texte) = 0;
    /// Sets a label's caption.
    virtual void ecritEtiquette(Etiquette e, std::string_view texte) = 0;
    /// Shows the launches' table in the legend; by default as text, its caption.
    virtual void ecritLancements(const TableLancements& t);
    /// Enables or disables the `xy` check box (its value is kept).
    virtual void activeXy(bool actif) = 0;
    /// Value of a check box: 0 unchecked, 1 checked, 2 greyed.
    virtual int valeurCase(Case c) const = 0;
    /// Checks or unchecks a box; a change of state runs its handler before this returns.
    virtual void ecritCase(Case c, bool cochee) = 0;
    /// True when a chart's area or caption (`zone`, `legendeGraphe`) is shown.
    virtual bool estVisible(Role r) const = 0;
    /// Shows or hides a chart's area or caption.
    virtual void setVisible(Role r, bool visible) = 0;
    /// The decimal separator of the user's regional settings.
    virtual std::string separateurDecimal() const = 0;

    /// True when this button of an option array is selected.
    virtual bool optionChoisie(Groupe g, int index) const = 0;
    /// Selects a button as if the pupil had clicked it: its handler runs before this returns.
    virtual void choisitOption(Groupe g, int index) = 0;
    /// Sets the window's title.
    virtual void ecritTitre(std::string_view texte) = 0;
    /// Shows a message in the strip under the orbit view ("" empties it).
    virtual void ecritMessage(std::string_view texte) = 0;
    /// Shows what a situation asks the pupil to observe, when it opens, in a
    /// box the pupil closes; the program goes on meanwhile (no nested loop).
    virtual void montreConsigne(std::string_view texte) = 0;
    /// Shows a tooltip by the pointer over picture area n ("" hides it).
    virtual void montreBulle(std::string_view texte, int picture = 1) = 0;
    /// Shows an option of the menu as on or off (its entry's check mark).
    virtual void ecritReglage(Reglage r, bool actif) = 0;
    /// Arranges the window for a projector (the screen filled, text of 24 px
    /// at least on 1920 × 1080, lines and points thicker, darker light
    /// colours), or back exactly as it was.
    virtual void modeProjection(bool oui) { (void)oui; }
    /// The client area's width, twips: the layout's, or more while a control
    /// placed beyond it is shown. Its height does not change.
    virtual void largeurClient(int twips) = 0;
    /// Whether the last launch left points to copy or save (the menu entries follow).
    virtual void pointsDisponibles(bool oui) = 0;
    /// Asks for one call of etapeEtoile after this many milliseconds; replaces a pending request.
    virtual void programmeEtape(int millisecondes) = 0;
    /// Ends the program: every window closes and no further handler runs.
    virtual void quitte() = 0;
    /// Writes again, in the language now chosen, every text the layout and
    /// menu tables give (captions, tooltips, accessible names, menu entries),
    /// but the captions the procedures write (`Etiquette`).
    virtual void retraduit() = 0;
};

} // namespace orbeline
