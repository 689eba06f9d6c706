#pragma once
// The layout of the two windows as data: every control with its kind, place,
// caption, tab index, font, tooltip and initial state. Each front end (the Qt
// windows, the browser page) builds its controls by walking these tables, so
// a control is described once. Positions are in twips (1/1440 inch, 15 twips
// to a pixel at 96 dpi), from the top-left corner of the container.

#include "charts.h"
#include "presets.h"
#include "surface.h"
#include "vue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbeline {

/// Kinds of control.
enum class Genre {
    Champ,        ///< a one-line text field
    Etiquette,    ///< a label
    Bouton,       ///< a push button
    CaseACocher,  ///< a check box
    Option,       ///< an option button of an exclusive group (its frame)
    Cadre,        ///< a frame grouping option buttons, caption set into its top edge
    Image,        ///< a picture area (drawing surface)
    Forme,        ///< the satellite marker inside the orbit view
    Etoile,       ///< the star inside the orbit view
    Logo,         ///< the start screen's picture
    Message,      ///< the strip under the orbit view where errors and hints show
    Tableau,      ///< a table that scrolls: the launches' legend (`Fenetre::ecritLancements`)
};

/// A typeface, its size in points and its weight. Front ends take the
/// nearest installed face ("MS Sans Serif" and "Arial" have metric twins).
struct Police {
    std::string_view famille;
    float points;   ///< a quarter point at finest, exact in a float: the tables' rows the smaller
    bool gras = false;
};

inline constexpr Police kArial{"Arial", 8.25};
inline constexpr Police kMss{"MS Sans Serif", 8.25};

/// Initial states and looks, as flags.
enum Drapeau : std::uint16_t {
    Choisi = 1,        ///< option selected, box checked
    Desactive = 2,     ///< greyed, cannot be used
    Cache = 4,         ///< hidden
    AutoTaille = 8,    ///< a label that fits its caption
    ParDefaut = 16,    ///< the default button: Enter presses it
    ADroite = 32,      ///< right-aligned text (a right-aligned auto-size label keeps its right edge)
    Retour = 64,       ///< the text wraps at word boundaries
    NommeParCadre = 128,   ///< a screen reader names it after its frame's caption, then its own
    EnHaut = 256,      ///< a label's text starts at its top (several lines), not in its middle
    Facultatif = 512,  ///< shown only with an option of ours: an arranged window gives it no room while hidden
};

/// A rectangle in twips: left and top edges from the container's top-left corner, width, height.
/// Sixteen bits each: the widest window is 18375 twips, and the tables' rows are the smaller.
struct Place {
    std::int16_t gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};

/// One control.
struct Disposition {
    std::string_view nom;               ///< object name: "Text1", "Label6_0", "Option3_6", "Frame2"…
    Genre genre;
    Role role = {};                     ///< what the procedures call it; none for a caption nobody writes
    std::string_view cadre = {};        ///< the container's name; "" for the window's client area
    std::optional<Texte> legende = {};  ///< caption
    std::string_view valeur = {};       ///< a field's initial text
    Place place = {};
    int tab = -1;                       ///< tab index; -1 for the program's own additions
    Police police = kArial;
    std::optional<Texte> bulle = {};    ///< tooltip, if any
    std::optional<Texte> nomAccessible = {};   ///< name for screen readers, when not the caption
    std::uint16_t drapeaux = 0;
    std::optional<Couleur> couleur = {};   ///< text colour, when not the system's
};

/// The main window: its first title, and the size of its client area in twips.
inline constexpr Texte kTitrePrincipale = Texte::titreFenetre;
inline constexpr int kLargeurPrincipale = 11880;
inline constexpr int kHauteurPrincipale = 8565;
/// The client area's width while a control of the column beyond the layout
/// (the legend, the energy chart) is shown: 1012 pixels, for screens 1024 wide.
inline constexpr int kLargeurEtendue = 15180;
/// The same while the second column (Kepler's third law) is shown too: 1225 pixels.
inline constexpr int kLargeurKepler = 18375;

