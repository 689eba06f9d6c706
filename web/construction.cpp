#include "construction.h"

#include "dom.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace orbeline {
namespace {

using dom::attribut;
using dom::style;

std::string texte(std::string_view s) { return std::string(s); }

// Where a row comes in the DOM: its tab index; a frame takes its buttons'
// first; the program's own additions (no tab index) come last.
int rang(std::span<const Disposition> table, const Disposition& d)
{
    if (d.genre == Genre::Cadre) {
        int premier = INT_MAX;
        for (const Disposition& e : table)
            if (e.cadre == d.nom && e.tab >= 0) premier = std::min(premier, e.tab);
        return premier == INT_MAX ? d.tab : premier;
    }
    return d.tab < 0 ? INT_MAX : d.tab;
}

ListeRangs dans(std::span<const Disposition> table, std::string_view cadre)
{
    ListeRangs v;
    for (const Disposition& d : table)
        if (d.cadre == cadre) v.ajoute(&d);
    // Option buttons stay top to bottom, the order the arrow keys follow.
    const bool options = std::all_of(v.begin(), v.end(), [](const Disposition* d) { return d->genre == Genre::Option; });
    if (options) return v;
    // Sorted by insertion, which keeps rows of one rank in table order as
    // std::stable_sort would, in a tenth of its code: a frame holds a few rows,
    // and their ranks are worked out as they are compared rather than kept.
    for (std::size_t i = 1; i < v.size(); ++i)
        for (std::size_t j = i; j > 0 && rang(table, *v.rangs[j]) < rang(table, *v.rangs[j - 1]); --j)
            std::swap(v.rangs[j], v.rangs[j - 1]);
    return v;
}

// Twips to CSS pixels at a scale: at 1, the layout's own pixels.
int enPixels(int twips, double k) { return k == 1 ? orbeline::enPixels(twips) : static_cast<int>(std::lround(twips * k / 15)); }

void place(const Disposition& d, std::string_view boite, int largeurParent, double k = 1)
{
    const int g = enPixels(d.place.gauche, k), h = enPixels(d.place.haut, k), l = enPixels(d.place.largeur, k),
              ht = enPixels(d.place.hauteur, k);
    dom::stylePx(boite, "top", h);
    if ((d.drapeaux & AutoTaille) && (d.drapeaux & ADroite)) {
        dom::stylePx(boite, "right", enPixels(largeurParent, k) - g - l);
        style(boite, "left", "");
    } else {
        dom::stylePx(boite, "left", g);
        style(boite, "right", "");
    }
    if (!(d.drapeaux & AutoTaille)) {
        dom::stylePx(boite, "width", l);
        dom::stylePx(boite, "height", ht);
    }
    style(boite, "white-space", "");
    style(boite, "font-family", famillesCss(d.police.famille));
    dom::styleLongueur(boite, "font-size", d.police.points * k, "pt");
    if (d.police.gras) style(boite, "font-weight", "bold");
    if (d.couleur)
        style(boite, "color", dom::rgb(*d.couleur));
}

// The element a row places: the control, or the label around its box.
std::string boiteDe(const Racine& r, const Disposition& d)
{
    const bool boite = d.genre == Genre::CaseACocher || d.genre == Genre::Option;
    std::string id = idControle(r, d.nom);
    if (boite) id += "-boite";
    return id;
}

// A row where an arrangement has it, its text at that size.
void placeCompacte(const Racine& r, const PlaceCompacte& p)
{
    const Disposition& d = *p.rang;
    const std::string nomBoite = boiteDe(r, d);
    const std::string_view boite = nomBoite;
    // Rounded to whole pixels, as dom::pxArrondi rounds.
    const auto entier = [](double v) { return static_cast<int>(std::lround(v)); };
    dom::stylePx(boite, "top", entier(p.cadre.haut));
    dom::stylePx(boite, "left", entier(p.cadre.gauche));
    style(boite, "right", "");
    if (!(d.drapeaux & AutoTaille)) {
        dom::stylePx(boite, "width", entier(p.cadre.largeur));
        dom::stylePx(boite, "height", entier(p.cadre.hauteur));
    }
    dom::styleLongueur(boite, "font-size", p.corps, "px");
    // Blanks kept as the window shows them (the impact captions'), lines broken at the edge.
    if (p.retour && !(d.drapeaux & Retour)) style(boite, "white-space", "pre-wrap");
}

// A row's texts in the language now chosen: its caption, tooltip and accessible name.
void ecritTextes(std::span<const Disposition> table, const Disposition& d, const Racine& r)
{
    const std::string nomId = idControle(r, d.nom);
    const std::string_view id = nomId;
    // Where the caption goes (none: no caption): the element, its box's text, its frame's legend.
    const char* ou = nullptr;
    switch (d.genre) {
    case Genre::Etiquette:
    case Genre::Bouton: ou = ""; break;
    case Genre::CaseACocher:
    case Genre::Option: ou = "-texte"; break;
    case Genre::Cadre:
        if (d.legende) ou = "-legende";
        break;
    default: break;
    }
    if (ou) dom::texte(nomId + ou, tr(d.legende));
    if (d.bulle) attribut(boiteDe(r, d), "title", tr(d.bulle));
    if (d.nomAccessible) attribut(id, d.genre == Genre::Logo ? "alt" : "aria-label", tr(d.nomAccessible));
    if (d.drapeaux & NommeParCadre)
        if (const Disposition* c = cherche(table, d.cadre))
            attribut(id, "aria-label", texte(tr(c->legende)) + texte(tr(d.legende)));
}

// Each genre's element and class, by genre (Image, Forme and Etoile have none: they are the window's to draw).
struct Element {
    std::string_view balise, classe;
};
constexpr std::array<Element, 12> kElements{{
    {"input", "champ"},     // Champ
    {"div", "etiquette"},   // Etiquette
    {"button", "bouton"},   // Bouton
    {"label", "case"},      // CaseACocher: the label around its input
    {"label", "option"},    // Option: the same
    {"div", "cadre"},       // Cadre: a fieldset and its legend when it has a caption
    {},
    {},
    {},
    {"img", "logo"},        // Logo: its picture is the window's to give (dom::image)
    {"div", "etiquette"},   // Message
    {"div", "tableau"},     // Tableau
}};
static_assert(kElements.size() == static_cast<std::size_t>(Genre::Tableau) + 1, "one element for each genre");

void construitControle(std::span<const Disposition> table, const Disposition& d, const Racine& r)
{
    const Element& e = kElements[static_cast<std::size_t>(d.genre)];
    if (e.balise.empty()) return;
    // Views taken once: each call below then passes them as they are.
    const std::string nomId = idControle(r, d.nom), nomParent = d.cadre.empty() ? texte(r.id) : idControle(r, d.cadre);
    const std::string_view id = nomId, parent = nomParent;
    const std::string nomBoite = boiteDe(r, d);
    const std::string_view boite = nomBoite;
    const std::string ligne = std::to_string(&d - table.data());
    std::string classe(e.classe);
    dom::cree(d.genre == Genre::Cadre && d.legende ? "fieldset" : e.balise, boite, parent);
    switch (d.genre) {
    case Genre::Champ:
        attribut(id, "type", "text");
        attribut(id, "autocomplete", "off");
        attribut(id, "spellcheck", "false");
        attribut(id, "maxlength", "32767");   // as a desktop field
        // A number: a touch screen's keypad with the decimal separator; its Enter key launches.
        attribut(id, "inputmode", "decimal");
        attribut(id, "enterkeyhint", "go");
        attribut(id, "data-ligne", ligne);
        dom::ecritValeur(id, d.valeur);
        break;
    case Genre::Etiquette:
    case Genre::Message:
        if (d.genre == Genre::Message) attribut(id, "role", "status");
        if (d.drapeaux & AutoTaille) classe += " auto";
        if (d.drapeaux & Retour) classe += " retour";
        if (d.drapeaux & EnHaut) classe += " haut";
        break;
    case Genre::Tableau:
        // A region the keyboard scrolls; the program writes its table (FenetrePage::ecritLancements).
        attribut(id, "role", "region");
        attribut(id, "tabindex", "0");
        break;
    case Genre::Bouton:
        attribut(id, "type", "button");
        if (r.accueil) attribut(id, "data-suite", "");
        else attribut(id, "data-ligne", ligne);
        break;
    case Genre::CaseACocher:
    case Genre::Option: {
        dom::cree("input", id, boite);
        // The buttons of one frame are one group.
        attribut(id, "type", d.genre == Genre::Option ? "radio" : "checkbox");
        if (d.genre == Genre::Option) attribut(id, "name", idControle(r, d.cadre));
        attribut(id, "data-ligne", ligne);
        dom::cree("span", nomId + "-texte", boite);
        dom::coche(id, d.drapeaux & Choisi);
        break;
    }
    case Genre::Cadre: {
        // An etched rectangle (its own element, under the caption when there is one).
        if (!d.legende) {
            if (r.accueil) attribut(id, "data-fond", "");
        } else {
            dom::cree("legend", nomId + "-legende", id);
            classe += " titre";
        }
        const std::string trait = nomId + "-trait";
        dom::cree("div", trait, id);
        attribut(trait, "class", "trait");
        break;
    }
    default: break;
    }
    attribut(boite, "class", classe);
    place(d, boite, d.cadre.empty() ? r.largeur : cherche(table, d.cadre)->place.largeur);
    ecritTextes(table, d, r);
    if (d.drapeaux & Desactive) dom::active(id, false);
    if (d.drapeaux & Cache) dom::montre(boite, false);
}

void construitDans(std::span<const Disposition> table, const Racine& r, std::string_view cadre,
                   const Rappel<void(const Disposition&)>& zone)
{
    for (const Disposition* d : dans(table, cadre)) {
        if (d->genre == Genre::Image || d->genre == Genre::Forme || d->genre == Genre::Etoile) zone(*d);
        else construitControle(table, *d, r);
        construitDans(table, r, d->nom, zone);
    }
}

} // namespace

