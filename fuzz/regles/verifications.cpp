#include "verifications.h"

#include "calcule.h"
#include "formes.h"

#include <cmath>

namespace orbeline::test {

std::string ecartCalcul(const SimulationState& s, std::string_view label11, std::string_view label12,
                        bool arrete)
{
    if (s.Nfin < 1 || s.Nfin > kPas) return "Nfin = " + std::to_string(s.Nfin);
    const auto nfin = static_cast<std::size_t>(s.Nfin);
    for (std::size_t i = 0; i <= nfin; ++i)
        for (const Tableau* t : {&s.Xt, &s.Yt, &s.Vxt, &s.Vyt})
            if (!std::isfinite((*t)[i])) return "valeur non finie au point " + std::to_string(i);
    if (arrete)
        return label11.empty() && label12.empty() ? "" : "légende d'impact après un calcul arrêté";

    // The impact test of step i looks at point i − 1.
    const double R = *arrondiPair32(s.Rayon * 1000);
    std::size_t impact = 0;
    for (std::size_t i = 1; i <= nfin && impact == 0; ++i)
        if (s.Xt[i - 1] * s.Xt[i - 1] + s.Yt[i - 1] * s.Yt[i - 1] < R * R) impact = i;
    if (impact == 0)
        return nfin == kPas && label11.empty() && label12.empty() ? "" : "Nfin ou légende sans impact";
    if (impact != nfin) return "impact au point " + std::to_string(impact) + ", Nfin " + std::to_string(nfin);

    const double pas = *arrondiPair32(s.dt / 10);
    const auto f = [](double x) { return std::string(formeSignee(x).vue()); };
    const std::string t = "Impact à t = " + f(static_cast<double>(s.Nfin) * pas) + " s";
    const std::string v = "Vx = " + f(std::floor(s.Vxt[nfin])) + " et Vy = " + f(std::floor(s.Vyt[nfin])) + "m/s";
    if (label11 != t) return "Label11 « " + std::string(label11) + " », attendu « " + t + " »";
    if (label12 != v) return "Label12 « " + std::string(label12) + " », attendu « " + v + " »";
    return "";
}

std::string ecartEtat(const EtatSurface& e)
{
    bool fini = std::isfinite(e.left) && std::isfinite(e.top) && std::isfinite(e.width) &&
                std::isfinite(e.height) && std::isfinite(e.currentX) && std::isfinite(e.currentY);
    for (const GeometrieControle& g : e.controles)
        fini = fini && std::isfinite(g.gauche) && std::isfinite(g.haut) && std::isfinite(g.largeur) &&
               std::isfinite(g.hauteur);
    return fini ? "" : "échelle, position ou contrôle non fini";
}

std::string ecartDessin(const FenetreEnregistree& f)
{
    for (std::size_t n = 0; n < f.pictures.size(); ++n) {
        const SurfaceEnregistree& p = *f.pictures[n];
        const std::string ou = "Picture" + std::to_string(n + 1) + " : ";
        for (const Appel& a : p.appels)
            for (double v : a.args)
                if (!std::isfinite(v)) return ou + a.op + " non fini";
        if (auto e = ecartEtat(p.etat()); !e.empty()) return ou + e;
    }
    return "";
}

} // namespace orbeline::test
