#include "placement.h"

#include "fenetre.h"
#include "formes.h"
#include "lecture.h"
#include "surface.h"
#include "TexteFixe.h"
#include "langue.h"

#include <cmath>
#include <string>

namespace orbeline {

namespace {

/// Display units of the user abscissa or ordinate v, rounded down to a whole user unit.
double enUnites(const SimulationState& s, float v)
{
    return static_cast<double>(std::floor(v)) * s.Reduction;
}

Libelle legende(Texte modele, std::string_view valeur)
{
    Libelle l;
    remplis(l, tr(modele), {valeur});
    return l;
}

} // namespace

void Picture1_MouseDown(SimulationState& s, Fenetre& f, int /*bouton*/, int /*shift*/, float X, float Y)
{
    centre(f.picture(1), Controle::Sat, X, Y);
    const std::string sep = f.separateurDecimal();
    // Each write runs the field's change handler (init) at once if the text
    // changed, so Text4 is written with Text3 already read into the record.
    f.ecritTexte(Champ::Text3, formeGenerale(enUnites(s, X), sep).vue());
    f.ecritTexte(Champ::Text4, formeGenerale(enUnites(s, Y), sep).vue());
}

void Picture1_MouseMove(SimulationState& s, Fenetre& f, int /*bouton*/, int /*shift*/, float X, float Y)
{
    f.ecritEtiquette(Etiquette::LectureX, legende(Texte::lectureX, formeSignee(enUnites(s, X)).vue()).vue());
    f.ecritEtiquette(Etiquette::LectureY, legende(Texte::lectureY, formeSignee(enUnites(s, Y)).vue()).vue());
    label(s, f);
}

void SatMove(SimulationState& s, Fenetre& f)
{
    const double xs = lisNombre(f.texte(Champ::Text3));
    const double ys = lisNombre(f.texte(Champ::Text4));
    centre(f.picture(1), Controle::Sat, xs / s.Reduction, ys / s.Reduction);
}

void label(SimulationState& s, Fenetre& f)
{
    // The unit keeps its trailing blanks: the captions show all 15 characters.
    f.ecritEtiquette(Etiquette::LegendeX, legende(Texte::legendeXUnite, unite(s)).vue());
    f.ecritEtiquette(Etiquette::LegendeY, legende(Texte::legendeYUnite, unite(s)).vue());
    f.ecritEtiquette(Etiquette::LectureUnite, legende(Texte::legendeLectureUnite, unite(s)).vue());
}

} // namespace orbeline
