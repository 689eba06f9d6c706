// The start screen's logo: a communications satellite above the night side of
// the Earth, meant to read as a photograph at 160 × 150.
//
// The scene is built at four times the final size and averaged down, which
// gives the thin panel grid, the limb and the city lights the soft edges of a
// real picture. Sky, Earth and lights go into a floating-point buffer so that
// a light brighter than white still spreads its energy over the final pixel;
// the satellite is painted with QPainter on a transparent layer above it.

#include "art.h"
#include "hasard.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace orbeline {
namespace {

using art::bruitEntier;
using art::bruitFractal;
using art::Hasard;

constexpr int S = 4;                       // supersampling factor
constexpr int W = largeurLogo * S;
constexpr int H = hauteurLogo * S;

// The Earth's disc, in final pixels: only a shallow cap shows at the bottom,
// with its highest point left of centre so the horizon slopes gently.
constexpr double terreX = 46.0;
constexpr double terreY = 478.0;
constexpr double terreR = 380.0;

struct Rvb {
    float r = 0, g = 0, b = 0;
};

Rvb operator*(Rvb c, double k)
{
    return {static_cast<float>(c.r * k), static_cast<float>(c.g * k), static_cast<float>(c.b * k)};
}
Rvb& operator+=(Rvb& a, Rvb b)
{
    a.r += b.r; a.g += b.g; a.b += b.b;
    return a;
}

double lisse(double a, double b, double x)
{
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct Tampon {
    std::vector<Rvb> px = std::vector<Rvb>(static_cast<std::size_t>(W) * H);
    Rvb& at(int x, int y) { return px[static_cast<std::size_t>(y) * W + x]; }

    // A small Gaussian spot centred on (x, y) in high-resolution pixels.
    void tache(double x, double y, double sigma, Rvb c)
    {
        const int r = static_cast<int>(std::ceil(sigma * 3));
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        for (int j = y0 - r; j <= y0 + r; ++j)
            for (int i = x0 - r; i <= x0 + r; ++i) {
                if (i < 0 || j < 0 || i >= W || j >= H) continue;
                const double dx = i + 0.5 - x, dy = j + 0.5 - y;
                at(i, j) += c * std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
            }
    }
};

// Signed distance from the limb, in final pixels: positive in the sky.
double hauteurSurLimbe(double x, double y)
{
    return std::hypot(x - terreX, y - terreY) - terreR;
}

void peindreCiel(Tampon& t)
{
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            const double x = (i + 0.5) / S, y = (j + 0.5) / S;
            const double h = hauteurSurLimbe(x, y);
            if (h < 0) continue;
            Rvb c;
            // Light scattered by the upper atmosphere: a thin bright blue rim
            // hugging the limb, a faint airglow band above it, and a haze.
            c += Rvb{0.16f, 0.40f, 0.95f} * (0.85 * std::exp(-h / 1.1));
            c += Rvb{0.10f, 0.30f, 0.22f} * (0.22 * std::exp(-std::pow((h - 4.5) / 1.6, 2)));
            c += Rvb{0.01f, 0.03f, 0.09f} * std::exp(-h / 14);
            t.at(i, j) = c;
        }

    Hasard hasard{20240611};
    for (int n = 0; n < 70; ++n) {
        const double x = hasard.entre(0, largeurLogo), y = hasard.entre(0, hauteurLogo);
        const double u = hasard.suivant(), nuance = hasard.suivant();
        const double h = hauteurSurLimbe(x, y);
        if (h < 3) continue;
        // Most stars are faint; a handful stand out, as in a short exposure.
        const double eclat = (0.12 + 0.9 * std::pow(u, 5)) * lisse(3, 14, h);
        const Rvb couleur = nuance < 0.3 ? Rvb{0.80f, 0.88f, 1.0f}
                          : nuance > 0.85 ? Rvb{1.0f, 0.90f, 0.75f} : Rvb{1, 1, 1};
        const double sigma = (u > 0.8 ? 0.55 : 0.38) * S;
        // Energy of a spot whose peak final pixel reaches `eclat`.
        t.tache(x * S, y * S, sigma, couleur * (eclat * S * S / (2 * std::numbers::pi * sigma * sigma) * 1.6));
    }
}

// A point of the visible cap mapped onto the unit sphere, turned so that the
// coastlines do not line up with the picture's axes.
std::array<double, 3> surSphere(double x, double y)
{
    const double nx = (x - terreX) / terreR, ny = (y - terreY) / terreR;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    const double c = std::cos(0.7), s = std::sin(0.7);
    return {c * nx - s * nz, ny, s * nx + c * nz};
}

// Relief noise of a point of the cap: land above seuilTerre.
constexpr double seuilTerre = 0.53;

double relief(const std::array<double, 3>& p)
{
    constexpr double echelle = 11.0;
    return bruitFractal(p[0] * echelle + 3.1, p[1] * echelle, p[2] * echelle, 6, 1);
}

void peindreTerre(Tampon& t)
{
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            const double x = (i + 0.5) / S, y = (j + 0.5) / S;
            const double profondeur = -hauteurSurLimbe(x, y);
            if (profondeur <= 0) continue;
            // Moonlit ocean is a deep blue, land a little darker and greyer;
            // the limb brightens where the line of sight grazes the air.
            Rvb c = relief(surSphere(x, y)) > seuilTerre ? Rvb{0.030f, 0.036f, 0.050f}
                                                  : Rvb{0.018f, 0.040f, 0.105f};
            c += Rvb{0.05f, 0.13f, 0.34f} * std::exp(-profondeur / 2.2);
            c += Rvb{0.02f, 0.05f, 0.12f} * std::exp(-profondeur / 16);
            t.at(i, j) = c;
        }
}

