#pragma once
// Builds a window of the layout table (shell/disposition.h) in the page, as
// native HTML controls: a field is an input, a button a button, a box or an
// option button an input inside its label, a frame with a caption a
// fieldset and its legend (its option buttons one group), a label a block of
// text. Places are the table's twips in CSS pixels (15 to one), fonts its
// faces with their stand-ins. The DOM order is the tab order (tab index,
// a frame taking its buttons' first), so the page needs no tabindex.

#include "agencement.h"
#include "disposition.h"

#include <span>
#include <string>
#include <string_view>

namespace orbeline {

struct Racine {
    std::string_view id;       ///< the element the window's controls go into
    std::string_view prefixe;  ///< put before each control's name to make its id
    int largeur;               ///< its width in twips (right-aligned labels keep their right edge)
    bool accueil;              ///< the start screen: its button continues, its frame's background too
};

/// The id of a control of that table in the page.
std::string idControle(const Racine& r, std::string_view nom);

/// Builds every row; the picture areas and what they hold (`Image`, `Forme`,
/// `Etoile`) are left to `zone`, called in the same order.
void construit(std::span<const Disposition> table, const Racine& r,
               const Rappel<void(const Disposition&)>& zone);

/// Puts every row where the arrangement has it, or where the table has it
/// for the window as it is, at the arrangement's scale. Picture areas go to
/// `zone`, with the box they show and the scale of their drawing.
void agence(std::span<const Disposition> table, const Racine& r, const Disposee& a,
            const Rappel<void(const Disposition&, const Cadre&, double echelle)>& zone);

/// Writes again every row's texts in the language now chosen, but the
/// captions the procedures write.
void retraduit(std::span<const Disposition> table, const Racine& r);

/// A face of the table with its stand-ins, as a CSS font-family.
std::string famillesCss(std::string_view famille);

} // namespace orbeline
