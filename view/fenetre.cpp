#include "fenetre.h"

#include "formes.h"
#include "langue.h"

#include <cmath>

namespace orbeline {

std::string texteLancements(const TableLancements& t, const FormatTable& f)
{
    std::string s(tr(Texte::colonneLancement));
    s.append(f.separateurChamp).append(tr(Texte::colonneCouleur));
    // Appended in place, without a temporary string for a unit or a number.
    for (const TableLancements::Colonne& c : t.colonnes) {
        s.append(f.separateurChamp).append(c.nom);
        if (!c.unite.empty()) s.append(" (").append(c.unite).append(")");
    }
    for (const TableLancements::Rangee& r : t.rangees) {
        s.append("\n").append(std::to_string(r.numero)).append(f.separateurChamp).append(r.nomCouleur);
        for (std::size_t k = 0; k < r.cellules.size(); ++k) {
            const double v = k < r.valeurs.size() ? r.valeurs[k] : NAN;
            s.append(f.separateurChamp);
            if (std::isnan(v)) s.append(r.cellules[k]);
            else s.append(formeGenerale(v, f.separateurDecimal).vue());
        }
    }
    for (const std::string& n : t.notes) s.append("\n").append(n);
    s += '\n';
    return s;
}

void Fenetre::ecritLancements(const TableLancements& t) { ecritEtiquette(Etiquette::Legende, texteLancements(t, formatCopie("."))); }

} // namespace orbeline
