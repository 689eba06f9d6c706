#include "lecture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

#if !defined(__cpp_lib_to_chars) || defined(ORBELINE_REPLI_NOMBRES)
// The browser build's library (emscripten's libc++) has no floating-point
// from_chars, and its strtod computes in 128-bit long doubles, emulated: 7 kB
// of the page. The digits' value is worked out exactly instead, in whole
// numbers of 32-bit limbs, then rounded half to even, as from_chars and strtod
// round. ORBELINE_REPLI_NOMBRES takes this path natively, so that the ordinary
// tests run it too.

// A whole number up to 2^4096, little-endian limbs.
struct Entier {
    std::array<std::uint32_t, 128> l{};
    std::size_t n = 0;

    void multiplie(std::uint32_t k, std::uint32_t plus = 0)
    {
        std::uint64_t retenue = plus;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t t = std::uint64_t{l[i]} * k + retenue;
            l[i] = static_cast<std::uint32_t>(t);
            retenue = t >> 32;
        }
        if (retenue > 0) l[n++] = static_cast<std::uint32_t>(retenue);
    }
    void decale(int bits)   // times 2^bits
    {
        for (; bits >= 32; bits -= 32) {
            for (std::size_t i = n; i > 0; --i) l[i] = l[i - 1];
            l[0] = 0;
            ++n;
        }
        if (bits > 0) multiplie(std::uint32_t{1} << bits);
    }
    void demi()   // halved, when even
    {
        for (std::size_t i = 0; i < n; ++i) l[i] = (l[i] >> 1) | (i + 1 < n ? l[i + 1] << 31 : 0);
        while (n > 0 && l[n - 1] == 0) --n;
    }
    int bits() const { return n == 0 ? 0 : static_cast<int>(32 * n) - std::countl_zero(l[n - 1]); }
    bool auMoins(const Entier& b) const
    {
        if (n != b.n) return n > b.n;
        for (std::size_t i = n; i-- > 0;)
            if (l[i] != b.l[i]) return l[i] > b.l[i];
        return true;
    }
    void retire(const Entier& b)   // b at most this
    {
        std::int64_t emprunt = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::int64_t t = std::int64_t{l[i]} - (i < b.n ? b.l[i] : 0) - emprunt;
            l[i] = static_cast<std::uint32_t>(t);
            emprunt = t < 0;
        }
        while (n > 0 && l[n - 1] == 0) --n;
    }
    // The 64 bits from bit `bas` up, and whether any bit below them is set.
    std::uint64_t haut(int bas, bool& reste) const
    {
        std::uint64_t h = 0;
        for (int b = bas + 63; b >= bas; --b) h = (h << 1) | bit(b);
        for (int b = 0; b < bas && !reste; ++b) reste = bit(b);
        return h;
    }
    bool bit(int b) const
    {
        const auto i = static_cast<std::size_t>(b / 32);
        return b >= 0 && i < n && (l[i] >> (b % 32) & 1);
    }
};

// (haut + a fraction, not zero when `reste`)·2^exposant, rounded half to even to a double.
double arrondi(std::uint64_t haut, int exposant, bool reste)
{
    const int premier = 63 - std::countl_zero(haut);   // its top bit
    const int e = premier + exposant;
    const int garde = e >= -1022 ? 53 : 1075 + e;       // bits kept, fewer below the normal range
    if (garde < 0) return 0;
    const int perdus = premier + 1 - garde;
    if (perdus <= 0) return std::ldexp(static_cast<double>(haut), exposant);
    std::uint64_t m = perdus == 64 ? 0 : haut >> perdus;
    const bool moitie = haut >> (perdus - 1) & 1;
    reste = reste || (haut & ((std::uint64_t{1} << (perdus - 1)) - 1)) != 0;
    if (moitie && (reste || (m & 1))) ++m;
    return std::ldexp(static_cast<double>(m), exposant + perdus);
}

// The value of `chiffres` (no leading zero) times 10^exposant, correctly rounded.
double valeurExacte(std::string_view chiffres, std::int64_t exposant)
{
    const std::int64_t ordre = exposant + static_cast<std::int64_t>(chiffres.size());
    if (ordre > 310) return std::numeric_limits<double>::infinity();
    if (ordre < -325) return 0;
    Entier d;
    for (const char c : chiffres) d.multiplie(10, static_cast<std::uint32_t>(c - '0'));
    const auto puissance = [](Entier& x, std::int64_t dix) {   // times 10^dix
        for (; dix > 0; dix -= 9) {
            std::uint32_t p = 1;
            for (std::int64_t i = std::min<std::int64_t>(dix, 9); i > 0; --i) p *= 10;
            x.multiplie(p);
        }
    };
    bool reste = false;
    if (exposant >= 0) {
        puissance(d, exposant);
        const int bas = std::max(d.bits() - 64, 0);
        const std::uint64_t haut = d.haut(bas, reste);
        return arrondi(haut, bas, reste);
    }
    // d / 10^f: a quotient of 63 or 64 bits by long division, the remainder as `reste`.
    Entier v;
    v.l[v.n++] = 1;
    puissance(v, -exposant);
    const int k = 63 + v.bits() - d.bits();
    if (k >= 0) d.decale(k);
    else v.decale(-k);
    v.decale(63);
    std::uint64_t q = 0;
    for (int i = 63; i >= 0; --i, v.demi())
        if (d.auMoins(v)) {
            d.retire(v);
            q |= std::uint64_t{1} << i;
        }
    return arrondi(q, -k, d.n > 0);
}
#endif

} // namespace

int valeurChiffre(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

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

    // The digits go into a fixed buffer handed to from_chars (or valeurExacte),
    // which rounds correctly and ignores the locale. No halfway point between two doubles
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
#if defined(__cpp_lib_to_chars) && !defined(ORBELINE_REPLI_NOMBRES)
    // Write "digits e exponent" and let from_chars do the rounding.
    buf[n] = 'e';
    char* const fin = std::to_chars(buf.data() + n + 1, buf.data() + buf.size() - 1, exposant).ptr;
    double v = 0;
    if (std::from_chars(buf.data(), fin, v).ec == std::errc::result_out_of_range) {
        // Overflow or underflow: the magnitude of the number decides which.
        const std::int64_t ordre = exposant + static_cast<std::int64_t>(n);
        v = ordre > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
#else
    const double v = valeurExacte(std::string_view(buf.data(), n), exposant);
#endif
    return {negatif ? -v : v, true, arret};
}

} // namespace orbeline
