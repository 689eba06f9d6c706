#include "dom.h"

#include <algorithm>
#include <charconv>
#include <cmath>

// The page's side, web/page.js: each text as a pointer and a length in bytes.
extern "C" {
void orbeline_dom_cree(const char* balise, int lB, const char* id, int lId, const char* parent, int lP);
void orbeline_dom_attribut(const char* id, int lId, const char* nom, int lNom, const char* valeur, int lV);
void orbeline_dom_style(const char* id, int lId, const char* nom, int lNom, const char* valeur, int lV);
void orbeline_dom_texte(const char* id, int lId, const char* t, int l, int ajoute);
void orbeline_dom_vide(const char* id, int lId);
void orbeline_dom_ecrit_valeur(const char* id, int lId, const char* t, int l);
int orbeline_dom_valeur(const char* id, int lId, char* tampon, int capacite);
int orbeline_dom_adresse(char* tampon, int capacite);
int orbeline_dom_gardee(char* tampon, int capacite);
int orbeline_dom_retour();
int orbeline_dom_coche(const char* id, int lId, int valeur);
int orbeline_dom_montre(const char* id, int lId, int valeur);
double orbeline_dom_hauteur_texte(const char* id, int lId);
void orbeline_dom_active(const char* id, int lId, int actif);
void orbeline_dom_focus(const char* id, int lId);
void orbeline_dom_titre(const char* t, int l);
void orbeline_dom_langue(const char* t, int l);
void orbeline_dom_separateur(const char* tag, int lTag, char* tampon, int capacite);
int orbeline_dom_langues(char* tampon, int capacite);
void orbeline_dom_ecran(double* mesures);
void orbeline_dom_image(const char* id, int lId, const char* type, int lType, const unsigned char* octets, int l);
}

namespace orbeline::dom {
namespace {

int n(Chaine s) { return static_cast<int>(s.size()); }

// A text of unknown length: one try in a small buffer, a second of the right size.
template <class Lis> std::string lisTexte(Lis&& lis)
{
    std::string s(63, '\0');
    int l = lis(s.data(), static_cast<int>(s.size()) + 1);
    if (l > static_cast<int>(s.size())) {
        s.resize(static_cast<std::size_t>(l));
        l = lis(s.data(), l + 1);
    }
    s.resize(static_cast<std::size_t>(l));
    return s;
}

} // namespace

void cree(Chaine balise, Chaine id, Chaine parent)
{
    orbeline_dom_cree(balise.data(), n(balise), id.data(), n(id), parent.data(), n(parent));
}

void attribut(Chaine id, Chaine nom, Chaine valeur)
{
    orbeline_dom_attribut(id.data(), n(id), nom.data(), n(nom), valeur.data(), n(valeur));
}

void style(Chaine id, Chaine propriete, Chaine valeur)
{
    orbeline_dom_style(id.data(), n(id), propriete.data(), n(propriete), valeur.data(), n(valeur));
}

void texte(Chaine id, Chaine t) { orbeline_dom_texte(id.data(), n(id), t.data(), n(t), 0); }
void vide(Chaine id) { orbeline_dom_vide(id.data(), n(id)); }
void ajouteTexte(Chaine id, Chaine t) { orbeline_dom_texte(id.data(), n(id), t.data(), n(t), 1); }

std::string valeur(Chaine id)
{
    return lisTexte([id](char* t, int c) { return orbeline_dom_valeur(id.data(), n(id), t, c); });
}

void ecritValeur(Chaine id, Chaine v) { orbeline_dom_ecrit_valeur(id.data(), n(id), v.data(), n(v)); }
bool estCoche(Chaine id) { return orbeline_dom_coche(id.data(), n(id), -1) == 1; }
void coche(Chaine id, bool oui) { orbeline_dom_coche(id.data(), n(id), oui ? 1 : 0); }
bool estMontre(Chaine id) { return orbeline_dom_montre(id.data(), n(id), -1) == 1; }
double hauteurTexte(Chaine id) { return orbeline_dom_hauteur_texte(id.data(), n(id)); }
void montre(Chaine id, bool oui) { orbeline_dom_montre(id.data(), n(id), oui ? 1 : 0); }
void active(Chaine id, bool oui) { orbeline_dom_active(id.data(), n(id), oui ? 1 : 0); }
void focus(Chaine id) { orbeline_dom_focus(id.data(), n(id)); }
void titre(Chaine t) { orbeline_dom_titre(t.data(), n(t)); }
void langue(Chaine code) { orbeline_dom_langue(code.data(), n(code)); }

void image(Chaine id, Chaine type, const unsigned char* octets, std::size_t taille)
{
    orbeline_dom_image(id.data(), n(id), type.data(), n(type), octets, static_cast<int>(taille));
}

std::string adresse()
{
    return lisTexte([](char* t, int c) { return orbeline_dom_adresse(t, c); });
}

std::string situationGardee()
{
    return lisTexte([](char* t, int c) { return orbeline_dom_gardee(t, c); });
}

bool estRetour() { return orbeline_dom_retour() == 1; }

std::string separateurDecimal(std::string_view langue)
{
    char s[8] = {};
    orbeline_dom_separateur(langue.data(), n(langue), s, sizeof s);
    return s;
}

std::vector<std::string> langues()
{
    const std::string t = lisTexte([](char* s, int c) { return orbeline_dom_langues(s, c); });
    std::vector<std::string> v;
    for (std::size_t debut = 0; debut <= t.size();) {
        const std::size_t fin = std::min(t.find(',', debut), t.size());
        v.push_back(t.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return v;
}

Ecran ecran()
{
    double m[3] = {};
    orbeline_dom_ecran(m);
    return {m[0], m[1], m[2] != 0};
}

std::string px(int v) { return std::to_string(v) + "px"; }
std::string pxArrondi(double v) { return px(static_cast<int>(std::lround(v))); }
void stylePx(Chaine id, Chaine propriete, int n) { style(id, propriete, px(n)); }

std::string rgb(Couleur c)
{
    // Each number and its comma by one loop, the last comma made the closing bracket.
    std::string t = "rgb(";
    for (const int v : {c.r, c.g, c.b}) t.append(std::to_string(v)).push_back(',');
    t.back() = ')';
    return t;
}

// Whole hundredths: printf would bring 8 kB into the page for this alone. The whole
// numbers as an int's, as px writes them: a CSS length is far below 2^31 hundredths.
std::string longueur(double v, Chaine unite)
{
    const int centiemes = static_cast<int>(std::lround(std::fabs(v) * 100));
    std::string t = v < 0 && centiemes > 0 ? "-" : "";
    const std::string c = std::to_string(centiemes % 100);
    return t.append(std::to_string(centiemes / 100)).append(c.size() < 2 ? ".0" : ".").append(c).append(std::string_view(unite));
}

void styleLongueur(Chaine id, Chaine propriete, double v, Chaine unite) { style(id, propriete, longueur(v, unite)); }

} // namespace orbeline::dom
