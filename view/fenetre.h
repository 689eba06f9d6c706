#pragma once
// What the orbit view and the charts need from the main window: its picture
// areas, some field texts, captions, the two check boxes and the visibility of
// the charts. The Qt window implements it; the tests use a recording double.

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
    /// True when a chart area or caption is shown.
    virtual bool estVisible(Element e) const = 0;
    /// Shows or hides a chart area or caption.
    virtual void setVisible(Element e, bool visible) = 0;
    /// The decimal separator of the user's regional settings.
    virtual std::string separateurDecimal() const = 0;
};

} // namespace orbeline
