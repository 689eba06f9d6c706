#pragma once
// The texts the program shows, in the pupil's language. Every one of them
// lives in the catalogues of this folder under an id (`Texte`); code names
// the id, never the words. French is the default.

#include "catalogue.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace orbeline {

/// The language of the texts from now on.
void choisitLangue(Langue l);
/// The language of the texts now (French until another is chosen).
Langue langue();
/// The language a tag names: "fr", "en-GB", "en_US.UTF-8", "EN"; none for a
/// tag the program does not speak or cannot read ("C", "de", "", "*").
std::optional<Langue> langueDe(std::string_view tag);
/// The first language of a list of tags (the browser's, the system's) that
/// the program speaks; French when it speaks none of them.
template <class Tags> Langue premiereLangue(const Tags& tags)
{
    for (const auto& t : tags)
        if (const auto l = langueDe(t)) return *l;
    return Langue::fr;
}
/// A language's code ("fr", "en").
std::string_view code(Langue l);

/// A text in the current language.
std::string_view tr(Texte t);
/// A text in a given language.
std::string_view tr(Texte t, Langue l);
/// A text that may be missing (a control without a tooltip): "" then.
inline std::string_view tr(const std::optional<Texte>& t) { return t ? tr(*t) : std::string_view{}; }

/// Hands `ajoute` the pieces of `modele` in turn with each "%n" replaced by
/// the n-th value (n from 1; any other "%" stays as it is). Out of line, once
/// for every text type below.
void remplisPar(std::string_view modele, std::initializer_list<std::string_view> valeurs, void* sortie,
                void (*ajoute)(void* sortie, std::string_view piece));

/// Appends a text of the catalogue to `sortie` with each "%n" replaced by
/// the n-th value. Works on any text type with `+= std::string_view`, so that
/// a fixed buffer takes a caption without allocating.
template <class Sortie>
void remplis(Sortie& sortie, std::string_view modele, std::initializer_list<std::string_view> valeurs)
{
    remplisPar(modele, valeurs, &sortie, [](void* s, std::string_view piece) { *static_cast<Sortie*>(s) += piece; });
}
/// The same with a text of the catalogue, in the current language.
template <class Sortie> void remplis(Sortie& sortie, Texte modele, std::initializer_list<std::string_view> valeurs)
{
    remplis(sortie, tr(modele), valeurs);
}
/// A text of the catalogue with its %1, %2… replaced by the values.
std::string tr(Texte t, std::initializer_list<std::string_view> valeurs);

/// The pupil's guide, as HTML, in the current language.
std::string_view guideHtml();

/// A text as a touch screen's pupil reads it, in the current language: the
/// mouse's words ("cliquez", "le pointeur") become the finger's, by the pairs of
/// `Texte::motsDoigt`.
std::string pourLeDoigt(std::string_view texte);

} // namespace orbeline
