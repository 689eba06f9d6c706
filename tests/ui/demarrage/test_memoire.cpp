// The heap on huge pages, and the X11 connection without shared memory.
#include "memoire.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// A sanitizer brings its own allocator, which the heap set-up leaves alone.
#if defined(__SANITIZE_ADDRESS__)
#define ORBELINE_SOUS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBELINE_SOUS_ASAN 1
#endif
#endif

#if defined(__linux__) && defined(__GLIBC__) && !defined(ORBELINE_SOUS_ASAN)
#include <unistd.h>

TEST(Demarrage, LargeBlocksComeFromTheHeapOnHugePages)
{
    std::ifstream reglage("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string ligne;
    if (!std::getline(reglage, ligne) || ligne.find("[never]") != std::string::npos) GTEST_SKIP();

    orbeline::tasEnGrandesPages();
    // A window's pixels: glibc would map a block of this size on its own.
    void* volatile bloc = std::malloc(std::size_t{2} << 20);
    const auto fin = reinterpret_cast<unsigned long>(bloc) + (2UL << 20);
    EXPECT_LE(fin, reinterpret_cast<unsigned long>(sbrk(0))) << "mapped outside the heap";
    // The block may start before the first 2 MB boundary; it ends past it.
    std::ifstream smaps("/proc/self/smaps");
    std::string drapeaux;
    for (bool dedans = false; drapeaux.empty() && std::getline(smaps, ligne);) {
        unsigned long debut = 0, bout = 0;
        if (std::sscanf(ligne.c_str(), "%lx-%lx ", &debut, &bout) == 2) dedans = debut < fin && fin <= bout;
        else if (dedans && ligne.starts_with("VmFlags:")) drapeaux = ligne;
    }
    EXPECT_NE(drapeaux.find(" hg"), std::string::npos) << drapeaux;
    std::free(bloc);
}
#endif

TEST(Demarrage, SharedMemoryIsLeftOutForTheConnectionOnlyAndNeverAgainstTheUser)
{
    // Unset (nullptr) or the user's value; then the value while Qt connects.
    for (const char* avant : {static_cast<const char*>(nullptr), "0"}) {
        if (avant) qputenv("QT_XCB_NO_MITSHM", QByteArray(avant));
        else qunsetenv("QT_XCB_NO_MITSHM");
        orbeline::retireMemoirePartagee();
        EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), QByteArray(avant ? avant : "1"));
        orbeline::rendEnvironnement();
        // Nothing left behind for the programs started from this one.
        EXPECT_EQ(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"), avant != nullptr);
        EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), QByteArray(avant));
    }
    qunsetenv("QT_XCB_NO_MITSHM");
}
