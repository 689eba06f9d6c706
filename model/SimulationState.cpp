#include "SimulationState.h"

namespace orbeline {

void assigneUnite(SimulationState& s, std::string_view texte)
{
    s.Unite.fill(' ');
    for (std::size_t i = 0; i < texte.size() && i < s.Unite.size(); ++i)
        s.Unite[i] = texte[i];
}

std::string_view unite(const SimulationState& s)
{
    return {s.Unite.data(), s.Unite.size()};
}

} // namespace orbeline
