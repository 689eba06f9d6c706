#include "vue.h"

#include "calcule.h"
#include "fenetre.h"
#include "lecture.h"
#include "pixels.h"
#include "surface.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace orbeline {

namespace {

constexpr PresetEchelle kVueDefaut = kPresets[0];

void vueParDefaut(Surface& p) { p.scale(kVueDefaut.x1, kVueDefaut.y1, kVueDefaut.x2, kVueDefaut.y2); }

// The lines k/10 of the view across and down. The scale is read again for
// each and the sums are single precision, so that each line lands exactly
// where k/10 of the view is.
void lignesCadre(Surface& p, int k, Couleur c)
{
    const auto L = static_cast<float>(p.scaleLeft()), T = static_cast<float>(p.scaleTop());
    const auto W = static_cast<float>(p.scaleWidth()), H = static_cast<float>(p.scaleHeight());
    const float y = static_cast<float>(k) * H / 10.0f + T;
    p.line(L, y, L + W, y, c);
    const float x = static_cast<float>(k) * W / 10.0f + L;
    p.line(x, T, x, T + H, c);
}

} // namespace

int pasDeTrace(std::int16_t nbPoints)
{
    // A count of 0, a negative one or one above 1000 plots every point
    // rather than looping forever or not at all.
    if (nbPoints == 0) return 1;
    const auto pas = arrondiPair32(1000.0 / nbPoints);
    return pas && *pas >= 1 ? *pas : 1;
}

void Form_Load(SimulationState& s, Fenetre& f)
{
    s.Echelle = 1000;
    assigneUnite(s, tr(Texte::uniteKm));
    s.Rayon = 6380;
    s.Reduction = 100;
    s.NbPoints = 100;
    vueParDefaut(f.picture(1));
    f.ecritEtiquette(Etiquette::ImpactTemps, "");
    f.ecritEtiquette(Etiquette::ImpactVitesse, "");
    efface(s, f);
}

void Option3_Click(SimulationState& s, Fenetre& f, std::int16_t index)
{
    Surface& p = f.picture(1);
    vueParDefaut(p);
    f.activeXy(true);
    if (index >= 0 && index < static_cast<int>(kPresets.size())) {
        const PresetEchelle& pr = kPresets[static_cast<std::size_t>(index)];
        s.Reduction = pr.Reduction;
        s.Echelle = pr.Echelle;
        assigneUnite(s, tr(pr.Unite));
        if (!pr.xy) f.activeXy(false);
        if (std::tie(pr.x1, pr.y1, pr.x2, pr.y2) != std::tie(kVueDefaut.x1, kVueDefaut.y1, kVueDefaut.x2, kVueDefaut.y2))
            p.scale(pr.x1, pr.y1, pr.x2, pr.y2);
    }
    efface(s, f);
}

void efface(SimulationState& s, Fenetre& f)
{
    f.ecritEtiquette(Etiquette::ImpactTemps, "");
    Surface& p = f.picture(1);
    p.setVisible(Controle::Etoile, false);
    for (int n = 1; n <= f.nombrePictures(); ++n) f.picture(n).cls();
    traceCadre(s, p);

    const double x0 = lisNombre(f.texte(Champ::Text3));
    const double y0 = lisNombre(f.texte(Champ::Text4));
    centre(p, Controle::Sat, x0 / s.Reduction, y0 / s.Reduction);

    f.ecritEtiquette(Etiquette::ImpactTemps, "");
    f.ecritEtiquette(Etiquette::ImpactVitesse, "");
}

void traceCadre(const SimulationState& s, Surface& p)
{
    p.setDrawWidth(1);
    p.setDrawStyle(StyleTrait::TiretPointPoint);
    for (int k = 1; k <= 10; ++k) lignesCadre(p, k, couleurPalette(8));
    p.setDrawWidth(1);
    lignesCadre(p, 5, couleurPalette(12));

    // Left in force afterwards: the trajectory points are drawn with this pen.
    p.setDrawWidth(2);
    p.setDrawStyle(StyleTrait::Tirets);
    p.circle(0, 0, static_cast<float>(s.Rayon * 1000 / s.Reduction / s.Echelle));
}

void Trace(SimulationState& s, Fenetre& f)
{
    TracePoints(s, f);
    if (s.Nfin < kPas) TraceImpact(s, f);
}

void TracePoints(SimulationState& s, Fenetre& f, std::optional<Couleur> c)
{
    Surface& p = f.picture(1);
    const int pas = pasDeTrace(s.NbPoints);
    const double D = static_cast<double>(s.Echelle) * s.Reduction;
    // Never read past the arrays, whatever Nfin holds.
    const int dernier = std::min<int>(s.Nfin, kTaille - 1);
    double x = 0, y = 0;
    bool trace = false;
    for (int i = 1; i <= dernier; i += pas) {
        const auto k = static_cast<std::size_t>(i);
        x = s.Xt[k] / D;
        y = s.Yt[k] / D;
        p.pset(enFloat(x), enFloat(y), c);
        trace = true;
    }
    // The marker runs along with the points, but no frame is shown before
    // the handler returns: only its place on the last point is ever seen.
    if (trace) centre(p, Controle::Sat, x, y);
}

void TraceImpact(SimulationState& s, Fenetre& f)
{
    if (s.Nfin < 0 || s.Nfin >= kTaille) return;  // no such point to mark
    debutImpact(f);
    for (int etape = 0; etape < kImagesEtoile; ++etape) imageImpact(s, f);
    finImpact(f);
}

void debutImpact(Fenetre& f) { f.picture(1).setVisible(Controle::Etoile, true); }

