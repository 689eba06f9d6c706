#pragma once
// A main-window double: six recording surfaces, field texts, captions, check
// boxes and chart visibility, with the layout sizes of the real window.

#include "SurfaceEnregistree.h"
#include "SimulationState.h"
#include "fenetre.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace orbeline::test {

class FenetreEnregistree : public Fenetre {
public:
    /// Picture1 496 × 496 px inner area, charts 86 × 86; Sat 9 × 9 px at
    /// (352, 32), starbleue 14 × 12 px at (0, 0), hidden; the window's initial texts.
    FenetreEnregistree();

    std::array<std::unique_ptr<SurfaceEnregistree>, 6> pictures;  ///< Picture1..Picture6
    std::map<Champ, std::string> textes;        ///< field texts
    std::map<Etiquette, std::string> etiquettes; ///< label captions
    std::map<Element, bool> visibles;           ///< chart areas and captions shown
    std::array<int, 2> cases{0, 0};             ///< vitesse, xy values
    bool xyActif = true;                        ///< xy enabled
    std::string separateur = ".";               ///< regional decimal separator
    std::map<Champ, int> changements;           ///< change handlers run per field
    std::function<void(Champ)> surChangement;   ///< change handler (e.g. runs init)

    SurfaceEnregistree& pic(int n) { return *pictures[static_cast<std::size_t>(n - 1)]; }  ///< Picture n, from 1

    Surface& picture(int numero) override { return pic(numero); }
    std::string texte(Champ c) const override;
    void ecritTexte(Champ c, std::string_view texte) override;
    void ecritEtiquette(Etiquette e, std::string_view texte) override;
    void activeXy(bool actif) override { xyActif = actif; }
    int valeurCase(Case c) const override { return cases[static_cast<std::size_t>(c)]; }
    bool estVisible(Element e) const override;
    void setVisible(Element e, bool v) override { visibles[e] = v; }
    std::string separateurDecimal() const override { return separateur; }
};

} // namespace orbeline::test
