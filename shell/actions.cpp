#include "actions.h"

#include "legende.h"
#include "physique.h"
#include "releve.h"
#include "situation.h"

namespace orbeline {

bool possible(const Principale& p, Action a)
{
    // A step needs a replay: without one, the arrow keys are the controls' own.
    if (a == Action::PointSuivant || a == Action::PointPrecedent) return p.rejeu.actif;
    // Nothing to undo: Ctrl+Z is the field's own.
    if (a == Action::AnnulerPlacement) return p.placement.possible;
    return !entree(a).besoinPoints || !p.releve.estVide();
}

Sortie choisit(Principale& p, Fenetre& f, Action a)
{
    if (a == Action::PointSuivant || a == Action::PointPrecedent) {
        pointRejeu(p, f, a == Action::PointSuivant ? 1 : -1);   // says why when there is no replay
        return {};
    }
    if (a == Action::AnnulerPlacement) {
        annulePlacement(p, f);   // says why when there is nothing to undo
        return {};
    }
    if (!possible(p, a)) return {};
    const EntreeMenu& e = entree(a);
    const FichierAction* fichier = e.fichier ? &*e.fichier : nullptr;
    switch (a) {
    case Action::OuvrirSituation: return {.sorte = Sortie::Sorte::Fichier, .fichier = fichier};
    case Action::EnregistrerSituation:
        return {.sorte = Sortie::Sorte::Fichier, .fichier = fichier, .contenu = texteFichier(situationCourante(p, f))};
    case Action::EnregistrerPoints:
        return {.sorte = Sortie::Sorte::Fichier, .fichier = fichier,
                .contenu = textePoints(p, formatCsv(f.separateurDecimal()))};
    case Action::EnregistrerImage:
        acheveLancement(p, f);   // the picture as it ends, star gone and charts drawn
        return {.sorte = Sortie::Sorte::Image, .fichier = fichier};
    case Action::Imprimer:
        acheveLancement(p, f);
        return {.sorte = Sortie::Sorte::Impression};
    case Action::Quitter: Command2_Click(p, f); return {};
    case Action::CopierPoints:
        return {.sorte = Sortie::Sorte::Copie, .contenu = textePoints(p, formatCopie(f.separateurDecimal()))};
    case Action::CopierLancements:
        return {.sorte = Sortie::Sorte::Copie,
                .contenu = texteLancements(tableLancements(p, f.separateurDecimal()), formatCopie(f.separateurDecimal()))};
    case Action::CopierLien:
        return {.sorte = Sortie::Sorte::Copie, .contenu = texteLien(situationCourante(p, f)), .lien = true};
    case Action::ValeursDepart: appliqueSituation(p, f, situationDepart()); return {};
    case Action::Guide: return {.sorte = Sortie::Sorte::Guide};
    case Action::APropos: return {.sorte = Sortie::Sorte::APropos};
    case Action::Langue: return {};   // each language's entry calls changeLangue
    case Action::ColorisLancements:
    case Action::ValeursGraphes:
    case Action::Projection:
    case Action::VecteurVitesse:
    case Action::VecteursVitesse:
    case Action::VariationVitesse:
    case Action::Force:
    case Action::OrbiteExacte:
    case Action::Kepler:
    case Action::Pause:
    case Action::Rejeu10min:
    case Action::Rejeu1h:
    case Action::Rejeu6h: basculeReglage(p, f, *e.reglage); return {};
    case Action::Rejouer: Rejouer(p, f); return {};
    case Action::PointSuivant:
    case Action::PointPrecedent:
    case Action::AnnulerPlacement: return {};
    }
    return {};
}

std::optional<Sortie> Form_KeyDown(Principale& p, Fenetre& f, std::string_view touche,
                                   std::optional<Commande> avecFocus, Interface i)
{
    if (touche == "Enter" || touche == "Return") {
        toucheEntree(p, f, avecFocus);
        return Sortie{};
    }
    for (const EntreeMenu& e : kMenus)
        if ((e.interfaces & i) && !e.raccourci.empty() && e.raccourci == touche) {
            if ((e.action == Action::PointSuivant || e.action == Action::PointPrecedent ||
                 e.action == Action::AnnulerPlacement) && !possible(p, e.action))
                return std::nullopt;   // the arrow keys and Ctrl+Z go on to whatever takes them
            return choisit(p, f, e.action);
        }
    return std::nullopt;
}

std::string ouvreSituation(Principale& p, Fenetre& f, std::string_view contenu)
{
    const LectureSituation l = lisFichier(contenu);
    return appliqueLecture(p, f, l) ? std::string() : l.erreur;
}

} // namespace orbeline