// Lit towns, added once the ground is down since their glow spills over
// neighbouring pixels.
void peindreVilles(Tampon& t)
{
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            const double x = (i + 0.5) / S, y = (j + 0.5) / S;
            const double profondeur = -hauteurSurLimbe(x, y);
            if (profondeur <= 0) continue;
            const auto p = surSphere(x, y);
            const double r = relief(p);
            if (r <= seuilTerre) continue;
            // Towns crowd along the coasts and thin out inland; a second,
            // finer noise groups them into conurbations.
            const double cote = std::exp(-std::pow((r - seuilTerre) / 0.018, 2));
            const double amas = bruitFractal(p[0] * 70, p[1] * 70, p[2] * 70, 3, 40);
            const double interieur = 0.12 * std::pow(bruitFractal(p[0] * 24, p[1] * 24, p[2] * 24, 3, 60), 4);
            // Near the limb each pixel covers more ground but the lights are
            // seen through more air.
            const double nx = (x - terreX) / terreR, ny = (y - terreY) / terreR;
            const double nz = std::max(0.05, std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny)));
            const double densite = (cote * (0.25 + 0.75 * amas * amas) + interieur * std::pow(amas, 3)) * 0.16
                                   * std::min(3.0, 0.4 / nz);
            if (bruitEntier(i, j, 7) >= densite) continue;
            const double force = (0.3 + 2.2 * std::pow(bruitEntier(i, j, 8), 3)) * lisse(0, 7, profondeur);
            const Rvb chaud = bruitEntier(i, j, 9) < 0.35 ? Rvb{1.0f, 0.62f, 0.22f}
                                                          : Rvb{1.0f, 0.80f, 0.40f};
            t.at(i, j) += chaud * (force * S * S * 0.55);
            t.tache(i + 0.5, j + 0.5, 1.6 * S, chaud * (force * 0.05));
        }
}

