#include "langue.h"

#include <algorithm>
#include <cctype>

namespace orbeline {
namespace {

Langue courante = Langue::fr;

std::size_t indice(Langue l) { return static_cast<std::size_t>(l); }

using Debuts = std::array<std::uint32_t, catalogue::kLongueurs.size()>;

// Where each text starts, summed from the lengths the catalogue keeps. Not
// constexpr: a table the compiler worked out would be in the page again.
Debuts sommeLongueurs()
{
    Debuts d{};
    for (std::size_t i = 1; i < d.size(); ++i) d[i] = d[i - 1] + catalogue::kLongueurs[i - 1];
    return d;
}

} // namespace

void choisitLangue(Langue l) { courante = l; }
Langue langue() { return courante; }
std::string_view code(Langue l) { return kCodesLangues[indice(l)]; }

std::optional<Langue> langueDe(std::string_view tag)
{
    // The primary subtag, whatever follows it: "en-GB", "en_US.UTF-8".
    const std::size_t fin = std::min(tag.find_first_of("-_.@"), tag.size());
    const std::string_view primaire = tag.substr(0, fin);
    for (std::size_t l = 0; l < kCodesLangues.size(); ++l) {
        const std::string_view c = kCodesLangues[l];
        if (primaire.size() == c.size() &&
            std::equal(c.begin(), c.end(), primaire.begin(),
                       [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
            return static_cast<Langue>(l);
    }
    return std::nullopt;
}

std::string_view tr(Texte t, Langue l)
{
    static const Debuts debuts = sommeLongueurs();   // at the first text
    const std::size_t i = indice(l) * kNombreTextes + static_cast<std::size_t>(t);
    return {catalogue::kTout + debuts[i], catalogue::kLongueurs[i]};
}
std::string_view tr(Texte t) { return tr(t, courante); }

void remplisPar(std::string_view modele, std::initializer_list<std::string_view> valeurs, void* sortie,
                void (*ajoute)(void* sortie, std::string_view piece))
{
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%') {
            std::size_t fin = i + 1, n = 0;
            while (fin < modele.size() && modele[fin] >= '0' && modele[fin] <= '9' && n < 100)
                n = n * 10 + static_cast<std::size_t>(modele[fin++] - '0');
            if (n >= 1 && n <= valeurs.size()) {
                ajoute(sortie, valeurs.begin()[n - 1]);
                i = fin - 1;
                continue;
            }
        }
        ajoute(sortie, modele.substr(i, 1));
    }
}

std::string tr(Texte t, std::initializer_list<std::string_view> valeurs)
{
    std::string s;
    remplis(s, tr(t), valeurs);
    return s;
}

std::string_view guideHtml() { return catalogue::kGuides[indice(courante)]; }

std::string pourLeDoigt(std::string_view texte)
{
    std::string t(texte);
    std::string_view paires = tr(Texte::motsDoigt);
    while (!paires.empty()) {
        const std::size_t fin = std::min(paires.find('\n'), paires.size()), barre = paires.substr(0, fin).find('|');
        const std::string_view souris = paires.substr(0, std::min(barre, fin));
        const std::string_view doigt = barre < fin ? paires.substr(barre + 1, fin - barre - 1) : std::string_view{};
        paires.remove_prefix(std::min(fin + 1, paires.size()));
        if (souris.empty()) continue;
        for (std::size_t i = t.find(souris); i != std::string::npos; i = t.find(souris, i + doigt.size()))
            t.replace(i, souris.size(), doigt);
    }
    return t;
}

} // namespace orbeline
