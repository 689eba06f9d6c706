#include "situation.h"

#include "disposition.h"
#include "principale.h"
#include "vue.h"

#include <algorithm>
#include <cstdint>

namespace orbeline {
namespace {

// Well-formed UTF-8 (no overlong forms, no surrogates), without control
// characters but the tab: a value ends up in a one-line field.
bool texteSur(std::string_view t)
{
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7f) return false;
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xc2 && c <= 0xdf ? 1 : c >= 0xe0 && c <= 0xef ? 2 : c >= 0xf0 && c <= 0xf4 ? 3 : 0;
        if (n == 0 || i + n >= t.size()) return false;
        std::uint32_t v = c & (0x3fu >> n);
        for (std::size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(t[i + k]);
            if ((d & 0xc0) != 0x80) return false;
            v = v << 6 | (d & 0x3fu);
        }
        if ((n == 2 && v < 0x800) || (n == 3 && (v < 0x10000 || v > 0x10ffff)) || (v >= 0xd800 && v <= 0xdfff))
            return false;
        i += n + 1;
    }
    return true;
}

std::string_view sansBlancs(std::string_view t)
{
    const auto d = t.find_first_not_of(" \t\r");
    if (d == std::string_view::npos) return {};
    return t.substr(d, t.find_last_not_of(" \t\r") - d + 1);
}

int valeurHex(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%XX" and "+" as a browser writes them; a "%" not followed by two hex digits stays.
std::string decode(std::string_view t)
{
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '+') r += ' ';
        else if (t[i] == '%' && i + 2 < t.size() && valeurHex(t[i + 1]) >= 0 && valeurHex(t[i + 2]) >= 0) {
            r += static_cast<char>(valeurHex(t[i + 1]) * 16 + valeurHex(t[i + 2]));
            i += 2;
        } else r += t[i];
    }
    return r;
}

void signale(Message& erreur, std::string_view debut, std::string_view cle, std::string_view suite)
{
    if (!erreur.estVide()) return;   // the first fault is the one named
    erreur += debut;
    erreur += cle;
    erreur += suite;
}

// One "key=value": known keys fill the situation, unknown ones are ignored.
void lisPaire(LectureSituation& l, std::string_view cle, std::string cleValeur)
{
    // An unknown key is ignored before its value is looked at: a message
    // never repeats a key that is not one of ours.
    const auto champ = std::find(kClesChamps.begin(), kClesChamps.end(), cle);
    if (champ == kClesChamps.end() && cle != kCleEchelle && cle != kClePoints && cle != kCleVitesse && cle != kCleXy)
        return;
    std::string_view valeur = cleValeur;
    if (valeur.size() > kLongueurValeurMax) return signale(l.erreur, "Valeur trop longue pour « ", cle, " ».");
    if (!texteSur(valeur)) return signale(l.erreur, "Caractère non permis dans la valeur de « ", cle, " ».");
    valeur = sansBlancs(valeur);
    Situation& s = l.situation;
    if (champ != kClesChamps.end()) {
        s.champs[static_cast<std::size_t>(champ - kClesChamps.begin())] = std::string(valeur);
    } else if (cle == kCleEchelle) {
        const auto p = std::find_if(kPresets.begin(), kPresets.end(), [&](const PresetEchelle& e) { return e.cle == valeur; });
        if (p == kPresets.end()) {
            std::string connues;
            for (const PresetEchelle& e : kPresets) connues += (connues.empty() ? "" : ", ") + std::string(e.cle);
            return signale(l.erreur, "Échelle inconnue dans « ", cle, " » : " + connues + ".");
        }
        s.echelle = static_cast<int>(p - kPresets.begin());
    } else if (cle == kClePoints) {
        if (valeur != "100" && valeur != "1000") return signale(l.erreur, "« ", cle, " » vaut 100 ou 1000.");
        s.points = valeur == "100" ? 0 : 1;
    } else {   // a box
        if (valeur != "0" && valeur != "1") return signale(l.erreur, "« ", cle, " » vaut 0 ou 1.");
        (cle == kCleVitesse ? s.vitesse : s.xy) = valeur == "1";
    }
    l.rien = false;
}

template <class Paire> void pourChaque(std::string_view texte, char separateur, Paire&& paire)
{
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find(separateur), texte.size());
        paire(texte.substr(0, fin));
        texte.remove_prefix(std::min(fin + 1, texte.size()));
    }
}

// Every character but the unreserved ones as %XX.
std::string encode(std::string_view t)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string r;
    for (const char c : t) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~')
            r += c;
        else {
            r += '%';
            r += kHex[u >> 4];
            r += kHex[u & 15];
        }
    }
    return r;
}

