#include "formes.h"

#include "langue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orbeline {
namespace {

constexpr int kChiffres = 15;
constexpr double kPlusGrand = 1.79769313486231e308;

#if !defined(__cpp_lib_to_chars) || defined(ORBELINE_REPLI_NOMBRES)
// The browser build's library (emscripten's libc++) has no floating-point
// to_chars, and printf would cost the page 8 kB. A double is m·2^e exactly, m
// below 2^53: the whole number m·2^e (e ≥ 0) or m·5^-e (e < 0, the value
// times 10^-e) is written exactly in limbs of nine decimal digits, at most
// 767 digits; the kChiffres first ones are then rounded half to even on all
// the others, as to_chars and printf round. Fills `ch` (kChiffres digits)
// and returns the power of ten of the first. ORBELINE_REPLI_NOMBRES takes
// this path natively, for the ordinary tests.
int chiffresExacts(double v, std::array<char, kChiffres>& ch)
{
    constexpr std::uint32_t kBase = 1000000000;
    std::array<std::uint32_t, 90> membres{};   // little-endian, base 10^9
    std::size_t n = 0;
    int e = 0;
    const double f = std::frexp(v, &e);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    e -= 53;
    for (; m > 0; m /= kBase) membres[n++] = static_cast<std::uint32_t>(m % kBase);
    const auto multiplie = [&](std::uint32_t k) {
        std::uint64_t retenue = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t t = std::uint64_t{membres[i]} * k + retenue;
            membres[i] = static_cast<std::uint32_t>(t % kBase);
            retenue = t / kBase;
        }
        for (; retenue > 0; retenue /= kBase) membres[n++] = static_cast<std::uint32_t>(retenue % kBase);
    };
    for (int r = e; r > 0; r -= 29) multiplie(std::uint32_t{1} << std::min(r, 29));
    for (int r = -e; r > 0; r -= 13) {
        std::uint32_t cinq = 1;
        for (int i = std::min(r, 13); i > 0; --i) cinq *= 5;
        multiplie(cinq);
    }

    // The digits from the first: those of the top limb, then nine per limb;
    // digit j is read from its limb, no copy of them all is made.
    std::size_t tete = 1;
    for (std::uint32_t x = membres[n - 1]; x >= 10; x /= 10) ++tete;
    const std::size_t d = tete + 9 * (n - 1);
    const auto chiffre = [&](std::size_t j) {
        const std::size_t rang = d - 1 - j;   // from the last digit
        std::uint32_t x = membres[rang / 9];
        for (std::size_t r = rang % 9; r > 0; --r) x /= 10;
        return static_cast<char>('0' + x % 10);
    };
    int exposant = static_cast<int>(d) - 1 + std::min(e, 0);
    for (std::size_t i = 0; i < ch.size(); ++i) ch[i] = i < d ? chiffre(i) : '0';
    const char arrondi = d > ch.size() ? chiffre(ch.size()) : '0';
    bool reste = false;
    for (std::size_t i = ch.size() + 1; i < d && !reste; ++i) reste = chiffre(i) != '0';
    if (arrondi > '5' || (arrondi == '5' && (reste || (ch.back() - '0') % 2 == 1))) {
        std::size_t i = ch.size();
        while (i > 0 && ch[i - 1] == '9') ch[--i] = '0';
        if (i > 0) {
            ++ch[i - 1];
        } else {
            ch[0] = '1';
            ++exposant;
        }
    }
    return exposant;
}
#endif

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

    // 15 significant digits, correctly rounded, and the power of ten of the first.
    std::array<char, kChiffres> ch{};
#if defined(__cpp_lib_to_chars) && !defined(ORBELINE_REPLI_NOMBRES)
    // d.dddddddddddddde±x
    std::array<char, 40> buf{};
    const char* const fin = std::to_chars(buf.data(), buf.data() + buf.size(), m,
                                          std::chars_format::scientific, kChiffres - 1).ptr;
    int n = 0;
    const char* p = buf.data();
    for (; p < fin && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') ch[n++] = *p;
    const int exp = std::atoi(p + 1);
#else
    int n = kChiffres;
    const int exp = chiffresExacts(m, ch);
#endif
    while (n > 1 && ch[n - 1] == '0') --n;
    const std::string_view chiffres(ch.data(), static_cast<std::size_t>(n));

    if (exp >= kChiffres || exp < -4) {
        r += chiffres.substr(0, 1);
        if (n > 1) { r += sep; r += chiffres.substr(1); }
        r += exp < 0 ? "E-" : "E+";
        const int ae = std::abs(exp);
        if (ae < 10) r += "0";
        r += std::to_string(ae);
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

double significatifs(double v, int n)
{
    if (v == 0 || !std::isfinite(v)) return v;
    const double q = std::pow(10.0, n - 1 - static_cast<int>(std::floor(std::log10(std::fabs(v)))));
    return std::isfinite(q) && std::isfinite(v * q) ? std::round(v * q) / q : v;
}

std::string dixieme(double v, std::string_view separateur) { return formeLisible(std::round(v * 10) / 10, separateur); }

std::string puissanceDix(double mantisse, int exposant, std::string_view separateur)
{
    static constexpr std::array<std::string_view, 10> kExposants{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string puissance(exposant < 0 ? "⁻" : "");
    for (const char c : std::to_string(std::abs(exposant))) puissance += kExposants[static_cast<std::size_t>(c - '0')];
    return tr(Texte::puissanceDix, {formeGenerale(mantisse, separateur).vue(), puissance});
}

std::string formeLisible(double v, std::string_view separateur)
{
    const double a = std::fabs(v);
    if (std::isfinite(v) && v != 0 && (a >= 1e9 || a < 1e-3)) {
        int exposant = static_cast<int>(std::floor(std::log10(a)));
        double mantisse = significatifs(v / std::pow(10.0, exposant), 4);
        if (std::fabs(mantisse) >= 10) mantisse /= 10, ++exposant;   // 9.9996 rounded up
        return puissanceDix(mantisse, exposant, separateur);
    }
    std::string t(formeGenerale(v, separateur).vue());
    const std::size_t debut = t.starts_with('-') ? 1 : 0;
    std::size_t fin = debut;
    while (fin < t.size() && t[fin] >= '0' && t[fin] <= '9') ++fin;
    // Grouped as the language groups ("6 130 000,5", "6,130,000.5"), by a
    // no-break space where its mark would be read as the decimal one.
    const std::string_view langue = tr(Texte::groupeChiffres);
    const std::string_view groupe = langue == separateur ? "\u00a0" : langue;
    if (fin - debut >= 5)
        for (std::size_t i = fin; i > debut + 3; i -= 3) t.insert(i - 3, groupe);
    return t;
}

} // namespace orbeline
