// TEMPORARY SCAFFOLD — a smoke page for the browser build, replaced by the
// front end built from the window's layout table, whose launch sequence
// comes from the shell layer. It only places the six picture areas and
// lets "Lancer" (page.html) run, for now, Form_Load, init, calcule, Trace
// and TraceVitesse through a minimal window, the impact captions going to
// the page's `Label11` and `Label12`. Both chart groups count as checked,
// so that a launch draws on all six areas.
#include "SurfaceCanvas.h"

#include "SimulationState.h"
#include "calcule.h"
#include "charts.h"
#include "fenetre.h"
#include "init.h"
#include "vue.h"

#include <emscripten.h>

#include <array>
#include <memory>
#include <string>

namespace orbeline {
namespace {

// Sets the text of the page element of that id, if there is one; never markup.
EM_JS(void, ecritElement, (const char* id, const char* texte, int n), {
    const e = document.getElementById(UTF8ToString(id));
    if (e) e.textContent = UTF8ToString(texte, n);
});

class FenetreEssai final : public Fenetre {
public:
    FenetreEssai()
    {
        // The six areas where the window has them, in twips (15 a CSS pixel).
        struct Place { const char* id; const char* nom; int g, h, l, ht; };
        static constexpr std::array<Place, 6> kPlaces{{
            {"Picture1", "Vue de l'orbite", 90, 720, 7500, 7500},
            {"Picture2", "Vx(t)", 7740, 5100, 1350, 1350},
            {"Picture3", "Vy(t)", 9180, 5100, 1350, 1350},
            {"Picture4", "V(t)", 10560, 5100, 1350, 1350},
            {"Picture5", "X(t)", 7740, 6660, 1350, 1350},
            {"Picture6", "Y(t)", 9180, 6660, 1350, 1350},
        }};
        for (std::size_t i = 0; i < kPlaces.size(); ++i) {
            const Place& p = kPlaces[i];
            surfaces_[i] = std::make_unique<SurfaceCanvas>(p.id, p.nom, p.g / 15, p.h / 15, p.l / 15, p.ht / 15);
        }
    }

    SimulationState etat;

    Surface& picture(int numero) override { return *surfaces_.at(static_cast<std::size_t>(numero - 1)); }
    std::string texte(Champ c) const override { return textes_[static_cast<std::size_t>(c)]; }
    void ecritTexte(Champ c, std::string_view t) override { textes_[static_cast<std::size_t>(c)] = t; }
    void ecritEtiquette(Etiquette e, std::string_view t) override
    {
        static constexpr std::array<const char*, 7> kIds{"Label3", "Label4", "Label9", "Label10",
                                                        "Label11", "Label12", "Label14"};
        ecritElement(kIds[static_cast<std::size_t>(e)], t.data(), static_cast<int>(t.size()));
    }
    void activeXy(bool) override {}
    int valeurCase(Case) const override { return 1; }
    bool estVisible(Element) const override { return true; }
    void setVisible(Element, bool) override {}
    std::string separateurDecimal() const override { return "."; }
    bool optionChoisie(Groupe g, int index) const override { return g == Groupe::Option1 ? index == 1 : index == 0; }
    void choisitOption(Groupe, int) override {}
    void ecritCase(Case, bool) override {}
    void ecritTitre(std::string_view) override {}
    void ecritMessage(std::string_view t) override { ecritElement("message", t.data(), static_cast<int>(t.size())); }
    void montreBulle(std::string_view) override {}
    void pointsDisponibles(bool) override {}
    void programmeEtape(int) override {}
    void quitte() override {}

private:
    std::array<std::unique_ptr<SurfaceCanvas>, 6> surfaces_;
    std::array<std::string, 7> textes_{"0", "0", "-30000", "0", "6.00", "864", "30000"};
};

FenetreEssai& fenetre()
{
    static FenetreEssai f;
    return f;
}

void montre(std::string_view message) { ecritElement("message", message.data(), static_cast<int>(message.size())); }

} // namespace
} // namespace orbeline

using namespace orbeline;

// "Lancer": the load procedure, then the launch, as the desktop runs them.
extern "C" EMSCRIPTEN_KEEPALIVE void lancer()
{
    FenetreEssai& f = fenetre();
    Form_Load(f.etat, f);
    for (int n = 2; n <= 6; ++n) f.picture(n).cls();
    const std::string t1 = f.texte(Champ::Text1), t2 = f.texte(Champ::Text2), t3 = f.texte(Champ::Text3),
                      t4 = f.texte(Champ::Text4), t5 = f.texte(Champ::Text5), t6 = f.texte(Champ::Text6);
    const CompteRendu ci = init(f.etat, {t1, t2, t3, t4, t5, t6, false, true});
    if (!ci.ok) {
        montre(ci.message.vue());
        return;
    }
    const ResultatCalcul r = calcule(f.etat);
    f.ecritEtiquette(Etiquette::Label11, r.label11.vue());
    f.ecritEtiquette(Etiquette::Label12, r.label12.vue());
    if (!r.compteRendu.ok) {
        montre(r.compteRendu.message.vue());
        return;
    }
    montre("");
    Trace(f.etat, f);
    TraceVitesse(f.etat, f);
}

int main()
{
    fenetre();   // the six areas, blank until the first launch
    return 0;
}
