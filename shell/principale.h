#pragma once
// What the main window does, event by event, without any toolkit: the launch
// sequence, the attractor and scale buttons, the fields, the check boxes, the
// placement on the orbit view and the commands, in terms of the record, the
// points kept and the window interface. Each front end only turns its own
// events into these calls and implements `Fenetre`; so do the tests and the
// fuzz target, on a recording window.

#include "SimulationState.h"
#include "charts.h"
#include "fenetre.h"
#include "releve.h"
#include "situation.h"
#include "vue.h"

#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <vector>

namespace orbeline {

/// Milliseconds each frame of the growing star stays on screen: at least one
/// refresh of any screen, so the sixteen frames last about half a second.
inline constexpr int kDureeImageEtoile = 32;
static_assert(kDureeImageEtoile >= 25, "a frame shorter than a 40 Hz screen's refresh may never show");

/// How many launches on the view are kept, the last one included: their
/// points answer the pointer, go into the points copied or saved and into
/// the legend. An older one stays drawn until the view is cleared, but is
/// forgotten (the legend says so): the points kept stay under 400 KB.
inline constexpr int kLancementsGardes = 10;

/// What the main window holds besides its controls.
struct Principale {
    SimulationState etat;          ///< the record every procedure works on
    Releve releve;                 ///< the points of the last finished launch
    /// The earlier launches still on the view, oldest first: the first
    /// `nombrePrecedents`. A fixed array: the bound is small, and a vector's
    /// growth and erase code cost the page more than the room they save.
    std::array<Releve, kLancementsGardes - 1> precedents{};
    int nombrePrecedents = 0;
    int numeroLancement = 0;       ///< the last launch's number on the view; 0 once it is cleared
    std::array<bool, kNombreReglages> reglages{};   ///< the menu's options, all off at start
    /// What the charts show, for their tooltips: the launches drawn on them
    /// (their numbers), on a time axis in seconds when several.
    struct {
        std::vector<int> numeros;
        bool enTemps = false;
        ValeursCases cases{};      ///< the boxes whose charts were drawn
    } graphes;
    /// A launch whose star is still growing: its charts are drawn after the
    /// last frame, with the boxes as they were when it began.
    struct {
        bool enCours = false;
        int image = 0;             ///< next frame, 0 to 15
        ValeursCases cases{};      ///< the boxes' values at the launch
    } etoile;
    int pasPoints = 1;             ///< the last launch plotted every point (1) or every tenth (10)
    Consignes consignes;           ///< what the situation last opened asks the pupil to observe
    std::array<bool, kPresets.size()> dejaChoisie{};   ///< scale button already selected when pressed
    Texte titre = Texte::titreFenetre;   ///< the window's title, by id
    bool legendesUnite = false;    ///< the position captions show the unit (the pointer has moved over the view)
    /// A finger on the orbit view, from its landing to its lift.
    struct {
        bool pose = false;         ///< a finger is on the view
        bool glisse = false;       ///< it has slid away from where it landed
        bool lu = false;           ///< it has read a plotted point
        bool place = false;        ///< its press placed the satellite
        float x = 0, y = 0;        ///< where it landed, user units
    } doigt;
    /// The start a placement on the view replaced, while X and Y still hold the
    /// one it wrote: "Annuler" (Ctrl+Z) puts it back.
    struct {
        bool possible = false;
        std::string x, y;            ///< what it wrote
        std::string avantX, avantY;  ///< what it replaced
    } placement;
    int nombreInit = 0;            ///< runs of init (for tests and the curious)
    int nombreEchelles = 0;        ///< runs of a scale preset
    std::string lecture;           ///< what the fields' reading last wrote in the message strip
    /// What a square of the grid stands for in the arrows at the plotted
    /// points as the view draws them, by kind (`Vecteur`: the velocity and
    /// its change in m/s, the force in N); 0 while none of a kind is drawn.
    std::array<double, 3> echelles{};
    int pointe = 0;                ///< the launch of the point the pointer or a finger last read; 0 for none
    int survole = 0;               ///< the launch of the point under the pointer now, its row marked in the legend; 0 for none
    /// A launch replayed in time: the satellite moves over its points.
    struct {
        bool actif = false;        ///< a replay is on the view, moving or standing still
        bool pause = false;        ///< it stands still
        int numero = 0;            ///< the launch replayed
        int point = 0;             ///< the point the satellite stands on
        double temps = 0;          ///< the launch's time the replay has reached, s
        int vitesse = 1;           ///< a row of kVitessesRejeu
    } rejeu;
};

/// The kinds of arrows at the plotted points.
enum class Vecteur : unsigned char { Vitesse, Variation, Force };
/// Milliseconds between two moves of a replay: 25 a second.
inline constexpr int kDureeImageRejeu = 40;
/// Seconds of a launch that one second of replay shows: 10 min, 1 h, 6 h.
inline constexpr std::array<double, 3> kVitessesRejeu{600, 3600, 21600};

/// The window's load: km scale around the Earth, the empty view, nothing to export.
void Form_Load(Principale& p, Fenetre& f);

/// "Lancer": clears the charts, init, calcule, the impact captions or the
/// message, keeps the points, Trace; after an impact the star grows one frame
/// per etapeEtoile call, and the charts are drawn after its last frame.
void Command1_Click(Principale& p, Fenetre& f);
/// "Quitter": the program ends.
void Command2_Click(Principale& p, Fenetre& f);
/// "Effacer": efface.
void Command4_Click(Principale& p, Fenetre& f);
/// "Placer": SatMove.
void Command5_Click(Principale& p, Fenetre& f);
/// "Annuler" and Ctrl+Z: X and Y as they were before the last placement on the
/// view, the marker there; says so when X or Y changed since (nothing to undo).
void annulePlacement(Principale& p, Fenetre& f);
/// A command button clicked: its procedure above.
void Commande_Click(Principale& p, Fenetre& f, Commande c);
/// Enter: the command button that has the focus, or "Lancer" when none has.
void toucheEntree(Principale& p, Fenetre& f, std::optional<Commande> avecFocus);

/// An attractor button; only the ones with a preset ("Terre") do anything.
void Option2_Click(Principale& p, Fenetre& f, int index);
/// A scale preset, then efface.
void Option3_Click(Principale& p, Fenetre& f, int index);
/// A scale button's preset runs once each time the button becomes selected,
/// whatever selected it (a click, the arrow keys, an accessibility action,
/// code), and when a click lands on the button already selected. Front ends
/// report the press, the change of state and the finished click.
void Option3_Press(Principale& p, int index, bool dejaChoisie);
void Option3_Change(Principale& p, Fenetre& f, int index, bool choisie);
void Option3_Clicked(Principale& p, Fenetre& f, int index);

/// What a click on an option button does, for a front end that sees only the
/// click: "Terre"'s preset, a scale's (on a change of selection, or on the one
/// already selected); the point count has no handler.
void Option_Click(Principale& p, Fenetre& f, Groupe g, int index, bool dejaChoisie);

/// A field's text changed: init for Text1 to Text6 (with its message), the
/// mass rewrite for Text7.
void Text_Change(Principale& p, Fenetre& f, Champ c);
/// init on the six fields and the point count, as a change of one runs it:
/// the message strip shows `avant` (what else the pupil should know, "" for
/// nothing), then init's error or messageChamps's. False when
/// init refused the fields.
bool relitChamps(Principale& p, Fenetre& f, std::string_view avant = {});
/// A check box changed state, by any route: its charts are shown or hidden.
void Case_Click(Principale& p, Fenetre& f, Case c);

/// Mouse press on the orbit view (user units): the initial position, which
/// annulePlacement can put back.
void Picture1_MouseDown(Principale& p, Fenetre& f, int bouton, int shift, float x, float y);
/// Pointer move over the orbit view: the read-out, and near a point of the
/// last launch a tooltip with its time, position and speed.
void Picture1_MouseMove(Principale& p, Fenetre& f, int bouton, int shift, float x, float y);

/// How close to a plotted point the mouse reads it, in the view's pixels; a
/// finger, on the screen (CSS px, about 3 mm), whatever size the view is shown at.
inline constexpr double kPresSouris = 4;
inline constexpr double kPresDoigt = 12;
/// How far sideways a finger slides on the screen to step a replay by one point.
inline constexpr double kGlissementRejeu = 24;

/// What a finger on the orbit view does, as the front end reports it: it
/// lands, slides, lifts, is taken by the browser, or has stayed down long
/// enough to be a press (`Appui`, once, where it landed).
enum class Doigt { Pose, Glisse, Leve, Annule, Appui };
/// A finger on the orbit view (user units), the view shown `echelle` times
/// its size. A finger that lands on a plotted point of a launch on the view,
/// or slides, reads the points under it (the read-out, and the tooltip of the
/// last point it met, which stays after the lift). Placing is deliberate: a
/// press held where no point is read places the satellite there, shows
/// "Annuler" and says so; a tap that reads nothing changes no field and shows
/// what a finger does. The mouse keeps Picture1_MouseDown and
/// Picture1_MouseMove. During a replay, a slide sideways steps it one point,
/// forward to the right.
void Picture1_Touche(Principale& p, Fenetre& f, Doigt d, float x, float y, double echelle = 1);

/// The tooltip of the plotted point nearest (x, y) user units, within `pres`
/// pixels, of the launches on the view (named when there are several); ""
/// when there is none. Numbers in the readable form, with the separator given.
std::string bullePoint(const Principale& p, const Surface& vue, float x, float y, std::string_view separateurDecimal,
                       double pres = kPresSouris);

/// Pointer move over a chart (picture area n, its user units): the time
/// there and the value of each launch drawn on it, with what it spans.
void Graphe_MouseMove(Principale& p, Fenetre& f, int picture, float x, float y);

/// An option of the menu turned on or off (the menu's checkable entries, a
/// situation): one colour per launch with the legend; the velocity arrows;
/// the options of shell/physique.h (the vectors at the points, the exact
/// orbit, Kepler's law, the replay's pause and speed).
void Reglage_Click(Principale& p, Fenetre& f, Reglage r, bool actif);
/// The same from off to on or from on to off (a menu entry without a state of its own).
void basculeReglage(Principale& p, Fenetre& f, Reglage r);

/// The launches kept on the view (their drawing on screen), oldest first;
/// none once it has been cleared.
std::vector<const Releve*> lancementsVus(const Principale& p);
/// The launches the charts show (since the last launch that drew them), in the order drawn.
std::vector<CourbeLancement> courbesGraphes(const Principale& p);
/// The points to copy or save: every launch kept on the view, each row with
/// its number when there are several; else the last launch, as its table.
std::string textePoints(const Principale& p, const FormatTable& f);

/// The texts in another language: the window's own from its tables, the
/// captions the procedures wrote (the unit, the impact, the title), the
/// words drawn on the charts and the view, and the reading messages as they
/// would read now. Numbers and curves stay.
void changeLangue(Principale& p, Fenetre& f, Langue l);

/// The window's timer, when the delay asked through programmeEtape has
/// passed: the next frame of the growing star, or the end of the launch; with
/// no star, the replay's next move.
void etapeEtoile(Principale& p, Fenetre& f);
/// Finishes at once a launch whose star is still growing. Every procedure
/// above does it first; a front end does it before it reads the picture
/// (an image, a printout); `relance`: a launch that clears the charts follows.
void acheveLancement(Principale& p, Fenetre& f, bool relance = false);

} // namespace orbeline
