// The web page's program: the start screen, then, on its first continue
// event, the main window (FenetrePage) with the situation of the page's
// address. Each function below is what the page's script (web/page.js)
// calls for one DOM event; it checks what the script hands it and passes
// it on to the window.

#include "FenetrePage.h"

#include "construction.h"
#include "dom.h"
#include "logo.h"

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

// The start screen from its table, then its load: the version and the title.
void construitAccueil()
{
    const Racine r{"accueil", "accueil-", kLargeurAccueil, true};
    dom::style("accueil", "width", dom::px(enPixels(kLargeurAccueil)));
    dom::style("accueil", "height", dom::px(enPixels(kHauteurAccueil)));
    construit(kDispositionAccueil, r, [](const Disposition&) {});
    dom::texte(idControle(r, "lblVersion"), texteVersion());
    dom::texte(idControle(r, "lblProductName"), tr(kTitreApplication));
    for (const Disposition& d : kDispositionAccueil)
        if (d.genre == Genre::Logo) dom::image(idControle(r, d.nom), "image/png", kLogo, sizeof kLogo);
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

} // namespace
} // namespace orbeline

using namespace orbeline;

extern "C" {

// Continue: the start screen goes, the main window opens. A second continue
// raised by the same key press finds it done.
EMSCRIPTEN_KEEPALIVE void page_continuer()
{
    if (principale) return;
    orbeline_page_montre_fenetre();
    principale = std::make_unique<FenetrePage>();
    principale->appliqueAdresse(dom::adresse());
    for (const Disposition& d : kDisposition)
        if (d.tab == 0) dom::focus(d.nom);
}

// The events of the main window's controls name the control by its row of
// the layout table; a row that does not play the event's role is ignored.
EMSCRIPTEN_KEEPALIVE void page_commande(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Commande)) fenetre()->commande(static_cast<Commande>(r->numero));
}

EMSCRIPTEN_KEEPALIVE void page_option(int ligne, int clic)
{
    if (const Role* r = role(ligne, Role::Sorte::Option))
        fenetre()->option(static_cast<Groupe>(r->numero), r->index, clic != 0);
}

EMSCRIPTEN_KEEPALIVE void page_champ(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Champ)) fenetre()->champ(static_cast<Champ>(r->numero));
}

EMSCRIPTEN_KEEPALIVE void page_case(int ligne)
{
    if (const Role* r = role(ligne, Role::Sorte::Case)) fenetre()->caseChangee(static_cast<Case>(r->numero));
}

EMSCRIPTEN_KEEPALIVE void page_souris(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->souris(bouton, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_deplacement(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->deplacement(bouton, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_graphe(int picture, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->survolGraphe(picture, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_entree()
{
    if (FenetrePage* f = fenetre()) f->entree();
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
}

// Room for n bytes the script is about to hand over.
EMSCRIPTEN_KEEPALIVE char* page_tampon(int n)
{
    tampon.assign(static_cast<std::size_t>(std::max(n, 0)), '\0');
    return tampon.data();
}

// The situation file's bytes, in the buffer; -1 when the browser could not read it.
EMSCRIPTEN_KEEPALIVE void page_fichier(int n)
{
    if (FenetrePage* f = fenetre()) f->fichierOuvert(n < 0 ? nullptr : &tampon);
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
    // The page speaks the browser's language if it can, French otherwise.
    choisitLangue(premiereLangue(dom::langues()));
    dom::langue(code(langue()));
    construitAccueil();
    orbeline_page_relie();
    return 0;
}
