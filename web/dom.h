#pragma once
// The few page operations the front end needs (web/page.js): make an element,
// set an attribute, a style property or a text, read or write a field, a box,
// whether an element is shown. Elements are named by their id. Texts always
// go in as text (textContent, value), never as markup.

#include "agencement.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace orbeline::dom {

/// A text handed to the page. A literal gives its length where it is written:
/// a string_view made from one counts its bytes at run time, a call at each of
/// the page's hundreds of literal ids, attributes and styles. (An array of
/// chars is taken as a literal: all of it but its final NUL.) A parameter
/// type only: it keeps no text of its own, a temporary string's lasting no
/// longer than the call.
struct Chaine {
    const char* debut;
    std::size_t taille;
    // Inlined whatever the size settings say: two constants, where a call would cost more than it saves.
    template <std::size_t N> [[gnu::always_inline]] constexpr Chaine(const char (&s)[N]) : debut(s), taille(N - 1) {}
    // Any other pointer to a text (a choice between two literals); a template, so that a literal takes the one above.
    template <class P, class = std::enable_if_t<std::is_same_v<P, const char*>>>
    Chaine(P s) : Chaine(std::string_view(s)) {}
    [[gnu::always_inline]] constexpr Chaine(std::string_view s) : debut(s.data()), taille(s.size()) {}
    Chaine(const std::string& s) : Chaine(std::string_view(s)) {}
    constexpr const char* data() const { return debut; }
    constexpr std::size_t size() const { return taille; }
    constexpr operator std::string_view() const { return {debut, taille}; }
};

/// A new element `balise` with this id ("" for none), last child of `parent`.
void cree(Chaine balise, Chaine id, Chaine parent);
void attribut(Chaine id, Chaine nom, Chaine valeur);
void style(Chaine id, Chaine propriete, Chaine valeur);
/// Replaces the element's content by this text.
void texte(Chaine id, Chaine t);
/// Removes the element's content.
void vide(Chaine id);
/// Appends this text after the element's content.
void ajouteTexte(Chaine id, Chaine t);
/// A field's text; writing keeps the caret at its distance from the end.
std::string valeur(Chaine id);
void ecritValeur(Chaine id, Chaine v);
bool estCoche(Chaine id);
void coche(Chaine id, bool oui);
bool estMontre(Chaine id);
/// The height, CSS px, an element's text takes at its width, whatever height it is given.
double hauteurTexte(Chaine id);
void montre(Chaine id, bool oui);
void active(Chaine id, bool oui);
void focus(Chaine id);
void titre(Chaine t);
/// The page's language (its `lang` attribute), for screen readers and hyphenation.
void langue(Chaine code);
/// An img element's picture, from the bytes of its file.
void image(Chaine id, Chaine type, const unsigned char* octets, std::size_t taille);
/// The page's address after its path: "?…", or "".
std::string adresse();
/// The decimal separator of a language ("" for the browser's).
std::string separateurDecimal(std::string_view langue = {});
/// The browser's languages, most wanted first.
std::vector<std::string> langues();
/// The situation (a link query) this tab's session kept, or "".
std::string situationGardee();
/// This load is a reload, Back or Forward.
bool estRetour();

/// The page's viewport in CSS px, and whether a finger is the main way of pointing.
Ecran ecran();

/// CSS pixels.
std::string px(int n);
/// A style property in CSS pixels: style(id, propriete, px(n)), the text made and let go
/// here rather than at each of the page's calls.
void stylePx(Chaine id, Chaine propriete, int n);
/// CSS pixels, rounded to the nearest whole one.
std::string pxArrondi(double v);
/// A colour as CSS writes it: "rgb(r,g,b)".
std::string rgb(Couleur c);
/// A CSS length to the hundredth, in `unite` ("12.35mm", "-0.50px").
std::string longueur(double v, Chaine unite);
/// A style property as such a length: style(id, propriete, longueur(v, unite)), as stylePx.
void styleLongueur(Chaine id, Chaine propriete, double v, Chaine unite);

} // namespace orbeline::dom