/// The main window's controls, in creation order (the tab order is the tab index).
inline constexpr auto kDisposition = std::to_array<Disposition>({
    // Input row, each field with its caption under it.
    {.nom = "Text1", .genre = Genre::Champ, .role = role(Champ::Text1), .valeur = "0", .place = {158, 120, 750, 285},
     .tab = 0, .police = kMss, .bulle = Texte::bulleVx, .nomAccessible = Texte::champVox},
    {.nom = "Label1", .genre = Genre::Etiquette, .legende = Texte::champVox, .place = {120, 480, 675, 195}, .tab = 16,
     .police = kMss, .bulle = Texte::bulleVx, .drapeaux = AutoTaille},
    {.nom = "Text2", .genre = Genre::Champ, .role = role(Champ::Text2), .valeur = "0", .place = {1005, 120, 750, 285},
     .tab = 1, .police = kMss, .bulle = Texte::bulleVy, .nomAccessible = Texte::champVoy},
    {.nom = "Label2", .genre = Genre::Etiquette, .legende = Texte::champVoy, .place = {1080, 480, 675, 195}, .tab = 17,
     .police = kMss, .bulle = Texte::bulleVy, .drapeaux = AutoTaille},
    {.nom = "Text3", .genre = Genre::Champ, .role = role(Champ::Text3), .valeur = "-30000",
     .place = {2040, 120, 1395, 285}, .tab = 2, .police = kMss, .bulle = Texte::bulleX, .nomAccessible = Texte::champX},
    {.nom = "Label3", .genre = Genre::Etiquette, .role = role(Etiquette::LegendeX), .legende = Texte::legendeX,
     .place = {2040, 480, 540, 195}, .tab = 18, .police = kMss, .bulle = Texte::bulleX, .drapeaux = AutoTaille},
    {.nom = "Text4", .genre = Genre::Champ, .role = role(Champ::Text4), .valeur = "0", .place = {3600, 120, 1395, 285},
     .tab = 3, .police = kMss, .bulle = Texte::bulleY, .nomAccessible = Texte::champY},
    {.nom = "Label4", .genre = Genre::Etiquette, .role = role(Etiquette::LegendeY), .legende = Texte::legendeY,
     .place = {3600, 480, 540, 195}, .tab = 19, .police = kMss, .bulle = Texte::bulleY, .drapeaux = AutoTaille},
    {.nom = "Text6", .genre = Genre::Champ, .role = role(Champ::Text6), .valeur = "864", .place = {5205, 120, 975, 285},
     .tab = 5, .police = kMss, .bulle = Texte::bulleTau, .nomAccessible = Texte::champTau},
    // The Greek letter tau, written in an ordinary face.
    {.nom = "Label6_0", .genre = Genre::Etiquette, .legende = Texte::legendeTau, .place = {5160, 480, 180, 225}, .tab = 21,
     .police = {"Arial", 9}, .drapeaux = AutoTaille},
    {.nom = "Label6_1", .genre = Genre::Etiquette, .legende = Texte::legendeTauUnite, .place = {5400, 480, 390, 195}, .tab = 25,
     .police = kMss, .bulle = Texte::bulleTau, .drapeaux = AutoTaille},
    {.nom = "Text5", .genre = Genre::Champ, .role = role(Champ::Text5), .valeur = "6.00",
     .place = {6480, 120, 1095, 285}, .tab = 4, .police = kMss, .bulle = Texte::bulleMasse,
     .nomAccessible = Texte::champMasse},
    {.nom = "Label5_0", .genre = Genre::Etiquette, .legende = Texte::legendeMasse, .place = {6480, 480, 495, 195}, .tab = 20,
     .police = kMss, .drapeaux = AutoTaille},
    // The exponent stands higher than its neighbours, over the field's bottom edge.
    {.nom = "Label5_1", .genre = Genre::Etiquette, .legende = Texte::legendeMasseExposant, .place = {7020, 376, 180, 210}, .tab = 30,
     .drapeaux = AutoTaille},
    {.nom = "Label5_2", .genre = Genre::Etiquette, .legende = Texte::legendeMasseUnite, .place = {7320, 480, 165, 210}, .tab = 31,
     .drapeaux = AutoTaille},

    // Option groups, each in its frame; buttons from top to bottom.
    {.nom = "Frame1", .genre = Genre::Cadre, .legende = Texte::cadrePoints, .place = {7800, 120, 1995, 675},
     .tab = 26, .police = kMss},
    {.nom = "Option1_0", .genre = Genre::Option, .role = option(Groupe::Points, 0), .cadre = "Frame1", .legende = Texte::option100,
     .place = {240, 360, 615, 195}, .tab = 37, .police = kMss, .bulle = Texte::bulle100},
    {.nom = "Option1_1", .genre = Genre::Option, .role = option(Groupe::Points, 1), .cadre = "Frame1", .legende = Texte::option1000,
     .place = {960, 360, 855, 195}, .tab = 36, .police = kMss, .bulle = Texte::bulle1000, .drapeaux = Choisi},
    {.nom = "Frame3", .genre = Genre::Cadre, .legende = Texte::cadreAttracteur, .place = {7800, 840, 1995, 1575}, .tab = 32},
    {.nom = "Option2_0", .genre = Genre::Option, .role = option(Groupe::Attracteur, 0), .cadre = "Frame3",
     .legende = kAttracteurs[0].legende, .place = {480, 300, 1095, 255}, .tab = 41, .bulle = kAttracteurs[0].bulle,
     .drapeaux = Choisi},
    {.nom = "Option2_2", .genre = Genre::Option, .role = option(Groupe::Attracteur, 2), .cadre = "Frame3",
     .legende = kAttracteurs[2].legende, .place = {480, 555, 1095, 255}, .tab = 39, .bulle = kAttracteurs[2].bulle,
     .drapeaux = Desactive},
    {.nom = "Option2_1", .genre = Genre::Option, .role = option(Groupe::Attracteur, 1), .cadre = "Frame3",
     .legende = kAttracteurs[1].legende, .place = {480, 825, 1095, 255}, .tab = 40, .bulle = kAttracteurs[1].bulle,
     .drapeaux = Desactive},
    {.nom = "Option2_3", .genre = Genre::Option, .role = option(Groupe::Attracteur, 3), .cadre = "Frame3",
     .legende = kAttracteurs[3].legende, .place = {480, 1080, 1095, 255}, .tab = 38, .bulle = kAttracteurs[3].bulle,
     .drapeaux = Desactive},
    {.nom = "Frame2", .genre = Genre::Cadre, .legende = Texte::cadreEchelle, .place = {9840, 120, 2055, 2295}, .tab = 28,
     .police = kMss},
    {.nom = "Option3_6", .genre = Genre::Option, .role = option(Groupe::Echelle, 6), .cadre = "Frame2",
     .legende = kPresets[6].legende, .place = {240, 240, 855, 255}, .tab = 35, .police = kMss, .bulle = Texte::bulleEchelle,
     .drapeaux = NommeParCadre},
    {.nom = "Option3_0", .genre = Genre::Option, .role = option(Groupe::Echelle, 0), .cadre = "Frame2",
     .legende = kPresets[0].legende, .place = {240, 510, 1215, 255}, .tab = 6, .police = kMss, .bulle = Texte::bulleEchelle,
     .drapeaux = Choisi | NommeParCadre},
    {.nom = "Option3_1", .genre = Genre::Option, .role = option(Groupe::Echelle, 1), .cadre = "Frame2",
     .legende = kPresets[1].legende, .place = {240, 780, 1215, 255}, .tab = 7, .police = kMss, .drapeaux = NommeParCadre},
    {.nom = "Option3_2", .genre = Genre::Option, .role = option(Groupe::Echelle, 2), .cadre = "Frame2",
     .legende = kPresets[2].legende, .place = {240, 1050, 1215, 255}, .tab = 8, .police = kMss, .drapeaux = NommeParCadre},
    {.nom = "Option3_3", .genre = Genre::Option, .role = option(Groupe::Echelle, 3), .cadre = "Frame2",
     .legende = kPresets[3].legende, .place = {240, 1320, 1695, 255}, .tab = 9, .police = kMss, .drapeaux = NommeParCadre},
    {.nom = "Option3_4", .genre = Genre::Option, .role = option(Groupe::Echelle, 4), .cadre = "Frame2",
     .legende = kPresets[4].legende, .place = {240, 1590, 1695, 255}, .tab = 10, .police = kMss, .drapeaux = NommeParCadre},
    {.nom = "Option3_5", .genre = Genre::Option, .role = option(Groupe::Echelle, 5), .cadre = "Frame2",
     .legende = kPresets[5].legende, .place = {240, 1860, 1695, 255}, .tab = 11, .police = kMss, .drapeaux = NommeParCadre},

    // Satellite mass, pointer read-out, impact captions, commands.
    {.nom = "Label7", .genre = Genre::Etiquette, .legende = Texte::champMasseSatellite, .place = {7800, 2520, 1620, 210},
     .tab = 34, .drapeaux = AutoTaille},
    {.nom = "Text7", .genre = Genre::Champ, .role = role(Champ::Text7), .valeur = "30000",
     .place = {9840, 2520, 1335, 315}, .tab = 33, .nomAccessible = Texte::champMasseSatellite},
    {.nom = "Label10", .genre = Genre::Etiquette, .role = role(Etiquette::LectureY), .place = {7800, 2940, 1215, 255},
     .tab = 23, .police = kMss},
    {.nom = "Label9", .genre = Genre::Etiquette, .role = role(Etiquette::LectureX), .place = {9120, 2940, 1335, 255},
     .tab = 22, .police = kMss},
    {.nom = "Label14", .genre = Genre::Etiquette, .role = role(Etiquette::LectureUnite), .legende = Texte::legendeLecture,
     .place = {10560, 2940, 1695, 255}, .tab = 27, .police = kMss},
    {.nom = "Label11", .genre = Genre::Etiquette, .role = role(Etiquette::ImpactTemps), .legende = Texte::legendeImpact,
     .place = {7740, 3300, 840, 300}, .tab = 24, .police = {"MS Sans Serif", 12, true}, .drapeaux = AutoTaille,
     .couleur = Couleur{255, 0, 0}},
    {.nom = "Label12", .genre = Genre::Etiquette, .role = role(Etiquette::ImpactVitesse), .legende = Texte::legendeImpact,
     .place = {7740, 3600, 705, 240}, .tab = 42, .police = {"MS Sans Serif", 9.75, true}, .drapeaux = AutoTaille,
     .couleur = Couleur{255, 0, 0}},
    {.nom = "Command5", .genre = Genre::Bouton, .role = role(Commande::Placer), .legende = Texte::placer,
     .place = {7740, 4140, 1215, 375}, .tab = 12, .police = kMss, .bulle = Texte::bullePlacer},
    {.nom = "Command4", .genre = Genre::Bouton, .role = role(Commande::Effacer), .legende = Texte::effacer,
     .place = {9060, 4140, 1215, 375}, .tab = 13, .police = kMss, .bulle = Texte::bulleEffacer},
    {.nom = "Command1", .genre = Genre::Bouton, .role = role(Commande::Lancer), .legende = Texte::lancer,
     .place = {7740, 4560, 2535, 375}, .tab = 14, .police = kMss, .bulle = Texte::bulleLancer,
     .drapeaux = ParDefaut},
    {.nom = "Command2", .genre = Genre::Bouton, .role = role(Commande::Quitter), .legende = Texte::quitter,
     .place = {10800, 7650, 1095, 375}, .tab = 15, .police = kMss},
    // The program's own: shown after a finger placed the satellite (a mouse's placement is undone from the menu).
    {.nom = "Command6", .genre = Genre::Bouton, .role = role(Commande::Annuler), .legende = Texte::annuler,
     .place = {10800, 7155, 1095, 375}, .tab = 61, .police = kMss, .bulle = Texte::bulleAnnuler, .drapeaux = Cache | Facultatif},

    // Orbit view and charts.
    {.nom = "Picture1", .genre = Genre::Image, .role = zone(1), .place = {90, 720, 7500, 7500}, .tab = 29,
     .nomAccessible = Texte::vueOrbite},
    {.nom = "vitesse", .genre = Genre::CaseACocher, .role = role(Case::Vitesse), .legende = Texte::caseVitesse,
     .place = {10530, 4140, 1425, 435}, .tab = 49},
    {.nom = "xy", .genre = Genre::CaseACocher, .role = role(Case::Xy), .legende = Texte::caseXy,
     .place = {10530, 4590, 1245, 435}, .tab = 50},
    {.nom = "Picture2", .genre = Genre::Image, .role = zone(2), .place = {7740, 5100, 1350, 1350}, .tab = 43,
     .nomAccessible = kGraphes[0].titre, .drapeaux = Cache},
    {.nom = "Picture3", .genre = Genre::Image, .role = zone(3), .place = {9180, 5100, 1350, 1350}, .tab = 44,
     .nomAccessible = kGraphes[1].titre, .drapeaux = Cache},
    {.nom = "Picture4", .genre = Genre::Image, .role = zone(4), .place = {10560, 5100, 1350, 1350}, .tab = 47,
     .nomAccessible = kGraphes[2].titre, .drapeaux = Cache},
    {.nom = "Label8", .genre = Genre::Etiquette, .role = legendeGraphe(2), .legende = kGraphes[0].titre,
     .place = {7920, 6450, 435, 240}, .tab = 45, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},
    {.nom = "Label13", .genre = Genre::Etiquette, .role = legendeGraphe(3), .legende = kGraphes[1].titre,
     .place = {9360, 6450, 420, 240}, .tab = 46, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},
    {.nom = "Label15", .genre = Genre::Etiquette, .role = legendeGraphe(4), .legende = kGraphes[2].titre,
     .place = {10740, 6450, 315, 240}, .tab = 48, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},
    {.nom = "Picture5", .genre = Genre::Image, .role = zone(5), .place = {7740, 6660, 1350, 1350}, .tab = 51,
     .nomAccessible = kGraphes[3].titre, .drapeaux = Cache},
    {.nom = "Picture6", .genre = Genre::Image, .role = zone(6), .place = {9180, 6660, 1350, 1350}, .tab = 52,
     .nomAccessible = kGraphes[4].titre, .drapeaux = Cache},
    {.nom = "Label17", .genre = Genre::Etiquette, .role = legendeGraphe(5), .legende = kGraphes[3].titre,
     .place = {7920, 8010, 315, 240}, .tab = 54, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},
    {.nom = "Label16", .genre = Genre::Etiquette, .role = legendeGraphe(6), .legende = kGraphes[4].titre,
     .place = {9360, 8010, 300, 240}, .tab = 53, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},

    // The program's own: the energy chart's box, in the room under V(t);
    // the legend of the launches and the energy chart in a column beyond
    // the layout, which the window grows by while one of them is shown.
    {.nom = "energie", .genre = Genre::CaseACocher, .role = role(Case::Energie), .legende = Texte::caseEnergie,
     .place = {10560, 6735, 1320, 300}, .tab = 55, .bulle = Texte::bulleEnergie},
    {.nom = "Legende", .genre = Genre::Tableau, .role = role(Etiquette::Legende), .place = {11970, 120, 3090, 3960},
     .tab = 56, .nomAccessible = Texte::legendeLancements, .drapeaux = Cache | Facultatif},
    {.nom = "Picture7", .genre = Genre::Image, .role = zone(7), .place = {11970, 4200, 3090, 3780}, .tab = 57,
     .nomAccessible = kGraphes[5].titre, .drapeaux = Cache | Facultatif},
    {.nom = "Label18", .genre = Genre::Etiquette, .role = legendeGraphe(7), .legende = kGraphes[5].titre,
     .place = {11970, 8010, 3090, 240}, .tab = 58, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},
    // Kepler's third law, in a second column, which the window grows by while it is shown.
    {.nom = "Picture8", .genre = Genre::Image, .role = zone(8), .place = {15165, 120, 3090, 3960}, .tab = 59,
     .nomAccessible = Texte::grapheKepler, .drapeaux = Cache | Facultatif},
    {.nom = "Label19", .genre = Genre::Etiquette, .role = legendeGraphe(8), .legende = Texte::grapheKepler,
     .place = {15165, 4110, 3090, 240}, .tab = 60, .police = {"Arial", 9.75, true}, .drapeaux = AutoTaille | Cache | Facultatif},

    // Inside the orbit view, from the top-left corner of its inner area.
    {.nom = "starbleue", .genre = Genre::Etoile, .cadre = "Picture1", .place = {0, 0, 210, 180}, .drapeaux = Cache},
    {.nom = "Sat", .genre = Genre::Forme, .cadre = "Picture1", .place = {5280, 480, 135, 135}},

    // The program's own: arithmetic errors and reading messages, under the
    // orbit view and the charts' captions, without a dialog.
    {.nom = "message", .genre = Genre::Message, .role = kRoleMessage, .place = {90, 8250, 10680, 315},
     .police = {"Arial", 8.25, true}, .nomAccessible = Texte::message, .drapeaux = Retour, .couleur = Couleur{176, 0, 0}},
});

