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
#include <utility>

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
    std::string mode;
    if (!std::getline(reglage, mode) || mode.find("[never]") != std::string::npos) GTEST_SKIP();

    orbeline::tasEnGrandesPages();
    // A window's pixels: glibc would map a block of this size on its own.
    constexpr std::size_t kTaille = std::size_t{2} << 20;
    void* volatile bloc = std::malloc(kTaille);
    ASSERT_NE(bloc, nullptr);
    const auto fin = reinterpret_cast<std::uintptr_t>(bloc) + kTaille;
    EXPECT_LE(fin, reinterpret_cast<std::uintptr_t>(sbrk(0))) << "mapped outside the heap";
    // Its start may lie before the first 2 MB boundary, its end lies past it:
    // the flags of the mapping holding its last byte.
    std::ifstream smaps("/proc/self/smaps");
    std::string drapeaux;
    bool dedans = false;
    for (std::string ligne; drapeaux.empty() && std::getline(smaps, ligne);) {
        std::uintptr_t debut = 0, bout = 0;
        char tiret = 0;
        if (std::istringstream(ligne) >> std::hex >> debut >> tiret >> bout && tiret == '-')
            dedans = debut < fin && fin <= bout;
        else if (dedans && ligne.rfind("VmFlags:", 0) == 0)
            drapeaux = ligne;
    }
    EXPECT_NE(drapeaux.find(" hg"), std::string::npos) << drapeaux;
    std::free(bloc);
}
#endif

TEST(Demarrage, SharedMemoryIsLeftOutForTheConnectionOnlyAndNeverAgainstTheUser)
{
    const char* const kNom = "QT_XCB_NO_MITSHM";
    // Unset (nullptr) or the user's value before; the value while Qt connects.
    for (const auto& [avant, pendant] : {std::pair<const char*, const char*>{nullptr, "1"}, {"0", "0"}}) {
        SCOPED_TRACE(avant ? avant : "unset");
        if (avant) qputenv(kNom, QByteArray(avant));
        else qunsetenv(kNom);
        orbeline::retireMemoirePartagee();
        EXPECT_EQ(qgetenv(kNom), QByteArray(pendant));
        orbeline::rendEnvironnement();
        // Nothing left behind for the programs started from this one.
        EXPECT_EQ(qEnvironmentVariableIsSet(kNom), avant != nullptr);
        EXPECT_EQ(qgetenv(kNom), QByteArray(avant));
    }
    qunsetenv(kNom);
}