void imageImpact(SimulationState& s, Fenetre& f)
{
    if (s.Nfin < 0 || s.Nfin >= kTaille) return;  // no such point to mark
    Surface& p = f.picture(1);
    const auto n = static_cast<std::size_t>(s.Nfin);
    p.pset(enFloat(s.Xt[n] / s.Reduction / s.Echelle), enFloat(s.Yt[n] / s.Reduction / s.Echelle));
    // Centred with its present size, then grown from its top-left corner:
    // each frame sits half a step's growth right of and below the point.
    centre(p, Controle::Etoile, p.currentX(), p.currentY());
    p.setLargeur(Controle::Etoile, static_cast<float>(p.largeur(Controle::Etoile) * 1.035));
    p.setHauteur(Controle::Etoile, static_cast<float>(p.hauteur(Controle::Etoile) * 1.035));
    p.repeint(Controle::Etoile);
}

void finImpact(Fenetre& f)
{
    Surface& p = f.picture(1);
    p.setVisible(Controle::Etoile, false);
    p.setLargeur(Controle::Etoile, 28);
    p.setHauteur(Controle::Etoile, 23);
}

const Coloris& colorisLancement(int numero)
{
    const int n = static_cast<int>(kColoris.size());
    return kColoris[static_cast<std::size_t>(((numero - 1) % n + n) % n)];
}

Fleche flecheVitesse(const Surface& vue, double x, double y, double vx, double vy, Couleur c)
{
    return flecheEchelle(vue, x, y, vx, vy, kVitesseParCarreau, c);
}

Fleche flecheEchelle(const Surface& vue, double x, double y, double vx, double vy, double parCarreau, Couleur c)
{
    // A square is a tenth of the view's width, in user units along both axes.
    const double carreau = std::fabs(vue.scaleWidth()) / 10 / parCarreau;
    return {enFloat(x), enFloat(y), enFloat(x + vx * carreau), enFloat(y + vy * carreau), c};
}

double echelleRonde(double plusGrand)
{
    if (!(plusGrand > 0) || !std::isfinite(plusGrand)) return 0;
    const double puissance = std::pow(10.0, std::floor(std::log10(plusGrand)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * puissance >= plusGrand * (1 - 1e-12)) return m * puissance;
    return 10 * puissance;
}

void traceTirets(Surface& s, std::span<const std::pair<double, double>> points, Couleur c, double plein, double vide)
{
    const auto px = [&](const std::pair<double, double>& q) {
        return PointPx{(q.first - s.scaleLeft()) * s.largeurPixels() / s.scaleWidth(),
                       (q.second - s.scaleTop()) * s.hauteurPixels() / s.scaleHeight()};
    };
    const double periode = plein + vide, W = s.largeurPixels(), H = s.hauteurPixels();
    double phase = 0;   // how far into a dash and its gap the line has run, px
    for (std::size_t k = 1; k < points.size(); ++k) {
        const PointPx a = px(points[k - 1]), b = px(points[k]);
        const double L = std::hypot(b.x - a.x, b.y - a.y);
        if (!std::isfinite(L) || L == 0) continue;
        PointPx u = a, v = b;
        if (!coupe(u, v, -2, -2, W + 2, H + 2)) {
            phase = std::fmod(phase + L, periode);
            continue;
        }
        const double dx = (b.x - a.x) / L, dy = (b.y - a.y) / L;
        double d = std::hypot(u.x - a.x, u.y - a.y);
        const double fin = std::hypot(v.x - a.x, v.y - a.y);
        phase = std::fmod(phase + d, periode);
        while (d < fin) {
            const double pas = std::min(fin - d, phase < plein ? plein - phase : periode - phase);
            if (!(pas > 1e-9)) break;   // what is left is below any pixel
            if (phase < plein) {
                const auto [x1, y1] = pointPx(s, a.x + dx * d, a.y + dy * d);
                const auto [x2, y2] = pointPx(s, a.x + dx * (d + pas), a.y + dy * (d + pas));
                s.line(x1, y1, x2, y2, c);
            }
            d += pas;
            phase = std::fmod(phase + pas, periode);
        }
        phase = std::fmod(phase + (L - fin), periode);
    }
}

std::pair<float, float> pointPx(const Surface& s, double x, double y)
{
    return {enFloat(s.scaleLeft() + x * s.scaleWidth() / s.largeurPixels()),
            enFloat(s.scaleTop() + y * s.scaleHeight() / s.hauteurPixels())};
}

void traceFleche(Surface& s, const Fleche& f)
{
    const auto px = [&](double x, double y) {
        return PointPx{(x - s.scaleLeft()) * s.largeurPixels() / s.scaleWidth(),
                       (y - s.scaleTop()) * s.hauteurPixels() / s.scaleHeight()};
    };
    const auto pointe = barbes(px(f.x1, f.y1), px(f.x2, f.y2));
    if (!pointe) return;
    s.line(f.x1, f.y1, f.x2, f.y2, f.couleur);
    for (const PointPx& q : *pointe) {
        const auto [x, y] = pointPx(s, q.x, q.y);
        s.line(f.x2, f.y2, x, y, f.couleur);
    }
}

void ecritLignes(Surface& s, double x, double y, std::string_view t, std::optional<Couleur> c)
{
    for (std::size_t debut = 0; debut <= t.size(); y += kCorpsTexte + 1) {
        const std::size_t fin = std::min(t.find('\n', debut), t.size());
        const auto [ux, uy] = pointPx(s, x, y);
        s.texte(ux, uy, t.substr(debut, fin - debut), Ancre::HautGauche, c);
        debut = fin + 1;
    }
}

} // namespace orbeline
