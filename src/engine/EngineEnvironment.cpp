#include "EngineEnvironment.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <unistd.h>

void PrepareEngineEnvironment(TDiagnostics diagnostics)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Mesa keeps its shader cache in a memory-mapped file under the user's cache folder; on a
    // full disk a write into that mapping ends the program with SIGBUS. The engine's shaders
    // are few, so they are compiled at each start instead.
    if (!qEnvironmentVariableIsSet("MESA_SHADER_CACHE_DISABLE"))
        qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += " --disable-background-networking --process-per-site";
    // WebRTC talks to its peers and servers past every request the program sees. The viewer
    // has no use for it: without a proxy, this policy leaves it no way to send anything.
    flags += " --force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    if (diagnostics == TDiagnostics::Quiet)
        flags += " --log-level=3";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    // The engine's views share the application's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
