// The heap on huge pages, and the X11 connection without shared memory.
#include "memoire.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#if defined(__linux__)
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define ORBELINE_AUTRE_ALLOCATEUR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBELINE_AUTRE_ALLOCATEUR 1
#endif
#endif
#if defined(__linux__) && defined(__GLIBC__) && !defined(ORBELINE_AUTRE_ALLOCATEUR)
#define ORBELINE_TAS_GLIBC 1
#endif

#ifdef ORBELINE_TAS_GLIBC
namespace {

// The VmFlags of the mapping that holds `adresse`, from /proc/self/smaps.
std::string drapeaux(std::uintptr_t adresse)
{
    std::ifstream smaps("/proc/self/smaps");
    bool dedans = false;
    for (std::string ligne; std::getline(smaps, ligne);) {
        std::uintptr_t debut = 0, fin = 0;
        char tiret = 0;
        if (std::istringstream(ligne) >> std::hex >> debut >> tiret >> fin && tiret == '-')
            dedans = debut <= adresse && adresse < fin;
        else if (dedans && ligne.rfind("VmFlags:", 0) == 0)
            return ligne;
    }
    return {};
}

} // namespace
#endif

TEST(Demarrage, LargeBlocksComeFromTheHeapOnHugePages)
{
#ifndef ORBELINE_TAS_GLIBC
    GTEST_SKIP() << "glibc's heap only";
#else
    std::ifstream reglage("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string mode;
    std::getline(reglage, mode);
    if (mode.find("[never]") != std::string::npos || mode.empty()) GTEST_SKIP() << "no huge pages here";

    orbeline::tasEnGrandesPages();
    // A window's pixels: glibc would map a block of this size on its own.
    constexpr std::size_t kTaille = std::size_t{2} << 20;
    void* volatile bloc = std::malloc(kTaille);
    ASSERT_NE(bloc, nullptr);
    const auto fin = reinterpret_cast<std::uintptr_t>(bloc) + kTaille;
    EXPECT_LE(fin, reinterpret_cast<std::uintptr_t>(sbrk(0))) << "mapped outside the heap";
    // Its start may lie before the first 2 MB boundary; its end lies past it.
    EXPECT_NE(drapeaux(fin - 1).find(" hg"), std::string::npos) << drapeaux(fin - 1);
    std::free(bloc);
#endif
}

TEST(Demarrage, SharedMemoryIsLeftOutForTheConnectionOnlyAndNeverAgainstTheUser)
{
    const char* const kNom = "QT_XCB_NO_MITSHM";
    struct Cas {
        const char* avant;     // nullptr: unset
        const char* pendant;
    };
    for (const Cas c : {Cas{nullptr, "1"}, Cas{"0", "0"}}) {
        SCOPED_TRACE(c.avant ? c.avant : "unset");
        if (c.avant) qputenv(kNom, QByteArray(c.avant));
        else qunsetenv(kNom);
        orbeline::retireMemoirePartagee();
        EXPECT_EQ(qgetenv(kNom), QByteArray(c.pendant));
        orbeline::rendEnvironnement();
        // Nothing left behind for the programs started from this one.
        EXPECT_EQ(qEnvironmentVariableIsSet(kNom), c.avant != nullptr);
        EXPECT_EQ(qgetenv(kNom), QByteArray(c.avant));
    }
    qunsetenv(kNom);
}
