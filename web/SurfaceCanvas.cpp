#include "SurfaceCanvas.h"

#include "pixels.h"

#include <algorithm>
#include <array>
#include <cmath>

// The page's side, web/surface.js. Lengths in the area's CSS pixels, colours
// as 0xRRGGBB, -1 for no fill.
extern "C" {
int orbeline_cree_surface(const char* id, int lId, const char* nom, int lNom, int gauche, int haut,
                          int largeurInterieure, int hauteurInterieure, int bord);
void orbeline_efface(int s);
void orbeline_ligne(int s, double x1, double y1, double x2, double y2, int largeur, int rgb, int style,
                    double decalage);
void orbeline_cercle(int s, double x, double y, double r, int largeur, int rgb, int style, int rempli);
void orbeline_carre(int s, int gauche, int haut, int cote, int rgb);
void orbeline_controle(int s, int controle, int visible, double gauche, double haut, double largeur,
                       double hauteur);
void orbeline_repeint(int s);
void orbeline_forme_etoile(const double* xy, int sommets, int largeur, int hauteur);
}

namespace orbeline {

namespace {

int rgb(Couleur c) { return c.r << 16 | c.g << 8 | c.b; }

bool fini(const PointPx& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

SurfaceCanvas::SurfaceCanvas(std::string_view idElement, std::string_view nom, int gauche, int haut,
                             int largeur, int hauteur)
    : etat_(EtatSurface::enPixels(std::max(1, largeur - 2 * kBord), std::max(1, hauteur - 2 * kBord)))
{
    // The star's outline, the desktop's, handed to the script once.
    static const bool etoile = [] {
        std::array<double, 2 * kSommetsEtoile.size()> xy{};
        for (std::size_t i = 0; i < kSommetsEtoile.size(); ++i) {
            xy[2 * i] = kSommetsEtoile[i].x;
            xy[2 * i + 1] = kSommetsEtoile[i].y;
        }
        orbeline_forme_etoile(xy.data(), static_cast<int>(kSommetsEtoile.size()), kLargeurEtoile, kHauteurEtoile);
        return true;
    }();
    (void)etoile;
    id_ = orbeline_cree_surface(idElement.data(), static_cast<int>(idElement.size()), nom.data(),
                                static_cast<int>(nom.size()), gauche, haut, etat_.largeurPx, etat_.hauteurPx, kBord);
    // A picture area's settings on the desktop: pen in the window text
    // colour, circles filled in teal. Its controls are placed by the window.
    etat_.foreColor = {0, 0, 0};
    etat_.fillColor = {0, 128, 128};
    etat_.fillStyle = StyleRemplissage::Plein;
}

int SurfaceCanvas::largeurTrait() const { return std::clamp(etat_.drawWidth, 1, kTraitMax); }

void SurfaceCanvas::scale(double x1, double y1, double x2, double y2)
{
    etat_.scale(x1, y1, x2, y2);
    // A size set in user units follows the scale.
    envoie(Controle::Sat);
    envoie(Controle::Etoile);
}

void SurfaceCanvas::cls()
{
    etat_.currentX = etat_.currentY = 0;
    orbeline_efface(id_);
}

void SurfaceCanvas::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    etat_.currentX = x2;
    etat_.currentY = y2;
    const PointPx a{etat_.versPxX(x1), etat_.versPxY(y1)};
    const PointPx b{etat_.versPxX(x2), etat_.versPxY(y2)};
    if (!fini(a) || !fini(b)) return;
    const int w = largeurTrait();
    const double marge = w + 2;
    PointPx debut = a, fin = b;
    if (!coupe(debut, fin, -marge, -marge, etat_.largeurPx + marge, etat_.hauteurPx + marge)) return;

    // A pen wider than one pixel draws every style solid.
    const int style = w == 1 ? static_cast<int>(etat_.drawStyle) : 0;
    double decalage = 0;
    if (style != 0 && (debut.x != a.x || debut.y != a.y)) {
        // The dashes run on from where the whole line would have started.
        const double avant = std::hypot(debut.x - a.x, debut.y - a.y) / w;
        if (std::isfinite(avant)) decalage = std::fmod(avant, kPeriodeTirets);
    }
    orbeline_ligne(id_, cale(debut.x, w), cale(debut.y, w), cale(fin.x, w), cale(fin.y, w), w,
                   rgb(c.value_or(etat_.foreColor)), style, decalage);
}

void SurfaceCanvas::circle(float x, float y, float r)
{
    etat_.currentX = x;
    etat_.currentY = y;
    const double cx = etat_.versPxX(x), cy = etat_.versPxY(y);
    // Round in pixels: the radius is measured along x, whatever the y scale.
    const double rayon = etat_.longueurPxX(std::fabs(r));
    if (!proche(cx) || !proche(cy) || !proche(rayon)) return;
    const int w = largeurTrait();
    const double bord = rayon + w + 2;
    if (cx + bord <= 0 || cx - bord >= etat_.largeurPx || cy + bord <= 0 || cy - bord >= etat_.hauteurPx)
        return;
    if (2 * rayon < w) {
        // Narrower than the pen: what shows is the pen's dot.
        pset(x, y);
        return;
    }
    const int style = w == 1 ? static_cast<int>(etat_.drawStyle) : 0;
    orbeline_cercle(id_, cx, cy, rayon, w, rgb(etat_.foreColor), style,
                    etat_.fillStyle == StyleRemplissage::Plein ? rgb(etat_.fillColor) : -1);
}

void SurfaceCanvas::pset(float x, float y, std::optional<Couleur> c)
{
    etat_.currentX = x;
    etat_.currentY = y;
    const double cx = etat_.versPxX(x), cy = etat_.versPxY(y);
    if (!proche(cx) || !proche(cy)) return;
    // A square of the pen width on whole pixels, centred on the point.
    const int w = largeurTrait();
    const int g = static_cast<int>(std::floor(cx + 0.5 - w / 2.0));
    const int h = static_cast<int>(std::floor(cy + 0.5 - w / 2.0));
    if (g >= etat_.largeurPx || h >= etat_.hauteurPx || g + w <= 0 || h + w <= 0) return;
    orbeline_carre(id_, g, h, w, rgb(c.value_or(etat_.foreColor)));
}

void SurfaceCanvas::envoie(Controle c) const
{
    const GeometrieControle& g = etat_.geo(c);
    const bool montre = g.visible && proche(g.gauche) && proche(g.haut) && proche(g.largeur) &&
                        proche(g.hauteur) && g.largeur > 0 && g.hauteur > 0;
    orbeline_controle(id_, static_cast<int>(c), montre, g.gauche, g.haut, g.largeur, g.hauteur);
}

void SurfaceCanvas::deplace(Controle c, float gauche, float haut)
{
    etat_.deplace(c, gauche, haut);
    envoie(c);
}

void SurfaceCanvas::setLargeur(Controle c, float largeur)
{
    etat_.setLargeur(c, largeur);
    envoie(c);
}

void SurfaceCanvas::setHauteur(Controle c, float hauteur)
{
    etat_.setHauteur(c, hauteur);
    envoie(c);
}

void SurfaceCanvas::setVisible(Controle c, bool visible)
{
    etat_.geo(c).visible = visible;
    envoie(c);
}

void SurfaceCanvas::place(Controle c, const GeometrieControle& g)
{
    etat_.geo(c) = g;
    envoie(c);
}

void SurfaceCanvas::repeint(Controle) { orbeline_repeint(id_); }

} // namespace orbeline
