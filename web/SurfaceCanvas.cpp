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
void orbeline_texte(int s, double x, double y, const char* t, int l, int ancre, int corps, int rgb);
void orbeline_fleche(int s, int n, int visible, const double* xy, int rgb);
void orbeline_controle(int s, int controle, int visible, double gauche, double haut, double largeur,
                       double hauteur);
void orbeline_repeint(int s);
void orbeline_montre_surface(int s, int gauche, int haut, double echelle);
void orbeline_forme_etoile(const double* xy, int sommets, int largeur, int hauteur);
int orbeline_cree_toile(const char* id, int lId, const char* parent, int lParent, int largeur, int hauteur, int ratio);
void orbeline_libere_toile(int s);
void orbeline_copie_toile(int source, int cible);
}

namespace orbeline {

namespace {

int rgb(Couleur c) { return c.r << 16 | c.g << 8 | c.b; }

} // namespace

SurfaceCanvas::SurfaceCanvas(std::string_view idElement, std::string_view nom, int gauche, int haut,
                             int largeur, int hauteur)
    : SurfaceTenue(EtatSurface::enPixels(std::max(1, largeur - 2 * kBord), std::max(1, hauteur - 2 * kBord)))
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
    journal_.recommence(etat_);
}

SurfaceCanvas::SurfaceCanvas(int toile, int largeur, int hauteur)
    : SurfaceTenue(EtatSurface::enPixels(largeur, hauteur), false), id_(toile)
{
}

int SurfaceCanvas::nouvelleToile(std::string_view id, std::string_view parent, int largeur, int hauteur, int ratio)
{
    return orbeline_cree_toile(id.data(), static_cast<int>(id.size()), parent.data(), static_cast<int>(parent.size()),
                               largeur, hauteur, ratio);
}

void SurfaceCanvas::libereToile(int toile) { orbeline_libere_toile(toile); }

void SurfaceCanvas::imprimeSur(int toile) const
{
    SurfaceCanvas cible(toile, etat_.largeurPx, etat_.hauteurPx);
    if (!journal_.rejoue(cible)) orbeline_copie_toile(id_, toile);
}

void SurfaceCanvas::montre(int gauche, int haut, double echelle)
{
    echelle_ = echelle;
    orbeline_montre_surface(id_, gauche, haut, echelle);
}

bool SurfaceCanvas::redessine() const
{
    SurfaceCanvas meme(id_, etat_.largeurPx, etat_.hauteurPx);
    meme.echelle_ = echelle_, meme.corpsMin_ = corpsMin_, meme.contraste_ = contraste_;
    return journal_.rejoue(meme);
}

void SurfaceCanvas::projection(double corps, bool contraste)
{
    corpsMin_ = corps;
    contraste_ = contraste;
    orbeline_efface(id_);   // the journal drawn again on a blank canvas
    redessine();
}

int SurfaceCanvas::teinte(Couleur c) const { return rgb(contraste_ ? contrastee(c) : c); }

void SurfaceCanvas::scale(double x1, double y1, double x2, double y2)
{
    SurfaceTenue::scale(x1, y1, x2, y2);
    // A size set in user units follows the scale, and so do the arrows.
    envoie(Controle::Sat);
    envoie(Controle::Etoile);
    for (int n = 0; n < kNombreFleches; ++n) envoieFleche(n);
}

void SurfaceCanvas::cls()
{
    SurfaceTenue::cls();
    orbeline_efface(id_);
}

void SurfaceCanvas::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    noteLigne(x1, y1, x2, y2, c);
    const int w = largeurTrait();
    const auto seg = segment({etat_.versPxX(x1), etat_.versPxY(y1)}, {etat_.versPxX(x2), etat_.versPxY(y2)}, w,
                             etat_.largeurPx, etat_.hauteurPx);
    if (!seg) return;
    // A pen wider than one pixel draws every style solid.
    const int style = w == 1 ? static_cast<int>(etat_.drawStyle) : 0;
    orbeline_ligne(id_, seg->debut.x, seg->debut.y, seg->fin.x, seg->fin.y, w, teinte(c.value_or(etat_.foreColor)), style,
                   style ? seg->decalage : 0);
}

