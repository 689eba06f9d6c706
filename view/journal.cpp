#include "journal.h"

#include <cstring>

namespace orbeline {

namespace {

// A scale's four doubles take the room of eight floats.
constexpr std::size_t kNombresEchelle = 4 * sizeof(double) / sizeof(float);

} // namespace

void Journal::recommence(const EtatSurface& e)
{
    debut_ = e;
    echelleDebut_ = echelleDonnee_ ? echelle_ : std::array<double, 4>{e.left, e.top, e.left + e.width, e.top + e.height};
    blocs_.clear();
    nombres_.clear();
    textes_.clear();
    complet_ = true;
}

void Journal::redimensionne(const EtatSurface& e)
{
    if (!echelleDonnee_) echelleDebut_ = {e.left, e.top, e.left + e.width, e.top + e.height};
}

bool Journal::place(Op op, Couleur c, std::size_t nombres, std::size_t caracteres)
{
    if (!complet_) return false;
    if (octets() + sizeof(Bloc) + nombres * sizeof(float) + caracteres > kOctetsMax) {
        // Held no longer: the memory goes back at once.
        std::vector<Bloc>().swap(blocs_);
        std::vector<float>().swap(nombres_);
        std::string().swap(textes_);
        complet_ = false;
        return false;
    }
    if (!blocs_.empty() && blocs_.back().op == op && blocs_.back().c == c)
        ++blocs_.back().n;
    else
        blocs_.push_back({op, c, 1});
    return true;
}

void Journal::note(Op op, Couleur c, std::initializer_list<float> v)
{
    // One float at a time: the vector's push_back serves every call, where an
    // insert of a list would bring a second copy of its growth into the page.
    if (place(op, c, v.size()))
        for (const float x : v) nombres_.push_back(x);
}

void Journal::scale(double x1, double y1, double x2, double y2)
{
    echelle_ = {x1, y1, x2, y2};
    echelleDonnee_ = true;
    // Its bytes as floats, pushed as every call's numbers are: no growth of the vector's own here.
    std::array<float, kNombresEchelle> f;
    std::memcpy(f.data(), echelle_.data(), sizeof echelle_);
    if (place(Op::Echelle, {}, f.size()))
        for (const float x : f) nombres_.push_back(x);
}

void Journal::setDrawWidth(int pixels)
{
    if (!place(Op::Largeur, {}, 1)) return;
    float f;
    const std::int32_t v = pixels;
    std::memcpy(&f, &v, sizeof f);
    nombres_.push_back(f);
}

void Journal::setDrawStyle(StyleTrait style) { note(Op::Style, {static_cast<std::uint8_t>(style), 0, 0}, {}); }
void Journal::setForeColor(Couleur c) { note(Op::Trait, c, {}); }
void Journal::setFillColor(Couleur c) { note(Op::Fond, c, {}); }
void Journal::setFillStyle(StyleRemplissage s) { note(Op::Remplissage, {static_cast<std::uint8_t>(s), 0, 0}, {}); }

void Journal::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    note(c ? Op::LigneCouleur : Op::Ligne, c.value_or(Couleur{}), {x1, y1, x2, y2});
}

void Journal::circle(float x, float y, float r) { note(Op::Cercle, {}, {x, y, r}); }

void Journal::pset(float x, float y, std::optional<Couleur> c)
{
    note(c ? Op::PointCouleur : Op::Point, c.value_or(Couleur{}), {x, y});
}

void Journal::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    // Its place, its anchor and its length in bytes; the bytes go on the texts' end.
    if (!place(c ? Op::TexteCouleur : Op::Texte, c.value_or(Couleur{}), 4, t.size())) return;
    float longueur;
    const auto n = static_cast<std::int32_t>(t.size());
    std::memcpy(&longueur, &n, sizeof longueur);
    for (const float v : {x, y, static_cast<float>(a), longueur}) nombres_.push_back(v);
    textes_.append(t);
}

bool Journal::rejoue(Surface& s, const Rappel<std::string(std::string_view)>& traduit) const
{
    if (!complet_) return false;
    s.scale(echelleDebut_[0], echelleDebut_[1], echelleDebut_[2], echelleDebut_[3]);
    s.setDrawWidth(debut_.drawWidth);
    s.setDrawStyle(debut_.drawStyle);
    s.setForeColor(debut_.foreColor);
    s.setFillColor(debut_.fillColor);
    s.setFillStyle(debut_.fillStyle);
    const float* v = nombres_.data();
    std::size_t caractere = 0;
    for (const Bloc& b : blocs_) {
        // The colour of the calls that name one; one call of each kind serves both forms.
        const std::optional<Couleur> c =
            b.op == Op::LigneCouleur || b.op == Op::PointCouleur || b.op == Op::TexteCouleur ? std::optional(b.c) : std::nullopt;
        for (std::uint32_t k = 0; k < b.n; ++k) {
            switch (b.op) {
            case Op::Echelle: {
                std::array<double, 4> e{};
                std::memcpy(e.data(), v, sizeof e);
                s.scale(e[0], e[1], e[2], e[3]);
                v += kNombresEchelle;
                break;
            }
            case Op::Largeur: {
                std::int32_t l = 0;
                std::memcpy(&l, v++, sizeof l);
                s.setDrawWidth(l);
                break;
            }
            case Op::Style: s.setDrawStyle(static_cast<StyleTrait>(b.c.r)); break;
            case Op::Trait: s.setForeColor(b.c); break;
            case Op::Fond: s.setFillColor(b.c); break;
            case Op::Remplissage: s.setFillStyle(static_cast<StyleRemplissage>(b.c.r)); break;
            case Op::Ligne:
            case Op::LigneCouleur: s.line(v[0], v[1], v[2], v[3], c); v += 4; break;
            case Op::Cercle: s.circle(v[0], v[1], v[2]); v += 3; break;
            case Op::Point:
            case Op::PointCouleur: s.pset(v[0], v[1], c); v += 2; break;
            case Op::Texte:
            case Op::TexteCouleur: {
                std::int32_t n = 0;
                std::memcpy(&n, &v[3], sizeof n);
                const std::string_view t(textes_.data() + caractere, static_cast<std::size_t>(n));
                caractere += t.size();
                s.texte(v[0], v[1], traduit ? traduit(t) : std::string(t), static_cast<Ancre>(static_cast<int>(v[2])), c);
                v += 4;
                break;
            }
            }
        }
    }
    return true;
}

} // namespace orbeline
