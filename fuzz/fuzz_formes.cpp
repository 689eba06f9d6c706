// The number forms: never empty, only the characters of their form, and read
// back as the double nearest to the number's 15-significant-digit rounding.
// Input: 8 bytes of a double, then one byte choosing the decimal separator.
#include "commun.h"
#include "formes.h"
#include "lecture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using orbeline::fuzz::exige;

namespace {

constexpr std::array<std::string_view, 4> kSeparateurs{".", ",", "\u066b", "'"};

void verifie(double v, std::string_view texte, std::string_view sep, bool signee)
{
    exige(!texte.empty(), "forme vide");
    exige(texte.size() < orbeline::Nombre{}.c.size(), "forme coupée");
    if (std::isnan(v) || std::isinf(v)) return;
    // Only a sign, digits, one separator and an exponent.
    std::string t(texte);
    if (signee) {
        exige(t[0] == ' ' || t[0] == '-', "signe attendu en tête");
        exige((t[0] == '-') == (v < 0), "signe faux");
        t.erase(0, 1);
    } else if (t[0] == '-') {
        exige(v < 0, "signe faux");
        t.erase(0, 1);
    }
    if (const auto p = t.find(sep); p != std::string::npos) {
        exige(p > 0 || signee, "pas de zéro avant le séparateur");
        t.replace(p, sep.size(), ".");
    }
    exige(t.find_first_not_of("0123456789.E+-") == std::string::npos, "caractère inattendu");
    exige(std::count(t.begin(), t.end(), '.') <= 1, "deux séparateurs");

    std::array<char, 40> quinze{};
    std::snprintf(quinze.data(), quinze.size(), "%.14e", std::fabs(v));
    double attendu = std::strtod(quinze.data(), nullptr);
    // Rounded up past the largest double, the form keeps the largest 15-digit number that fits.
    if (std::isinf(attendu)) attendu = 1.79769313486231e308;
    exige(orbeline::lisNombre(t) == attendu, "la forme ne se relit pas à 15 chiffres près");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille)
{
    if (taille < sizeof(double)) return 0;
    double v = 0;
    std::memcpy(&v, data, sizeof v);
    const std::string_view sep = kSeparateurs[taille > sizeof v ? data[sizeof v] % kSeparateurs.size() : 0];
    verifie(v, orbeline::formeSignee(v).vue(), ".", true);
    verifie(v, orbeline::formeGenerale(v, sep).vue(), sep, false);
    return 0;
}
