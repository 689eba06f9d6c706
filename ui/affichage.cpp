#include "affichage.h"

#include <QtGlobal>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace orbeline {

const char* messageSansAffichage()
{
    return "Orbeline : aucun écran graphique n'est disponible. "
           "Lancez le programme depuis une session graphique.\n";
}

bool affichageDisponible()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void installeGardeAffichage()
{
    // A display named but unreachable makes the platform plugin fail with a
    // fatal message: turn it into ours.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& msg) {
        if (type == QtFatalMsg) {
            std::fputs(messageSansAffichage(), stderr);
            std::_Exit(1);
        }
        // A format asked for in the environment (the start-up benchmark
        // stamps Qt's painting messages with the time) is honoured.
        static const bool motif = qEnvironmentVariableIsSet("QT_MESSAGE_PATTERN");
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(motif ? qFormatLogMessage(type, contexte, msg) : msg));
    });
}

} // namespace orbeline
