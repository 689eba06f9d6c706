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

void centre(Surface& s, Controle c, double x, double y)
{
    const float w = s.largeur(c);
    const float h = s.hauteur(c);
    s.deplace(c, enFloat(x - w / 2.0), enFloat(y + h / 2.0));
}

} // namespace orbeline
