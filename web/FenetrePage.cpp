#include "FenetrePage.h"

#include "construction.h"
#include "projection.h"
#include "dom.h"
#include "feuille.h"
#include "releve.h"
#include "situation.h"
#include "actions.h"

#include <algorithm>
#include <cmath>

// The page's side, web/page.js.
extern "C" {
void orbeline_page_bulle(const char* t, int l);
void orbeline_page_minuterie(int millisecondes);
void orbeline_page_quitte();
void orbeline_page_telecharge(const char* nom, int lNom, const char* type, int lType, const char* donnees, int l);
void orbeline_page_copie(const char* t, int l, int lien);
void orbeline_page_choisit_fichier(int limite);
void orbeline_page_image(const char* ids, int l, const char* nom, int lNom);
void orbeline_page_imprime();
void orbeline_page_html(const char* id, int lId, const char* html, int l);
void orbeline_page_dialogue(const char* id, int lId);
void orbeline_page_garde(const char* lien, int l, int travail);
void orbeline_page_tableau(const char* id, int lId, const char* t, int l);
}

namespace orbeline {
namespace {

// The element of the control that plays a role: its row's name is its id.
std::string_view id(Role r) { return cherche(r)->nom; }
std::string idAction(Action a) { return "action-" + std::to_string(static_cast<int>(a)); }

// A caption without its access key's "&" (and the ellipsis of an entry that opens a dialog).
std::string sansEsperluette(std::string_view legende, bool sansPoints = false)
{
    std::string t;
    for (const char c : legende)
        if (c != '&') t += c;
    if (sansPoints && t.ends_with("…")) t.resize(t.size() - std::string_view("…").size());
    return t;
}

std::string_view legendeAction(Action a)
{
    for (const EntreeMenu& e : kMenus)
        if (e.action == a) return tr(e.legende);
    return {};
}

void telecharge(std::string_view nom, std::string_view type, std::string_view donnees)
{
    orbeline_page_telecharge(nom.data(), static_cast<int>(nom.size()), type.data(), static_cast<int>(type.size()),
                             donnees.data(), static_cast<int>(donnees.size()));
}

// A printout's canvases hold at least this many pixels per inch of paper.
constexpr double kPointsParPouce = 300;

// An id: a name, a number, what follows; out of line, the printout builds dozens.
[[gnu::noinline]] std::string nomme(std::string_view nom, std::size_t n, std::string_view suite = {})
{
    return std::string(nom).append(std::to_string(n)).append(suite);
}

// A button in a list item of its own ("<id>-li"), last in `liste`.
[[gnu::noinline]] void boutonListe(const std::string& id, std::string_view liste)
{
    const std::string li = id + "-li";
    dom::cree("li", li, liste);
    dom::cree("button", id, li);
    dom::attribut(id, "type", "button");
}

// The name line's type size, kCorpsNom, as a style writes it.
constexpr std::string_view kCorpsNomCss = "12pt";
static_assert(kCorpsNom == 12);

constexpr std::array<std::string_view, 4> kCotes{"left", "top", "width", "height"};

// A new element of the printout, at its place on the sheet.
[[gnu::noinline]] void place(std::string_view balise, const std::string& id, std::string_view parent, const CadreMm& c)
{
    if (!balise.empty()) dom::cree(balise, id, parent);
    const std::array<double, 4> v{c.gauche, c.haut, c.largeur, c.hauteur};
    for (std::size_t i = 0; i < 4; ++i) dom::styleLongueur(id, kCotes[i], v[i], "mm");
}

// A toggle's state, as its button says it.
[[gnu::noinline]] void presse(dom::Chaine id, bool oui) { dom::attribut(id, "aria-pressed", oui ? "true" : "false"); }

void copie(std::string_view t, bool lien) { orbeline_page_copie(t.data(), static_cast<int>(t.size()), lien); }

void dialogue(std::string_view id) { orbeline_page_dialogue(id.data(), static_cast<int>(id.size())); }

// The guide, HTML the program holds (never a text from outside), parsed into the element.
void html(std::string_view id, std::string_view h)
{
    orbeline_page_html(id.data(), static_cast<int>(id.size()), h.data(), static_cast<int>(h.size()));
}

} // namespace

FenetrePage::FenetrePage()
{
    const Racine racine{"client", "", kLargeurPrincipale, false};
    dom::stylePx("client", "width", enPixels(kLargeurPrincipale));
    dom::stylePx("client", "height", enPixels(kHauteurPrincipale));
    construit(kDisposition, racine, [this](const Disposition& d) {
        const int g = enPixels(d.place.gauche), h = enPixels(d.place.haut), l = enPixels(d.place.largeur),
                  ht = enPixels(d.place.hauteur);
        if (d.genre == Genre::Image) {
            pictures_[static_cast<std::size_t>(d.role.numero - 1)] =
                std::make_unique<SurfaceCanvas>(d.nom, tr(d.nomAccessible), g, h, l, ht);
            if (d.drapeaux & Cache) dom::montre(d.nom, false);
            if (d.role == zone(1)) dom::attribut(d.nom, "data-souris", "");
            else if (graphe(d.role.numero)) dom::attribut(d.nom, "data-graphe", std::to_string(d.role.numero));
        } else {
            // The marker and the star, in the orbit view's inner pixels.
            pictures_[0]->place(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile,
                                {double(g), double(h), double(l), double(ht), !(d.drapeaux & Cache)});
        }
    });
    for (const Disposition& d : kDisposition)
        if (d.role.sorte == Role::Sorte::Option && (d.drapeaux & Choisi))
            choisies_[static_cast<std::size_t>(d.role.numero)] = d.role.index;
    construitMenus();
    textesPage();
    dom::titre(tr(kTitrePrincipale));
    agence();
    Form_Load(p_, *this);
}

void FenetrePage::construitMenus()
{
    std::optional<Texte> menu;
    std::string liste;
    int n = 0;
    for (const EntreeMenu& e : kMenus) {
        if (!(e.interfaces & Page)) continue;
        if (e.menu != menu) {
            menu = e.menu;
            const std::string nomBouton = nomme("menu-", static_cast<std::size_t>(n++));
            const std::string_view bouton = nomBouton;
            liste = nomBouton + "-liste";
            boutonListe(nomBouton, "barre");
            dom::attribut(bouton, "aria-expanded", "false");
            dom::attribut(bouton, "aria-controls", liste);
            dom::texte(bouton, sansEsperluette(tr(e.menu)));
            dom::cree("ul", liste, nomBouton + "-li");
            dom::montre(liste, false);
        } else if (e.separateurAvant) {
            const std::string s = nomme(liste + "-", static_cast<std::size_t>(e.action));
            dom::cree("li", s, liste);
            dom::attribut(s, "class", "separateur");
        }
        if (e.action == Action::Langue) {
            // One entry per language, under its own name; the one in use is checked.
            for (std::size_t l = 0; l < kCodesLangues.size(); ++l) {
                const std::string nomId = "langue-" + std::string(kCodesLangues[l]);
                const std::string_view id = nomId;
                boutonListe(nomId, liste);
                presse(id, static_cast<Langue>(l) == langue());
                dom::attribut(id, "lang", kCodesLangues[l]);
                dom::attribut(id, "data-langue", std::to_string(l));
                dom::texte(id, tr(Texte::nomLangue, static_cast<Langue>(l)));
            }
            continue;
        }
        const std::string nomId = idAction(e.action);
        const std::string_view id = nomId;   // a view taken once, passed as it is to every call below
        boutonListe(nomId, liste);
        dom::attribut(id, "data-action", id.substr(std::string_view("action-").size()));   // its number
        if (e.reglage) presse(id, p_.reglages[static_cast<std::size_t>(*e.reglage)]);
        // The caption, its access letter underlined: in an open menu that letter chooses it.
        const std::string nomLegende = nomId + "-legende";
        const std::string_view legende = nomLegende;
        dom::cree("span", legende, id);
        const std::string_view texte = tr(e.legende);
        const std::size_t et = texte.find('&');
        if (et == std::string_view::npos || et + 1 >= texte.size()) {
            dom::texte(legende, texte);
        } else {
            const std::string lettre(texte.substr(et + 1, 1)), souligne = nomId + "-lettre";
            dom::ajouteTexte(legende, texte.substr(0, et));
            dom::cree("u", souligne, legende);
            dom::texte(souligne, lettre);
            dom::ajouteTexte(legende, texte.substr(et + 2));
            dom::attribut(id, "data-lettre", lettre);
        }
        if (!e.raccourci.empty()) {
            const std::string_view k = e.raccourci;
            dom::attribut(id, "data-raccourci", k);
            // Ctrl as the browser names it; the arrow keys as the browser names them and as their keys show them.
            const bool fleche = k == "Left" || k == "Right", ctrl = k.starts_with("Ctrl+");
            const std::string touches = std::string(fleche ? "Arrow" : ctrl ? "Control" : "").append(k.substr(ctrl ? 4 : 0));
            std::string vu(fleche ? std::string_view(k == "Left" ? "←" : "→") : k);
            if (const auto m = vu.find("Shift"); m != std::string::npos) vu.replace(m, 5, tr(Texte::toucheMaj));
            dom::attribut(id, "aria-keyshortcuts", touches);
            const std::string nomR = nomId + "-raccourci";
            const std::string_view r = nomR;
            dom::cree("span", r, id);
            dom::attribut(r, "class", "raccourci");
            dom::attribut(r, "aria-hidden", "true");
            dom::texte(r, vu);
        }
    }
}

// ---- Events ------------------------------------------------------------------

void FenetrePage::commande(Commande c) { Commande_Click(p_, *this, c); }

void FenetrePage::option(Groupe g, int index, bool clic)
{
    int& choisie = choisies_[static_cast<std::size_t>(g)];
    const bool deja = choisie == index;
    if (deja && !clic) return;   // the click before this change has said it
    choisie = index;
    Option_Click(p_, *this, g, index, deja);
}

void FenetrePage::champ(Champ c) { Text_Change(p_, *this, c); }
void FenetrePage::caseChangee(Case c) { Case_Click(p_, *this, c); }

void FenetrePage::souris(int bouton, int shift, double x, double y)
{
    const EtatSurface& e = pictures_[0]->etat();
    Picture1_MouseDown(p_, *this, bouton, shift, static_cast<float>(e.versUserX(x)), static_cast<float>(e.versUserY(y)));
}

void FenetrePage::deplacement(int bouton, int shift, double x, double y)
{
    const EtatSurface& e = pictures_[0]->etat();
    Picture1_MouseMove(p_, *this, bouton, shift, static_cast<float>(e.versUserX(x)), static_cast<float>(e.versUserY(y)));
}

void FenetrePage::survolGraphe(int picture, double x, double y)
{
    if (picture < 2 || picture > nombrePictures()) return;
    const EtatSurface& e = pictures_[static_cast<std::size_t>(picture - 1)]->etat();
    Graphe_MouseMove(p_, *this, picture, static_cast<float>(e.versUserX(x)), static_cast<float>(e.versUserY(y)));
}

void FenetrePage::doigt(int geste, double x, double y)
{
    if (geste < 0 || geste > static_cast<int>(Doigt::Appui)) return;
    doigtVu_ = true;
    const EtatSurface& e = pictures_[0]->etat();
    Picture1_Touche(p_, *this, static_cast<Doigt>(geste), static_cast<float>(e.versUserX(x)),
                    static_cast<float>(e.versUserY(y)), echelleVue_);
}

std::string FenetrePage::pourEcran(std::string_view t) const
{
    return ecran_.doigt || doigtVu_ ? pourLeDoigt(t) : std::string(t);
}

void FenetrePage::agence()
{
    const Ecran e = dom::ecran();
    const Naturelle n = naturellePrincipale(largeurTwips_);
    if (e.largeur == ecran_.largeur && e.hauteur == ecran_.hauteur && e.doigt == ecran_.doigt && n.largeur == naturelle_)
        return;
    ecran_ = e;
    naturelle_ = n.largeur;
    // Arranged, a row hidden takes no room. The rows shown in an array of the
    // table's size: a vector of rows would bring its growth into the page for this alone.
    std::array<Disposition, kDisposition.size()> rangs;
    std::size_t nombre = 0;
    for (const Disposition& d : kDisposition)
        if (d.genre == Genre::Forme || d.genre == Genre::Etoile || dom::estMontre(d.nom)) rangs[nombre++] = d;
    const std::span<const Disposition> montres(rangs.data(), nombre);
    const auto arrange = [&] {
        const std::span<const HauteurTexte> textes(textes_.data(), textesMesures_ ? textes_.size() : 0);
        return projection_ ? disposeProjection(montres, e, n, true, textes) : dispose(montres, kPiecesPrincipale, e, n, true, textes);
    };
    const Disposee a = arrange();
    // The window as it is stays untouched until it is arranged otherwise.
    const bool telle = a.agencement == Agencement::Fenetre && a.echelle == 1;
    if (telle && agencement_ == Agencement::Fenetre && echelle_ == 1) {
        for (const char* id : {"client", "fenetre"}) dom::stylePx(id, "width", enPixels(largeurTwips_));
        return;
    }
    applique(a, montres);
    // The texts across the column as tall as they are there.
    if (a.agencement != Agencement::Fenetre && mesureTextes()) applique(arrange(), montres);
}

bool FenetrePage::mesureTextes()
{
    bool change = !textesMesures_;
    std::size_t i = 0;
    for (const PieceCompacte& p : kPiecesPrincipale)
        if (p.genre == Piece::Ligne) {
            const double h = dom::estMontre(p.rangs) ? std::ceil(dom::hauteurTexte(p.rangs)) : 0;
            change = change || textes_[i].hauteur != h;
            textes_[i++] = {p.rangs, h};
        }
    textesMesures_ = true;
    return change;
}

void FenetrePage::applique(const Disposee& a, std::span<const Disposition> montres)
{
    agencement_ = a.agencement;
    echelle_ = a.echelle;
    const bool telle = a.agencement == Agencement::Fenetre && a.echelle == 1;
    const bool compacte = a.agencement != Agencement::Fenetre;
    const auto entier = dom::pxArrondi;
    dom::attribut("fenetre", "class", compacte ? (a.agencement == Agencement::DeuxColonnes ? "compacte deux" : "compacte")
                                      : telle  ? ""
                                               : "agrandie");
    dom::attribut("fenetre", "data-projection", projection_ ? "1" : "0");
    // The menus, the boxes' marks and the dialogs follow the scale (page.html).
    dom::style("page", "--k", telle || compacte ? "" : dom::longueur(a.echelle, ""));
    const double l = compacte ? a.largeur : enPixels(largeurTwips_) * a.echelle;
    const std::string largeur = entier(l);
    dom::style("fenetre", "width", largeur);
    dom::style("client", "width", largeur);
    dom::style("client", "height", entier(compacte ? a.hauteur : enPixels(kHauteurPrincipale) * a.echelle));
    const std::array<double, 4> menus{a.menus.gauche, a.menus.haut, a.menus.largeur, a.menus.hauteur};
    for (std::size_t i = 0; i < 4; ++i) dom::style("menus", kCotes[i], compacte ? entier(menus[i]) : "");
    orbeline::agence(compacte ? montres : kDisposition,
                     Racine{"client", "", kLargeurPrincipale, false}, a,
                     [this](const Disposition& d, const Cadre& c, double k) {
                         if (d.role == zone(1)) echelleVue_ = k;
                         pictures_.at(static_cast<std::size_t>(d.role.numero - 1))
                             ->montre(static_cast<int>(std::lround(c.gauche)), static_cast<int>(std::lround(c.haut)), k);
                     });
    // Beside the column, the view keeps its place by its margins, and its top as the page scrolls (page.html).
    const std::string_view vue = cherche(zone(1))->nom;
    Cadre c{};
    for (const PlaceCompacte& p : a.places)
        if (p.rang->nom == vue) c = p.cadre;
    const bool deux = a.agencement == Agencement::DeuxColonnes;
    dom::style(vue, "margin-left", deux ? entier(c.gauche) : "");
    dom::style(vue, "margin-top", deux ? entier(c.haut) : "");
}

void FenetrePage::etape() { etapeEtoile(p_, *this); }

void FenetrePage::menu(Action a) { realise(choisit(p_, *this, a)); }

bool FenetrePage::touche(std::string_view combinaison, std::optional<Commande> avecFocus)
{
    const auto s = Form_KeyDown(p_, *this, combinaison, avecFocus, Page);
    if (s) realise(*s);
    return s.has_value();
}

void FenetrePage::realise(const Sortie& s)
{
    switch (s.sorte) {
    case Sortie::Sorte::Rien: return;
    case Sortie::Sorte::Fichier:
        if (s.fichier->lecture) offreSituations(*s.fichier);
        else telecharge(tr(s.fichier->nom), s.fichier->type, s.contenu);
        return;
    case Sortie::Sorte::Image: {
        // What the picture shows: the picture areas, the charts' captions and the impact captions.
        std::string ids;
        for (const Disposition& d : kDisposition)
            if (d.role.sorte == Role::Sorte::Zone || d.role.sorte == Role::Sorte::LegendeGraphe ||
                d.role == role(Etiquette::ImpactTemps) || d.role == role(Etiquette::ImpactVitesse) ||
                d.role == role(Etiquette::Legende) || d.role == role(Case::Energie))
                ids.append(ids.empty() ? "" : ",").append(d.nom);
        const std::string_view nom = tr(s.fichier->nom);
        orbeline_page_image(ids.data(), static_cast<int>(ids.size()), nom.data(), static_cast<int>(nom.size()));
        return;
    }
    case Sortie::Sorte::Copie: copie(s.contenu, s.lien); return;
    case Sortie::Sorte::Impression: orbeline_page_imprime(); return;
    case Sortie::Sorte::Guide:
        dom::attribut("guide", "aria-label", sansEsperluette(legendeAction(Action::Guide)));
        html("guide-texte", pourEcran(guideHtml()));
        dialogue("guide");
        return;
    case Sortie::Sorte::APropos:
        dom::texte("apropos-titre", sansEsperluette(legendeAction(Action::APropos), true));
        dom::texte("apropos-version", texteVersion());
        dom::texte("apropos-texte", tr(kDescription));
        dialogue("apropos");
        return;
    }
}

// The ready-made situations, each with what to observe in it, before the file chooser.
void FenetrePage::offreSituations(const FichierAction& f)
{
    dom::texte("situations-titre", tr(f.titre));
    dom::texte("situations-texte", tr(Texte::situationsPretes));
    dom::vide("situations-liste");
    for (std::size_t i = 0; i < situationsPretes().size(); ++i) {
        const SituationPrete& s = situationsPretes()[i];
        const std::string nomId = nomme("situation-", i), nom = nomId + "-nom";
        const std::string_view id = nomId;
        boutonListe(nomId, "situations-liste");
        dom::attribut(id, "data-situation", std::to_string(i));
        dom::cree("strong", nom, id);
        dom::texte(nom, s.nom);
        dom::ajouteTexte(id, pourEcran(consignePrete(s)));
    }
    dom::texte("situations-autre", tr(Texte::autreFichier));
    dialogue("situations");
}

void FenetrePage::situationChoisie(int i)
{
    if (i < 0 || i >= static_cast<int>(situationsPretes().size())) {
        orbeline_page_choisit_fichier(static_cast<int>(kTailleFichierMax) + 1);
        return;
    }
    // As its file would open: what it refused in the message strip.
    if (const std::string erreur = ouvreSituation(p_, *this, situationsPretes()[static_cast<std::size_t>(i)].contenu); !erreur.empty())
        ecritMessage(erreur);
}

void FenetrePage::fichierOuvert(const std::string* contenu)
{
    if (!contenu) {
        ecritMessage(tr(Texte::fichierIllisible));
        return;
    }
    // A situation applies, what it refused shown in the message strip; anything else changes nothing.
    const LectureSituation l = lisFichier(*contenu);
    if (!appliqueLecture(p_, *this, l)) ecritMessage(l.erreur);
}

void FenetrePage::appliqueAdresse(std::string_view requete)
{
    const LectureSituation l = lisLien(requete);
    if (!appliqueLecture(p_, *this, l)) ecritMessage(l.erreur);
}

bool FenetrePage::redessine(int surface)
{
    for (const auto& zone : pictures_)
        if (zone->numero() == surface) return zone->redessine();
    return false;
}

void FenetrePage::prepareImpression()
{
    acheveLancement(p_, *this);   // the picture as it ends, star gone and charts drawn
    finImpression();
    const Feuille f = feuilleFenetre(*this, p_);
    for (int n = 0; n < f.pages; ++n) {
        const std::string page = nomme("feuille-page-", static_cast<std::size_t>(n));
        dom::cree("div", page, "feuille");
        for (std::size_t i = 0; i < f.nom.size(); ++i) {
            const std::string nomId = nomme(page + "-nom-", i), libelle = nomId + "-libelle";
            const std::string_view id = nomId;
            place("div", nomId, page, f.nom[i].cadre);
            dom::attribut(id, "class", "nom");
            dom::style(id, "font-size", kCorpsNomCss);
            dom::cree("span", libelle, id);
            dom::texte(libelle, f.nom[i].libelle);
            dom::cree("span", nomId + "-ligne", id);
        }
    }
    // Each area's drawing again on a canvas of a whole number of pixels to
    // one of the area's, so that its lines stay on whole pixels.
    std::size_t n = 0;
    for (const ElementFeuille& e : f.elements) {
        const std::string nomId = nomme("feuille-", n++), nomPage = nomme("feuille-page-", static_cast<std::size_t>(e.page));
        const std::string_view id = nomId, page = nomPage;
        if (e.sorte == ElementFeuille::Sorte::Image) {
            const SurfaceCanvas& zone = *pictures_.at(static_cast<std::size_t>(e.picture - 1));
            const double pixels = kPointsParPouce * e.cadre.largeur / 25.4;
            const int ratio = std::max(1, static_cast<int>(std::ceil(pixels / zone.largeurPixels())));
            toiles_.push_back(SurfaceCanvas::nouvelleToile(id, page, zone.largeurPixels(), zone.hauteurPixels(), ratio));
            place({}, nomId, {}, e.cadre);
            zone.imprimeSur(toiles_.back());
            continue;
        }
        place("div", nomId, page, e.cadre);
        if (e.sorte == ElementFeuille::Sorte::Pave)
            dom::style(id, "background", dom::rgb(e.couleur));
        if (e.sorte == ElementFeuille::Sorte::Regle || e.sorte == ElementFeuille::Sorte::Pointille)
            dom::attribut(id, "class", e.sorte == ElementFeuille::Sorte::Regle ? "trait" : "pointille");
        if (e.sorte != ElementFeuille::Sorte::Texte) continue;
        dom::styleLongueur(id, "font-size", e.corps, "pt");
        if (e.gras) dom::style(id, "font-weight", "bold");
        if (e.alignement != ElementFeuille::Alignement::Gauche)
            dom::style(id, "justify-content", e.alignement == ElementFeuille::Alignement::Centre ? "center" : "flex-end");
        dom::texte(id, e.texte);
    }
}

void FenetrePage::finImpression()
{
    for (const int t : toiles_) SurfaceCanvas::libereToile(t);
    toiles_.clear();
    dom::vide("feuille");
}

void FenetrePage::garde()
{
    if (fini_) return;
    std::string lien = texteLien(situationCourante(p_, *this));
    const bool travail = !p_.releve.estVide();
    // Most events change neither: the tab's storage is written only when one does.
    if (lien == gardee_ && travail == travail_) return;
    orbeline_page_garde(lien.data(), static_cast<int>(lien.size()), travail ? 1 : 0);
    gardee_ = std::move(lien);
    travail_ = travail;
}

void FenetrePage::copieRefusee()
{
    ecritMessage(tr(Texte::copieRefusee));
}

// ---- Fenetre -------------------------------------------------------------------

Surface& FenetrePage::picture(int numero) { return *pictures_.at(static_cast<std::size_t>(numero - 1)); }

std::string FenetrePage::texte(Champ c) const { return dom::valeur(id(role(c))); }

void FenetrePage::ecritTexte(Champ c, std::string_view t)
{
    const std::string_view champ = id(role(c));
    if (dom::valeur(champ) == t) return;
    dom::ecritValeur(champ, t);
    // Writing a value fires no event in a page: the change handler runs here.
    Text_Change(p_, *this, c);
}

void FenetrePage::ecritEtiquette(Etiquette e, std::string_view t)
{
    dom::texte(id(role(e)), t);
    texteEcrit();
}

void FenetrePage::texteEcrit()
{
    // Arranged, a text across the column that takes more or less room moves what follows it.
    if (agencement_ == Agencement::Fenetre || !mesureTextes()) return;
    ecran_ = {};
    agence();
}

void FenetrePage::ecritLancements(const TableLancements& t)
{
    // The table as lines of fields the page's script makes its cells of (as text): the headers, a line a
    // launch (its colour as drawn, whether it is under the pointer, its name, its colour's, its number,
    // its cells), a line a note after a tab.
    std::string l;
    for (const TableLancements::Colonne& c : t.colonnes) l.append(l.empty() ? "" : "\t").append(c.nom).append("\t").append(c.unite);
    for (const TableLancements::Rangee& r : t.rangees) {
        const std::string numero = std::to_string(r.numero);
        l.append("\n").append(dom::rgb(r.couleur)).append(r.pointee ? "\t1\t" : "\t\t")
            .append(orbeline::tr(Texte::legendeRangee, {numero, r.nomCouleur}))
            .append("\t").append(r.nomCouleur).append("\t").append(numero);
        for (const std::string& v : r.cellules) l.append("\t").append(v);
    }
    for (const std::string& n : t.notes) l.append("\n\t").append(n);
    const std::string_view boite = id(role(Etiquette::Legende));
    orbeline_page_tableau(boite.data(), static_cast<int>(boite.size()), l.data(), static_cast<int>(l.size()));
    texteEcrit();
}

void FenetrePage::activeXy(bool actif) { dom::active(id(role(Case::Xy)), actif); }

int FenetrePage::valeurCase(Case c) const { return dom::estCoche(id(role(c))) ? 1 : 0; }

void FenetrePage::ecritCase(Case c, bool cochee)
{
    if (dom::estCoche(id(role(c))) == cochee) return;
    dom::coche(id(role(c)), cochee);
    Case_Click(p_, *this, c);
}

bool FenetrePage::estVisible(Role r) const { return dom::estMontre(id(r)); }
void FenetrePage::setVisible(Role r, bool visible)
{
    const Disposition& d = *cherche(r);
    const bool change = dom::estMontre(d.nom) != visible;
    dom::montre(d.nom, visible);
    if (change && agencement_ != Agencement::Fenetre) {
        ecran_ = {};   // arranged again, with or without its room
        agence();
    }
}

bool FenetrePage::optionChoisie(Groupe g, int index) const { return choisies_[static_cast<std::size_t>(g)] == index; }

void FenetrePage::choisitOption(Groupe g, int index)
{
    dom::coche(id(orbeline::option(g, index)), true);
    option(g, index, true);
}

void FenetrePage::ecritTitre(std::string_view t) { dom::titre(t); }
// What the pupil reads in the strip, the dialogs and the tooltips, in a touch screen's words there.
void FenetrePage::ecritMessage(std::string_view t)
{
    dom::texte(id(kRoleMessage), pourEcran(t));
    texteEcrit();
}
void FenetrePage::montreConsigne(std::string_view t)
{
    dom::texte("consigne-titre", tr(kTitreConsigne));
    dom::texte("consigne-texte", pourEcran(t));
    dialogue("consigne");
}

void FenetrePage::montreBulle(std::string_view t, int)
{
    const std::string b = pourEcran(t);
    orbeline_page_bulle(b.data(), static_cast<int>(b.size()));
}

void FenetrePage::ecritReglage(Reglage r, bool actif)
{
    for (const EntreeMenu& e : kMenus)
        if (e.reglage == r) presse(idAction(e.action), actif);
}

void FenetrePage::modeProjection(bool oui)
{
    projection_ = oui;
    ecran_ = {};   // arranged again, for the projector or back
    agence();
    for (const auto& zone : pictures_) zone->projection(oui ? kCorpsProjection : 0, oui);
}

void FenetrePage::largeurClient(int twips)
{
    // The menu bar over the client area takes its width; wider, the window may fit no more.
    largeurTwips_ = twips;
    agence();
}

std::string FenetrePage::separateurDecimal() const
{
    // The browser's, unless the pupil chose another language than the browser's: then that language's.
    const std::vector<std::string> l = dom::langues();
    const auto navigateur = l.empty() ? std::nullopt : langueDe(l.front());
    if (navigateur && *navigateur != langue()) return dom::separateurDecimal(code(langue()));
    if (!separateur_) separateur_ = dom::separateurDecimal();
    return *separateur_;
}

// The page's own texts around the window: its headings, the menu bar's
// name, the dialogs' buttons, what "Quitter" leaves.
void FenetrePage::textesPage()
{
    dom::texte("titre-client", tr(Texte::nomFenetre));
    dom::attribut("menus", "aria-label", tr(Texte::nomMenus));
    for (const std::string_view d : {"guide", "consigne", "situations", "apropos"}) dom::texte(std::string(d) + "-fermer", tr(Texte::fermer));
    dom::texte("fin-texte", tr(Texte::pageTerminee));
}

void FenetrePage::retraduit()
{
    textesPage();
    orbeline::retraduit(kDisposition, Racine{"client", "", kLargeurPrincipale, false});
    dom::texte("barre", "");
    construitMenus();
    pointsDisponibles(points_);
    dom::langue(code(langue()));
}

void FenetrePage::pointsDisponibles(bool oui)
{
    points_ = oui;
    for (const EntreeMenu& e : kMenus)
        if (e.besoinPoints && (e.interfaces & Page)) dom::active(idAction(e.action), oui);
}

void FenetrePage::programmeEtape(int millisecondes) { orbeline_page_minuterie(millisecondes); }

void FenetrePage::quitte()
{
    fini_ = true;
    orbeline_page_quitte();
}

} // namespace orbeline
