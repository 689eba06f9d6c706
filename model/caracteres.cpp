#include "caracteres.h"

#include "langue.h"

#include <array>

namespace orbeline {
namespace {

/// The characters a pupil meets in a pasted number, by range of codes. The
/// names hold their article; the invisible ones are named, never shown.
struct Famille {
    std::uint16_t premier, dernier;   // all in the first plane: the table the smaller
    Texte nom;
};
constexpr Texte kSens = Texte::carSens;
constexpr Texte kInvisible = Texte::carInvisible;
constexpr Texte kCommande = Texte::carCommande;
constexpr Texte kAutreChiffre = Texte::carAutreChiffre;
/// Digits of another script, dashes and the minus sign have a glyph: shown between « » besides their name.
constexpr bool montre(const Famille& f)
{
    return f.nom == kAutreChiffre || f.nom == Texte::carTiret || f.nom == Texte::carMoins;
}
constexpr auto kFamilles = std::to_array<Famille>({
    {0x00, 0x1f, kCommande},
    {0x7f, 0x9f, kCommande},
    {0xa0, 0xa0, Texte::carInsecable},
    {0xad, 0xad, Texte::carTraitUnion},
    {0x300, 0x36f, Texte::carAccent},
    {0x61c, 0x61c, kSens},
    {0x660, 0x669, kAutreChiffre},
    {0x6f0, 0x6f9, kAutreChiffre},
    {0x966, 0x96f, kAutreChiffre},
    {0x1680, 0x1680, Texte::carEspaceSpecial},
    {0x180e, 0x180e, kInvisible},
    {0x2000, 0x200a, Texte::carEspaceSpecial},
    {0x200b, 0x200b, Texte::carEspaceInvisible},
    {0x200c, 0x200d, kInvisible},
    {0x200e, 0x200f, kSens},
    {0x2010, 0x2015, Texte::carTiret},
    {0x2028, 0x2029, Texte::carSautLigne},
    {0x202a, 0x202e, kSens},
    {0x202f, 0x202f, Texte::carInsecable},
    {0x205f, 0x205f, Texte::carEspaceSpecial},
    {0x2060, 0x2064, kInvisible},
    {0x2066, 0x2069, kSens},
    {0x206a, 0x206f, kInvisible},
    {0x2212, 0x2212, Texte::carMoins},
    {0x3000, 0x3000, Texte::carEspaceSpecial},
    {0xfe00, 0xfe0f, kInvisible},
    {0xfeff, 0xfeff, kInvisible},
    {0xff10, 0xff19, kAutreChiffre},
    {0xfff9, 0xfffb, kInvisible},
});

const Famille* famille(std::uint32_t code)
{
    for (const Famille& f : kFamilles)
        if (code >= f.premier && code <= f.dernier) return &f;
    return nullptr;
}

/// "U+200B".
TexteFixe<12> enCode(std::uint32_t code)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    TexteFixe<12> t;
    t += "U+";
    int chiffres = 4;
    while (chiffres < 8 && (code >> (4 * chiffres)) != 0) ++chiffres;
    for (int k = chiffres - 1; k >= 0; --k) t += kHex.substr((code >> (4 * k)) & 15, 1);
    return t;
}

// "le caractère « a »", "le caractère « é » (U+00E9)", "un espace invisible (U+200B)"…
constexpr Texte kVisibleAscii = Texte::carVisibleAscii;
constexpr Texte kVisible = Texte::carVisible;
constexpr std::string_view kNomme = "%1 (%2)";
constexpr Texte kNommeMontre = Texte::carNommeMontre;
constexpr Texte kOctet = Texte::carOctet;

} // namespace

Caractere caractereEn(std::string_view t, std::size_t i)
{
    const auto c = static_cast<unsigned char>(t[i]);
    if (c < 0x80) return {c, 1, true};
    const std::size_t n = c >= 0xc2 && c <= 0xdf ? 1 : c >= 0xe0 && c <= 0xef ? 2 : c >= 0xf0 && c <= 0xf4 ? 3 : 0;
    if (n == 0 || i + n >= t.size()) return {c, 1, false};
    std::uint32_t v = c & (0x3fu >> n);
    for (std::size_t k = 1; k <= n; ++k) {
        const auto d = static_cast<unsigned char>(t[i + k]);
        if ((d & 0xc0) != 0x80) return {c, 1, false};
        v = v << 6 | (d & 0x3fu);
    }
    if ((n == 2 && v < 0x800) || (n == 3 && (v < 0x10000 || v > 0x10ffff)) || (v >= 0xd800 && v <= 0xdfff))
        return {c, 1, false};
    return {v, n + 1, true};
}

bool visible(std::uint32_t code)
{
    const Famille* f = famille(code);
    return code >= 0x20 && (!f || montre(*f));
}

NomCaractere nomCaractere(std::string_view t, std::size_t i)
{
    const Caractere c = caractereEn(t, i);
    const std::string_view lui = t.substr(i, c.longueur);
    NomCaractere n;
    if (!c.valide) {
        n += tr(kOctet);
    } else if (const Famille* f = famille(c.code)) {
        remplis(n, montre(*f) ? tr(kNommeMontre) : kNomme, {tr(f->nom), enCode(c.code).vue(), lui});
    } else {
        remplis(n, c.code < 0x80 ? kVisibleAscii : kVisible, {lui, enCode(c.code).vue()});
    }
    return n;
}

TexteFixe<40> extrait(std::string_view t)
{
    constexpr std::size_t kMax = 30;
    TexteFixe<40> e;
    std::size_t i = 0;
    while (i < t.size()) {
        const Caractere c = caractereEn(t, i);
        const bool espace = c.code == 0xa0 || c.code == 0x202f || c.code == 0x2009;   // shown as blanks
        if (!c.valide || !(visible(c.code) || espace) || i + c.longueur > kMax) break;
        i += c.longueur;
    }
    e += t.substr(0, i);
    if (i < t.size()) e += "…";
    return e;
}

} // namespace orbeline
