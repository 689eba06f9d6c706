#include "surface.h"

#include <array>

namespace orbeline {

Couleur couleurPalette(int index)
{
    static constexpr std::array<Couleur, 16> kPalette{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    return kPalette[static_cast<std::size_t>(index & 15)];
}

Couleur contrastee(Couleur c)
{
    // Rec. 601 luma; a washed-out projector still shows 0.45 on white.
    constexpr double kPlafond = 0.45 * 255;
    const double luma = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
    if (luma <= kPlafond || c == Couleur{255, 255, 255}) return c;
    const double k = kPlafond / luma;
    const auto f = [k](std::uint8_t v) { return static_cast<std::uint8_t>(v * k + 0.5); };
    return {f(c.r), f(c.g), f(c.b)};
}

double largeurTexte(std::string_view t, double corps)
{
    double em = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto u = static_cast<unsigned char>(t[i]);
        if (u >= 0x80) {
            if ((u & 0xc0) != 0xc0) continue;   // counted at its first byte
            // The code point of two or three bytes.
            const auto suite = [&](std::size_t k) { return i + k < t.size() ? static_cast<unsigned char>(t[i + k]) & 0x3f : 0; };
            const unsigned c = u < 0xe0 ? (u & 0x1f) << 6 | suite(1) : (u & 0x0f) << 12 | suite(1) << 6 | suite(2);
            const bool exposant = c == 0xb2 || c == 0xb3 || c == 0xb9 || (c >= 0x2070 && c <= 0x207f);
            em += c == 0xa0 || c == 0x202f ? 0.34 : exposant ? 0.42 : c == 0xd7 ? 0.84 : 0.7;
        } else if (t[i] == ' ' || t[i] == '.' || t[i] == ',' || t[i] == ':' || t[i] == ';' || t[i] == '\'' || t[i] == 'i' ||
                   t[i] == 'l' || t[i] == 'j') {
            em += 0.34;
        } else if (t[i] == 'm' || t[i] == 'w' || t[i] == 'M' || t[i] == 'W' || t[i] == '%') {
            em += 1.0;
        } else if (t[i] == '(' || t[i] == ')' || t[i] == '/' || t[i] == 'f' || t[i] == 't' || t[i] == 'r' || t[i] == '-') {
            em += 0.42;
        } else {
            em += t[i] >= 'A' && t[i] <= 'Z' ? 0.76 : 0.64;
        }
    }
    return em * corps;
}

void centre(Surface& s, Controle c, double x, double y)
{
    const float w = s.largeur(c);
    const float h = s.hauteur(c);
    s.deplace(c, enFloat(x - w / 2.0), enFloat(y + h / 2.0));
}

} // namespace orbeline