// Key and value pairs of a situation, in a fixed order.
template <class Ecrit> void pourChaqueValeur(const Situation& s, Ecrit&& ecrit)
{
    for (std::size_t k = 0; k < kClesChamps.size(); ++k)
        if (s.champs[k]) ecrit(kClesChamps[k], *s.champs[k]);
    if (s.echelle) ecrit(kCleEchelle, kPresets[static_cast<std::size_t>(*s.echelle)].cle);
    if (s.points) ecrit(kClePoints, *s.points == 0 ? "100" : "1000");
    if (s.vitesse) ecrit(kCleVitesse, *s.vitesse ? "1" : "0");
    if (s.xy) ecrit(kCleXy, *s.xy ? "1" : "0");
}

} // namespace

LectureSituation lisLien(std::string_view requete)
{
    LectureSituation l;
    if (!requete.empty() && requete.front() == '?') requete.remove_prefix(1);
    pourChaque(requete, '&', [&](std::string_view paire) {
        const std::size_t egal = paire.find('=');
        if (egal == std::string_view::npos) return;
        lisPaire(l, decode(paire.substr(0, egal)), decode(paire.substr(egal + 1)));
    });
    return l;
}

LectureSituation lisFichier(std::string_view contenu)
{
    LectureSituation l;
    if (contenu.size() > kTailleFichierMax) {
        l.erreur += "Ce fichier est trop grand pour être une situation d'Orbeline.";
        return l;
    }
    if (contenu.starts_with("\xEF\xBB\xBF")) contenu.remove_prefix(3);   // a byte-order mark from some editors
    std::size_t ligne = 0;
    pourChaque(contenu, '\n', [&](std::string_view t) {
        ++ligne;
        t = sansBlancs(t);
        if (t.empty() || t.front() == '#') return;
        const std::size_t egal = t.find('=');
        if (egal == std::string_view::npos) {
            if (l.erreur.estVide()) {
                l.erreur += "Ligne ";
                l.erreur += std::to_string(ligne);
                l.erreur += " : une situation d'Orbeline n'a que des lignes « clé=valeur ».";
            }
            return;
        }
        lisPaire(l, sansBlancs(t.substr(0, egal)), std::string(t.substr(egal + 1)));
    });
    if (l.rien && l.erreur.estVide()) l.erreur += "Ce fichier n'est pas une situation d'Orbeline.";
    return l;
}

Situation situationDepart()
{
    Situation s;
    for (const Disposition& d : kDisposition) {
        const bool choisi = d.drapeaux & Choisi;
        const auto n = static_cast<std::size_t>(d.role.numero);
        switch (d.role.sorte) {
        case Role::Sorte::Champ: s.champs[n] = std::string(d.valeur); break;
        case Role::Sorte::Option:
            if (choisi && static_cast<Groupe>(n) == Groupe::Points) s.points = d.role.index;
            if (choisi && static_cast<Groupe>(n) == Groupe::Echelle) s.echelle = d.role.index;
            break;
        case Role::Sorte::Case: (static_cast<Case>(n) == Case::Vitesse ? s.vitesse : s.xy) = choisi; break;
        default: break;
        }
    }
    return s;
}

Situation situationCourante(const Fenetre& f)
{
    Situation s;
    for (std::size_t k = 0; k < s.champs.size(); ++k) s.champs[k] = f.texte(static_cast<Champ>(k));
    for (int i = 0; i < static_cast<int>(kPresets.size()); ++i)
        if (f.optionChoisie(Groupe::Echelle, i)) s.echelle = i;
    s.points = f.optionChoisie(Groupe::Points, 0) ? 0 : 1;
    s.vitesse = f.valeurCase(Case::Vitesse) == 1;
    s.xy = f.valeurCase(Case::Xy) == 1;
    return s;
}

std::string texteLien(const Situation& s)
{
    std::string r;
    pourChaqueValeur(s, [&](std::string_view cle, std::string_view valeur) {
        if (!r.empty()) r += '&';
        r += cle;
        r += '=';
        r += encode(valeur);
    });
    return r;
}

std::string texteFichier(const Situation& s)
{
    std::string r = "# Situation d'Orbeline : une ligne « clé=valeur » par réglage.\n";
    pourChaqueValeur(s, [&](std::string_view cle, std::string_view valeur) {
        r += cle;
        r += '=';
        r += valeur;
        r += '\n';
    });
    return r;
}

void appliqueSituation(Principale& p, Fenetre& f, const Situation& s)
{
    acheveLancement(p, f);
    // The scale first: the position fields are read in its unit.
    if (s.echelle) f.choisitOption(Groupe::Echelle, *s.echelle);
    if (s.points) f.choisitOption(Groupe::Points, *s.points);
    for (std::size_t k = 0; k < s.champs.size(); ++k)
        if (s.champs[k]) f.ecritTexte(static_cast<Champ>(k), *s.champs[k]);
    if (s.vitesse) f.ecritCase(Case::Vitesse, *s.vitesse);
    if (s.xy) f.ecritCase(Case::Xy, *s.xy);
    Command4_Click(p, f);
}

} // namespace orbeline
