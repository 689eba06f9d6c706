// The satellite-mass rewrite reaches a fixed point within two rewrites, with
// a non-negative number in the general form.
// Input: one byte choosing the decimal separator, then the field's text.
#include "commun.h"
#include "lecture.h"
#include "masse.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

using orbeline::fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille)
{
    if (taille == 0) return 0;
    // Decimal separators of real locales, and an apostrophe.
    constexpr std::array<std::string_view, 4> kSeparateurs{".", ",", "\u066b", "'"};
    const std::string_view sep = kSeparateurs[data[0] % kSeparateurs.size()];
    std::string texte(reinterpret_cast<const char*>(data + 1), taille - 1);
    for (int reecritures = 0;; ++reecritures) {
        const orbeline::MasseRecrite m = orbeline::recritMasse(texte, sep);
        if (m.texte.vue() == texte) break;
        exige(reecritures < 2, "plus de deux réécritures");
        texte = std::string(m.texte.vue());
        exige(!texte.empty() && texte[0] != '-', "masse vide ou négative");
    }
    const double v = orbeline::lisNombre(texte);
    exige(std::isfinite(v) && v >= 0, "masse illisible");
    return 0;
}
