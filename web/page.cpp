// The web page's program: the start screen, then, on its first continue
// event, the main window (FenetrePage) with the situation of the page's
// address. A reload, Back or Forward opens the window at once with the
// situation the tab's session kept. Each function below is what the page's
// script (web/page.js) calls for one DOM event; it checks what the script
// hands it, passes it on to the window, and has the window keep what changed.

#include "FenetrePage.h"

#include "construction.h"
#include "dom.h"
#include "logo.h"
#include "situation.h"

#include <emscripten.h>

#include <memory>
#include <string>

extern "C" {
void orbeline_page_relie();
void orbeline_page_montre_fenetre();
}

namespace orbeline {
namespace {

std::unique_ptr<FenetrePage> principale;
std::string tampon;   // a text the script hands over (a situation file)

FenetrePage* fenetre() { return principale.get(); }

const Racine kRacineAccueil{"accueil", "accueil-", kLargeurAccueil, true};
// The start screen stands as the layout has it, at its own size (as it is built):
// all an arrangement needs to know of the one before, rather than a copy of it.
bool accueilTel = true;

// The start screen arranged for the page's viewport and pointer.
void agenceAccueil()
{
    const Disposee a = dispose(kDispositionAccueil, kPiecesAccueil, dom::ecran(), kNaturelleAccueil, false);
    const bool telle = a.agencement == Agencement::Fenetre && a.echelle == 1;
    if (telle && accueilTel) return;
    accueilTel = telle;
    const bool compacte = a.agencement != Agencement::Fenetre;
    dom::attribut("accueil", "class", compacte ? "compacte" : telle ? "" : "agrandie");
    if (compacte || telle) dom::style("page", "--k", "");
    else dom::styleLongueur("page", "--k", a.echelle, "");
    dom::stylePx("accueil", "width", compacte ? static_cast<int>(a.largeur) : static_cast<int>(enPixels(kLargeurAccueil) * a.echelle));
    dom::stylePx("accueil", "height", compacte ? static_cast<int>(a.hauteur) : static_cast<int>(enPixels(kHauteurAccueil) * a.echelle));
    agence(kDispositionAccueil, kRacineAccueil, a, [](const Disposition&, const Cadre&, double) {});
}

// The start screen from its table, then its load: the version and the title.
void construitAccueil()
{
    const Racine& r = kRacineAccueil;
    dom::attribut("accueil", "aria-label", tr(Texte::nomAccueil));
    dom::stylePx("accueil", "width", enPixels(kLargeurAccueil));
    dom::stylePx("accueil", "height", enPixels(kHauteurAccueil));
    construit(kDispositionAccueil, r, [](const Disposition&) {});
    for (const auto& [nom, texte] : Accueil_Load()) dom::texte(idControle(r, nom), texte);
    for (const Disposition& d : kDispositionAccueil)
        if (d.genre == Genre::Logo) dom::image(idControle(r, d.nom), "image/webp", kLogo, sizeof kLogo);
    agenceAccueil();
    dom::montre("accueil", true);
    for (const Disposition& d : kDispositionAccueil)
        if (d.tab == 0) dom::focus(idControle(r, d.nom));
}

bool dans(int v, int debut, std::size_t fin) { return v >= debut && v < debut + static_cast<int>(fin); }

// The role of row `ligne` of the main window's table, when the window is up and the row plays one of that sort.
const Role* role(int ligne, Role::Sorte sorte)
{
    if (!fenetre() || !dans(ligne, 0, kDisposition.size())) return nullptr;
    const Role& r = kDisposition[static_cast<std::size_t>(ligne)].role;
    return r.sorte == sorte ? &r : nullptr;
}

// The main window, with the situation of this link query.
void ouvreFenetre(std::string_view requete)
{
    orbeline_page_montre_fenetre();
    principale = std::make_unique<FenetrePage>();
    principale->appliqueAdresse(requete);
    // The first field takes the keyboard's focus; on a touch screen that
    // would bring up the keypad over the window.
    if (!dom::ecran().doigt)
        for (const Disposition& d : kDisposition)
            if (d.tab == 0) dom::focus(d.nom);
    principale->garde();
}

// After an event: the window keeps its situation for a reload.
void garde()
{
    if (FenetrePage* f = fenetre()) f->garde();
}

} // namespace
} // namespace orbeline

using namespace orbeline;

extern "C" {

// Continue: the start screen goes, the main window opens. A second continue
// raised by the same key press finds it done.
EMSCRIPTEN_KEEPALIVE void page_continuer()
{
    if (!principale) ouvreFenetre(dom::adresse());
}

// The events of the main window's controls name the control by its row of
// the layout table; a row that does not play the event's role is ignored.
EMSCRIPTEN_KEEPALIVE void page_commande(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Commande)) fenetre()->commande(static_cast<Commande>(r->numero));
    garde();
}

