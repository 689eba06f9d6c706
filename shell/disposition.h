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

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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
};

/// A typeface, its size in points and its weight. Front ends take the
/// nearest installed face ("MS Sans Serif" and "Arial" have metric twins).
struct Police {
    std::string_view famille;
    double points;
    bool gras = false;
};

inline constexpr Police kArial{"Arial", 8.25};
inline constexpr Police kMss{"MS Sans Serif", 8.25};

/// Initial states and looks, as flags.
enum Drapeau : std::uint8_t {
    Choisi = 1,        ///< option selected, box checked
    Desactive = 2,     ///< greyed, cannot be used
    Cache = 4,         ///< hidden
    AutoTaille = 8,    ///< a label that fits its caption
    ParDefaut = 16,    ///< the default button: Enter presses it
    ADroite = 32,      ///< right-aligned text (a right-aligned auto-size label keeps its right edge)
    Retour = 64,       ///< the text wraps at word boundaries
    NommeParCadre = 128,   ///< a screen reader names it after its frame's caption, then its own
};

/// One control.
struct Disposition {
    std::string_view nom;      ///< object name: "Text1", "Label6_0", "Option3_6", "Frame2"…
    Genre genre;
    int numero;                ///< Text n, Label n, Command n, Picture n, Frame n; option group; box (0 vitesse, 1 xy)
    int index;                 ///< index in a control array (options, Label5, Label6); -1 otherwise
    std::string_view cadre;    ///< the container's name; "" for the window's client area
    std::string_view legende;  ///< caption or initial text
    int gauche, haut, largeur, hauteur;   ///< twips
    int tab;                   ///< tab index; -1 for the program's own additions
    Police police;
    std::string_view bulle;    ///< tooltip; "" for none
    std::string_view nomAccessible;   ///< name for screen readers; "" for the caption
    std::uint8_t drapeaux = 0;
    std::optional<Couleur> couleur = {};   ///< text colour, when not the system's
};

/// The main window: its first title, and the size of its client area in twips.
inline constexpr std::string_view kTitrePrincipale = "orbelines";
inline constexpr int kLargeurPrincipale = 11880;
inline constexpr int kHauteurPrincipale = 8565;

namespace bulles {
inline constexpr std::string_view kVx = "Vitesse initiale selon la direction x'Ox";
inline constexpr std::string_view kVy = "Vitesse initiale selon la direction y'Oy";
inline constexpr std::string_view kX = "Absisse initiale du satellite.";
inline constexpr std::string_view kY = "Ordonnée initiale du satellite.";
inline constexpr std::string_view kTau = "Durée en seconde entre deux positions calculées et placées sur la trajectoire.";
inline constexpr std::string_view kMasse = "Masse de l'attracteur en kg.";
} // namespace bulles

/// The caption of the scale frame; the screen reader names each scale button after it.
inline constexpr std::string_view kCarreau = "1 carreau = ";

