#include "mesures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWidget>

#include <future>
#include <system_error>

#ifdef ORBELINE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#endif

namespace orbeline {

QRect twips(int l, int t, int w, int h)
{
    return {qRound(l / 15.0), qRound(t / 15.0), qRound(w / 15.0), qRound(h / 15.0)};
}

namespace {

// The reading started by prechauffePolices, if any.
std::future<void> lecturePolices;

// The first installed face of the face and its stand-ins. Given a missing
// face first, Qt would ask fontconfig for a fallback list (about a
// millisecond) for every new size or weight before trying the next name of
// the list, and end on the first installed one all the same; given more than
// one, it asks for that list anyway. A glyph the face lacks is looked for in
// fontconfig's fallbacks, as the names after it would have had it.
QStringList familles(const char* famille)
{
    static QHash<QByteArray, QStringList> dejaVues;
    const QByteArray cle(famille);
    if (const auto it = dejaVues.constFind(cle); it != dejaVues.constEnd()) return *it;
    const QStringList voulues{QString::fromLatin1(famille), QStringLiteral("Microsoft Sans Serif"),
                              QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("DejaVu Sans")};
    // The list of installed faces is long: read once for every face asked for.
    static const QStringList installees = [] {
        if (lecturePolices.valid()) lecturePolices.get();
        return QFontDatabase::families();
    }();
    qsizetype premiere = 0;
    while (premiere < voulues.size() && !installees.contains(voulues[premiere], Qt::CaseInsensitive))
        ++premiere;
    // None installed: the whole list, and fontconfig's choice.
    return dejaVues[cle] = premiere < voulues.size() ? QStringList{voulues[premiere]} : voulues;
}

} // namespace

QFont police(const char* famille, double points, bool gras)
{
    QFont f;
    f.setFamilies(familles(famille));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

void prechauffePolices()
{
#ifdef ORBELINE_FONTCONFIG
    // Parsing fontconfig's XML files is a fifth of the start-up's instructions,
    // and Qt does it at the first font, on the event thread. Done here, it
    // overlaps the connection to the display; FcInit is thread-safe and Qt's
    // own call then finds the configuration loaded.
    // A thread takes address space of its own (its stack, a heap arena):
    // where the address space is limited (ulimit -v), it is left to the
    // windows, and fontconfig, which does not survive an allocation refused,
    // reads on the event thread as Qt would.
    rlimit limite{};
    if (getrlimit(RLIMIT_AS, &limite) != 0 || limite.rlim_cur != RLIM_INFINITY) return;
    try {
        lecturePolices = std::async(std::launch::async, [] { FcInit(); });
    } catch (const std::system_error&) {
        // No second thread: Qt reads the configuration itself, later.
    }
#endif
}

void centreSurEcran(QWidget* fenetre)
{
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        fenetre->move(ecran->availableGeometry().center() - fenetre->rect().center());
}

} // namespace orbeline
