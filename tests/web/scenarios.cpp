// What the desktop's procedures give for the browser tests' scenarios (scenarios.json): the same shell calls on
// the recording window, read from standard input one action a line, and for each "Fin" one JSON line with the
// impact captions, the message and the points' table (clipboard form). The browser test compares the page with it.
//   TextN=texte   typed into the field, one character at a time
//   OptionG=i     button i of group G clicked
//   Lancer        "Lancer", its star run to the end
//   Fin           the line of results
//   Menus         a line for each entry of the page's menus and each shortcut of the table, from a window of its own
//                 launched then set to its starting values, the satellite placed at the view's pixel 248, 124 and "5"
//                 typed into Vox since: the shell's answer to the page and the window after it
//   Graphes       every chart's box ticked, a launch, then a line for each chart: what the pointer in its middle reads
//   Disposition   a line for each control of the window: its element's place in pixels in its container
#include "FenetreEnregistree.h"
#include "actions.h"
#include "charts.h"
#include "principale.h"
#include "releve.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <utility>

using namespace orbeline;

namespace {

std::string json(std::string_view t)
{
    std::string r = "\"";
    char u[8];
    for (const char c : t) {
        if (c == '"' || c == '\\') r += '\\';
        if (static_cast<unsigned char>(c) < 0x20) std::snprintf(u, sizeof u, "\\u%04x", c), r += u;
        else r += c;
    }
    return r + "\"";
}

void menus()
{
    constexpr const char* kSortes[] = {"Rien", "Fichier", "Copie", "Image", "Impression", "Guide", "APropos"};
    for (const EntreeMenu& e : kMenus)
        for (const bool touche : {false, true}) {
            if (touche ? e.raccourci.empty() : !(e.interfaces & Page) || e.action == Action::Langue) continue;
            test::FenetreChargee w;
            w.f.separateur.assign(1, ',');   // the page under test speaks French
            w.lance();
            choisit(w.p, w.f, Action::ValeursDepart);   // as the page's test starts each entry
            const EtatSurface& vue = w.f.pic(1).etat();
            Picture1_MouseDown(w.p, w.f, 1, 0, static_cast<float>(vue.versUserX(248)), static_cast<float>(vue.versUserY(124)));
            w.f.ecritTexte(Champ::Text1, "5");
            const auto s = touche ? Form_KeyDown(w.p, w.f, e.raccourci, {}, Page) : choisit(w.p, w.f, e.action);
            const FichierAction* fichier = s ? s->fichier : nullptr;
            std::cout << "{\"legende\":" << json(tr(e.legende)) << ",\"menu\":" << json(tr(e.menu)) << ",\"raccourci\":"
                      << json(touche ? e.raccourci : "") << ",\"sorte\":" << json(s ? kSortes[int(s->sorte)] : "") << ",\"nom\":"
                      << json(fichier && fichier->nom ? tr(*fichier->nom) : "") << ",\"lecture\":" << (fichier && fichier->lecture)
                      << ",\"contenu\":" << json(s ? s->contenu : "") << ",\"champs\":[";
            for (int c = 0; c < 7; ++c) std::cout << (c ? "," : "") << json(w.f.texte(static_cast<Champ>(c)));
            std::cout << "],\"reglages\":[";   // the ticks in the menus' order
            const char* virgule = "";
            for (const EntreeMenu& m : kMenus)
                if (m.reglage) std::cout << std::exchange(virgule, ",") << w.p.reglages[static_cast<std::size_t>(*m.reglage)];
            std::cout << "]}\n";
        }
}

} // namespace

int main()
{
    test::FenetreChargee w;
    Principale& p = w.p;
    test::FenetreEnregistree& f = w.f;
    f.separateur.assign(1, ',');   // the page under test speaks French
    std::cout << std::boolalpha;
    std::string ligne;
    while (std::getline(std::cin, ligne)) {
        const std::size_t egal = ligne.find('=');
        if (ligne.starts_with("Text") && egal != std::string::npos) {
            const auto champ = static_cast<Champ>(std::stoi(ligne.substr(4, egal - 4)) - 1);
            const std::string texte = ligne.substr(egal + 1);
            // Select-all then each key: the first replaces the text.
            if (texte.empty()) f.ecritTexte(champ, "");
            for (std::size_t i = 1; i <= texte.size(); ++i)
                if (i == texte.size() || (static_cast<unsigned char>(texte[i]) & 0xc0) != 0x80)
                    f.ecritTexte(champ, texte.substr(0, i));
        } else if (ligne.starts_with("Option") && egal != std::string::npos) {
            f.choisitOption(static_cast<Groupe>(std::stoi(ligne.substr(6, egal - 6)) - 1), std::stoi(ligne.substr(egal + 1)));
        } else if (ligne == "Lancer") {
            w.lance();
        } else if (ligne == "Fin") {
            std::cout << "{\"label11\":" << json(f.etiquettes[Etiquette::ImpactTemps])
                      << ",\"label12\":" << json(f.etiquettes[Etiquette::ImpactVitesse]) << ",\"message\":" << json(f.message)
                      << ",\"table\":" << json(textePoints(p, formatCopie(f.separateur))) << "}\n";
        } else if (ligne == "Menus") {
            menus();
        } else if (ligne == "Graphes") {
            for (const Case c : {Case::Vitesse, Case::Xy, Case::Energie}) f.ecritCase(c, true);
            w.lance();
            for (const Graphe& g : kGraphes) {
                const EtatSurface& e = f.pic(g.picture).etat();
                const int x = e.largeurPx / 2, y = e.hauteurPx / 2;
                Graphe_MouseMove(p, f, g.picture, static_cast<float>(e.versUserX(x)), static_cast<float>(e.versUserY(y)));
                std::cout << "{\"titre\":" << json(tr(g.titre)) << ",\"boite\":" << json(tr(cherche(role(g.boite))->legende))
                          << ",\"x\":" << x << ",\"y\":" << y << ",\"bulle\":" << json(f.bulle) << "}\n";
            }
        } else if (ligne == "Disposition") {
            for (const Disposition& d : kDisposition) {
                const Place& q = d.place;
                const bool boite = d.genre == Genre::CaseACocher || d.genre == Genre::Option;
                std::cout << "{\"boite\":" << json(std::string(d.nom) + (boite ? "-boite" : "")) << ",\"cadre\":" << json(d.cadre)
                          << ",\"taille\":" << !(d.drapeaux & AutoTaille) << ",\"place\":[" << enPixels(q.gauche) << ","
                          << enPixels(q.haut) << "," << enPixels(q.largeur) << "," << enPixels(q.hauteur) << "]}\n";
            }
        } else if (!ligne.empty()) {
            std::cerr << "action inconnue : " << ligne << '\n';
            return 1;
        }
    }
    return 0;
}
