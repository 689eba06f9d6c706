#pragma once
// What the menu entries and the window's keys do, without any toolkit. A
// front end shows the entries from the menu table (shell/disposition.h);
// when one is chosen (a click, its access letter, its shortcut) it asks the
// shell, which does all that is not input or output and says what is left
// for the front end: a file to write or to choose, a text for the clipboard,
// the picture, the printout, a help window.

#include "disposition.h"
#include "principale.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbeline {

/// What a front end still has to do for a chosen entry.
struct Sortie {
    enum class Sorte {
        Rien,         ///< done
        Fichier,      ///< write `contenu` to a file the pupil names (or download it), or, for a file to
                      ///< read, let the pupil choose one and hand its bytes to `ouvreSituation`
        Copie,        ///< put `contenu` on the clipboard
        Image,        ///< a picture of the client area as shown
        Impression,   ///< the worksheet (shell/feuille.h), on the printer the pupil chooses
        Guide,        ///< the pupil's guide (guideHtml)
        APropos,      ///< the about box (texteVersion, kDescription)
    };
    Sorte sorte = Sorte::Rien;
    const FichierAction* fichier = nullptr;   ///< for Fichier: what the dialog says and proposes
    std::string contenu = {};                 ///< for Fichier (a file to write) and Copie
    bool lien = false;                        ///< for Copie: a link to the situation
};

/// Whether an entry can be chosen now (the points' entries need a finished
/// launch, a step a replay, the undo a placement X and Y still show).
bool possible(const Principale& p, Action a);
/// A menu entry chosen: what it does in the window, and what is left to the front end.
Sortie choisit(Principale& p, Fenetre& f, Action a);

/// A key on the main window, as the front ends name it ("Enter", "Ctrl+S",
/// "Ctrl+Shift+C", "F1"), with the command button that has the focus if any:
/// Enter presses that button, or "Lancer"; a menu entry's shortcut chooses it.
/// Nothing when the key is none of the window's: the front end lets it go on.
std::optional<Sortie> Form_KeyDown(Principale& p, Fenetre& f, std::string_view touche,
                                   std::optional<Commande> avecFocus, Interface i);

/// A situation file's bytes, chosen by the pupil: what is right applies (what
/// it refused shown in the message strip); for what is not a situation at all,
/// nothing changes and the reason comes back, for the front end to show with
/// the file's name.
std::string ouvreSituation(Principale& p, Fenetre& f, std::string_view contenu);

} // namespace orbeline