/// The start screen: client area in twips, its title.
inline constexpr int kLargeurAccueil = 7560;
inline constexpr int kHauteurAccueil = 5565;
inline constexpr Texte kTitreApplication = Texte::titreApplication;

/// The start screen's controls; all but the frame lie in the frame. Its window font is MS Sans Serif.
inline constexpr auto kDispositionAccueil = std::to_array<Disposition>({
    {.nom = "fraMainFrame", .genre = Genre::Cadre, .place = {120, 0, 7380, 5430}, .tab = 1, .police = kMss},
    {.nom = "lblLicenseTo", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .place = {270, 300, 6855, 255}, .tab = 2,
     .drapeaux = ADroite},
    {.nom = "lblCompanyProduct", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .legende = Texte::accueilInstitution,
     .place = {3120, 720, 3075, 435}, .tab = 8, .police = {"Arial", 18, true}, .drapeaux = AutoTaille},
    {.nom = "lblProductName", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .legende = Texte::accueilProduit,
     .place = {3120, 1200, 2835, 765}, .tab = 9, .police = {"Arial", 32.25, true}, .drapeaux = AutoTaille},
    {.nom = "picLogo", .genre = Genre::Logo, .cadre = "fraMainFrame", .place = {510, 855, 2460, 2310}, .tab = 3,
     .nomAccessible = Texte::accueilLogo},
    {.nom = "lblPlatform", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .legende = Texte::accueilPlateforme,
     .place = {4575, 2160, 2430, 360}, .tab = 7, .police = {"Arial", 15.75, true}, .drapeaux = AutoTaille | ADroite},
    {.nom = "lblVersion", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .legende = Texte::accueilVersionAvant,
     .place = {5730, 2520, 1275, 285}, .tab = 6, .police = {"Arial", 12, true}, .drapeaux = AutoTaille | ADroite},
    {.nom = "Label1", .genre = Genre::Etiquette, .cadre = "fraMainFrame",
     .legende = Texte::accueilDescription,
     .place = {480, 3480, 6615, 675}, .tab = 10, .drapeaux = Retour},
    {.nom = "lblWarning", .genre = Genre::Etiquette, .cadre = "fraMainFrame", .place = {480, 4200, 4935, 555}, .tab = 4,
     .drapeaux = Retour},
    {.nom = "lblCompany", .genre = Genre::Etiquette, .cadre = "fraMainFrame",
     .legende = Texte::accueilAuteur, .place = {480, 4800, 6375, 255}, .tab = 5},
    {.nom = "Command1", .genre = Genre::Bouton, .cadre = "fraMainFrame", .legende = Texte::suite,
     .place = {5520, 4680, 1695, 495}, .tab = 0, .police = kMss, .drapeaux = ParDefaut},
});