/// The main window's controls, in creation order (the tab order is the tab index).
inline constexpr auto kDisposition = std::to_array<Disposition>({
    // Input row, each field with its caption under it.
    {"Text1", Genre::Champ, 1, -1, "", "0", 158, 120, 750, 285, 0, kMss, bulles::kVx, "Vox (m/s)"},
    {"Label1", Genre::Etiquette, 1, -1, "", "Vox (m/s)", 120, 480, 675, 195, 16, kMss, bulles::kVx, "", AutoTaille},
    {"Text2", Genre::Champ, 2, -1, "", "0", 1005, 120, 750, 285, 1, kMss, bulles::kVy, "Voy (m/s)"},
    {"Label2", Genre::Etiquette, 2, -1, "", "Voy (m/s)", 1080, 480, 675, 195, 17, kMss, bulles::kVy, "", AutoTaille},
    {"Text3", Genre::Champ, 3, -1, "", "-30000", 2040, 120, 1395, 285, 2, kMss, bulles::kX, "X initial"},
    {"Label3", Genre::Etiquette, 3, -1, "", "X initial ", 2040, 480, 540, 195, 18, kMss, bulles::kX, "", AutoTaille},
    {"Text4", Genre::Champ, 4, -1, "", "0", 3600, 120, 1395, 285, 3, kMss, bulles::kY, "Y initial"},
    {"Label4", Genre::Etiquette, 4, -1, "", "Y initial ", 3600, 480, 540, 195, 19, kMss, bulles::kY, "", AutoTaille},
    {"Text6", Genre::Champ, 6, -1, "", "864", 5205, 120, 975, 285, 5, kMss, bulles::kTau, "τ (en s)"},
    // The Greek letter tau, written in an ordinary face.
    {"Label6_0", Genre::Etiquette, 6, 0, "", "τ (", 5160, 480, 180, 225, 21, {"Arial", 9}, "", "", AutoTaille},
    {"Label6_1", Genre::Etiquette, 6, 1, "", "en s )", 5400, 480, 390, 195, 25, kMss, bulles::kTau, "", AutoTaille},
    {"Text5", Genre::Champ, 5, -1, "", "6.00", 6480, 120, 1095, 285, 4, kMss, bulles::kMasse,
     "Masse de l'attracteur (M . 10 puissance 24\u00a0kg)"},
    {"Label5_0", Genre::Etiquette, 5, 0, "", "M  . 10", 6480, 480, 495, 195, 20, kMss, "", "", AutoTaille},
    {"Label5_1", Genre::Etiquette, 5, 1, "", "24", 7020, 376, 180, 210, 30, kArial, "", "", AutoTaille},
    {"Label5_2", Genre::Etiquette, 5, 2, "", "kg", 7320, 480, 165, 210, 31, kArial, "", "", AutoTaille},

    // Option groups, each in its frame; buttons from top to bottom.
    {"Frame1", Genre::Cadre, 1, -1, "", "Nbre de points affichés", 7800, 120, 1995, 675, 26, kMss, "", ""},
    {"Option1_0", Genre::Option, 1, 0, "Frame1", "100", 240, 360, 615, 195, 37, kMss, "100 points tracés", ""},
    {"Option1_1", Genre::Option, 1, 1, "Frame1", "1000", 960, 360, 855, 195, 36, kMss, "1000 points tracés.", "", Choisi},
    {"Frame3", Genre::Cadre, 3, -1, "", "Attracteur central", 7800, 840, 1995, 1575, 32, kArial, "", ""},
    {"Option2_0", Genre::Option, 2, 0, "Frame3", kAttracteurs[0].legende, 480, 300, 1095, 255, 41, kArial,
     kAttracteurs[0].bulle, "", Choisi},
    {"Option2_2", Genre::Option, 2, 2, "Frame3", kAttracteurs[2].legende, 480, 555, 1095, 255, 39, kArial,
     kAttracteurs[2].bulle, "", Desactive},
    {"Option2_1", Genre::Option, 2, 1, "Frame3", kAttracteurs[1].legende, 480, 825, 1095, 255, 40, kArial,
     kAttracteurs[1].bulle, "", Desactive},
    {"Option2_3", Genre::Option, 2, 3, "Frame3", kAttracteurs[3].legende, 480, 1080, 1095, 255, 38, kArial,
     kAttracteurs[3].bulle, "", Desactive},
    {"Frame2", Genre::Cadre, 2, -1, "", kCarreau, 9840, 120, 2055, 2295, 28, kMss, "", ""},
    {"Option3_6", Genre::Option, 3, 6, "Frame2", kPresets[6].legende, 240, 240, 855, 255, 35, kMss, "échelle", "", NommeParCadre},
    {"Option3_0", Genre::Option, 3, 0, "Frame2", kPresets[0].legende, 240, 510, 1215, 255, 6, kMss, "échelle", "",
     Choisi | NommeParCadre},
    {"Option3_1", Genre::Option, 3, 1, "Frame2", kPresets[1].legende, 240, 780, 1215, 255, 7, kMss, "", "", NommeParCadre},
    {"Option3_2", Genre::Option, 3, 2, "Frame2", kPresets[2].legende, 240, 1050, 1215, 255, 8, kMss, "", "", NommeParCadre},
    {"Option3_3", Genre::Option, 3, 3, "Frame2", kPresets[3].legende, 240, 1320, 1695, 255, 9, kMss, "", "", NommeParCadre},
    {"Option3_4", Genre::Option, 3, 4, "Frame2", kPresets[4].legende, 240, 1590, 1695, 255, 10, kMss, "", "", NommeParCadre},
    {"Option3_5", Genre::Option, 3, 5, "Frame2", kPresets[5].legende, 240, 1860, 1695, 255, 11, kMss, "", "", NommeParCadre},

    // Satellite mass, pointer read-out, impact captions, commands.
    {"Label7", Genre::Etiquette, 7, -1, "", "masse du satellite (kg)", 7800, 2520, 1620, 210, 34, kArial, "", "",
     AutoTaille},
    {"Text7", Genre::Champ, 7, -1, "", "30000", 9840, 2520, 1335, 315, 33, kArial, "", "masse du satellite (kg)"},
    {"Label10", Genre::Etiquette, 10, -1, "", "", 7800, 2940, 1215, 255, 23, kMss, "", ""},
    {"Label9", Genre::Etiquette, 9, -1, "", "", 9120, 2940, 1335, 255, 22, kMss, "", ""},
    {"Label14", Genre::Etiquette, 14, -1, "", "Label14", 10560, 2940, 1695, 255, 27, kMss, "", ""},
    {"Label11", Genre::Etiquette, 11, -1, "", "Impact", 7740, 3300, 840, 300, 24, {"MS Sans Serif", 12, true}, "", "",
     AutoTaille, Couleur{255, 0, 0}},
    {"Label12", Genre::Etiquette, 12, -1, "", "Impact", 7740, 3600, 705, 240, 42, {"MS Sans Serif", 9.75, true}, "",
     "", AutoTaille, Couleur{255, 0, 0}},
    {"Command5", Genre::Bouton, 5, -1, "", "Placer", 7740, 4140, 1215, 375, 12, kMss,
     "Placer le satellite à sa position initiale.", ""},
    {"Command4", Genre::Bouton, 4, -1, "", "Effacer", 9060, 4140, 1215, 375, 13, kMss, "Efface les tracés précédents", ""},
    {"Command1", Genre::Bouton, 1, -1, "", "Lancer", 7740, 4560, 2535, 375, 14, kMss,
     "Lance le satellite depuis la position initiale", "", ParDefaut},
    {"Command2", Genre::Bouton, 2, -1, "", "Quitter", 10800, 7650, 1095, 375, 15, kMss, "", ""},

    // Orbit view and charts.
    {"Picture1", Genre::Image, 1, -1, "", "", 90, 720, 7500, 7500, 29, kArial, "", "Vue de l'orbite"},
    {"vitesse", Genre::CaseACocher, 0, -1, "", "Vx(t), Vy(t) V(t) ", 10530, 4140, 1425, 435, 49, kArial, "", ""},
    {"xy", Genre::CaseACocher, 1, -1, "", "X (t),Y(t) ", 10530, 4590, 1245, 435, 50, kArial, "", ""},
    {"Picture2", Genre::Image, 2, -1, "", "", 7740, 5100, 1350, 1350, 43, kArial, "", kGraphes[0].titre, Cache},
    {"Picture3", Genre::Image, 3, -1, "", "", 9180, 5100, 1350, 1350, 44, kArial, "", kGraphes[1].titre, Cache},
    {"Picture4", Genre::Image, 4, -1, "", "", 10560, 5100, 1350, 1350, 47, kArial, "", kGraphes[2].titre, Cache},
    {"Label8", Genre::Etiquette, 8, -1, "", kGraphes[0].titre, 7920, 6450, 435, 240, 45, {"Arial", 9.75, true}, "", "",
     AutoTaille | Cache},
    {"Label13", Genre::Etiquette, 13, -1, "", kGraphes[1].titre, 9360, 6450, 420, 240, 46, {"Arial", 9.75, true}, "",
     "", AutoTaille | Cache},
    {"Label15", Genre::Etiquette, 15, -1, "", kGraphes[2].titre, 10740, 6450, 315, 240, 48, {"Arial", 9.75, true}, "",
     "", AutoTaille | Cache},
    {"Picture5", Genre::Image, 5, -1, "", "", 7740, 6660, 1350, 1350, 51, kArial, "", kGraphes[3].titre, Cache},
    {"Picture6", Genre::Image, 6, -1, "", "", 9180, 6660, 1350, 1350, 52, kArial, "", kGraphes[4].titre, Cache},
    {"Label17", Genre::Etiquette, 17, -1, "", kGraphes[3].titre, 7920, 8010, 315, 240, 54, {"Arial", 9.75, true}, "",
     "", AutoTaille | Cache},
    {"Label16", Genre::Etiquette, 16, -1, "", kGraphes[4].titre, 9360, 8010, 300, 240, 53, {"Arial", 9.75, true}, "",
     "", AutoTaille | Cache},

    // Inside the orbit view, from the top-left corner of its inner area.
    {"starbleue", Genre::Etoile, 0, -1, "Picture1", "", 0, 0, 210, 180, -1, kArial, "", "", Cache},
    {"Sat", Genre::Forme, 0, -1, "Picture1", "", 5280, 480, 135, 135, -1, kArial, "", ""},

    // The program's own: arithmetic errors and typing hints, under the orbit view, without a dialog.
    {"message", Genre::Message, 0, -1, "", "", 90, 8235, 10680, 330, -1, {"Arial", 8.25, true}, "", "Message", Retour,
     Couleur{176, 0, 0}},
});

