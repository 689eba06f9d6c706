#include "FenetreEnregistree.h"

#include "disposition.h"

#include <utility>

namespace orbeline::test {

FenetreEnregistree::FenetreEnregistree(Principale* p) : principale(p)
{
    // A picture area's inner area is its box less a 2-pixel sunken border.
    constexpr int kBord = 2;
    for (const Disposition& d : kDisposition) {
        const auto n = static_cast<std::size_t>(d.role.numero);
        if (d.role.sorte == Role::Sorte::Zone) {
            if (pictures.size() < n) pictures.resize(n);
            pictures[n - 1] = std::make_unique<SurfaceEnregistree>(enPixels(d.place.largeur) - 2 * kBord,
                                                                   enPixels(d.place.hauteur) - 2 * kBord);
        }
        if (d.role.sorte == Role::Sorte::Champ) textes[static_cast<Champ>(n)] = d.valeur;
        if (d.genre == Genre::Forme || d.genre == Genre::Etoile)
            pictures[0]->place(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile,
                               {double(enPixels(d.place.gauche)), double(enPixels(d.place.haut)), double(enPixels(d.place.largeur)),
                                double(enPixels(d.place.hauteur)), !(d.drapeaux & Cache)});
    }
}

void FenetreEnregistree::ecritTexte(Champ c, std::string_view t)
{
    if (textes[c] == t) return;
    textes[c] = std::string(t);
    ++changements[c];
    if (principale) Text_Change(*principale, *this, c);
}

void FenetreEnregistree::choisitOption(Groupe g, int index)
{
    const bool deja = std::exchange(choisies[static_cast<std::size_t>(g)], index) == index;
    if (principale) Option_Click(*principale, *this, g, index, deja);
}

void FenetreEnregistree::ecritCase(Case c, bool cochee)
{
    if (std::exchange(cases[static_cast<std::size_t>(c)], cochee ? 1 : 0) != (cochee ? 1 : 0) && principale)
        Case_Click(*principale, *this, c);
}

void FenetreEnregistree::laisseFiler()
{
    for (std::size_t deja = 0; principale && etapes.size() > deja;) {
        deja = etapes.size();
        etapeEtoile(*principale, *this);
    }
}

} // namespace orbeline::test