/// The menu entries (a byte each, as the options: the menu table's rows the smaller).
enum class Action : std::uint8_t {
    OuvrirSituation, EnregistrerSituation, EnregistrerPoints, EnregistrerImage, Imprimer, Quitter,
    CopierPoints, CopierLien, ValeursDepart, Guide, APropos, Langue, ColorisLancements, VecteurVitesse,
    VecteursVitesse, VariationVitesse, Force, OrbiteExacte, Kepler, Rejouer, Pause, PointSuivant, PointPrecedent,
    Rejeu10min, Rejeu1h, Rejeu6h, AnnulerPlacement, CopierLancements, ValeursGraphes, Projection,
};

/// Which front ends offer an entry.
enum Interface : std::uint8_t { Bureau = 1, Page = 2 };

/// The file a menu entry writes, or reads: what its dialog says and proposes.
struct FichierAction {
    Texte titre;                     ///< the dialog's title
    std::optional<Texte> nom = {};   ///< the name proposed; none for a file to open
    Texte filtre;                    ///< what the dialog lists
    std::string_view suffixe = {};   ///< added to a name typed without one
    std::string_view type = {};      ///< the media type of a download
    std::optional<Texte> echec = {}; ///< what a failed write did not do ("Les points n'ont pas été enregistrés")
    bool lecture = false;            ///< a file to open, not to write
};

