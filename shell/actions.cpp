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
    // One answer filled in by the entry, rather than one built at each return.
    Sortie s;
    switch (a) {
    case Action::EnregistrerSituation: s.contenu = texteFichier(situationCourante(p, f)); [[fallthrough]];
    case Action::OuvrirSituation: s.sorte = Sortie::Sorte::Fichier; break;
    case Action::EnregistrerPoints:
    case Action::CopierPoints:
    case Action::CopierLancements: {
        // The points to a file or the clipboard, the launches' table to the clipboard: one path for the three.
        const std::string sep = f.separateurDecimal();
        const bool fichier = a == Action::EnregistrerPoints;
        const FormatTable format = fichier ? formatCsv(sep) : formatCopie(sep);
        s.sorte = fichier ? Sortie::Sorte::Fichier : Sortie::Sorte::Copie;
        s.contenu = a == Action::CopierLancements ? texteLancements(tableLancements(p, sep), format) : textePoints(p, format);
        break;
    }
    case Action::EnregistrerImage:
    case Action::Imprimer:
        acheveLancement(p, f);   // the picture as it ends, star gone and charts drawn
        s.sorte = a == Action::Imprimer ? Sortie::Sorte::Impression : Sortie::Sorte::Image;
        break;
    case Action::Quitter: Command2_Click(p, f); break;
    case Action::CopierLien:
        s.sorte = Sortie::Sorte::Copie;
        s.contenu = texteLien(situationCourante(p, f));
        s.lien = true;
        break;
    case Action::ValeursDepart: appliqueSituation(p, f, situationDepart()); break;
    case Action::Guide: s.sorte = Sortie::Sorte::Guide; break;
    case Action::APropos: s.sorte = Sortie::Sorte::APropos; break;
    case Action::Langue: break;   // each language's entry calls changeLangue
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
    case Action::Rejeu6h: basculeReglage(p, f, *e.reglage); break;
    case Action::Rejouer: Rejouer(p, f); break;
    case Action::PointSuivant:
    case Action::PointPrecedent:
    case Action::AnnulerPlacement: break;
    }
    // Only the files' entries name their dialog.
    if (s.sorte == Sortie::Sorte::Fichier || s.sorte == Sortie::Sorte::Image) s.fichier = e.fichier ? &*e.fichier : nullptr;
    return s;
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
