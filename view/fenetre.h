#pragma once
// What the procedures of the main window need from it: its picture areas,
// field texts, captions, option buttons, check boxes, the visibility of the
// charts, the title, the message strip, what to observe and a timer. Each front end (the Qt
// window, the browser page) implements it; the tests use a recording double.

#include <string>
#include <string_view>

namespace orbeline {

class Surface;

/// Input fields of the main window.
enum class Champ { Text1, Text2, Text3, Text4, Text5, Text6, Text7 };
/// Labels whose captions the procedures write.
enum class Etiquette { Label3, Label4, Label9, Label10, Label11, Label12, Label14 };
/// The two check boxes.
enum class Case { Vitesse, Xy };
/// The three option-button arrays: point count, attractor, scale.
enum class Groupe { Option1, Option2, Option3 };
/// The chart areas and their captions, shown and hidden by the check boxes.
enum class Element { Picture2, Picture3, Picture4, Picture5, Picture6,
                     Label8, Label13, Label15, Label16, Label17 };

class Fenetre {
public:
    virtual ~Fenetre() = default;

    /// Picture area number 1 (the orbit view) to 6 (the Y(t) chart).
    virtual Surface& picture(int numero) = 0;
    /// Current text of a field (UTF-8).
    virtual std::string texte(Champ c) const = 0;
    /// Sets a field's text; its change handler runs at once, only if the text changes.
    virtual void ecritTexte(Champ c, std::string_view texte) = 0;
    /// Sets a label's caption.
    virtual void ecritEtiquette(Etiquette e, std::string_view texte) = 0;
    /// Enables or disables the `xy` check box (its value is kept).
    virtual void activeXy(bool actif) = 0;
    /// Value of a check box: 0 unchecked, 1 checked, 2 greyed.
    virtual int valeurCase(Case c) const = 0;
    /// Checks or unchecks a box; a change of state runs its handler before this returns.
    virtual void ecritCase(Case c, bool cochee) = 0;
    /// True when a chart area or caption is shown.
    virtual bool estVisible(Element e) const = 0;
    /// Shows or hides a chart area or caption.
    virtual void setVisible(Element e, bool visible) = 0;
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
    /// Shows a tooltip by the pointer on the orbit view ("" hides it).
    virtual void montreBulle(std::string_view texte) = 0;
    /// Whether the last launch left points to copy or save (the menu entries follow).
    virtual void pointsDisponibles(bool oui) = 0;
    /// Asks for one call of etapeEtoile after this many milliseconds; replaces a pending request.
    virtual void programmeEtape(int millisecondes) = 0;
    /// Ends the program: every window closes and no further handler runs.
    virtual void quitte() = 0;
};

} // namespace orbeline