/// One menu entry: its menu, caption (the letter after "&" is its access key), shortcut, when it
/// can be chosen and the file it writes or reads. What it does is `choisit` (shell/actions.h).
struct EntreeMenu {
    Texte menu;
    Action action;
    Texte legende;
    std::string_view raccourci = {};   ///< portable text ("Ctrl+Shift+C"); "" for none
    bool separateurAvant = false;
    std::uint8_t interfaces = Bureau | Page;
    bool besoinPoints = false;         ///< only once a launch has left points to copy or save
    std::optional<FichierAction> fichier = {};
    /// A checkable entry: the option of the window it turns on and off
    /// (`Reglage_Click`); the shell shows its state (`Fenetre::ecritReglage`).
    std::optional<Reglage> reglage = {};
};

/// The menu bar, menu by menu, entries from top to bottom.
inline constexpr auto kMenus = std::to_array<EntreeMenu>({
    {.menu = Texte::menuFichier, .action = Action::OuvrirSituation, .legende = Texte::actionOuvrirSituation,
     .raccourci = "Ctrl+O",
     .fichier = FichierAction{.titre = Texte::dialogueOuvrirSituation, .filtre = Texte::filtreSituation,
                              .suffixe = "orbeline", .lecture = true}},
    {.menu = Texte::menuFichier, .action = Action::EnregistrerSituation, .legende = Texte::actionEnregistrerSituation,
     .raccourci = "Ctrl+Shift+S",
     .fichier = FichierAction{.titre = Texte::dialogueEnregistrerSituation, .nom = Texte::fichierSituation,
                              .filtre = Texte::filtreSituation, .suffixe = "orbeline",
                              .type = "application/x-orbeline-situation", .echec = Texte::echecSituation}},
    {.menu = Texte::menuFichier, .action = Action::EnregistrerPoints, .legende = Texte::actionEnregistrerPoints,
     .raccourci = "Ctrl+S", .separateurAvant = true, .besoinPoints = true,
     .fichier = FichierAction{.titre = Texte::dialogueEnregistrerPoints, .nom = Texte::fichierPoints,
                              .filtre = Texte::filtrePoints, .suffixe = "csv", .type = "text/csv;charset=utf-8",
                              .echec = Texte::echecPoints}},
    {.menu = Texte::menuFichier, .action = Action::EnregistrerImage, .legende = Texte::actionEnregistrerImage,
     .fichier = FichierAction{.titre = Texte::dialogueEnregistrerImage, .nom = Texte::fichierImage,
                              .filtre = Texte::filtreImage, .suffixe = "png", .type = "image/png",
                              .echec = Texte::echecImage}},
    {.menu = Texte::menuFichier, .action = Action::Imprimer, .legende = Texte::actionImprimer, .raccourci = "Ctrl+P"},
    {.menu = Texte::menuFichier, .action = Action::Quitter, .legende = Texte::actionQuitter, .raccourci = "Ctrl+Q",
     .separateurAvant = true, .interfaces = Bureau},
    // Ctrl+Z is the fields' own undo but while a placement on the view can be undone.
    {.menu = Texte::menuEdition, .action = Action::AnnulerPlacement, .legende = Texte::actionAnnulerPlacement,
     .raccourci = "Ctrl+Z"},
    // Ctrl+C stays the fields' own copy.
    {.menu = Texte::menuEdition, .action = Action::CopierPoints, .legende = Texte::actionCopierPoints,
     .raccourci = "Ctrl+Shift+C", .separateurAvant = true, .besoinPoints = true},
    {.menu = Texte::menuEdition, .action = Action::CopierLancements, .legende = Texte::actionCopierLancements,
     .besoinPoints = true},
    {.menu = Texte::menuEdition, .action = Action::CopierLien, .legende = Texte::actionCopierLien, .interfaces = Page},
    {.menu = Texte::menuEdition, .action = Action::ValeursDepart, .legende = Texte::actionValeursDepart,
     .separateurAvant = true},
    {.menu = Texte::menuAffichage, .action = Action::ColorisLancements, .legende = Texte::actionColoris,
     .reglage = Reglage::Coloris},
    {.menu = Texte::menuAffichage, .action = Action::ValeursGraphes, .legende = Texte::actionValeurs,
     .reglage = Reglage::Valeurs},
    {.menu = Texte::menuAffichage, .action = Action::VecteurVitesse, .legende = Texte::actionVecteur,
     .reglage = Reglage::Vecteur},
    // What a seconde class constructs on paper, the exact orbit and Kepler's third law, each on its own.
    {.menu = Texte::menuAffichage, .action = Action::VecteursVitesse, .legende = Texte::actionVecteursVitesse,
     .reglage = Reglage::VecteursVitesse},
    {.menu = Texte::menuAffichage, .action = Action::VariationVitesse, .legende = Texte::actionVariationVitesse,
     .reglage = Reglage::VariationVitesse},
    {.menu = Texte::menuAffichage, .action = Action::Force, .legende = Texte::actionForce, .reglage = Reglage::Force},
    {.menu = Texte::menuAffichage, .action = Action::OrbiteExacte, .legende = Texte::actionOrbiteExacte,
     .reglage = Reglage::OrbiteExacte},
    {.menu = Texte::menuAffichage, .action = Action::Kepler, .legende = Texte::actionKepler, .reglage = Reglage::Kepler},
    // The motion in time: the arrow keys step the replay only while there is one.
    {.menu = Texte::menuAffichage, .action = Action::Rejouer, .legende = Texte::actionRejouer, .separateurAvant = true},
    {.menu = Texte::menuAffichage, .action = Action::Pause, .legende = Texte::actionPause, .reglage = Reglage::Pause},
    {.menu = Texte::menuAffichage, .action = Action::PointSuivant, .legende = Texte::actionPointSuivant, .raccourci = "Right"},
    {.menu = Texte::menuAffichage, .action = Action::PointPrecedent, .legende = Texte::actionPointPrecedent,
     .raccourci = "Left"},
    {.menu = Texte::menuAffichage, .action = Action::Rejeu10min, .legende = Texte::actionRejeu10min,
     .separateurAvant = true, .reglage = Reglage::Rejeu10min},
    {.menu = Texte::menuAffichage, .action = Action::Rejeu1h, .legende = Texte::actionRejeu1h, .reglage = Reglage::Rejeu1h},
    {.menu = Texte::menuAffichage, .action = Action::Rejeu6h, .legende = Texte::actionRejeu6h, .reglage = Reglage::Rejeu6h},
    // The whole window larger, for a class: the screen filled, text of 24 px at least on 1920 × 1080.
    {.menu = Texte::menuAffichage, .action = Action::Projection, .legende = Texte::actionProjection,
     .separateurAvant = true, .reglage = Reglage::Projection},
    {.menu = Texte::menuAide, .action = Action::Guide, .legende = Texte::actionGuide, .raccourci = "F1"},
    {.menu = Texte::menuAide, .action = Action::APropos, .legende = Texte::actionAPropos},
    // One entry per language, each under its own name.
    {.menu = Texte::menuAide, .action = Action::Langue, .legende = Texte::nomLangue, .separateurAvant = true},
});
/// Each action has its one row (shell/disposition.cpp checks it): the front ends number them 0 to kNombreActions − 1.
inline constexpr std::size_t kNombreActions = kMenus.size();