void SurfaceCanvas::circle(float x, float y, float r)
{
    noteCercle(x, y, r);
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
        dessinePoint(x, y, {});
        return;
    }
    const int style = w == 1 ? static_cast<int>(etat_.drawStyle) : 0;
    orbeline_cercle(id_, cx, cy, rayon, w, teinte(etat_.foreColor), style,
                    etat_.fillStyle == StyleRemplissage::Plein ? teinte(etat_.fillColor) : -1);
}

void SurfaceCanvas::pset(float x, float y, std::optional<Couleur> c)
{
    notePoint(x, y, c);
    dessinePoint(x, y, c);
}

void SurfaceCanvas::dessinePoint(float x, float y, std::optional<Couleur> c)
{
    const auto q = carrePoint(etat_.versPxX(x), etat_.versPxY(y), largeurTrait(), etat_.largeurPx, etat_.hauteurPx);
    if (q) orbeline_carre(id_, q->gauche, q->haut, q->cote, teinte(c.value_or(etat_.foreColor)));
}

void SurfaceCanvas::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    noteTexte(x, y, t, a, c);
    const double px = etat_.versPxX(x), py = etat_.versPxY(y);
    if (!proche(px) || !proche(py)) return;
    orbeline_texte(id_, px, py, t.data(), static_cast<int>(t.size()), static_cast<int>(a), static_cast<int>(std::lround(std::max<double>(kCorpsTexte, corpsMin_ / echelle_))),
                   teinte(c.value_or(etat_.foreColor)));
}

void SurfaceCanvas::fleche(int n, std::optional<Fleche> f)
{
    if (!tenue_ || n < 0 || n >= kNombreFleches) return;
    fleches_[static_cast<std::size_t>(n)] = f;
    envoieFleche(n);
}

void SurfaceCanvas::envoieFleche(int n) const
{
    if (!tenue_) return;
    const auto& f = fleches_[static_cast<std::size_t>(n)];
    // The shaft's ends and the head's two barbs, in the area's CSS pixels.
    std::array<double, 8> xy{};
    bool montre = false;
    if (f) {
        const PointPx a{etat_.versPxX(f->x1), etat_.versPxY(f->y1)}, b{etat_.versPxX(f->x2), etat_.versPxY(f->y2)};
        const auto pointe = barbes(a, b);
        montre = pointe && proche(a.x) && proche(a.y) && proche(b.x) && proche(b.y);
        if (montre) xy = {a.x, a.y, b.x, b.y, (*pointe)[0].x, (*pointe)[0].y, (*pointe)[1].x, (*pointe)[1].y};
    }
    orbeline_fleche(id_, n, montre, xy.data(), f ? teinte(f->couleur) : 0);
}

void SurfaceCanvas::envoie(Controle c) const
{
    if (!tenue_) return;
    const GeometrieControle& g = etat_.geo(c);
    const bool montre = g.visible && proche(g.gauche) && proche(g.haut) && proche(g.largeur) &&
                        proche(g.hauteur) && g.largeur > 0 && g.hauteur > 0;
    orbeline_controle(id_, static_cast<int>(c), montre, g.gauche, g.haut, g.largeur, g.hauteur);
}

void SurfaceCanvas::deplace(Controle c, float gauche, float haut)
{
    SurfaceTenue::deplace(c, gauche, haut);
    envoie(c);
}

void SurfaceCanvas::setLargeur(Controle c, float largeur)
{
    SurfaceTenue::setLargeur(c, largeur);
    envoie(c);
}

void SurfaceCanvas::setHauteur(Controle c, float hauteur)
{
    SurfaceTenue::setHauteur(c, hauteur);
    envoie(c);
}

void SurfaceCanvas::setVisible(Controle c, bool visible)
{
    SurfaceTenue::setVisible(c, visible);
    envoie(c);
}

void SurfaceCanvas::place(Controle c, const GeometrieControle& g)
{
    SurfaceTenue::place(c, g);
    envoie(c);
}

void SurfaceCanvas::repeint(Controle)
{
    if (tenue_) orbeline_repeint(id_);
}

} // namespace orbeline