std::string idControle(const Racine& r, std::string_view nom)
{
    // Appended in place: no temporary for each part.
    std::string id(r.prefixe);
    id += nom;
    return id;
}

void agence(std::span<const Disposition> table, const Racine& r, const Disposee& a,
            const Rappel<void(const Disposition&, const Cadre&, double echelle)>& zone)
{
    if (a.agencement != Agencement::Fenetre) {
        for (const PlaceCompacte& p : a.places) {
            if (p.rang->genre == Genre::Image) zone(*p.rang, p.cadre, p.echelle);
            else placeCompacte(r, p);
        }
        return;
    }
    const double k = a.echelle;
    for (const Disposition& d : table) {
        if (d.genre == Genre::Forme || d.genre == Genre::Etoile) continue;
        if (d.genre == Genre::Image) {
            zone(d, {double(enPixels(d.place.gauche, k)), double(enPixels(d.place.haut, k)),
                     double(enPixels(d.place.largeur, k)), double(enPixels(d.place.hauteur, k))}, k);
            continue;
        }
        place(d, boiteDe(r, d), d.cadre.empty() ? r.largeur : cherche(table, d.cadre)->place.largeur, k);
    }
}

void retraduit(std::span<const Disposition> table, const Racine& r)
{
    // The captions the procedures write are theirs to write again.
    for (const Disposition& d : table)
        if (d.role.sorte != Role::Sorte::Etiquette && d.genre != Genre::Image && d.genre != Genre::Forme &&
            d.genre != Genre::Etoile)
            ecritTextes(table, d, r);
}

void construit(std::span<const Disposition> table, const Racine& r, const Rappel<void(const Disposition&)>& zone)
{
    construitDans(table, r, "", zone);
}

std::string famillesCss(std::string_view famille)
{
    // The desktop's list: the face, its metric twins, then any sans-serif.
    std::string t = "\"";
    t += famille;
    t += "\", \"Microsoft Sans Serif\", Arial, \"Liberation Sans\", \"DejaVu Sans\", sans-serif";
    return t;
}

} // namespace orbeline
