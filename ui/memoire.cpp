#include "memoire.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <utility>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orbeline {

namespace {

// Read by the X11 plug-in when it connects to the display.
constexpr char kSansShm[] = "QT_XCB_NO_MITSHM";
// True while the variable is the one retireMemoirePartagee set.
bool variablePosee = false;

} // namespace

void tasEnGrandesPages()
{
#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kGrandePage = std::uintptr_t{2} << 20;   // x86-64 and arm64 with 4 kB pages
    constexpr std::size_t kReserve = std::size_t{16} << 20;
    // Large blocks (a window's pixels, a retained image) from the heap rather
    // than a mapping of their own, which would take 4 kB pages...
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // ...and the reserve stays in the heap when freed below.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    // The heap grows by one block of the reserve's size. Huge pages are asked
    // for whole 2 MB spans inside it only: the block's header and the header
    // the heap writes after it are already touched, and a span holding a
    // touched page keeps 4 kB pages. The block is given back at once; the
    // next allocations take its place.
    void* volatile bloc = std::malloc(kReserve);   // volatile: not elided with its free
    if (bloc == nullptr) return;
    const auto debut = reinterpret_cast<std::uintptr_t>(bloc);
    const auto premiere = (debut + kGrandePage - 1) & ~(kGrandePage - 1);
    const auto fin = (debut + kReserve) & ~(kGrandePage - 1);
    // A sanitizer's allocator, or a heap that could not grow in place, puts
    // the block outside the program break: nothing to do then.
    const auto rupture = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (debut + kReserve <= rupture && fin > premiere)
        madvise(reinterpret_cast<void*>(premiere), fin - premiere, MADV_HUGEPAGE);
    std::free(bloc);
#endif
}

void retireMemoirePartagee()
{
    // Through shared memory, each of the star's sixteen immediate repaints
    // waits for the server to finish reading the previous frame (a round
    // trip each), and the pixels live in a segment that takes no huge pages
    // and is touched page by page, here and in the server. Through the
    // socket, a frame is a few kilobytes sent without waiting.
    if (qEnvironmentVariableIsSet(kSansShm)) return;
    variablePosee = qputenv(kSansShm, QByteArrayLiteral("1"));
}

void rendEnvironnement()
{
    if (std::exchange(variablePosee, false)) qunsetenv(kSansShm);
}

} // namespace orbeline
