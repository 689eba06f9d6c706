// The whole "Lancer" handler on the real window (offscreen): 1000 points,
// both chart groups checked, no impact; and `efface`.
#include "FrmSat.h"
#include "SimulationState.h"
#include "vue.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>

#include <benchmark/benchmark.h>

using namespace orbeline;

namespace {

FrmSat& fenetre()
{
    static FrmSat* w = [] {
        auto* f = new FrmSat;
        f->show();
        // Earth preset values with the satellite on the geostationary radius.
        f->ecritTexte(Champ::Text1, "3078");
        f->ecritTexte(Champ::Text3, "0");
        f->ecritTexte(Champ::Text4, "42164");
        f->option(1, 1)->setChecked(true);
        f->caseACocher(Case::Vitesse)->click();
        f->caseACocher(Case::Xy)->click();
        return f;
    }();
    return *w;
}

void BM_Lancer(benchmark::State& st)
{
    FrmSat& w = fenetre();
    for (auto _ : st) {
        w.Command1_Click();
        QCoreApplication::processEvents();   // the repaints the launch asked for
    }
    st.counters["Nfin"] = w.etat().Nfin;
}
BENCHMARK(BM_Lancer)->Unit(benchmark::kMillisecond);

void BM_efface(benchmark::State& st)
{
    FrmSat& w = fenetre();
    for (auto _ : st) {
        efface(w.etat(), w);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_efface)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