/// A menu entry's row.
const EntreeMenu& entree(Action a);

/// "Version " followed by major.minor.revision.
std::string texteVersion();
/// What the start screen's load writes, by control name: the version, then the application's title.
std::array<std::pair<std::string_view, std::string>, 2> Accueil_Load();
/// The about box's description of the program.
inline constexpr Texte kDescription = Texte::description;

// Overlaps the layout has: the mass's exponent over its field's edge, two charts' captions over the charts under
// them, the maker's line under "Suite", the read-out's unit into the legend's column (its text stops before).
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kChevauchementsVoulus{
    {{"Text5", "Label5_1"}, {"Label8", "Picture5"}, {"Label13", "Picture6"}, {"lblCompany", "Command1"}, {"Label14", "Legende"}}};

constexpr bool seChevauchent(const Place& a, const Place& b)
{
    return a.gauche < b.gauche + b.largeur && b.gauche < a.gauche + a.largeur && a.haut < b.haut + b.hauteur &&
           b.haut < a.haut + a.hauteur;
}

// What the front ends rely on when they build a window from its table: each
// name, tab index and role once, a frame before the controls it holds, one
// selected button per group, each control starting inside its container and
// apart from its neighbours, places on whole pixels. A table that breaks one
// does not compile.
constexpr bool tableSaine(std::span<const Disposition> t, int largeur, int hauteur)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const Disposition& d = t[i];
        bool cadreAvant = d.cadre.empty();
        int options = 0, choisis = 0;
        Place dans{0, 0, static_cast<std::int16_t>(largeur), static_cast<std::int16_t>(hauteur)};
        for (std::size_t j = 0; j < t.size(); ++j) {
            const Disposition& e = t[j];
            if (j != i && (e.nom == d.nom || (d.tab >= 0 && e.tab == d.tab) ||
                           (d.role.sorte != Role::Sorte::Aucune && e.role == d.role)))
                return false;
            cadreAvant = cadreAvant || (j < i && e.nom == d.cadre);
            if (e.nom == d.cadre) dans = e.place;
            const bool sien = e.genre == Genre::Option && e.cadre == d.nom;
            options += sien ? 1 : 0;
            choisis += sien && (e.drapeaux & Choisi) ? 1 : 0;
            const bool voulu = std::find(kChevauchementsVoulus.begin(), kChevauchementsVoulus.end(), std::pair(d.nom, e.nom)) !=
                               kChevauchementsVoulus.end();
            if (j > i && e.cadre == d.cadre && !voulu && seChevauchent(d.place, e.place)) return false;
        }
        if (!cadreAvant || (options > 0 && choisis != 1)) return false;
        // A few end past the right edge, as the layout has them; none starts outside.
        if (d.place.gauche < 0 || d.place.haut < 0 || d.place.gauche >= dans.largeur || d.place.haut >= dans.hauteur)
            return false;
        // On the 96-dpi pixel grid, 15 twips a pixel, as the window was drawn: a place off it is
        // mistyped. Two lie a few twips off, as the window has always had them.
        const Place& p = d.place;
        if (d.nom != "Text1" && d.nom != "Label5_1" && (p.gauche % 15 || p.haut % 15 || p.largeur % 15 || p.hauteur % 15))
            return false;
        if (d.genre == Genre::Option && d.cadre.empty()) return false;
    }
    return true;
}

// Each scale button reads its own preset's caption, each chart's area and caption are there and the
// caption reads its title: what the pupil picks or reads is what the program does.
constexpr bool legendesSaines(std::span<const Disposition> t)
{
    for (const Disposition& d : t)
        if (d.role.sorte == Role::Sorte::Option && d.role.numero == static_cast<int>(Groupe::Echelle) &&
            d.legende != kPresets[static_cast<std::size_t>(d.role.index)].legende)
            return false;
    for (const Graphe& g : kGraphes) {
        int zones = 0, legendes = 0;
        for (const Disposition& d : t) {
            zones += d.role == zone(g.picture) ? 1 : 0;
            legendes += d.role == legendeGraphe(g.picture) && d.legende == g.titre ? 1 : 0;
        }
        if (zones != 1 || legendes != 1) return false;
    }
    return true;
}

/// A row of a table by its name; null when there is none.
const Disposition* cherche(std::span<const Disposition> table, std::string_view nom);
/// The main window's row of a role; null when no control plays it.
const Disposition* cherche(Role r);
/// Twips to pixels at 96 dpi.
constexpr int enPixels(int twips) { return (twips * 2 + 15) / 30; }

} // namespace orbeline
