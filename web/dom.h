#pragma once
// The few page operations the front end needs (web/page.js): make an element,
// set an attribute, a style property or a text, read or write a field, a box,
// whether an element is shown. Elements are named by their id. Texts always
// go in as text (textContent, value), never as markup.

#include "agencement.h"

#include <string>
#include <string_view>
#include <vector>

namespace orbeline::dom {

/// A new element `balise` with this id ("" for none), last child of `parent`.
void cree(std::string_view balise, std::string_view id, std::string_view parent);
void attribut(std::string_view id, std::string_view nom, std::string_view valeur);
void style(std::string_view id, std::string_view propriete, std::string_view valeur);
/// Replaces the element's content by this text.
void texte(std::string_view id, std::string_view t);
/// Removes the element's content.
void vide(std::string_view id);
/// Appends this text after the element's content.
void ajouteTexte(std::string_view id, std::string_view t);
/// A field's text; writing keeps the caret at its distance from the end.
std::string valeur(std::string_view id);
void ecritValeur(std::string_view id, std::string_view v);
bool estCoche(std::string_view id);
void coche(std::string_view id, bool oui);
bool estMontre(std::string_view id);
/// The height, CSS px, an element's text takes at its width, whatever height it is given.
double hauteurTexte(std::string_view id);
void montre(std::string_view id, bool oui);
void active(std::string_view id, bool oui);
void focus(std::string_view id);
void titre(std::string_view t);
/// The page's language (its `lang` attribute), for screen readers and hyphenation.
void langue(std::string_view code);
/// An img element's picture, from the bytes of its file.
void image(std::string_view id, std::string_view type, const unsigned char* octets, std::size_t taille);
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
/// CSS pixels, rounded to the nearest whole one.
std::string pxArrondi(double v);
/// A colour as CSS writes it: "rgb(r,g,b)".
std::string rgb(Couleur c);
/// A CSS length to the hundredth, in `unite` ("12.35mm", "-0.50px").
std::string longueur(double v, std::string_view unite);

} // namespace orbeline::dom