EMSCRIPTEN_KEEPALIVE void page_option(int ligne, int clic)
{
    if (const Role* r = role(ligne, Role::Sorte::Option))
        fenetre()->option(static_cast<Groupe>(r->numero), r->index, clic != 0);
    garde();
}

EMSCRIPTEN_KEEPALIVE void page_champ(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Champ)) fenetre()->champ(static_cast<Champ>(r->numero));
    garde();
}

EMSCRIPTEN_KEEPALIVE void page_case(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Case)) fenetre()->caseChangee(static_cast<Case>(r->numero));
    garde();
}

EMSCRIPTEN_KEEPALIVE void page_souris(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->souris(bouton, shift, x, y);
    garde();
}

// A finger on the orbit view: landing, sliding, lifting, taken by the browser.
EMSCRIPTEN_KEEPALIVE void page_doigt(int geste, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->doigt(geste, x, y);
    garde();
}

// The viewport's size or the kind of pointer changed.
EMSCRIPTEN_KEEPALIVE void page_agence()
{
    if (FenetrePage* f = fenetre()) f->agence();
    else agenceAccueil();
}

EMSCRIPTEN_KEEPALIVE void page_deplacement(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->deplacement(bouton, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_graphe(int picture, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->survolGraphe(picture, x, y);
}

// A key the page did not take itself, its portable text in the buffer; the
// row of the command button that has the focus, or -1. 1 when it was the window's.
EMSCRIPTEN_KEEPALIVE int page_touche(int n, int ligne)
{
    FenetrePage* f = fenetre();
    if (!f || n < 0 || static_cast<std::size_t>(n) > tampon.size()) return 0;
    const Role* r = role(ligne, Role::Sorte::Commande);
    const bool prise = f->touche(std::string_view(tampon.data(), static_cast<std::size_t>(n)),
                                 r ? std::optional(static_cast<Commande>(r->numero)) : std::nullopt);
    garde();
    return prise ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void page_etape()
{
    if (FenetrePage* f = fenetre()) f->etape();
}

EMSCRIPTEN_KEEPALIVE void page_langue(int l)
{
    if (FenetrePage* f = fenetre(); f && dans(l, 0, kCodesLangues.size())) f->langueChoisie(static_cast<Langue>(l));
}

EMSCRIPTEN_KEEPALIVE void page_menu(int action)
{
    if (FenetrePage* f = fenetre(); f && dans(action, 0, kNombreActions)) f->menu(static_cast<Action>(action));
    garde();
}

// Room for n bytes the script is about to hand over.
EMSCRIPTEN_KEEPALIVE char* page_tampon(int n)
{
    tampon.assign(static_cast<std::size_t>(std::max(n, 0)), '\0');
    return tampon.data();
}

// A ready-made situation chosen in its list, or -1 for another file.
EMSCRIPTEN_KEEPALIVE void page_situation(int i)
{
    if (FenetrePage* f = fenetre()) f->situationChoisie(i);
    garde();
}

// The situation file's bytes, in the buffer; -1 when the browser could not read it.
EMSCRIPTEN_KEEPALIVE void page_fichier(int n)
{
    if (FenetrePage* f = fenetre()) f->fichierOuvert(n < 0 ? nullptr : &tampon);
    garde();
}

// The pixel ratio changed: the area the script numbers `surface` is blank at
// the new one; false when it could not be drawn again.
EMSCRIPTEN_KEEPALIVE int page_redessine(int surface)
{
    FenetrePage* f = fenetre();
    return f && f->redessine(surface) ? 1 : 0;
}

// Before any printing, whatever asked for it; after it.
EMSCRIPTEN_KEEPALIVE void page_avant_impression()
{
    if (FenetrePage* f = fenetre()) f->prepareImpression();
}

EMSCRIPTEN_KEEPALIVE void page_apres_impression()
{
    if (FenetrePage* f = fenetre()) f->finImpression();
}

EMSCRIPTEN_KEEPALIVE void page_copie_refusee()
{
    if (FenetrePage* f = fenetre()) f->copieRefusee();
}

} // extern "C"

int main()
{
    // The page speaks the language its link names, else the browser's if it
    // can, else French.
    choisitLangue(premiereLangue(dom::langues()));
    if (const auto l = lisLien(dom::adresse()).situation.langue) choisitLangue(*l);
    dom::langue(code(langue()));
    // Back to the page the pupil was working on in this tab (a reload, Back or
    // Forward, or its address again without a situation): the window as it
    // was left, without the start screen.
    const std::string gardee = dom::situationGardee();
    if (!gardee.empty() && (dom::estRetour() || dom::adresse().empty())) ouvreFenetre(gardee);
    else construitAccueil();
    orbeline_page_relie();
    return 0;
}
