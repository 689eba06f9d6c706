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
    dom::texte(idControle(r, "lblProductName"), kTitreApplication);
    for (const Disposition& d : kDispositionAccueil)
        if (d.genre == Genre::Logo) dom::image(idControle(r, d.nom), "image/png", kLogo, sizeof kLogo);
    dom::montre("accueil", true);
    for (const Disposition& d : kDispositionAccueil)
        if (d.tab == 0) dom::focus(idControle(r, d.nom));
}

bool dans(int v, int debut, std::size_t fin) { return v >= debut && v < debut + static_cast<int>(fin); }

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
    dom::focus("Text1");
}

EMSCRIPTEN_KEEPALIVE void page_commande(int numero)
{
    if (FenetrePage* f = fenetre()) f->commande(numero);
}

EMSCRIPTEN_KEEPALIVE void page_option(int groupe, int index, int clic)
{
    static constexpr std::array<std::size_t, 3> kTailles{2, kAttracteurs.size(), kPresets.size()};
    if (FenetrePage* f = fenetre(); f && dans(groupe, 0, kTailles.size()) &&
                                     dans(index, 0, kTailles[static_cast<std::size_t>(groupe)]))
        f->option(static_cast<Groupe>(groupe), index, clic != 0);
}

EMSCRIPTEN_KEEPALIVE void page_champ(int numero)
{
    if (FenetrePage* f = fenetre(); f && dans(numero, 1, 7)) f->champ(static_cast<Champ>(numero - 1));
}

EMSCRIPTEN_KEEPALIVE void page_case(int numero)
{
    if (FenetrePage* f = fenetre(); f && dans(numero, 0, 2)) f->caseChangee(static_cast<Case>(numero));
}

EMSCRIPTEN_KEEPALIVE void page_souris(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->souris(bouton, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_deplacement(int bouton, int shift, double x, double y)
{
    if (FenetrePage* f = fenetre()) f->deplacement(bouton, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void page_entree()
{
    if (FenetrePage* f = fenetre()) f->entree();
}

EMSCRIPTEN_KEEPALIVE void page_etape()
{
    if (FenetrePage* f = fenetre()) f->etape();
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
    construitAccueil();
    orbeline_page_relie();
    return 0;
}
