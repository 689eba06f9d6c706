// The lenient reader against an independent reading: the text is normalised
// by hand (blanks dropped, the leading numeric part kept, a decimal comma as
// a point, D exponents as E, octal spelt in hexadecimal) and read by strtod,
// which rounds correctly. Where the reading stops is checked too.
#include "commun.h"
#include "lecture.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool hexa(char c) { return chiffre(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Octal digits to hexadecimal ones, three bits each, from the right.
std::string octalEnHexa(const std::string& o)
{
    std::string bits;
    for (char c : o)
        for (int b = 2; b >= 0; --b) bits += ((c - '0') >> b) & 1 ? '1' : '0';
    while (bits.size() % 4) bits.insert(bits.begin(), '0');
    std::string h;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        h += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return h;
}

double reference(const std::string& brut)
{
    std::string t;
    for (std::size_t i = 0; i < brut.size(); ++i) {
        const std::string_view r = std::string_view(brut).substr(i);
        if (r.starts_with("\u00a0")) ++i;
        else if (r.starts_with("\u202f") || r.starts_with("\u2009")) i += 2;
        else if (r[0] != ' ' && r[0] != '\t' && r[0] != '\n') t += r[0];
    }
    std::size_t i = 0;
    if (!t.empty() && t[0] == '&') {
        const char b = t.size() > 1 ? t[1] : '\0';
        std::string d;
        for (i = 2; i < t.size() && (b == 'h' || b == 'H' ? hexa(t[i]) : t[i] >= '0' && t[i] <= '7'); ++i)
            d += t[i];
        if ((b != 'h' && b != 'H' && b != 'o' && b != 'O') || d.empty()) return 0;
        if (b == 'o' || b == 'O') d = octalEnHexa(d);
        return std::strtod(("0x" + d).c_str(), nullptr);
    }
    std::string n;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) n += t[i++];
    bool vu = false;
    for (; i < t.size() && chiffre(t[i]); ++i) { n += t[i]; vu = true; }
    if (i < t.size() && (t[i] == '.' || (t[i] == ',' && i + 1 < t.size() && chiffre(t[i + 1])))) {
        n += '.';
        ++i;
        for (; i < t.size() && chiffre(t[i]); ++i) { n += t[i]; vu = true; }
    }
    if (!vu) return 0;
    if (i < t.size() && std::string_view("eEdD").find(t[i]) != std::string_view::npos) {
        std::string e = "e";
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) e += t[i++];
        const std::size_t debut = e.size();
        for (; i < t.size() && chiffre(t[i]); ++i) e += t[i];
        if (e.size() > debut) n += e;
    }
    return std::strtod(n.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(data), taille);
    const orbeline::Lecture l = orbeline::litNombre(texte);
    const double attendu = reference(texte);
    // Bit for bit: the sign of a zero counts too.
    orbeline::fuzz::exige(std::memcmp(&l.valeur, &attendu, sizeof attendu) == 0,
                          "lisNombre diffère de la lecture de référence");
    // Reading stops on a character that is not a blank, and the reading of the text up to it is the same.
    orbeline::fuzz::exige(l.arret <= texte.size() && orbeline::longueurBlanc(texte, l.arret) == 0,
                          "la lecture s'arrête sur un blanc");
    const double avant = orbeline::lisNombre(std::string_view(texte).substr(0, l.arret));
    orbeline::fuzz::exige(std::memcmp(&avant, &attendu, sizeof attendu) == 0,
                          "ce qui suit l'arrêt change la lecture");
    return 0;
}
