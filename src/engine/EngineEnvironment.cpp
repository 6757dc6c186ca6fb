#include "EngineEnvironment.h"

#include "ContentScheme.h"
#include "FontInstaller.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <unistd.h>

void PrepareEngineEnvironment(TDiagnostics diagnostics)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Mesa's shader cache spares compiling the same shaders at each start; under software GL
    // that compiling is most of the wait between the splash and the main window. Its default
    // store writes through a memory-mapped index, and on a full disk such a write ends the
    // program with SIGBUS; its database store writes files plainly, and a write that fails
    // there only goes uncached.
    if (!qEnvironmentVariableIsSet("MESA_DISK_CACHE_DATABASE"))
        qputenv("MESA_DISK_CACHE_DATABASE", "1");
    // Without it the engine keeps the pages out of the accessibility tree on Linux. With it,
    // the engine builds their tree only while an assistive technology is active.
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += " --disable-background-networking --process-per-site";
    // The viewer needs no network: web links go to the system's opener. The request blocker
    // sees only what the engine routes through it, and WebRTC, WebTransport and QUIC pass it
    // by. So the engine itself is left unable to reach anything: every name it would look up
    // is not found, addresses included, and the channels the blocker cannot see are off.
    flags += " \"--host-resolver-rules=MAP * ~NOTFOUND\"";
    flags += " --disable-quic --disable-blink-features=WebTransport";
    // Without a proxy, this policy leaves WebRTC no way to send anything.
    flags += " --force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    if (diagnostics == TDiagnostics::Quiet)
        flags += " --log-level=3";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    SubstituteTitleFontForThePages();
    ContentScheme::Register();
    // The engine's views share the application's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
