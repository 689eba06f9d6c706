#include "SurfaceEnregistree.h"

namespace orbeline::test {

namespace {
double ctl(Controle c) { return c == Controle::Sat ? 0 : 1; }
void place(EtatSurface& e, float x, float y) { e.currentX = x; e.currentY = y; }
} // namespace

SurfaceEnregistree::SurfaceEnregistree(int w, int h) : etat(EtatSurface::enPixels(w, h)) { journal.recommence(etat); }

std::vector<Appel> SurfaceEnregistree::appelsDe(const std::string& op) const
{
    std::vector<Appel> r;
    for (const auto& a : appels)
        if (a.op == op) r.push_back(a);
    return r;
}

void SurfaceEnregistree::note(std::string op, std::vector<double> args, std::optional<Couleur> c)
{
    appels.push_back({std::move(op), std::move(args), c, etat.drawWidth, etat.drawStyle, {}});
}

void SurfaceEnregistree::scale(double x1, double y1, double x2, double y2)
{
    note("scale", {x1, y1, x2, y2}); journal.scale(x1, y1, x2, y2); etat.scale(x1, y1, x2, y2);
}
void SurfaceEnregistree::cls() { note("cls", {}); place(etat, 0, 0); journal.recommence(etat); }
void SurfaceEnregistree::setDrawWidth(int p) { note("drawWidth", {double(p)}); journal.setDrawWidth(p); etat.drawWidth = p; }
void SurfaceEnregistree::setDrawStyle(StyleTrait s) { note("drawStyle", {double(s)}); journal.setDrawStyle(s); etat.drawStyle = s; }
void SurfaceEnregistree::setForeColor(Couleur c) { note("foreColor", {}, c); journal.setForeColor(c); etat.foreColor = c; }
void SurfaceEnregistree::setFillColor(Couleur c) { note("fillColor", {}, c); journal.setFillColor(c); etat.fillColor = c; }
void SurfaceEnregistree::setFillStyle(StyleRemplissage s) { note("fillStyle", {double(s)}); journal.setFillStyle(s); etat.fillStyle = s; }

void SurfaceEnregistree::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    note("line", {x1, y1, x2, y2}, c); journal.line(x1, y1, x2, y2, c); place(etat, x2, y2);
}
void SurfaceEnregistree::circle(float x, float y, float r) { note("circle", {x, y, r}); journal.circle(x, y, r); place(etat, x, y); }
void SurfaceEnregistree::pset(float x, float y, std::optional<Couleur> c) { note("pset", {x, y}, c); journal.pset(x, y, c); place(etat, x, y); }

void SurfaceEnregistree::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    note("texte", {x, y, double(a)}, c); journal.texte(x, y, t, a, c);
    appels.back().texte = t;
}

void SurfaceEnregistree::fleche(int n, std::optional<Fleche> f)
{
    note("fleche", f ? std::vector<double>{double(n), f->x1, f->y1, f->x2, f->y2} : std::vector<double>{double(n)},
         f ? std::optional(f->couleur) : std::nullopt);
}

void SurfaceEnregistree::deplace(Controle c, float g, float t) { note("deplace", {ctl(c), g, t}); etat.deplace(c, g, t); }
void SurfaceEnregistree::setLargeur(Controle c, float l) { note("largeur", {ctl(c), l}); etat.setLargeur(c, l); }
void SurfaceEnregistree::setHauteur(Controle c, float h) { note("hauteur", {ctl(c), h}); etat.setHauteur(c, h); }
void SurfaceEnregistree::setVisible(Controle c, bool v) { note("visible", {ctl(c), double(v)}); etat.geo(c).visible = v; }
void SurfaceEnregistree::repeint(Controle c) { note("repeint", {ctl(c)}); }

} // namespace orbeline::test
