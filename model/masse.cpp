#include "masse.h"

#include "lecture.h"

#include <cmath>

namespace orbeline {

MasseRecrite recritMasse(std::string_view texte, std::string_view separateur)
{
    double v = std::fabs(lisNombre(texte));
    const bool tropGrande = !std::isfinite(v);
    if (tropGrande) v = 0;
    return {formeGenerale(v, separateur), tropGrande};
}

} // namespace orbeline
