#include "FenetrePage.h"

#include "construction.h"
#include "dom.h"
#include "guide.h"
#include "releve.h"
#include "situation.h"

#include <algorithm>

// The page's side, web/page.js.
extern "C" {
void orbeline_page_bulle(const char* t, int l);
void orbeline_page_minuterie(int millisecondes);
void orbeline_page_quitte();
void orbeline_page_telecharge(const char* nom, int lNom, const char* type, int lType, const char* donnees, int l);
void orbeline_page_copie(const char* t, int l, int lien);
void orbeline_page_choisit_fichier(int limite);
void orbeline_page_image(const char* ids, int l);
void orbeline_page_imprime();
void orbeline_page_markdown(const char* id, int lId, const char* md, int l);
void orbeline_page_dialogue(const char* id, int lId);
void orbeline_page_garde(const char* lien, int l, int travail);
}

namespace orbeline {
namespace {

// Element ids of the enums of the window interface, in their order.
constexpr std::array<std::string_view, 7> kEtiquettes{"Label3", "Label4", "Label9", "Label10",
                                                      "Label11", "Label12", "Label14"};
constexpr std::array<std::string_view, 10> kElements{"Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                                                     "Label8", "Label13", "Label15", "Label16", "Label17"};
constexpr std::array<std::string_view, 2> kCases{"vitesse", "xy"};

std::string idChamp(Champ c) { return "Text" + std::to_string(static_cast<int>(c) + 1); }
std::string idOption(Groupe g, int index)
{
    return "Option" + std::to_string(static_cast<int>(g) + 1) + "_" + std::to_string(index);
}
std::string idAction(Action a) { return "action-" + std::to_string(static_cast<int>(a)); }
std::string_view idCase(Case c) { return kCases[static_cast<std::size_t>(c)]; }

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
        if (e.action == a) return e.legende;
    return {};
}

void telecharge(std::string_view nom, std::string_view type, std::string_view donnees)
{
    orbeline_page_telecharge(nom.data(), static_cast<int>(nom.size()), type.data(), static_cast<int>(type.size()),
                             donnees.data(), static_cast<int>(donnees.size()));
}

// The printout's lines under the picture, from the launch on screen.
std::string legende(const Releve& r)
{
    std::string t;
    for (const std::string& l : lignesLegende(r)) t += l + "\n";
    return t;
}

void copie(std::string_view t, bool lien) { orbeline_page_copie(t.data(), static_cast<int>(t.size()), lien); }

void dialogue(std::string_view id) { orbeline_page_dialogue(id.data(), static_cast<int>(id.size())); }

void markdown(std::string_view id, std::string_view md)
{
    orbeline_page_markdown(id.data(), static_cast<int>(id.size()), md.data(), static_cast<int>(md.size()));
}

} // namespace

FenetrePage::FenetrePage() : separateur_(dom::separateurDecimal())
{
    const Racine racine{"client", "", kLargeurPrincipale, false};
    dom::style("client", "width", dom::px(enPixels(kLargeurPrincipale)));
    dom::style("client", "height", dom::px(enPixels(kHauteurPrincipale)));
    construit(kDisposition, racine, [this](const Disposition& d) {
        const int g = enPixels(d.gauche), h = enPixels(d.haut), l = enPixels(d.largeur), ht = enPixels(d.hauteur);
        if (d.genre == Genre::Image) {
            const auto n = static_cast<std::size_t>(d.numero - 1);
            pictures_[n] = std::make_unique<SurfaceCanvas>(d.nom, d.nomAccessible, g, h, l, ht);
            if (d.drapeaux & Cache) dom::montre(d.nom, false);
            if (d.numero == 1) dom::attribut(d.nom, "data-souris", "");
        } else {
            // The marker and the star, in the orbit view's inner pixels.
            pictures_[0]->place(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile,
                                {double(g), double(h), double(l), double(ht), !(d.drapeaux & Cache)});
        }
    });
    for (const Disposition& d : kDisposition)
        if (d.genre == Genre::Option && (d.drapeaux & Choisi)) choisies_[static_cast<std::size_t>(d.numero - 1)] = d.index;
    construitMenus();
    dom::titre(kTitrePrincipale);
    Form_Load(p_, *this);
}

void FenetrePage::construitMenus()
{
    std::string_view menu;
    std::string liste;
    int n = 0;
    for (const EntreeMenu& e : kMenus) {
        if (!(e.interfaces & Page)) continue;
        if (e.menu != menu) {
            menu = e.menu;
            const std::string bouton = "menu-" + std::to_string(n), li = bouton + "-li";
            liste = "menu-" + std::to_string(n++) + "-liste";
            dom::cree("li", li, "barre");
            dom::cree("button", bouton, li);
            dom::attribut(bouton, "type", "button");
            dom::attribut(bouton, "aria-expanded", "false");
            dom::attribut(bouton, "aria-controls", liste);
            dom::texte(bouton, sansEsperluette(e.menu));
            dom::cree("ul", liste, li);
            dom::montre(liste, false);
        } else if (e.separateurAvant) {
            const std::string s = liste + "-" + std::to_string(static_cast<int>(e.action));
            dom::cree("li", s, liste);
            dom::attribut(s, "class", "separateur");
            dom::attribut(s, "role", "separator");
        }
        const std::string id = idAction(e.action), li = id + "-li";
        dom::cree("li", li, liste);
        dom::cree("button", id, li);
        dom::attribut(id, "type", "button");
        dom::attribut(id, "data-action", std::to_string(static_cast<int>(e.action)));
        // The caption, its access letter underlined: in an open menu that letter chooses it.
        const std::string legende = id + "-legende";
        dom::cree("span", legende, id);
        const std::size_t et = e.legende.find('&');
        if (et == std::string_view::npos || et + 1 >= e.legende.size()) {
            dom::texte(legende, e.legende);
        } else {
            const std::string lettre(e.legende.substr(et + 1, 1));
            dom::ajouteTexte(legende, e.legende.substr(0, et));
            dom::cree("u", id + "-lettre", legende);
            dom::texte(id + "-lettre", lettre);
            dom::ajouteTexte(legende, e.legende.substr(et + 2));
            dom::attribut(id, "data-lettre", lettre);
        }
        if (!e.raccourci.empty()) {
            dom::attribut(id, "data-raccourci", e.raccourci);
            std::string touches(e.raccourci), vu(e.raccourci);
            if (touches.starts_with("Ctrl+")) touches.replace(0, 4, "Control");
            if (const auto m = vu.find("Shift"); m != std::string::npos) vu.replace(m, 5, "Maj");
            dom::attribut(id, "aria-keyshortcuts", touches);
            const std::string r = id + "-raccourci";
            dom::cree("span", r, id);
            dom::attribut(r, "class", "raccourci");
            dom::attribut(r, "aria-hidden", "true");
            dom::texte(r, vu);
        }
    }
}

// ---- Events ------------------------------------------------------------------

void FenetrePage::commande(int numero)
{
    switch (numero) {
    case 1: Command1_Click(p_, *this); break;
    case 2: Command2_Click(p_, *this); break;
    case 4: Command4_Click(p_, *this); break;
    case 5: Command5_Click(p_, *this); break;
    default: break;
    }
}

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

void FenetrePage::entree() { toucheEntree(p_, *this, 0); }
void FenetrePage::etape() { etapeEtoile(p_, *this); }

void FenetrePage::menu(Action a)
{
    switch (a) {
    case Action::OuvrirSituation:
        orbeline_page_choisit_fichier(static_cast<int>(kTailleFichierMax) + 1);
        break;
    case Action::EnregistrerSituation:
        telecharge("situation.orbeline", "text/plain;charset=utf-8", texteFichier(situationCourante(*this)));
        break;
    case Action::EnregistrerPoints:
        if (!p_.releve.estVide())
            telecharge("points.csv", "text/csv;charset=utf-8", texteTable(p_.releve, formatCsv(separateur_)));
        break;
    case Action::EnregistrerImage: {
        acheveLancement(p_, *this);   // the picture as it ends, star gone and charts drawn
        std::string ids;
        for (const Disposition& d : kDisposition)
            if (d.genre == Genre::Image) ids.append(d.nom).append(",");
        for (std::size_t k = 5; k < kElements.size(); ++k) ids.append(kElements[k]).append(",");
        ids.append(kEtiquettes[static_cast<std::size_t>(Etiquette::Label11)]).append(",");
        ids.append(kEtiquettes[static_cast<std::size_t>(Etiquette::Label12)]);
        orbeline_page_image(ids.data(), static_cast<int>(ids.size()));
        break;
    }
    case Action::Imprimer:
        acheveLancement(p_, *this);
        dom::texte("legende", legende(p_.releve));
        orbeline_page_imprime();
        break;
    case Action::Quitter: Command2_Click(p_, *this); break;
    case Action::CopierPoints:
        if (!p_.releve.estVide()) copie(texteTable(p_.releve, formatCopie(separateur_)), false);
        break;
    case Action::CopierLien: copie(texteLien(situationCourante(*this)), true); break;
    case Action::ValeursDepart: appliqueSituation(p_, *this, situationDepart()); break;
    case Action::Guide:
        dom::attribut("guide", "aria-label", sansEsperluette(legendeAction(a)));
        markdown("guide-texte", kGuide);
        dialogue("guide");
        break;
    case Action::APropos:
        dom::texte("apropos-titre", sansEsperluette(legendeAction(a), true));
        dom::texte("apropos-version", texteVersion());
        dom::texte("apropos-texte", kDescription);
        dialogue("apropos");
        break;
    }
}

void FenetrePage::fichierOuvert(const std::string* contenu)
{
    if (!contenu) {
        ecritMessage("Le fichier n'a pas pu être lu.");
        return;
    }
    // A file with any fault changes nothing: the pupil opens it again once mended.
    const LectureSituation l = lisFichier(*contenu);
    if (!l.erreur.estVide()) ecritMessage(l.erreur.vue());
    else appliqueSituation(p_, *this, l.situation);
}

void FenetrePage::appliqueAdresse(std::string_view requete)
{
    // What the address gets right is applied; its first fault is shown afterwards.
    const LectureSituation l = lisLien(requete);
    if (!l.rien) appliqueSituation(p_, *this, l.situation);
    if (!l.erreur.estVide()) ecritMessage(l.erreur.vue());
}

void FenetrePage::garde()
{
    if (fini_) return;
    const std::string lien = texteLien(situationCourante(*this));
    orbeline_page_garde(lien.data(), static_cast<int>(lien.size()), p_.releve.estVide() ? 0 : 1);
}

void FenetrePage::copieRefusee()
{
    ecritMessage("Le navigateur a refusé la copie dans le presse-papiers.");
}

// ---- Fenetre -------------------------------------------------------------------

Surface& FenetrePage::picture(int numero) { return *pictures_.at(static_cast<std::size_t>(numero - 1)); }

std::string FenetrePage::texte(Champ c) const { return dom::valeur(idChamp(c)); }

void FenetrePage::ecritTexte(Champ c, std::string_view t)
{
    const std::string id = idChamp(c);
    if (dom::valeur(id) == t) return;
    dom::ecritValeur(id, t);
    // Writing a value fires no event in a page: the change handler runs here.
    Text_Change(p_, *this, c);
}

void FenetrePage::ecritEtiquette(Etiquette e, std::string_view t) { dom::texte(kEtiquettes[static_cast<std::size_t>(e)], t); }

void FenetrePage::activeXy(bool actif) { dom::active(idCase(Case::Xy), actif); }

int FenetrePage::valeurCase(Case c) const { return dom::estCoche(idCase(c)) ? 1 : 0; }

void FenetrePage::ecritCase(Case c, bool cochee)
{
    if (dom::estCoche(idCase(c)) == cochee) return;
    dom::coche(idCase(c), cochee);
    Case_Click(p_, *this, c);
}

bool FenetrePage::estVisible(Element e) const { return dom::estMontre(kElements[static_cast<std::size_t>(e)]); }
void FenetrePage::setVisible(Element e, bool visible) { dom::montre(kElements[static_cast<std::size_t>(e)], visible); }

bool FenetrePage::optionChoisie(Groupe g, int index) const { return choisies_[static_cast<std::size_t>(g)] == index; }

void FenetrePage::choisitOption(Groupe g, int index)
{
    dom::coche(idOption(g, index), true);
    option(g, index, true);
}

void FenetrePage::ecritTitre(std::string_view t) { dom::titre(t); }
void FenetrePage::ecritMessage(std::string_view t) { dom::texte("message", t); }
void FenetrePage::montreBulle(std::string_view t) { orbeline_page_bulle(t.data(), static_cast<int>(t.size())); }

void FenetrePage::pointsDisponibles(bool oui)
{
    dom::active(idAction(Action::EnregistrerPoints), oui);
    dom::active(idAction(Action::CopierPoints), oui);
}

void FenetrePage::programmeEtape(int millisecondes) { orbeline_page_minuterie(millisecondes); }

void FenetrePage::quitte()
{
    fini_ = true;
    orbeline_page_quitte();
}

} // namespace orbeline
