// Resident memory of the real main window (offscreen) after 20 and after
// 2 000 launches, alternating the geostationary orbit (1000 points, both
// chart groups) and the default fall onto the Earth (the star animation).
// A launch allocates nothing that outlives it but the orbit view's journal,
// which passes its bound after some 450 of these launches and is dropped:
// the growth between the two readings must stay under 0.2 MB, or the
// program fails.
#include "FrmSat.h"
#include "application.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>

#include <cstdio>
#include <fstream>
#include <unistd.h>

using namespace orbeline;

namespace {

constexpr double kCroissanceMax = 0.2;   // MB

double residentMo()
{
    std::ifstream statm("/proc/self/statm");
    long taille = 0, resident = 0;
    statm >> taille >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void lance(FrmSat& w, int n)
{
    // Odd launches fall onto the Earth from the window's first values.
    const bool chute = n % 2;
    w.ecritTexte(Champ::Text1, chute ? "0" : "3078");
    w.ecritTexte(Champ::Text3, chute ? "-30000" : "0");
    w.ecritTexte(Champ::Text4, chute ? "0" : "42164");
    w.Command1_Click();
    QCoreApplication::processEvents();   // the repaints the launch asked for
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication();
    FrmSat w;
    w.show();
    w.caseACocher(Case::Vitesse)->click();
    w.caseACocher(Case::Xy)->click();

    int n = 0;
    for (; n < 20; ++n) lance(w, n);
    const double apres20 = residentMo();
    for (; n < 2000; ++n) lance(w, n);
    const double apres2000 = residentMo();
    const double croissance = apres2000 - apres20;
    std::printf("Mémoire résidente : %.2f Mo après 20 lancements, %.2f Mo après 2000 (croissance %.3f Mo, "
                "au plus %.1f)\n", apres20, apres2000, croissance, kCroissanceMax);
    return croissance < kCroissanceMax ? 0 : 1;
}
