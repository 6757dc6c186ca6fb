#include "DisplayOpening.h"

#include "CommandLine.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler passedTo = nullptr;

// The display asked for, as the user set it.
QByteArray DisplayName()
{
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QByteArray name = qgetenv(variable); !name.isEmpty())
            return name;
    }
    return {};
}

// The toolkit's only fatal message while the application object is made is that no platform
// could be started.
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        passedTo(type, context, message);
        return;
    }
    const QByteArray display = DisplayName();
    if (display.isEmpty())
        std::fputs("velmora: no display is set to show the viewer on; --check needs none.\n",
                   stderr);
    else
        std::fprintf(stderr,
                     "velmora: the display \"%s\" cannot be opened to show the viewer on; "
                     "--check needs none.\n",
                     display.constData());
    std::_Exit(kExitNoDisplay);
}

} // namespace

TDisplayOpening::TDisplayOpening()
{
    passedTo = qInstallMessageHandler(EndWithoutDisplay);
}

TDisplayOpening::~TDisplayOpening()
{
    qInstallMessageHandler(passedTo);
}
