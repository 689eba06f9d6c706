#pragma once
// A main-window double: six recording surfaces, field texts, captions, option buttons, check boxes and chart
// visibility, with the layout sizes of the real window. Bound to a Principale, it runs the window's procedures as
// the real window's events do: a field written runs its change handler, an option selected its click handler;
// the star's timer is run by the test.

#include "SurfaceEnregistree.h"
#include "fenetre.h"
#include "principale.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orbeline::test {

class FenetreEnregistree : public Fenetre {
public:
    /// The picture areas, Sat and starbleue where the layout has them (Picture1's
    /// inner area 496 × 496 px, the charts' 86 × 86); the window's initial texts.
    explicit FenetreEnregistree(Principale* principale = nullptr);

    Principale* principale;                     ///< whose procedures the events run, if any
    std::vector<std::unique_ptr<SurfaceEnregistree>> pictures;  ///< Picture1, Picture2…
    std::map<Champ, std::string> textes;        ///< field texts
    std::map<Etiquette, std::string> etiquettes; ///< label captions
    std::map<Role, bool> visibles;             ///< chart areas and captions shown
    std::array<int, 3> cases{0, 0, 0};          ///< vitesse, xy, energie values
    std::array<int, 3> choisies{1, 0, 0};       ///< the selected button of Option1, Option2, Option3
    bool xyActif = true;                        ///< xy enabled
    std::string separateur = ".";               ///< regional decimal separator
    std::string titre = "orbelines";            ///< the window's title
    std::string message;                        ///< the strip under the orbit view
    std::vector<std::string> consignes;         ///< what to observe, each time it was shown
    std::string bulle;                          ///< the tooltip over a picture area
    int bulleSur = 1;                           ///< the area the tooltip was last shown over
    std::array<bool, kNombreReglages> reglages{};   ///< the options as the menu shows them
    int largeur = 11880;                        ///< the client area's width, twips
    bool points = false;                        ///< the export entries enabled
    std::vector<int> etapes;                    ///< every delay asked for the star's next frame
    std::map<Champ, int> changements;           ///< change handlers run per field
    bool fini = false;                          ///< the program ended ("Quitter")

    SurfaceEnregistree& pic(int n) { return *pictures[static_cast<std::size_t>(n - 1)]; }  ///< Picture n, from 1
    /// Runs the star's pending frames, as the timer would.
    void laisseFiler();

    Surface& picture(int numero) override { return pic(numero); }
    int nombrePictures() const override { return static_cast<int>(pictures.size()); }
    std::string texte(Champ c) const override { return textes.contains(c) ? textes.at(c) : std::string(); }
    void ecritTexte(Champ c, std::string_view texte) override;
    void ecritEtiquette(Etiquette e, std::string_view t) override { etiquettes[e] = t; }
    void activeXy(bool actif) override { xyActif = actif; }
    int valeurCase(Case c) const override { return cases[static_cast<std::size_t>(c)]; }
    void ecritCase(Case c, bool cochee) override;
    bool estVisible(Role r) const override { return visibles.contains(r) && visibles.at(r); }
    void setVisible(Role r, bool v) override { visibles[r] = v; }
    std::string separateurDecimal() const override { return separateur; }
    bool optionChoisie(Groupe g, int index) const override { return choisies[static_cast<std::size_t>(g)] == index; }
    void choisitOption(Groupe g, int index) override;
    void ecritTitre(std::string_view t) override { titre = t; }
    void ecritMessage(std::string_view t) override { message = t; }
    void montreConsigne(std::string_view t) override { consignes.emplace_back(t); }
    void montreBulle(std::string_view t, int picture = 1) override { bulle = t, bulleSur = picture; }
    void ecritReglage(Reglage r, bool actif) override { reglages[static_cast<std::size_t>(r)] = actif; }
    void largeurClient(int twips) override { largeur = twips; }
    void pointsDisponibles(bool oui) override { points = oui; }
    void programmeEtape(int millisecondes) override { etapes.push_back(millisecondes); }
    void quitte() override { fini = true; }
    void retraduit() override {}
};

/// A column of the launches' table by its name, a number per launch (NaN where it has none).
inline std::vector<double> colonne(const TableLancements& t, std::string_view nom)
{
    std::vector<double> v;
    for (std::size_t c = 0; c < t.colonnes.size(); ++c)
        if (t.colonnes[c].nom == nom)
            for (const TableLancements::Rangee& r : t.rangees) v.push_back(r.valeurs.at(c));
    return v;
}

/// A main window right after loading, its procedures bound to the recording window.
struct FenetreChargee {
    Principale p;
    FenetreEnregistree f{&p};
    SimulationState& s = p.etat;         ///< the record
    SurfaceEnregistree& p1 = f.pic(1);   ///< the orbit view
    FenetreChargee() { Form_Load(p, f); }
    /// "Lancer", its star run to the end.
    void lance() { Command1_Click(p, f); f.laisseFiler(); }
};

} // namespace orbeline::test
