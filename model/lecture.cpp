#include "lecture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace orbeline {
namespace {

// Past this the exponent stops growing: still far beyond the double range
// once any text's worth of digits has shifted it back.
constexpr std::int64_t kExposantMax = 100'000'000'000'000'000;

// Walks the text while skipping the blanks.
struct Curseur {
    std::string_view t;
    std::size_t i = 0;

    char courant()
    {
        for (std::size_t n; i < t.size() && (n = longueurBlanc(t, i)) > 0;) i += n;
        return i < t.size() ? t[i] : '\0';
    }
    void avance() { ++i; }
    /// Where the reading stopped: the next character that is not a blank.
    std::size_t arret()
    {
        courant();
        return i;
    }
};

bool chiffre(char c) { return c >= '0' && c <= '9'; }

int valeurChiffre(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// A whole number in base 16 or 8, correctly rounded: the first 61 bits or
// more go into an integer; later digits only count as a power of two and,
// when not zero, as a sticky bit far below the rounding one.
double lisEntierBase(Curseur& cur, int base)
{
    const int bits = base == 16 ? 4 : 3;
    std::uint64_t m = 0;
    int exces = 0;
    bool reste = false;
    for (int d; (d = valeurChiffre(cur.courant(), base)) >= 0; cur.avance()) {
        if (m >> (64 - bits) == 0) {
            m = (m << bits) | static_cast<std::uint64_t>(d);
        } else {
            if (exces < 100000) exces += bits;   // far past the double range already
            reste = reste || d != 0;
        }
    }
    if (reste) m |= 1;
    return std::ldexp(static_cast<double>(m), exces);
}

} // namespace

std::size_t longueurBlanc(std::string_view t, std::size_t i)
{
    const std::string_view r = t.substr(i);
    if (!r.empty() && (r[0] == ' ' || r[0] == '\t' || r[0] == '\n')) return 1;
    if (r.starts_with("\u00a0")) return 2;
    if (r.starts_with("\u202f") || r.starts_with("\u2009")) return 3;
    return 0;
}

std::string_view sansBlancs(std::string_view t)
{
    for (std::size_t n; !t.empty() && (n = longueurBlanc(t, 0)) > 0;) t.remove_prefix(n);
    // A blank is 3 bytes at most: look back for one that ends the text.
    for (bool encore = true; encore;) {
        encore = false;
        for (std::size_t n = 1; n <= std::min<std::size_t>(3, t.size()) && !encore; ++n)
            if (longueurBlanc(t, t.size() - n) == n) {
                t.remove_suffix(n);
                encore = true;
            }
    }
    return t;
}

Lecture litNombre(std::string_view texte)
{
    Curseur cur{texte};

    if (cur.courant() == '&') {
        cur.avance();
        const char b = cur.courant();
        if (b != 'h' && b != 'H' && b != 'o' && b != 'O') return {0, false, cur.arret()};
        cur.avance();
        const std::size_t debut = cur.arret();
        const double v = lisEntierBase(cur, b == 'h' || b == 'H' ? 16 : 8);
        return {v, cur.arret() > debut, cur.arret()};
    }

    // The digits go into a fixed buffer handed to from_chars, which rounds
    // correctly and ignores the locale. No halfway point between two doubles
    // has more than 767 significant digits, so the first kGarde digits and
    // one sticky digit standing for all the others round as the whole text.
    constexpr std::size_t kGarde = 800;
    std::array<char, kGarde + 32> buf{};
    std::size_t n = 0;
    bool negatif = false;

    if (const char s = cur.courant(); s == '+' || s == '-') {
        negatif = (s == '-');
        cur.avance();
    }

    std::int64_t decalage = 0;   // power of ten owed to dropped or fractional digits
    bool lu = false;             // a digit was read
    bool reste = false;          // a non-zero digit was dropped
    for (char c; chiffre(c = cur.courant()); cur.avance()) {
        lu = true;
        if (c == '0' && n == 0) continue;
        if (n < kGarde) buf[n++] = c;
        else { ++decalage; reste = reste || c != '0'; }
    }
    // A comma is a decimal separator only before a digit: "6," ends at the comma.
    const auto virguleDecimale = [&] {
        Curseur apres = cur;
        apres.avance();
        return chiffre(apres.courant());
    };
    if (const char s = cur.courant(); s == '.' || (s == ',' && virguleDecimale())) {
        cur.avance();
        for (char c; chiffre(c = cur.courant()); cur.avance()) {
            lu = true;
            if (c == '0' && n == 0) { --decalage; continue; }
            if (n < kGarde) { buf[n++] = c; --decalage; }
            else reste = reste || c != '0';
        }
    }
    if (!lu) return {0, false, cur.arret()};
    if (reste) { buf[n++] = '1'; --decalage; }

    std::int64_t exposant = 0;
    if (const char e = cur.courant(); e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        cur.avance();
        bool expNegatif = false;
        if (const char s = cur.courant(); s == '+' || s == '-') {
            expNegatif = (s == '-');
            cur.avance();
        }
        for (char c; chiffre(c = cur.courant()); cur.avance())
            if (exposant < kExposantMax) exposant = exposant * 10 + (c - '0');
        if (expNegatif) exposant = -exposant;
    }
    const std::size_t arret = cur.arret();
    if (n == 0) return {negatif ? -0.0 : 0.0, true, arret};

    exposant += decalage;
    // Write "digits e exponent" and let from_chars do the rounding.
    buf[n] = 'e';
    char* const fin = std::to_chars(buf.data() + n + 1, buf.data() + buf.size() - 1, exposant).ptr;
#if defined(__cpp_lib_to_chars) && !defined(ORBELINE_REPLI_NOMBRES)
    double v = 0;
    if (std::from_chars(buf.data(), fin, v).ec == std::errc::result_out_of_range) {
        // Overflow or underflow: the magnitude of the number decides which.
        const std::int64_t ordre = exposant + static_cast<std::int64_t>(n);
        v = ordre > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
#else
    // The browser build's library (emscripten's libc++) has no floating-point
    // from_chars. strtod rounds as correctly, the text holds no point nor
    // sign for a locale to change, and out of range it already gives
    // infinity or zero. ORBELINE_REPLI_NOMBRES takes this path natively, so
    // that the ordinary tests run it too.
    *fin = '\0';
    const double v = std::strtod(buf.data(), nullptr);
#endif
    return {negatif ? -v : v, true, arret};
}

} // namespace orbeline
