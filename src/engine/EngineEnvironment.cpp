#include "EngineEnvironment.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <unistd.h>

void PrepareEngineEnvironment()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += " --disable-background-networking --process-per-site";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    // The engine's views share the application's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
