#include "affichage.h"

#include "langue.h"

#include <QString>

#include <algorithm>
#include <string>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string_view>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace orbeline {

namespace {

// Written from a signal handler: the message is made before, in the user's language.
char sansMemoire[256] = {};
std::size_t longueurSansMemoire = 0;

// The message and the end, with nothing that could need memory.
[[noreturn]] void finSansMemoire()
{
#ifdef Q_OS_UNIX
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, sansMemoire, longueurSansMemoire);
#else
    std::fwrite(sansMemoire, 1, longueurSansMemoire, stderr);
#endif
    std::_Exit(1);
}

#ifdef Q_OS_UNIX
// The address-space limit (ulimit -v) when one is set, and the page size, read once.
rlim_t limiteMemoire = RLIM_INFINITY;
rlim_t taillePage = 4096;

// True when the address space in use is within a few megabytes of the
// limit: a fault or an abort there comes from an allocation refused in a
// library that does not check for it. Only calls safe in a signal handler.
bool presDeLaLimite()
{
    if (limiteMemoire == RLIM_INFINITY) return false;
    char texte[64] = {};
    const int fd = ::open("/proc/self/statm", O_RDONLY);
    if (fd < 0) return false;
    const ssize_t lus = ::read(fd, texte, sizeof texte - 1);
    ::close(fd);
    rlim_t pages = 0;
    for (ssize_t i = 0; i < lus && texte[i] >= '0' && texte[i] <= '9'; ++i) pages = pages * 10 + rlim_t(texte[i] - '0');
    constexpr rlim_t kMarge = rlim_t{16} << 20;
    return pages * taillePage + kMarge >= limiteMemoire;
}

void surFaute(int numero)
{
    if (presDeLaLimite()) finSansMemoire();
    std::signal(numero, SIG_DFL);
    std::raise(numero);
}
#endif

bool ecranInjoignable = false;   // Qt said it could not reach the display

} // namespace

std::string messageSansAffichage() { return std::string(tr(Texte::sansAffichage)) + "\n"; }

bool affichageDisponible(int argc, const char* const argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    // Qt reads its options with one dash or two, each followed by its value.
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--")) option.remove_prefix(1);
        if (option == "-platform" || option == "-display") return true;
    }
    return false;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

void installeGardeAffichage()
{
    static QtMessageHandler deQt = nullptr;
    deQt = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& msg) {
        if (type != QtFatalMsg) {
            // The platform plug-ins say so when the display named cannot be reached.
            if (msg.startsWith(QLatin1String("could not connect to display"))
                || msg.startsWith(QLatin1String("Failed to create wl_display")))
                ecranInjoignable = true;
            deQt(type, contexte, msg);
            // Qt goes on after a thread it could not start, then waits for it
            // for ever: a call to the session bus's thread, a picture drawn in
            // parts by pool threads. Near the address-space limit, a warning is
            // an allocation refused (a keymap not compiled, an image not
            // mapped), after which Qt draws nothing or waits the same way.
#ifdef Q_OS_UNIX
            if ((type == QtWarningMsg || type == QtCriticalMsg) && presDeLaLimite()) finSansMemoire();
#endif
            if (msg.startsWith(QLatin1String("QThread::start: Thread creation error"))) finSansMemoire();
            return;
        }
#ifdef Q_OS_UNIX
        if (presDeLaLimite()) finSansMemoire();   // a plug-in that could not be mapped, say
#endif
        if (ecranInjoignable) {
            std::fputs(messageSansAffichage().c_str(), stderr);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(msg));
            std::fprintf(stderr, "%s\n", std::string(tr(Texte::affichageEchoue)).c_str());
        }
        std::_Exit(1);
    });
}

void installeGardeMemoire()
{
    const std::string message = std::string(tr(Texte::sansMemoire)) + "\n";
    longueurSansMemoire = std::min(message.size(), sizeof sansMemoire);
    std::copy_n(message.data(), longueurSansMemoire, sansMemoire);
    std::set_new_handler([] { finSansMemoire(); });
    // Qt's containers throw std::bad_alloc themselves, which no event handler
    // catches; Qt's pointer checks end in std::terminate without an exception.
    std::set_terminate([] {
        if (const std::exception_ptr e = std::current_exception()) {
            try {
                std::rethrow_exception(e);
            } catch (const std::bad_alloc&) {
                finSansMemoire();
            } catch (...) {
            }
        }
#ifdef Q_OS_UNIX
        if (presDeLaLimite()) finSansMemoire();
#endif
        std::abort();
    });
#ifdef Q_OS_UNIX
    rlimit limite{};
    if (getrlimit(RLIMIT_AS, &limite) == 0) limiteMemoire = limite.rlim_cur;
    if (const long page = ::sysconf(_SC_PAGESIZE); page > 0) taillePage = rlim_t(page);
    if (limiteMemoire == RLIM_INFINITY) return;
    // C libraries (fontconfig among them) do not all check what malloc
    // returns: near the limit, their crash is memory running out.
    for (const int numero : {SIGSEGV, SIGBUS, SIGABRT, SIGTRAP}) std::signal(numero, surFaute);
#ifdef __GLIBC__
    // A thread's first allocation would give it a heap of its own, which
    // reserves 64 MB of address space: under a limit they share the first.
    mallopt(M_ARENA_MAX, 1);
    // Each of Qt's threads (the display's events, the session bus, drawing)
    // reserves a stack of the size of the main one, 8 MB by default: under a
    // limit of a hundred megabytes, the third cannot start. A megabyte is
    // what they get on Windows.
    pthread_attr_t attributs;
    if (pthread_attr_init(&attributs) == 0) {
        if (pthread_attr_setstacksize(&attributs, std::size_t{1} << 20) == 0) pthread_setattr_default_np(&attributs);
        pthread_attr_destroy(&attributs);
    }
#endif
#endif
}

} // namespace orbeline