/// The start screen: client area in twips, its title.
inline constexpr int kLargeurAccueil = 7560;
inline constexpr int kHauteurAccueil = 5565;
inline constexpr std::string_view kTitreApplication = "ORBELINES";

/// The start screen's controls; all but the frame lie in the frame. Its window font is MS Sans Serif.
inline constexpr auto kDispositionAccueil = std::to_array<Disposition>({
    {"fraMainFrame", Genre::Cadre, 0, -1, "", "", 120, 0, 7380, 5430, 1, kMss, "", ""},
    {"lblLicenseTo", Genre::Etiquette, 0, -1, "fraMainFrame", "", 270, 300, 6855, 255, 2, kArial, "", "", ADroite},
    {"lblCompanyProduct", Genre::Etiquette, 0, -1, "fraMainFrame", "Talvenor", 3120, 720, 3075, 435, 8,
     {"Arial", 18, true}, "", "", AutoTaille},
    {"lblProductName", Genre::Etiquette, 0, -1, "fraMainFrame", "Orbelines", 3120, 1200, 2835, 765, 9,
     {"Arial", 32.25, true}, "", "", AutoTaille},
    {"picLogo", Genre::Logo, 0, -1, "fraMainFrame", "", 510, 855, 2460, 2310, 3, kArial, "",
     "Un satellite de télécommunications au-dessus de la Terre, la nuit"},
    {"lblPlatform", Genre::Etiquette, 0, -1, "fraMainFrame", "Win9X et WinNT", 4575, 2160, 2430, 360, 7,
     {"Arial", 15.75, true}, "", "", AutoTaille | ADroite},
    {"lblVersion", Genre::Etiquette, 0, -1, "fraMainFrame", "Version 0.9", 5730, 2520, 1275, 285, 6,
     {"Arial", 12, true}, "", "", AutoTaille | ADroite},
    {"Label1", Genre::Etiquette, 1, -1, "fraMainFrame",
     "Logiciel permettant de réaliser le TP relatif aux satellites des nouveaux programmes de seconde en "
     "l'absence du tableur MS Excel.",
     480, 3480, 6615, 675, 10, kArial, "", "", Retour},
    {"lblWarning", Genre::Etiquette, 0, -1, "fraMainFrame", "", 480, 4200, 4935, 555, 4, kArial, "", "", Retour},
    {"lblCompany", Genre::Etiquette, 0, -1, "fraMainFrame", "Conçu pour les classes de seconde. Libre d'usage en classe.",
     480, 4800, 6375, 255, 5, kArial, "", ""},
    {"Command1", Genre::Bouton, 1, -1, "fraMainFrame", "Suite", 5520, 4680, 1695, 495, 0, kMss, "", "", ParDefaut},
});

