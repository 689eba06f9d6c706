// Renders the default view after the default launch (the fall onto the
// Earth) at the last frame of the star animation, into vue_par_defaut.png in
// the test's working folder, for a person to look at; and checks that the
// star stands on the impact point.
#include "PictureBox.h"
#include "SimulationState.h"
#include "calcule.h"
#include "fenetre.h"
#include "init.h"
#include "vue.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace orbeline;

namespace {

// Picture area that keeps what it showed at the last repaint of the star.
class PictureFilmee : public PictureBox {
public:
    using PictureBox::PictureBox;
    QImage derniereImage;
    void repeint(Controle c) override
    {
        PictureBox::repeint(c);
        derniereImage = grab().toImage();
    }
};

// Just enough of a main window: six picture areas and the initial texts.
class FenetreRendu : public Fenetre {
public:
    QWidget hote;
    PictureFilmee* vue = new PictureFilmee(&hote);
    std::array<PictureBox*, 5> graphes{};
    FenetreRendu()
    {
        vue->setGeometry(6, 48, 500, 500);
        for (auto& g : graphes) (g = new PictureBox(&hote))->hide();
    }
    Surface& picture(int n) override { return n == 1 ? *vue : *graphes[static_cast<std::size_t>(n - 2)]; }
    std::string texte(Champ c) const override { return c == Champ::Text3 ? "-30000" : "0"; }
    void ecritTexte(Champ, std::string_view) override {}
    void ecritEtiquette(Etiquette, std::string_view) override {}
    void activeXy(bool) override {}
    int valeurCase(Case) const override { return 0; }
    bool estVisible(Element) const override { return false; }
    void setVisible(Element, bool) override {}
    std::string separateurDecimal() const override { return "."; }
};

} // namespace

TEST(Rendu, DefaultLaunchWithItsStar)
{
    auto s = std::make_unique<SimulationState>();
    FenetreRendu f;
    f.hote.show();
    Form_Load(*s, f);
    ASSERT_TRUE(init(*s, {"0", "0", "-30000", "0", "6.00", "864", false, true}).ok);
    calcule(*s);
    ASSERT_EQ(s->Nfin, 102);
    Trace(*s, f);

    const QImage img = f.vue->derniereImage;
    ASSERT_FALSE(img.isNull());
    ASSERT_TRUE(img.save(QDir::current().filePath(QStringLiteral("vue_par_defaut.png"))));

    // The impact point (−53.5, 0) is at inner pixel (221, 248); the star,
    // about 48 × 40 units (24 × 20 pixels) after its growth, covers it with blue.
    const double dpr = img.devicePixelRatio();
    int bleus = 0;
    for (int y = 236; y <= 262; ++y)
        for (int x = 212; x <= 240; ++x) {
            const QColor c = img.pixelColor(static_cast<int>((2 + x) * dpr), static_cast<int>((2 + y) * dpr));
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100) ++bleus;
        }
    EXPECT_GT(bleus, 80);
    // After the animation the star is hidden and back to 28 × 23 units.
    EXPECT_FALSE(f.vue->estVisible(Controle::Etoile));
    EXPECT_NEAR(f.vue->largeur(Controle::Etoile), 28, 0.01);
}
