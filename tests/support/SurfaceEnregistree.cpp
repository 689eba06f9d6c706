#include "SurfaceEnregistree.h"

namespace orbeline::test {

namespace {
double ctl(Controle c) { return c == Controle::Sat ? 0 : 1; }
} // namespace

std::vector<Appel> SurfaceEnregistree::appelsDe(const std::string& op) const
{
    std::vector<Appel> r;
    for (const auto& a : appels)
        if (a.op == op) r.push_back(a);
    return r;
}

void SurfaceEnregistree::note(std::string op, std::vector<double> args, std::optional<Couleur> c)
{
    appels.push_back({std::move(op), std::move(args), c, etat_.drawWidth, etat_.drawStyle, {}});
}

void SurfaceEnregistree::scale(double x1, double y1, double x2, double y2)
{
    note("scale", {x1, y1, x2, y2});
    SurfaceTenue::scale(x1, y1, x2, y2);
}
void SurfaceEnregistree::cls() { note("cls", {}); SurfaceTenue::cls(); }
void SurfaceEnregistree::setDrawWidth(int p) { note("drawWidth", {double(p)}); SurfaceTenue::setDrawWidth(p); }
void SurfaceEnregistree::setDrawStyle(StyleTrait s) { note("drawStyle", {double(s)}); SurfaceTenue::setDrawStyle(s); }
void SurfaceEnregistree::setForeColor(Couleur c) { note("foreColor", {}, c); SurfaceTenue::setForeColor(c); }
void SurfaceEnregistree::setFillColor(Couleur c) { note("fillColor", {}, c); SurfaceTenue::setFillColor(c); }
void SurfaceEnregistree::setFillStyle(StyleRemplissage s) { note("fillStyle", {double(s)}); SurfaceTenue::setFillStyle(s); }
void SurfaceEnregistree::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    note("line", {x1, y1, x2, y2}, c);
    noteLigne(x1, y1, x2, y2, c);
}
void SurfaceEnregistree::circle(float x, float y, float r) { note("circle", {x, y, r}); noteCercle(x, y, r); }
void SurfaceEnregistree::pset(float x, float y, std::optional<Couleur> c) { note("pset", {x, y}, c); notePoint(x, y, c); }

void SurfaceEnregistree::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    note("texte", {x, y, double(a)}, c);
    noteTexte(x, y, t, a, c);
    appels.back().texte = t;
}

void SurfaceEnregistree::fleche(int n, std::optional<Fleche> f)
{
    note("fleche", f ? std::vector<double>{double(n), f->x1, f->y1, f->x2, f->y2} : std::vector<double>{double(n)},
         f ? std::optional(f->couleur) : std::nullopt);
}

void SurfaceEnregistree::deplace(Controle c, float g, float t) { note("deplace", {ctl(c), g, t}); SurfaceTenue::deplace(c, g, t); }
void SurfaceEnregistree::setLargeur(Controle c, float l) { note("largeur", {ctl(c), l}); SurfaceTenue::setLargeur(c, l); }
void SurfaceEnregistree::setHauteur(Controle c, float h) { note("hauteur", {ctl(c), h}); SurfaceTenue::setHauteur(c, h); }
void SurfaceEnregistree::setVisible(Controle c, bool v) { note("visible", {ctl(c), double(v)}); SurfaceTenue::setVisible(c, v); }
void SurfaceEnregistree::repeint(Controle c) { note("repeint", {ctl(c)}); }

} // namespace orbeline::test
