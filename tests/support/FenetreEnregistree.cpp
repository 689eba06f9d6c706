#include "FenetreEnregistree.h"

namespace orbeline::test {

FenetreEnregistree::FenetreEnregistree(Principale* p) : principale(p)
{
    pictures[0] = std::make_unique<SurfaceEnregistree>(496, 496);
    for (std::size_t i = 1; i < 6; ++i) pictures[i] = std::make_unique<SurfaceEnregistree>(86, 86);
    pictures[0]->etat.geo(Controle::Sat) = {352, 32, 9, 9, true};
    pictures[0]->etat.geo(Controle::Etoile) = {0, 0, 14, 12, false};
    textes = {{Champ::Text1, "0"}, {Champ::Text2, "0"}, {Champ::Text3, "-30000"},
              {Champ::Text4, "0"}, {Champ::Text5, "6.00"}, {Champ::Text6, "864"},
              {Champ::Text7, "30000"}};
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

bool FenetreEnregistree::estVisible(Element e) const { return visibles.contains(e) && visibles.at(e); }

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
