#include "formes.h"

#include "langue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orbeline {
namespace {

constexpr int kChiffres = 15;
constexpr double kPlusGrand = 1.79769313486231e308;

Nombre ecrit(double v, bool blancPositif, bool zeroDevant, std::string_view sep)
{
    Nombre r;
    if (std::signbit(v) && v != 0) r += "-";
    else if (blancPositif) r += " ";
    if (std::isnan(v)) { r += "NaN"; return r; }
    if (std::isinf(v)) { r += tr(Texte::infini); return r; }
    if (v == 0) { r += "0"; return r; }
    // Rounded to 15 digits, the largest doubles would read back as infinity:
    // they are written as the largest 15-digit number that fits.
    const double m = std::min(std::fabs(v), kPlusGrand);

    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    std::array<char, 40> buf{};
#if defined(__cpp_lib_to_chars) && !defined(ORBELINE_REPLI_NOMBRES)
    const char* const fin = std::to_chars(buf.data(), buf.data() + buf.size(), m,
                                          std::chars_format::scientific, kChiffres - 1).ptr;
#else
    // The browser build's library (emscripten's libc++) has no floating-point
    // to_chars; printf rounds as correctly and writes the same form, with the
    // locale's decimal point, which the loop below skips like any non-digit.
    // ORBELINE_REPLI_NOMBRES takes this path natively, for the ordinary tests.
    const char* const fin = buf.data() + std::snprintf(buf.data(), buf.size(), "%.*e", kChiffres - 1, m);
#endif
    std::array<char, kChiffres> ch{};
    int n = 0;
    const char* p = buf.data();
    for (; p < fin && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') ch[n++] = *p;
    const int exp = std::atoi(p + 1);
    while (n > 1 && ch[n - 1] == '0') --n;
    const std::string_view chiffres(ch.data(), static_cast<std::size_t>(n));

    if (exp >= kChiffres || exp < -4) {
        r += chiffres.substr(0, 1);
        if (n > 1) { r += sep; r += chiffres.substr(1); }
        r += exp < 0 ? "E-" : "E+";
        const int ae = std::abs(exp);
        if (ae < 10) r += "0";
        std::array<char, 8> e{};
        r += std::string_view(e.data(), static_cast<std::size_t>(
                 std::to_chars(e.data(), e.data() + e.size(), ae).ptr - e.data()));
    } else if (exp >= 0) {
        const int entiers = exp + 1;
        for (int i = 0; i < entiers; ++i)
            r += i < n ? chiffres.substr(static_cast<std::size_t>(i), 1) : "0";
        if (n > entiers) { r += sep; r += chiffres.substr(static_cast<std::size_t>(entiers)); }
    } else {
        if (zeroDevant) r += "0";
        r += sep;
        for (int i = 0; i < -exp - 1; ++i) r += "0";
        r += chiffres;
    }
    return r;
}

} // namespace

Nombre formeSignee(double v) { return ecrit(v, true, false, "."); }

Nombre formeGenerale(double v, std::string_view separateur)
{
    return ecrit(v, false, true, separateur);
}

} // namespace orbeline
