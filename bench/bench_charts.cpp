// TraceVitesse on a full run (999 steps) with both chart groups drawn, on
// surfaces that draw nothing: what is measured is the charts' own work.
#include "charts.h"

#include "SimulationState.h"
#include "fenetre.h"
#include "surface.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

using namespace orbeline;

namespace {

class SurfaceMuette : public Surface {
public:
    void scale(double, double, double, double) override {}
    double scaleLeft() const override { return 0; }
    double scaleTop() const override { return 0; }
    double scaleWidth() const override { return 1; }
    double scaleHeight() const override { return 1; }
    int largeurPixels() const override { return 1; }
    int hauteurPixels() const override { return 1; }
    void cls() override {}
    void setDrawWidth(int) override {}
    void setDrawStyle(StyleTrait) override {}
    void setForeColor(Couleur) override {}
    void setFillColor(Couleur) override {}
    void setFillStyle(StyleRemplissage) override {}
    void line(float, float, float x2, float y2, std::optional<Couleur>) override { x_ = x2; y_ = y2; }
    void circle(float x, float y, float) override { x_ = x; y_ = y; }
    void pset(float x, float y, std::optional<Couleur>) override { x_ = x; y_ = y; }
    void texte(float, float, std::string_view, Ancre, std::optional<Couleur>) override {}
    float currentX() const override { return x_; }
    float currentY() const override { return y_; }
    float gauche(Controle) const override { return 0; }
    float haut(Controle) const override { return 0; }
    float largeur(Controle) const override { return 1; }
    float hauteur(Controle) const override { return 1; }
    void deplace(Controle, float, float) override {}
    void setLargeur(Controle, float) override {}
    void setHauteur(Controle, float) override {}
    void setVisible(Controle, bool) override {}
    bool estVisible(Controle) const override { return false; }
    void repeint(Controle) override {}
    void fleche(int, std::optional<Fleche>) override {}

private:
    float x_ = 0;
    float y_ = 0;
};

class FenetreMuette : public Fenetre {
public:
    Surface& picture(int numero) override { return surfaces_[static_cast<std::size_t>(numero - 1)]; }
    std::string texte(Champ) const override { return {}; }
    void ecritTexte(Champ, std::string_view) override {}
    void ecritEtiquette(Etiquette, std::string_view) override {}
    void activeXy(bool) override {}
    int valeurCase(Case) const override { return 1; }
    void ecritCase(Case, bool) override {}
    int nombrePictures() const override { return static_cast<int>(surfaces_.size()); }
    bool estVisible(Role) const override { return true; }
    void setVisible(Role, bool) override {}
    std::string separateurDecimal() const override { return "."; }
    bool optionChoisie(Groupe, int) const override { return false; }
    void choisitOption(Groupe, int) override {}
    void ecritTitre(std::string_view) override {}
    void ecritMessage(std::string_view) override {}
    void montreConsigne(std::string_view) override {}
    void montreBulle(std::string_view, int) override {}
    void ecritReglage(Reglage, bool) override {}
    void largeurClient(int) override {}
    void pointsDisponibles(bool) override {}
    void programmeEtape(int) override {}
    void quitte() override {}
    void retraduit() override {}

private:
    std::array<SurfaceMuette, 7> surfaces_{};
};

void BM_TraceVitesse(benchmark::State& st)
{
    auto s = std::make_unique<SimulationState>();
    // A circular orbit's worth of varied values, so that the extremes move.
    s->Nfin = 999;
    for (std::size_t i = 0; i <= 999; ++i) {
        const double a = 0.01 * static_cast<double>(i);
        s->Xt[i] = 4.2e7 * std::cos(a);
        s->Yt[i] = 4.2e7 * std::sin(a);
        s->Vxt[i] = -3070 * std::sin(a);
        s->Vyt[i] = 3070 * std::cos(a);
    }
    FenetreMuette f;
    for (auto _ : st) {
        TraceVitesse(*s, f);
        benchmark::DoNotOptimize(s->Vt.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TraceVitesse);

} // namespace
