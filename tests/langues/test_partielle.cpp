// A language as it starts (partielle.cmake: German, its catalogue with "Lancer" alone): the program's texts
// build with it, its one text shows, each of the others in French, the guide too; a tag names it.
#include "langue.h"

#include <gtest/gtest.h>

using namespace orbeline;

TEST(Langue, ACatalogueLackingTextsShowsEachOneMissingInFrench)
{
    EXPECT_EQ(langueDe("de_DE.UTF-8"), Langue::de);
    for (std::size_t i = 0; i < kNombreTextes; ++i)
        EXPECT_EQ(tr(Texte(i), Langue::de), i == std::size_t(Texte::lancer) ? "Starten" : tr(Texte(i), Langue::fr)) << i;
    choisitLangue(Langue::de);
    EXPECT_TRUE(guideHtml().starts_with("<h2>Guide de l'élève")) << guideHtml().substr(0, 40);
}