// ---- the satellite, a small 3-D model projected with perspective ----

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double scal(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 vect(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 unitaire(V3 a) { return a * (1 / std::sqrt(scal(a, a))); }

// Model axes: x along the panel wings, y up (away from the Earth), z towards
// the camera. The camera turns the model, then projects it.
struct Camera {
    double lacet = -0.42, tangage = 0.30, roulis = -0.16;  // radians
    double focale = 260;
    QPointF centre{84, 50};

    V3 tourne(V3 p) const
    {
        const double cy = std::cos(lacet), sy = std::sin(lacet);
        p = {cy * p.x + sy * p.z, p.y, -sy * p.x + cy * p.z};
        const double cp = std::cos(tangage), sp = std::sin(tangage);
        p = {p.x, cp * p.y - sp * p.z, sp * p.y + cp * p.z};
        const double cr = std::cos(roulis), sr = std::sin(roulis);
        return {cr * p.x - sr * p.y, sr * p.x + cr * p.y, p.z};
    }
    QPointF projette(V3 p) const
    {
        const V3 q = tourne(p);
        const double k = focale / (focale - q.z);
        return {centre.x() + q.x * k, centre.y() - q.y * k};
    }
};

// Sunlight comes from the upper left, a little from behind the camera.
const V3 soleil = unitaire({-0.55, 0.65, 0.52});

double eclairage(const Camera& cam, V3 normaleModele)
{
    return std::max(0.0, scal(cam.tourne(normaleModele), soleil));
}

QColor teinte(double r, double g, double b, double k)
{
    auto c = [k](double v) { return static_cast<int>(std::clamp(v * k, 0.0, 255.0)); };
    return QColor(c(r), c(g), c(b));
}

QPolygonF quad(const Camera& cam, V3 a, V3 b, V3 c, V3 d)
{
    return QPolygonF({cam.projette(a), cam.projette(b), cam.projette(c), cam.projette(d)});
}

// One panel of a wing: a blue cell field with its grid and a light frame.
// (o, u, v): a corner and the two edges, in model units.
void peindrePanneau(QPainter& p, const Camera& cam, V3 o, V3 u, V3 v)
{
    const V3 n = unitaire(vect(u, v));
    const double l = eclairage(cam, n);
    const QPolygonF forme = quad(cam, o, o + u, o + u + v, o + v);

    // The cells' cover glass catches the sun towards one corner of each panel.
    QLinearGradient degrade(cam.projette(o), cam.projette(o + u + v));
    degrade.setColorAt(0, teinte(34, 58, 138, 0.55 + 0.7 * l));
    degrade.setColorAt(1, teinte(20, 38, 100, 0.45 + 0.5 * l));
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawPolygon(forme);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(teinte(150, 170, 215, 0.4 + 0.5 * l), 0.22));
    constexpr int colonnes = 4, rangees = 5;
    for (int c = 1; c < colonnes; ++c)
        p.drawLine(cam.projette(o + u * (double(c) / colonnes)), cam.projette(o + u * (double(c) / colonnes) + v));
    for (int r = 1; r < rangees; ++r)
        p.drawLine(cam.projette(o + v * (double(r) / rangees)), cam.projette(o + v * (double(r) / rangees) + u));
    p.setPen(QPen(teinte(200, 205, 215, 0.5 + 0.5 * l), 0.45));
    p.drawPolygon(forme);
}

void peindreAile(QPainter& p, const Camera& cam, int cote)
{
    constexpr int panneaux = 4;
    constexpr double longueur = 12.5, ecart = 1.0, debut = 17, demiLargeur = 7;
    // Wings are tilted about their long axis to face the sun.
    const double inclinaison = 0.45;
    const V3 v = V3{0, std::cos(inclinaison), std::sin(inclinaison)} * (2 * demiLargeur);
    const V3 bas = V3{0, -std::cos(inclinaison), -std::sin(inclinaison)} * demiLargeur;

    // The yoke: a light truss from the body to the first panel.
    p.setPen(QPen(QColor(185, 185, 190), 0.55));
    const V3 attache{cote * 9.0, 0, 0};
    p.drawLine(cam.projette(attache), cam.projette(V3{cote * debut, 0, 0} + bas));
    p.drawLine(cam.projette(attache), cam.projette(V3{cote * debut, 0, 0} + bas + v));
    p.drawLine(cam.projette(attache), cam.projette(V3{cote * debut, 0, 0}));

    for (int k = 0; k < panneaux; ++k) {
        const double x0 = debut + k * (longueur + ecart);
        // Every panel starts at its corner of least x, so both wings share one normal.
        const V3 o = V3{cote * (cote > 0 ? x0 : x0 + longueur), 0, 0} + bas;
        peindrePanneau(p, cam, o, V3{longueur, 0, 0}, v);
    }
}

// Gold insulation blanket with a few creases, clipped to a face.
void peindreFeuille(QPainter& p, const QPolygonF& face, double l, Hasard& hasard)
{
    const QRectF r = face.boundingRect();
    QLinearGradient degrade(r.topLeft(), r.bottomRight());
    degrade.setColorAt(0, teinte(235, 190, 90, 0.45 + 0.75 * l));
    degrade.setColorAt(0.5, teinte(190, 140, 50, 0.40 + 0.65 * l));
    degrade.setColorAt(1, teinte(150, 100, 30, 0.35 + 0.6 * l));
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawPolygon(face);

    p.save();
    QPainterPath bord;
    bord.addPolygon(face);
    p.setClipPath(bord);
    for (int n = 0; n < 16; ++n) {
        const QPointF a(hasard.entre(r.left(), r.right()), hasard.entre(r.top(), r.bottom()));
        const QPointF b = a + QPointF(hasard.entre(-3, 3), hasard.entre(-3, 3));
        const bool clair = hasard.suivant() < 0.5;
        p.setPen(QPen(clair ? teinte(255, 225, 140, 0.5 + 0.5 * l) : teinte(120, 80, 25, 0.9),
                      hasard.entre(0.2, 0.4)));
        p.setOpacity(0.55);
        p.drawLine(a, b);
    }
    p.setOpacity(1);
    p.restore();
}

void peindreCorps(QPainter& p, const Camera& cam)
{
    constexpr double a = 8.5, b = 9.5, c = 8.0;  // half-sizes
    auto s = [&](double x, double y, double z) { return V3{x * a, y * b, z * c}; };
    Hasard hasard{77};

    // The faces carrying the wings are radiators, the others are wrapped in
    // gold blanket; only those turned to the camera are drawn.
    struct Face {
        V3 p0, p1, p2, p3, normale;
        int genre = 0;  // 0 gold blanket, 1 radiator
    };
    const std::array<Face, 6> faces{{
        {s(-1, -1, 1), s(1, -1, 1), s(1, 1, 1), s(-1, 1, 1), {0, 0, 1}, 0},
        {s(1, -1, 1), s(1, -1, -1), s(1, 1, -1), s(1, 1, 1), {1, 0, 0}, 1},
        {s(-1, -1, -1), s(-1, -1, 1), s(-1, 1, 1), s(-1, 1, -1), {-1, 0, 0}, 1},
        {s(-1, 1, 1), s(1, 1, 1), s(1, 1, -1), s(-1, 1, -1), {0, 1, 0}, 0},
        {s(-1, -1, -1), s(1, -1, -1), s(1, -1, 1), s(-1, -1, 1), {0, -1, 0}, 0},
        {s(1, -1, -1), s(-1, -1, -1), s(-1, 1, -1), s(1, 1, -1), {0, 0, -1}, 0},
    }};
    for (const Face& f : faces) {
        const V3 centre = (f.p0 + f.p2) * 0.5;
        const V3 versCamera = V3{0, 0, cam.focale} - cam.tourne(centre);
        if (scal(cam.tourne(f.normale), versCamera) <= 0) continue;
        const QPolygonF forme = quad(cam, f.p0, f.p1, f.p2, f.p3);
        const double l = eclairage(cam, f.normale);
        if (f.genre == 0) {
            peindreFeuille(p, forme, l, hasard);
        } else {
            // Radiator: silvered tiles in a fine grid.
            p.setPen(Qt::NoPen);
            p.setBrush(teinte(200, 205, 212, 0.35 + 0.7 * l));
            p.drawPolygon(forme);
            p.setPen(QPen(teinte(120, 125, 135, 0.5 + 0.5 * l), 0.2));
            for (int k = 1; k < 4; ++k) {
                const double t = k / 4.0;
                p.drawLine(cam.projette(f.p0 + (f.p3 - f.p0) * t), cam.projette(f.p1 + (f.p2 - f.p1) * t));
                p.drawLine(cam.projette(f.p0 + (f.p1 - f.p0) * t), cam.projette(f.p3 + (f.p2 - f.p3) * t));
            }
        }
        p.setPen(QPen(QColor(60, 45, 20, 150), 0.25));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(forme);
    }

    // A whip antenna on top.
    p.setPen(QPen(QColor(210, 210, 215), 0.4));
    p.drawLine(cam.projette(s(0.4, 1, 0.2)), cam.projette(s(0.4, 1.9, 0.2)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(cam.projette(s(0.4, 1.9, 0.2)), 0.7, 0.7);
}

// A dish seen from its concave side: a shaded bowl, its rim and the feed.
void peindreAntenne(QPainter& p, const Camera& cam, V3 centre, V3 axe, double rayon, V3 attache)
{
    axe = unitaire(axe);
    const V3 e1 = unitaire(vect(axe, V3{0, 0, 1}));
    const V3 e2 = vect(axe, e1);

    p.setPen(QPen(QColor(170, 170, 175), 0.6));
    p.drawLine(cam.projette(attache), cam.projette(centre - axe * 1.5));

    QPolygonF bord;
    constexpr int n = 48;
    for (int k = 0; k < n; ++k) {
        const double t = 2 * std::numbers::pi * k / n;
        bord << cam.projette(centre + e1 * (rayon * std::cos(t)) + e2 * (rayon * std::sin(t)));
    }
    const double l = eclairage(cam, axe);
    // The sun lights the far inner wall of the bowl and leaves the near one in shade.
    const QPointF eclaire = cam.projette(centre - e2 * (rayon * 0.55));
    QRadialGradient degrade(eclaire, rayon * 1.5);
    degrade.setColorAt(0, teinte(250, 250, 248, 0.75 + 0.3 * l));
    degrade.setColorAt(0.6, teinte(205, 208, 212, 0.6 + 0.3 * l));
    degrade.setColorAt(1, teinte(120, 125, 135, 0.8));
    p.setBrush(degrade);
    p.setPen(QPen(QColor(235, 235, 235), 0.5));
    p.drawPolygon(bord);

    const V3 source = centre + axe * (rayon * 0.75);
    p.setPen(QPen(QColor(150, 150, 155), 0.35));
    for (int k = 0; k < 3; ++k) {
        const double t = 2 * std::numbers::pi * k / 3 + 0.5;
        p.drawLine(cam.projette(centre + e1 * (rayon * 0.9 * std::cos(t)) + e2 * (rayon * 0.9 * std::sin(t))),
                   cam.projette(source));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 80, 60));
    p.drawEllipse(cam.projette(source), 0.8, 0.8);
}

QImage peindreSatellite()
{
    QImage calque(W, H, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    QPainter p(&calque);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(S, S);

    const Camera cam;
    peindreAile(p, cam, -1);
    peindreAile(p, cam, 1);
    peindreCorps(p, cam);
    // The main reflector hangs on the body's lower front edge, aimed at the Earth.
    peindreAntenne(p, cam, {-4.0, -14.5, 11.5}, {0.15, -0.75, 0.65}, 8.5, {-2, -9.5, 8});
    // A smaller one on the right face.
    peindreAntenne(p, cam, {12.5, -4.5, 3.0}, {0.55, -0.6, 0.55}, 3.6, {8.5, -3.5, 2});
    p.end();
    return calque;
}

// Tone curve: straight up to 0.8, then a soft shoulder so bright lights keep
// a little colour instead of clipping to flat white.
int versOctet(double v)
{
    if (v > 0.8) v = 0.8 + 0.2 * (1 - std::exp(-(v - 0.8) / 0.2));
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

} // namespace

QImage logoOrbeline()
{
    Tampon fond;
    peindreCiel(fond);
    peindreTerre(fond);
    peindreVilles(fond);
    const QImage satellite = peindreSatellite();

    QImage logo(largeurLogo, hauteurLogo, QImage::Format_RGB32);
    constexpr double aire = 1.0 / (S * S);
    for (int y = 0; y < hauteurLogo; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(logo.scanLine(y));
        for (int x = 0; x < largeurLogo; ++x) {
            double r = 0, g = 0, b = 0, sr = 0, sg = 0, sb = 0, sa = 0;
            for (int j = y * S; j < (y + 1) * S; ++j) {
                const auto* haut = reinterpret_cast<const QRgb*>(satellite.constScanLine(j));
                for (int i = x * S; i < (x + 1) * S; ++i) {
                    const Rvb c = fond.at(i, j);
                    r += c.r; g += c.g; b += c.b;
                    const QRgb s = haut[i];
                    sr += qRed(s); sg += qGreen(s); sb += qBlue(s); sa += qAlpha(s);
                }
            }
            // Premultiplied satellite over the background, then a faint
            // sensor grain so the flat night areas do not look drawn.
            const double couvre = sa * aire / 255, grain = (bruitEntier(x, y, 3) - 0.5) * 0.007;
            ligne[x] = qRgb(versOctet(sr * aire / 255 + r * aire * (1 - couvre) + grain),
                            versOctet(sg * aire / 255 + g * aire * (1 - couvre) + grain),
                            versOctet(sb * aire / 255 + b * aire * (1 - couvre) + grain));
        }
    }
    return logo;
}

} // namespace orbeline