/// The menu entries.
enum class Action {
    OuvrirSituation, EnregistrerSituation, EnregistrerPoints, EnregistrerImage, Imprimer, Quitter,
    CopierPoints, CopierLien, ValeursDepart, Guide, APropos,
};
inline constexpr std::size_t kNombreActions = 11;

/// Which front ends offer an entry.
enum Interface : std::uint8_t { Bureau = 1, Page = 2 };

/// One menu entry: its menu, caption (the letter after "&" is its access key) and shortcut.
struct EntreeMenu {
    std::string_view menu;
    Action action;
    std::string_view legende;
    std::string_view raccourci;   ///< portable text ("Ctrl+Shift+C"); "" for none
    bool separateurAvant = false;
    std::uint8_t interfaces = Bureau | Page;
};

/// The menu bar, menu by menu, entries from top to bottom.
inline constexpr auto kMenus = std::to_array<EntreeMenu>({
    {"&Fichier", Action::OuvrirSituation, "&Ouvrir une situation…", "Ctrl+O"},
    {"&Fichier", Action::EnregistrerSituation, "Enregistrer la &situation…", "Ctrl+Shift+S"},
    {"&Fichier", Action::EnregistrerPoints, "&Enregistrer les points…", "Ctrl+S", true},
    {"&Fichier", Action::EnregistrerImage, "Enregistrer l'&image…", ""},
    {"&Fichier", Action::Imprimer, "Im&primer…", "Ctrl+P"},
    {"&Fichier", Action::Quitter, "&Quitter", "Ctrl+Q", true, Bureau},
    // Ctrl+C stays the fields' own copy.
    {"É&dition", Action::CopierPoints, "&Copier les points", "Ctrl+Shift+C"},
    {"É&dition", Action::CopierLien, "Copier le &lien de la situation", "", false, Page},
    {"É&dition", Action::ValeursDepart, "&Valeurs de départ", "", true},
    {"&Aide", Action::Guide, "&Guide de l'élève", "F1"},
    {"&Aide", Action::APropos, "À &propos d'Orbeline", ""},
});

/// "Version " followed by major.minor.revision.
std::string_view texteVersion();
/// The about box's description of the program.
inline constexpr std::string_view kDescription =
    "Description de trajectoires de satellites\u00a0: le TP satellites de la classe de seconde sans tableur. "
    "On saisit la position et la vitesse initiales, la masse de l'attracteur et la durée entre deux points\u00a0; "
    "le programme calcule et trace la trajectoire, l'éventuel impact et les graphiques X(t), Y(t), "
    "Vx(t), Vy(t) et V(t).";

/// A row of a table by its name; null when there is none.
const Disposition* cherche(std::span<const Disposition> table, std::string_view nom);
/// Twips to pixels at 96 dpi.
constexpr int enPixels(int twips) { return (twips * 2 + 15) / 30; }

} // namespace orbeline
