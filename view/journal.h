#pragma once
// What a picture area has drawn since it was last cleared, call by call with
// the arguments as given, so that the same drawing can be made again on any
// surface: one of another size, or the same area at another pixel ratio (a
// printout at the printer's resolution, a page zoomed in the browser). Each
// front end's surface keeps one and writes every call into it.

#include "EtatSurface.h"
#include "surface.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

class Journal {
public:
    /// Past this many bytes the calls are dropped until the next cls: about
    /// 250 launches of 1000 points on one area. The area's retained pixels
    /// stand in for it then (a printout scales them, a zoom enlarges them).
    static constexpr std::size_t kOctetsMax = std::size_t{2} << 20;

    /// Starts again, empty, from the area's settings as they stand at a cls:
    /// the scale last given (the area's pixels when none was), pen and colours.
    void recommence(const EtatSurface& e);
    /// The area's size changed: a scale in pixels (none given yet) follows it.
    void redimensionne(const EtatSurface& e);

    void scale(double x1, double y1, double x2, double y2);
    void setDrawWidth(int pixels);
    void setDrawStyle(StyleTrait style);
    void setForeColor(Couleur c);
    void setFillColor(Couleur c);
    void setFillStyle(StyleRemplissage s);
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c);
    void circle(float x, float y, float r);
    void pset(float x, float y, std::optional<Couleur> c);
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c);

    /// False once the bound was passed: the calls since the last cls are gone.
    bool complet() const { return complet_; }
    /// Bytes held by the calls.
    std::size_t octets() const
    {
        return blocs_.size() * sizeof(Bloc) + nombres_.size() * sizeof(float) + textes_.size();
    }

    /// Makes the same calls on `s`, settings at the last cls first, each text
    /// through `traduit` when given. `s` is expected blank; nothing is drawn
    /// when the journal is not complete.
    bool rejoue(Surface& s, const Rappel<std::string(std::string_view)>& traduit = {}) const;

private:
    enum class Op : std::uint8_t {
        Echelle, Largeur, Style, Trait, Fond, Remplissage, Ligne, LigneCouleur, Cercle, Point, PointCouleur,
        Texte, TexteCouleur
    };
    // A run of calls of one kind (and colour, for the ones that name it);
    // their numbers follow one another in nombres_. A launch's points make
    // one run, 8 bytes a point.
    struct Bloc {
        Op op;
        Couleur c;
        std::uint32_t n;
    };

    // Opens room for one call and its numbers; false, and everything
    // dropped, when the bound would be passed.
    bool place(Op op, Couleur c, std::size_t nombres, std::size_t caracteres = 0);
    void note(Op op, Couleur c, std::initializer_list<float> v);

    std::vector<Bloc> blocs_;
    std::vector<float> nombres_;
    std::string textes_;                           // the texts' bytes, one after the other
    EtatSurface debut_;                            // settings at the last cls
    std::array<double, 4> echelleDebut_{0, 0, 1, 1};   // the scale in force then, as given
    std::array<double, 4> echelle_{0, 0, 1, 1};        // the last scale given
    bool echelleDonnee_ = false;
    bool complet_ = true;
};

} // namespace orbeline
