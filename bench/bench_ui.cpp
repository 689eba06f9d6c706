// The whole "Lancer" handler on the real window (offscreen): 1000 points,
// both chart groups checked, no impact; its floor, the same pixels written
// straight into plain images and shown with one repaint; and `efface`.
#include "FrmSat.h"
#include "PictureBox.h"
#include "SimulationState.h"
#include "vue.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <vector>

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
        f->option(Groupe::Points, 1)->setChecked(true);
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

// A window of the main window's size holding six plain images where its six
// picture areas draw, repainted only where the launch damages them.
class Plancher : public QWidget {
public:
    struct Zone {
        QRect place;                 // inner area, window pixels
        QImage image;                // same size and pixel ratio as the area's
        std::vector<QPoint> points;  // device pixel of each point of a launch
        int cote = 1;                // point side, device pixels
        QRgb couleur = 0;            // point colour
        QRect abime;                 // window pixels the launch repaints
    };
    std::array<Zone, 6> zones;

    explicit Plancher(FrmSat& w)
    {
        resize(w.size());
        const SimulationState& s = w.etat();
        for (int n = 1; n <= 6; ++n) {
            const PictureBox& p = *w.pictureBox(n);
            Zone& z = zones[static_cast<std::size_t>(n - 1)];
            z.place = p.contentsRect().translated(p.pos());
            z.image = p.image().copy();
            const double dpr = z.image.devicePixelRatio();
            const EtatSurface& e = p.etat();
            const auto px = [&](double x, double y) {
                return QPoint(static_cast<int>(std::floor(e.versPxX(x) * dpr)),
                              static_cast<int>(std::floor(e.versPxY(y) * dpr)));
            };
            if (n == 1) {
                // Every point of the run, a square of the trajectory's pen.
                const double D = static_cast<double>(s.Echelle) * s.Reduction;
                for (int i = 1; i <= s.Nfin; ++i)
                    z.points.push_back(px(s.Xt[static_cast<std::size_t>(i)] / D, s.Yt[static_cast<std::size_t>(i)] / D));
                z.cote = static_cast<int>(std::lround(2 * dpr));
                z.couleur = qRgb(0, 0, 0);
            } else {
                // One pixel per point, as the charts draw them; the area is cleared first.
                const Tableau* serie[] = {&s.Vxt, &s.Vyt, &s.Vt, &s.Xt, &s.Yt};
                for (int i = 0; i <= s.Nfin; ++i)
                    z.points.push_back(px(i, (*serie[n - 2])[static_cast<std::size_t>(i)]));
                z.couleur = qRgb(128, 0, 0);
            }
            QRect boite;
            for (const QPoint& q : z.points) boite |= QRect(q, QSize(z.cote, z.cote));
            z.abime = n == 1 ? QRectF(QPointF(boite.topLeft()) / dpr, QSizeF(boite.size()) / dpr)
                                   .toAlignedRect().translated(z.place.topLeft()) & z.place
                             : z.place;
        }
    }

    // One launch's pixels, then its damage handed to the window.
    void ecrit()
    {
        for (std::size_t k = 0; k < zones.size(); ++k) {
            Zone& z = zones[k];
            if (k > 0) z.image.fill(QColor(255, 255, 255));
            const QRect dedans = z.image.rect();
            for (const QPoint& q : z.points) {
                const QRect carre = QRect(q, QSize(z.cote, z.cote)) & dedans;
                for (int y = carre.top(); y <= carre.bottom(); ++y) {
                    auto* ligne = reinterpret_cast<QRgb*>(z.image.scanLine(y));
                    std::fill(ligne + carre.left(), ligne + carre.right() + 1, z.couleur);
                }
            }
            update(z.abime);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        for (const Zone& z : zones) p.drawImage(z.place, z.image);
    }
};

void BM_LancerPlancher(benchmark::State& st)
{
    FrmSat& w = fenetre();
    w.Command1_Click();
    QCoreApplication::processEvents();
    Plancher plancher(w);
    plancher.show();
    QCoreApplication::processEvents();
    for (auto _ : st) {
        plancher.ecrit();
        QCoreApplication::processEvents();   // the one repaint
    }
}
BENCHMARK(BM_LancerPlancher)->Unit(benchmark::kMillisecond);

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
