#include "FenetreEnregistree.h"

#include "disposition.h"

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
            pictures[0]->etat.geo(d.genre == Genre::Forme ? Controle::Sat : Controle::Etoile) = {
                double(enPixels(d.place.gauche)), double(enPixels(d.place.haut)), double(enPixels(d.place.largeur)),
                double(enPixels(d.place.hauteur)), !(d.drapeaux & Cache)};
    }
}

std::string FenetreEnregistree::texte(Champ c) const { return textes.contains(c) ? textes.at(c) : std::string(); }

void FenetreEnregistree::ecritTexte(Champ c, std::string_view t)
{
    if (textes[c] == t) return;
    textes[c] = std::string(t);
    ++changements[c];
    if (principale) Text_Change(*principale, *this, c);
}

void FenetreEnregistree::ecritEtiquette(Etiquette e, std::string_view t) { etiquettes[e] = std::string(t); }

bool FenetreEnregistree::estVisible(Role r) const { return visibles.contains(r) && visibles.at(r); }

void FenetreEnregistree::choisitOption(Groupe g, int index)
{
    int& choisie = choisies[static_cast<std::size_t>(g)];
    const bool deja = choisie == index;
    choisie = index;
    if (principale) Option_Click(*principale, *this, g, index, deja);
}

void FenetreEnregistree::ecritCase(Case c, bool cochee)
{
    int& valeur = cases[static_cast<std::size_t>(c)];
    if (valeur == (cochee ? 1 : 0)) return;
    valeur = cochee ? 1 : 0;
    if (principale) Case_Click(*principale, *this, c);
}

void FenetreEnregistree::laisseFiler()
{
    for (std::size_t deja = 0; principale && etapes.size() > deja;) {
        deja = etapes.size();
        etapeEtoile(*principale, *this);
    }
}

} // namespace orbeline::test
